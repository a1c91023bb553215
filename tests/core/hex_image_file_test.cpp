// The image files: opened, saved, loaded as templates, and kept as dated backups and traces.
// How the failures of files are told: in the user's words in a box, and in the error log of
// the debug mode.
#include "files/hex_image_file.h"

#include <gtest/gtest.h>

#include "files/atomic_file.h"
#include "files/dated_files.h"
#include "files/error_log.h"
#include "files/file_failure.h"
#include "files/image_backups.h"
#include "files/transfer_traces.h"
#include "image/image_codec.h"
#include "image/memory_map.h"
#include "session/flag_guard.h"
#include "support/test_support.h"

namespace tpw::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTitle = "PC Program for QZ815";

// A data set that a refused file must leave exactly as it was.
struct OpenFixture : TestContext {
  TempDir dir;

  OpenFixture() {
    ws.image = ValidImage(1);
    ws.image.set(0x300, 16);
    ws.model.CHUSA.append({.position = 16, .enabled = true});
    ws.documentPath = "keep.dat";
    ws.flags.DataChanged = true;
  }
  fs::path file(const MemoryImage& image, const std::string& name = "in.hex") {
    WriteBytes(dir / name, ImageAsString(image));
    return dir / name;
  }
  void expectUnchanged(const Workspace& before) {
    EXPECT_EQ(ws.image, before.image);
    EXPECT_EQ(ws.model, before.model);
    EXPECT_EQ(ws.documentPath, "keep.dat");
    EXPECT_TRUE(ws.flags.DataChanged);
    EXPECT_FALSE(ws.flags.TransferBusy);
  }
};

