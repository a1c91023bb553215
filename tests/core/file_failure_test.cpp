// How the failures of files are told: in the user's words in a box, and in the error log of
// the debug mode.
#include "files/error_log.h"

#include <gtest/gtest.h>

#include "files/atomic_file.h"
#include "files/file_failure.h"
#include "support/test_support.h"

namespace tpw {
namespace {

namespace fs = std::filesystem;

TEST(ErrorLogTest, NothingOutsideDebugMode) {
  test::TempDir dir;
  ErrorLog log(false, dir.path(), dir / "user");
  log.errorLog("frmMain.FileRead2", "53File not found");
  log.traceLog("frmMain:PortCheck failed");
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST(ErrorLogTest, LinesAppendedInTheProgramFolder) {
  test::TempDir dir;
  test::WriteBytes(dir / "err.log", "earlier\r\n");
  std::tm now = test::LocalTime(2026, 12, 5, 23, 59, 58);
  ErrorLog log(true, dir.path(), dir / "user", [&now] { return now; });
  log.errorLog("frmMain.FileRead2", "53File not found");
  log.errorLog("frmMain:ErrHandler", "");
  EXPECT_EQ(test::ReadBytes(dir / "err.log"),
            "earlier\r\n"
            "2026-12-05,23:59:58:frmMain.FileRead2 -> 53File not found\r\n"
            "2026-12-05,23:59:58:frmMain:ErrHandler -> \r\n");

  log.traceLog("  frmMain:PortCheck no port  ");
  now = test::LocalTime(2026, 12, 6, 0, 0, 1);
  log.traceLog("frmMain:PortCheck again");
  EXPECT_EQ(test::ReadBytes(dir / "log" / "log_1205.txt"),
            "2026-12-05 23:59:58 frmMain:PortCheck no port\r\n");
  EXPECT_EQ(test::ReadBytes(dir / "log" / "log_1206.txt"),
            "2026-12-06 00:00:01 frmMain:PortCheck again\r\n");
  EXPECT_FALSE(fs::exists(dir / "user"));
}

TEST(ErrorLogTest, FallsBackToTheUserFolderAndSwallowsFailures) {
  test::TempDir dir;
  // A program "folder" that is a file cannot hold the logs.
  test::WriteBytes(dir / "program", "not a folder");
  const std::tm now = test::LocalTime(2026, 1, 2, 3, 4, 5);
  ErrorLog log(true, dir / "program", dir / "user", [now] { return now; });
  log.errorLog("frmMain.SaveFileAs", "13Permission denied");
  log.traceLog("x");
  EXPECT_EQ(test::ReadBytes(dir / "user" / "err.log"),
            "2026-01-02,03:04:05:frmMain.SaveFileAs -> 13Permission denied\r\n");
  EXPECT_EQ(test::ReadBytes(dir / "user" / "log" / "log_0102.txt"), "2026-01-02 03:04:05 x\r\n");

  // Neither folder writable: a trace failure goes to the error log, which fails quietly.
  ErrorLog nowhere(true, dir / "program", dir / "program", [now] { return now; });
  nowhere.errorLog("p", "m");
  nowhere.traceLog("t");
  EXPECT_EQ(test::ReadBytes(dir / "program"), "not a folder");
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
}  // namespace tpw
