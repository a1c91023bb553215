#include "files/dated_files.h"

#include <gtest/gtest.h>

#include "files/image_backups.h"
#include "support/test_support.h"

namespace tpw::test {
namespace {

namespace fs = std::filesystem;

std::tm At(int year, int month, int day, int second = 0) {
  std::tm time{};
  time.tm_year = year - 1900;
  time.tm_mon = month - 1;
  time.tm_mday = day;
  time.tm_hour = 14;
  time.tm_min = 3;
  time.tm_sec = second;
  return time;
}

// Backups made on consecutive days before `last`, oldest first: "YYYY-MM-DDT14-03-00-read-UK.hex".
std::vector<std::string> MakeBackups(const fs::path& folder, int count, int year) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    std::tm day = At(year, 1, 1);
    day.tm_mday += i;
    std::mktime(&day);  // normalises the date
    names.push_back(DatedStamp(day) + "-read-UK.hex");
    WriteBytes(folder / names.back(), "x");
  }
  return names;
}

// The newest 200 backups stay, and every backup younger than a year; the user's own files in
// the folder are never touched.
TEST(ImageBackups, PruningKeepsTheNewestAndTheYoung) {
  TempDir userData;
  const fs::path folder = BackupFolder(userData.path());
  fs::create_directories(folder);
  const std::vector<std::string> old = MakeBackups(folder, 230, 2020);
  WriteBytes(folder / "my boat.hex", "mine");
  WriteBytes(folder / "notes.txt", "mine");
  PruneImageBackups(userData.path(), At(2026, 12, 7));
  std::vector<std::string> expected(old.end() - BackupsKept, old.end());
  expected.push_back("my boat.hex");
  expected.push_back("notes.txt");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(FolderNames(folder), expected);

  // 250 backups of this year: none is old enough to go.
  TempDir young;
  fs::create_directories(BackupFolder(young.path()));
  MakeBackups(BackupFolder(young.path()), 250, 2026);
  PruneImageBackups(young.path(), At(2027, 1, 1));
  EXPECT_EQ(FolderNames(BackupFolder(young.path())).size(), 250u);
  PruneImageBackups(young.path(), At(2027, 12, 31));
  EXPECT_EQ(FolderNames(BackupFolder(young.path())).size(), BackupsKept);
}

// Six radios programmed in the same second on six cables: six backups, none replaced.
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
  }
  EXPECT_EQ(saved,
            (std::vector<std::string>{
                "2026-12-07T14-03-22-write-UK.hex", "2026-12-07T14-03-22-write-UK-2.hex",
                "2026-12-07T14-03-22-write-UK-3.hex", "2026-12-07T14-03-22-write-UK-4.hex",
                "2026-12-07T14-03-22-write-UK-5.hex", "2026-12-07T14-03-22-write-UK-6.hex"}));
  std::vector<std::string> listed;
  for (const fs::path& path : ImageBackups(userData.path())) {
    listed.push_back(path.filename().string());
  }
  EXPECT_EQ(listed, saved);

  // A folder that cannot be made is said to be the reason.
  WriteBytes(userData / "file", "");
  const DatedFile refused =
      SaveImageBackup(t.files, userData / "file", At(2026, 12, 7), "read", ValidImage(1));
  EXPECT_TRUE(refused.error);
  EXPECT_EQ(refused.path, userData / "file" / "backups" / "2026-12-07T14-03-00-read-UK.hex");
}

}  // namespace
}  // namespace tpw::test