// Every refused file leaves the data set as it was: the box names the file and what was found
// in it, and only the system's failures are logged.
TEST(OpenImageFile, RefusedFilesChangeNothing) {
  struct Case {
    std::string name;  // folder.hex is made a folder, large.hex three sparse gigabytes
    std::string bytes;
    std::string message;  // "{}" stands for the file's path
    Icon icon = Icon::Critical;
    std::string logged;  // how the error log line starts, if one is logged
    int modelType = 1;
  };
  const std::string good = ImageAsString(ValidImage(1));
  MemoryImage halfVersion = ValidImage(1);
  halfVersion.set(0x7FE, 0);
  halfVersion.set(0x7FF, 0);
  MemoryImage newImage = ValidImage(1);
  newImage.set(0x081, 0x2C);
  newImage.set(0x7FF, 0x2C);
  const std::string size = "bad file!!\r\n{}: expected 2048 bytes and found ";
  const std::string memory = ", so it is no image of the radio's memory.";
  const std::string words = "ModelType Error !!\r\n{}: the model words at 0x080 and 0x7FE hold ";
  const std::string read = "FileRead Error!!\r\n{}: ";
  const Case cases[] = {
      {"in.hex", good.substr(0, 2047), size + "2047" + memory},
      {"in.hex", good + "x", size + "2049" + memory},
      {"in.hex", "", size + "0" + memory},
      {"large.hex", "", size + "3000000000" + memory},
      {"in.hex", ImageAsString(halfVersion),
       words + "0x012D and 0x0000; an image of the QZ815 holds 0x012D in both."},
      {"in.hex", ImageAsString(newImage),
       words + "0x012C and 0x012C; an image of the QZ815 holds 0x012D in both."},
      {"in.hex", ImageAsString(ValidImage(7)),
       "Region Unmatched !!\r\n{}: the file is for the region USA and the data set for UK, and "
       "the USA region is never mixed with another. Choose the region USA first (the Region menu, "
       "or --destination USA on the command line), then open the file again."},
      {"in.hex", good,
       "ModelType Error !!\r\n{}: the program is set to the model Unknown model, which has no "
       "image files.",
       Icon::Critical, "", 2},
      {"missing.hex", "", read + "the file does not exist. Check its name and folder.",
       Icon::Exclamation, "frmMain.ReadHexFileAs -> 2"},
      {"folder.hex", "", read + "it is a folder, not a file. Give the name of a file.",
       Icon::Exclamation,
       "frmMain.ReadHexFileAs -> " +
           NumberedDescription(std::make_error_code(std::errc::is_a_directory))},
  };
  for (Case c : cases) {
    OpenFixture f;
    const fs::path path = f.dir / c.name;
    c.message.replace(c.message.find("{}"), 2, path.string());
    SCOPED_TRACE(c.message);
    f.ws.caps.ModelType = c.modelType;
    if (c.name == "folder.hex") {
      fs::create_directory(path);
    } else if (c.name != "missing.hex") {
      WriteBytes(path, c.bytes);
      // Three gigabytes that take no room: a read of it would take the program's memory.
      if (c.name == "large.hex") fs::resize_file(path, 3'000'000'000ULL);
    }
    const Workspace before = f.ws;
    EXPECT_EQ(OpenImageFile(f.ctx, path).outcome, Outcome::Failed);
    ASSERT_EQ(f.prompter.boxes.size(), 1u);
    EXPECT_EQ(f.prompter.boxes[0].text, c.message);
    EXPECT_EQ(f.prompter.boxes[0].title, kTitle);
    EXPECT_EQ(f.prompter.boxes[0].icon, c.icon);
    EXPECT_FALSE(f.prompter.boxes[0].question);
    EXPECT_EQ(f.diagnostics.errors.size(), c.logged.empty() ? 0u : 1u);
    for (const std::string& logged : f.diagnostics.errors)
      EXPECT_TRUE(logged.starts_with(c.logged));
    f.expectUnchanged(before);
  }
}

TEST(OpenImageFile, RegionQuestion) {
  OpenFixture f;
  f.ws.image.set(addr::RegionCode, 1);
  const Workspace before = f.ws;
  const auto path = f.file(ValidImage(3));

  f.prompter.plan(Answer::No);
  EXPECT_EQ(OpenImageFile(f.ctx, path).outcome, Outcome::Cancelled);
  ASSERT_EQ(f.prompter.boxes.size(), 1u);
  const auto& box = f.prompter.boxes[0];
  EXPECT_TRUE(box.question);
  EXPECT_EQ(box.text, "The region is unmatched.\r\nDo you want to change the region?");
  EXPECT_EQ(box.icon, Icon::Exclamation);
  EXPECT_EQ(box.buttons, Buttons::YesNo);
  EXPECT_EQ(box.defaultAnswer, Answer::No);
  EXPECT_EQ(box.title, kTitle);
  f.expectUnchanged(before);

  f.prompter.plan(Answer::Yes);
  const ImageOpenResult result = OpenImageFile(f.ctx, path);
  EXPECT_EQ(result.outcome, Outcome::Done);
  EXPECT_TRUE(result.regionChangeAccepted);
  EXPECT_EQ(f.ws.image, ValidImage(3));
  EXPECT_EQ(f.ws.model.groups[2].label, "NL");
  EXPECT_EQ(f.ws.model.CHUSA.size(), 96);  // the file's lists replace the old ones
  EXPECT_EQ(f.ws.documentPath, path.string());
}

TEST(OpenImageFile, RegionsThatBothCountAsUsaNeedNoQuestion) {
  OpenFixture f;
  f.ws.image.set(addr::RegionCode, 9);
  const ImageOpenResult result = OpenImageFile(f.ctx, f.file(ValidImage(7)));
  EXPECT_EQ(result.outcome, Outcome::Done);
  EXPECT_FALSE(result.regionChangeAccepted);
  EXPECT_TRUE(f.prompter.boxes.empty());
  EXPECT_EQ(f.ws.image.at(addr::RegionCode), 7);
}

TEST(SaveImageBytes, SavedImageReopensByteForByteAndAFailureIsReported) {
  OpenFixture f;
  MemoryImage image = ValidImage(1);
  for (int a = 0; a < 0x80; ++a) image.set(a, static_cast<std::uint8_t>(a));  // not decoded
  f.ws.image = image;
  const auto path = f.dir / "out.hex";
  WriteBytes(path, std::string(5000, 'x'));
  ASSERT_EQ(SaveImageBytes(f.ctx, path), Outcome::Done);
  EXPECT_EQ(ReadBytes(path), ImageAsString(image));
  EXPECT_FALSE(f.ws.flags.TransferBusy);
  EXPECT_EQ(f.host.fileSettles, 1);

  f.ws.image = ValidImage(1);
  EXPECT_EQ(OpenImageFile(f.ctx, path).outcome, Outcome::Done);
  EXPECT_EQ(f.ws.image, image);

  // A failed save is reported and leaves no temporary file.
  const auto target = f.dir / "folder.hex";
  fs::create_directories(target);
  WriteBytes(target / "inside", "kept");
  EXPECT_EQ(SaveImageBytes(f.ctx, target), Outcome::Failed);
  ASSERT_EQ(f.prompter.texts(),
            std::vector<std::string>{"FileSave Error!!\r\n" + target.string() +
                                     ": it is a folder, not a file. Give the name of a file."});
  EXPECT_EQ(f.prompter.boxes[0].icon, Icon::Exclamation);
  EXPECT_EQ(f.prompter.boxes[0].title, kTitle);
  ASSERT_EQ(f.diagnostics.errors.size(), 1u);
  EXPECT_EQ(f.diagnostics.errors[0].rfind("frmMain.SaveHexFileAs -> ", 0), 0u);
  EXPECT_EQ(ReadBytes(target / "inside"), "kept");
  EXPECT_EQ(FolderNames(f.dir.path()), (std::vector<std::string>{"folder.hex", "out.hex"}));
}

TEST(SaveImageFile, EncodesAndCorrectsBeforeSaving) {
  OpenFixture f;
  f.ws.image = ValidImage(0xFF);
  f.ws.model = {};
  f.ws.model.CHINT.append({.position = 16, .enabled = true});
  f.ws.model.groups[1].usable = true;
  f.ws.image.set(addr::CurrentMode, 0);
  f.ws.image.set(addr::CurrentGroup, 0);
  f.ws.model.CHRG.append({.enabled = true, .displayLeft = "7", .rxFrequency = 156.0137});
  const SettingsModel model = f.ws.model;
  const auto path = f.dir / "out.hex";
  ASSERT_EQ(SaveImageFile(f.ctx, path), Outcome::Done);
  EXPECT_EQ(f.ws.model, model);  // saving never changes the settings
  MemoryImage saved;
  ASSERT_EQ(ReadImageFile(path, 1, saved), ImageFileStatus::Ok);
  EXPECT_EQ(saved.at(0x3C0), 16);
  EXPECT_EQ(saved.at(0x120), 0x80);
  EXPECT_EQ(saved.at(addr::CurrentGroup), 1);
  EXPECT_EQ(saved.word(addr::CurrentChannel), 0);
  EXPECT_EQ(saved, f.ws.image);
}

TEST(LoadDestinationImage, LoadsTemplatesSilently) {
  OpenFixture f;
  MemoryImage templ = ValidImage(2);
  templ.set(0x100, 0x80);
  templ.set(0x300, 16);
  const fs::path path = f.file(templ, "QZ815_BE_012D.ini");
  EXPECT_TRUE(LoadDestinationImage(f.ctx, path));
  EXPECT_EQ(f.ws.image, templ);  // no region check: the template brings its own
  EXPECT_EQ(f.ws.model.CHUSA.size(), 1);
  EXPECT_EQ(f.ws.model.groups[2].label, "BE");
  EXPECT_TRUE(f.prompter.boxes.empty());
  EXPECT_FALSE(f.ws.flags.TransferBusy);

  const MemoryImage image = f.ws.image;
  WriteBytes(f.dir / "short.ini", std::string(100, '\xFF'));
  EXPECT_FALSE(LoadDestinationImage(f.ctx, f.dir / "short.ini"));
  MemoryImage wrong = ValidImage(2);
  wrong.set(0x081, 0x2C);
  EXPECT_FALSE(LoadDestinationImage(f.ctx, f.file(wrong, "wrong.ini")));
  EXPECT_FALSE(LoadDestinationImage(f.ctx, f.dir / "missing.ini"));
  ASSERT_EQ(f.diagnostics.errors.size(), 1u);
  EXPECT_EQ(f.diagnostics.errors[0].rfind("frmMain.FileReadIni -> ", 0), 0u);
  EXPECT_TRUE(f.prompter.boxes.empty());
  EXPECT_EQ(f.ws.image, image);

  // A read inside a busy reset leaves the window busy.
  {
    FlagGuard reset(f.ws.flags.TransferBusy, true);
    EXPECT_TRUE(LoadDestinationImage(f.ctx, path));
    EXPECT_TRUE(f.ws.flags.TransferBusy);
  }
  EXPECT_FALSE(f.ws.flags.TransferBusy);
}

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

// Backups and traces are their owner's alone, where the system has permissions of that kind.
void ExpectPermissions(const fs::path& path, fs::perms perms) {
#ifndef _WIN32
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::mask, perms) << path;
#endif
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
    ExpectPermissions(file.path, fs::perms::owner_read | fs::perms::owner_write);
  }
  std::vector<std::string> expected = {"2026-12-07T14-03-22-write-UK.hex"};
  for (int n = 2; n <= 6; ++n)
    expected.push_back("2026-12-07T14-03-22-write-UK-" + std::to_string(n) + ".hex");
  EXPECT_EQ(saved, expected);
  EXPECT_EQ(Names(ImageBackups(userData.path(), At(2026, 12, 7))), saved);
  ExpectPermissions(BackupFolder(userData.path()), fs::perms::owner_all);
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
  ExpectPermissions(now.path, fs::perms::owner_read | fs::perms::owner_write);
}

