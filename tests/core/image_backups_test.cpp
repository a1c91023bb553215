#include "files/dated_files.h"

#include <gtest/gtest.h>

#include "files/file_failure.h"
#include "files/image_backups.h"
#include "files/transfer_traces.h"
#include "support/test_support.h"

namespace tpw::test {
namespace {

namespace fs = std::filesystem;

std::tm At(int year, int month, int day, int second = 0) {
  return LocalTime(year, month, day, 14, 3, second);
}

// Backups made on consecutive days from 1 January of year, oldest first, as the program
// writes them: "YYYY-MM-DDT14-03-00-read-UK.hex" of 2048 bytes.
std::vector<std::string> MakeBackups(const fs::path& folder, int count, int year) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    std::tm day = At(year, 1, 1);
    day.tm_mday += i;
    std::mktime(&day);  // normalises the date
    names.push_back(DatedStamp(day) + "-read-UK.hex");
    WriteBytes(folder / names.back(), ImageAsString(ValidImage(1)));
  }
  return names;
}

std::vector<std::string> Names(const std::vector<fs::path>& paths) {
  std::vector<std::string> names;
  for (const fs::path& path : paths) names.push_back(path.filename().string());
  return names;
}

// Pruning removes the program's own backups beyond the newest 200 that are a year old, and
// nothing else: every file below has a backup's look, is older still, and stays.
TEST(ImageBackups, PruningRemovesOnlyTheProgramsOwnOldBackups) {
  TempDir userData;
  const fs::path folder = BackupFolder(userData.path());
  fs::create_directories(folder);
  std::vector<std::string> old = MakeBackups(folder, 229, 2020);
  // A name taken twice in one second is the program's too.
  old.insert(old.begin(), "2019-06-01T10-00-00-before-write-USA-2.hex");
  WriteBytes(folder / old.front(), ImageAsString(ValidImage()));

  const std::string image = ImageAsString(ValidImage());
  const std::vector<std::pair<std::string, std::string>> decoys = {
      {"2018-01-01T00-00-00-read-USA (copy).hex", image},
      {"2018-01-01T00-00-00-foo-USA.hex", image},
      {"2018-01-01T00-00-00-read-usa.hex", image},
      {"2018-01-01T00-00-00-read-USA.HEX", image},
      {"2018-01-01T00-00-00-read-USA-02.hex", image},
      {"2018-01-01T00-00-00-read-USA-1.hex", image},
      {"2018-01-01T00-00-00-read-XX.hex", image},
      {"0000-00-00T00-00-00-read-USA.hex", image},
      {"2018-13-45T99-99-99-read-USA.hex", image},
      {"2018-02-29T00-00-00-read-USA.hex", image},
      {"2018-01-01T00-00-00-read-USA-2.hex", "short"},
      {"2018-01-01T00-00-01-write-UK.hex", "my notes on the boat's channels\r\n"},
      {"2018-01-01T00-00-02-write-UK.hex", image + "x"},
      {"my boat.hex", image},
      {"notes.txt", "mine"},
  };
  for (const auto& [name, content] : decoys) WriteBytes(folder / name, content);
  fs::create_directory(folder / "2018-01-03T00-00-00-read-UK.hex");
  WriteBytes(userData / "mine.hex", image);
  fs::create_symlink(userData / "mine.hex", folder / "2018-01-04T00-00-00-read-UK.hex");

  std::vector<std::string> expected(old.end() - BackupsKept, old.end());
  EXPECT_EQ(Names(ImageBackups(userData.path(), At(2026, 12, 7))), old);
  PruneImageBackups(userData.path(), At(2026, 12, 7));
  EXPECT_EQ(Names(ImageBackups(userData.path(), At(2026, 12, 7))), expected);
  for (const auto& decoy : decoys) expected.push_back(decoy.first);
  expected.push_back("2018-01-03T00-00-00-read-UK.hex");
  expected.push_back("2018-01-04T00-00-00-read-UK.hex");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(FolderNames(folder), expected);
  EXPECT_EQ(ReadBytes(userData / "mine.hex"), image);

  // 250 backups of this year: none is old enough to go.
  TempDir young;
  fs::create_directories(BackupFolder(young.path()));
  MakeBackups(BackupFolder(young.path()), 250, 2026);
  PruneImageBackups(young.path(), At(2027, 1, 1));
  EXPECT_EQ(FolderNames(BackupFolder(young.path())).size(), 250u);
  PruneImageBackups(young.path(), At(2027, 12, 31));
  EXPECT_EQ(FolderNames(BackupFolder(young.path())).size(), BackupsKept);
}

