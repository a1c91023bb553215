#include "files/error_log.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace tpw {
namespace {

namespace fs = std::filesystem;

std::tm At(int month, int day, int hour, int minute, int second) {
  return test::LocalTime(2026, month, day, hour, minute, second);
}

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
  std::tm now = At(12, 5, 23, 59, 58);
  ErrorLog log(true, dir.path(), dir / "user", [&now] { return now; });
  log.errorLog("frmMain.FileRead2", "53File not found");
  log.errorLog("frmMain:ErrHandler", "");
  EXPECT_EQ(test::ReadBytes(dir / "err.log"),
            "earlier\r\n"
            "2026-12-05,23:59:58:frmMain.FileRead2 -> 53File not found\r\n"
            "2026-12-05,23:59:58:frmMain:ErrHandler -> \r\n");

  log.traceLog("  frmMain:PortCheck no port  ");
  now = At(12, 6, 0, 0, 1);
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
  const std::tm now = At(1, 2, 3, 4, 5);
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

}  // namespace
}  // namespace tpw