TEST(ErrorLogTest, LinesAppendedInTheProgramFolderInDebugModeOnly) {
  TempDir dir;
  WriteBytes(dir / "err.log", "earlier\r\n");
  ErrorLog off(false, dir.path(), dir / "user");
  off.errorLog("frmMain.FileRead2", "53File not found");
  off.traceLog("frmMain:PortCheck failed");
  EXPECT_EQ(FolderNames(dir.path()), std::vector<std::string>{"err.log"});
  std::tm now = LocalTime(2026, 12, 5, 23, 59, 58);
  ErrorLog log(true, dir.path(), dir / "user", [&now] { return now; });
  log.errorLog("frmMain.FileRead2", "53File not found");
  log.errorLog("frmMain:ErrHandler", "");
  EXPECT_EQ(ReadBytes(dir / "err.log"),
            "earlier\r\n"
            "2026-12-05,23:59:58:frmMain.FileRead2 -> 53File not found\r\n"
            "2026-12-05,23:59:58:frmMain:ErrHandler -> \r\n");

  log.traceLog("  frmMain:PortCheck no port  ");
  now = LocalTime(2026, 12, 6, 0, 0, 1);
  log.traceLog("frmMain:PortCheck again");
  EXPECT_EQ(ReadBytes(dir / "log" / "log_1205.txt"),
            "2026-12-05 23:59:58 frmMain:PortCheck no port\r\n");
  EXPECT_EQ(ReadBytes(dir / "log" / "log_1206.txt"),
            "2026-12-06 00:00:01 frmMain:PortCheck again\r\n");
  EXPECT_FALSE(fs::exists(dir / "user"));
}