// Six radios programmed in the same second on six cables: six backups, none replaced, each
// its owner's alone in a folder of the owner's alone.
TEST(ImageBackups, NamesOfOneSecondNeverCollide) {
  TestContext t;
  TempDir userData;
  std::vector<std::string> saved;
  for (int radio = 0; radio < 6; ++radio) {
    MemoryImage image = ValidImage(1);
    image.set(0x300, static_cast<std::uint8_t>(radio));
    const DatedFile file =
        SaveImageBackup(t.files, userData.path(), At(2026, 12, 7, 22), "write", image);
    ASSERT_FALSE(file.error) << file.error.message();
    saved.push_back(file.path.filename().string());
    EXPECT_EQ(ReadBytes(file.path)[0x300], static_cast<char>(radio));
#ifndef _WIN32
    EXPECT_EQ(fs::status(file.path).permissions() & fs::perms::mask,
              fs::perms::owner_read | fs::perms::owner_write);
#endif
  }
  std::vector<std::string> expected = {"2026-12-07T14-03-22-write-UK.hex"};
  for (int n = 2; n <= 6; ++n)
    expected.push_back("2026-12-07T14-03-22-write-UK-" + std::to_string(n) + ".hex");
  EXPECT_EQ(saved, expected);
  EXPECT_EQ(Names(ImageBackups(userData.path(), At(2026, 12, 7))), saved);
#ifndef _WIN32
  EXPECT_EQ(fs::status(BackupFolder(userData.path())).permissions() & fs::perms::mask,
            fs::perms::owner_all);
#endif
}

// A folder that cannot be made is said to be the reason, naming the place that is missing or
// in the way: a file where a folder should be, a link to a folder that does not exist.
TEST(ImageBackups, AFolderThatCannotBeMadeIsNamed) {
  TestContext t;
  TempDir userData;
  WriteBytes(userData / "file", "");
  DatedFile refused =
      SaveImageBackup(t.files, userData / "file", At(2026, 12, 7), "read", ValidImage(1));
  EXPECT_TRUE(refused.error);
  EXPECT_EQ(refused.path, userData / "file" / "backups" / "2026-12-07T14-03-00-read-UK.hex");
  EXPECT_EQ(
      FileFailureFinding(refused.path, refused.error, FileAction::Keep),
      (userData / "file").string() + " is a file, not a folder. Move that file out of the way.");

  fs::create_symlink(userData / "gone", BackupFolder(userData.path()));
  refused = SaveImageBackup(t.files, userData.path(), At(2026, 12, 7), "read", ValidImage(1));
  EXPECT_EQ(refused.error, std::errc::no_such_file_or_directory);
  EXPECT_EQ(refused.path, userData / "gone" / "2026-12-07T14-03-00-read-UK.hex");
  EXPECT_EQ(FileFailureFinding(refused.path, refused.error, FileAction::Keep),
            "the folder " + (userData / "gone").string() + " does not exist. Create it.");
  EXPECT_FALSE(fs::exists(userData / "gone"));
  EXPECT_EQ(DatedFolderState(BackupFolder(userData.path())).path, userData / "gone");
}

// A clock that was ahead and is right again leaves traces dated in the future: they count as
// older than every trace made since, so pruning keeps the newest trace and it is the latest.
TEST(TransferTraces, TracesOfAClockThatWasAheadGoFirst) {
  TestContext t;
  TempDir userData;
  for (int i = 0; i < 25; ++i) {
    ASSERT_FALSE(SaveTransferTrace(t.files, userData.path(), At(2030, 1, 1, i), "read",
                                   "Transfer: Read from Radio\r\n")
                     .error);
  }
  WriteBytes(userData / TraceFolderName / "2031-01-01T00-00-00-read.txt", "not a trace");
  const DatedFile now = SaveTransferTrace(t.files, userData.path(), At(2026, 12, 7), "write",
                                          "Transfer: Program to Radio\r\n");
  ASSERT_FALSE(now.error);
  PruneTransferTraces(userData.path(), At(2026, 12, 7, 5));
  const std::vector<std::string> names = FolderNames(userData / TraceFolderName);
  EXPECT_EQ(names.size(), TracesKept + 1);
  EXPECT_EQ(std::count(names.begin(), names.end(), "2031-01-01T00-00-00-read.txt"), 1);
  EXPECT_EQ(std::count(names.begin(), names.end(), "2030-01-01T14-03-05-read.txt"), 0);
  EXPECT_EQ(LatestTransferTrace(userData.path(), At(2026, 12, 7, 5)), now.path);
#ifndef _WIN32
  EXPECT_EQ(fs::status(now.path).permissions() & fs::perms::mask,
            fs::perms::owner_read | fs::perms::owner_write);
#endif
}

}  // namespace
}  // namespace tpw::test