TEST(ErrorLogTest, FallsBackToTheUserFolderAndSwallowsFailures) {
  TempDir dir;
  // A program "folder" that is a file cannot hold the logs.
  WriteBytes(dir / "program", "not a folder");
  const std::tm now = LocalTime(2026, 1, 2, 3, 4, 5);
  ErrorLog log(true, dir / "program", dir / "user", [now] { return now; });
  log.errorLog("frmMain.SaveFileAs", "13Permission denied");
  log.traceLog("x");
  EXPECT_EQ(ReadBytes(dir / "user" / "err.log"),
            "2026-01-02,03:04:05:frmMain.SaveFileAs -> 13Permission denied\r\n");
  EXPECT_EQ(ReadBytes(dir / "user" / "log" / "log_0102.txt"), "2026-01-02 03:04:05 x\r\n");

  // Neither folder writable: a trace failure goes to the error log, which fails quietly.
  ErrorLog nowhere(true, dir / "program", dir / "program", [now] { return now; });
  nowhere.errorLog("p", "m");
  nowhere.traceLog("t");
  EXPECT_EQ(ReadBytes(dir / "program"), "not a folder");
}

// The reasons a test cannot bring about for real everywhere (a full disk, a permission a test
// run as root always has), as the second line of a file message says them: for a file the user
// names, and for a file the program keeps in a folder of its own, whose place cannot be given.
TEST(FileFailure, ReasonsInTheUsersWords) {
  const std::filesystem::path file = "/media/card/boat.dat";
  const struct {
    std::error_code error;
    FileAction action;
    const char* finding;
  } cases[] = {
      {make_error_code(std::errc::no_space_on_device), FileAction::Save,
       "the disk is full. Free some space, or give a path on another disk."},
      {make_error_code(std::errc::no_space_on_device), FileAction::Keep,
       "the disk is full. Free some space."},
      {make_error_code(std::errc::permission_denied), FileAction::Save,
       "permission denied: you may not write in the folder /media/card. Give a path in a "
       "folder you may write in."},
      {make_error_code(std::errc::permission_denied), FileAction::Keep,
       "permission denied: you may not write in the folder /media/card. Make that folder "
       "writable for you."},
      {make_error_code(std::errc::read_only_file_system), FileAction::Save,
       "the disk is read-only. Give a path on another disk."},
      {make_error_code(SaveRefusal::ReadOnly), FileAction::Save,
       "the file is read-only, so it is not replaced. Make it writable first, or give another "
       "file name."},
      {make_error_code(SaveRefusal::Device), FileAction::Save,
       "it is a device, not a file, so it is not replaced. Give the name of a file."},
      {make_error_code(SaveRefusal::Pipe), FileAction::Keep,
       "it is a pipe, not a file, so it is not replaced. Move it out of the way."},
      {make_error_code(std::errc::permission_denied), FileAction::Read,
       "permission denied: you may not read it. Copy it to a folder of yours and open the "
       "copy."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileFailureFinding(file, c.error, c.action), c.finding);
  }
  EXPECT_EQ(FileMessage("FileSave Error!!", file, "the disk is full. Free some space."),
            "FileSave Error!!\r\n/media/card/boat.dat: the disk is full. Free some space.");
  EXPECT_EQ(
      FileFailureFinding("boat.dat", std::make_error_code(std::errc::no_such_file_or_directory),
                         FileAction::Save),
      "the current folder does not exist. Create it, or give a path in another folder.");
}

}  // namespace
}  // namespace tpw::test
