// What keeps the radio and the PC's data safe around a transfer. The checks a write makes
// besides its own exchanges: the read-back of everything written, and the changes a write read
// first shows for the user's consent. The safety net: backups of what was read and written,
// and the trace of every transfer.
#include "shell/transfer_safety_net.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "files/hex_image_file.h"
#include "files/image_backups.h"
#include "files/transfer_traces.h"
#include "image/memory_map.h"
#include "image/text_values.h"
#include "link/transfer.h"
#include "link_test_support.h"
#include "report/write_review.h"
#include "shell/support_report.h"

namespace tpw::test {
namespace {

namespace fs = std::filesystem;
using sim::SimFaults;
constexpr std::uint8_t Uk = 1;

const std::string Verified = "\r\nVerified: the radio on /dev/ttyUSB0 holds everything written.";

// A review that records the changes it is shown and answers as planned.
struct ReviewBench {
  bool agree = true;
  std::vector<Difference> shown;
  int asked = 0;
  ComparingWriteReview review{ModelCaps{}, [this](const std::vector<Difference>& changes) {
                                ++asked;
                                shown = changes;
                                return agree;
                              }};
};

// Every block written is read back; a radio that keeps another byte fails the write or the
// clear, naming the address and the setting it holds, and a clear then leaves the PC's code.
TEST(WriteVerification, ReadBackFindsWhatTheRadioKept) {
  const struct {
    TransferMode mode;
    std::optional<int> wrongByte;  // without one, the read-back verifies
    Box shown;
  } cases[] = {
      {TransferMode::Program, {}, {Icon::Information, "Program to Radio", "Complete!!" + Verified}},
      {TransferMode::Program,
       addr::ResumeTime,
       {Icon::Critical, "Program to Radio", ShownText("not-verified-resume-time")}},
      {TransferMode::ClearAtis,
       {},
       {Icon::Information, "Clear ATIS Data", "Complete!!" + Verified}},
      {TransferMode::ClearAtis,
       addr::AtisCode + 2,
       {Icon::Critical, "Clear Data ATIS", ShownText("not-verified-atis-code")}},
  };
  for (const auto& c : cases) {
    SimBench bench(WithAtisCode(RadioMemory()), WithAtisCode(RadioMemory(0xFF, 0x55)),
                   SimFaults{.wrongByteAddress = c.wrongByte});
    ReviewBench reviewer;
    const TransferResult result = bench.run(c.mode, {false, true, &reviewer.review});
    EXPECT_EQ(result.done(), !c.wrongByte);
    EXPECT_EQ(result.verification.state,
              c.wrongByte ? VerificationState::Differs : VerificationState::Verified);
    EXPECT_EQ(bench.boxes(), std::vector<Box>{c.shown});
    EXPECT_EQ(bench.t.ws.model.atis.code.empty(),
              c.mode == TransferMode::ClearAtis && !c.wrongByte);
    // A write reads back the 113 blocks it wrote into; a clear the one block of the code.
    const std::string sent = bench.line.pc().written;
    std::size_t reads = 0;
    for (auto at = sent.rfind("#CEPWR"); (at = sent.find("#CEPRD", at)) != std::string::npos; ++at)
      ++reads;
    EXPECT_EQ(reads, c.mode == TransferMode::Program ? 113u : 1u);
    // The read-back is announced once, and its progress climbs from 0 again.
    const auto& percents = bench.observer.percents;
    ASSERT_EQ(bench.observer.verifyingAt.size(), 1u);
    const auto readBack = percents.begin() + std::ptrdiff_t(bench.observer.verifyingAt[0]);
    ASSERT_NE(readBack, percents.end());
    EXPECT_EQ(*readBack, 0);
    EXPECT_TRUE(std::is_sorted(readBack, percents.end()));
  }
  // Without verification nothing is read back, and nothing is claimed.
  SimBench unchecked(WithAtisCode(RadioMemory()), WithAtisCode(RadioMemory(0xFF, 0x55)),
                     SimFaults{.wrongByteAddress = addr::ResumeTime});
  const TransferResult result = unchecked.run(TransferMode::Program);
  EXPECT_TRUE(result.done());
  EXPECT_EQ(result.verification.state, VerificationState::NotChecked);
  EXPECT_TRUE(unchecked.observer.verifyingAt.empty());
  EXPECT_EQ(unchecked.boxes(), std::vector<Box>{ProgramComplete});
}

// A write read first shows what it changes: confirmed it writes, declined it writes nothing,
// and a radio that already holds everything is not written at all.
TEST(ChangesBeforeWrite, ConfirmedDeclinedOrNothingToChange) {
  const MemoryImage radio = WithAtisCode(RadioMemory());
  SimBench first(radio, WithAtisCode(RadioMemory(0xFF, 0x55)));
  ASSERT_TRUE(first.run(TransferMode::Program).done());
  const MemoryImage programmed = first.radio.memory();

  const std::string nothing = ShownText("nothing-to-write");
  const std::string program = "Program to Radio";
  const Box declined{Icon::Exclamation, program,
                     "Nothing was written: the radio on /dev/ttyUSB0 is as it was."};
  // The code is never written: the radio keeps its own, and the user learns it.
  const Box keptCode{Icon::Exclamation, program, nothing + KeptAtisCodeNote("9211234567")};
  const struct {
    MemoryImage radio;
    std::uint8_t pcCode;
    bool agree;
    bool written;
    int asked;
    Box shown;
  } cases[] = {
      {radio, 0x92, true, true, 1, {Icon::Information, program, "Complete!!" + Verified}},
      {radio, 0x92, false, false, 1, declined},
      {programmed, 0x92, true, false, 0, {Icon::Information, program, nothing}},
      {programmed, 0x93, true, false, 0, keptCode},
  };
  for (const auto& c : cases) {
    SimBench bench(c.radio, WithAtisCode(RadioMemory(0xFF, 0x55), c.pcCode));
    ReviewBench reviewer;
    reviewer.agree = c.agree;
    const TransferResult result = bench.run(TransferMode::Program, {true, true, &reviewer.review});
    EXPECT_EQ(result.outcome, c.agree ? Outcome::Done : Outcome::Cancelled);
    EXPECT_EQ(bench.boxes(), std::vector<Box>{c.shown});
    EXPECT_EQ(reviewer.asked, c.asked);
    EXPECT_EQ(bench.radio.writes().empty(), !c.written);
    EXPECT_EQ(bench.radio.memory(), c.written ? programmed : c.radio);
    if (c.asked == 0) continue;
    // The changes are those of the bytes the plan sends, in the comparison's words: the
    // radio's value first. The ATIS code the radio keeps is no change.
    ASSERT_FALSE(reviewer.shown.empty());
    for (const Difference& change : reviewer.shown) EXPECT_NE(change.name.setting, "ATIS Code");
    EXPECT_EQ(ChangesQuestion(TestPort, {reviewer.shown.front()}),
              "Programming changes what the radio on /dev/ttyUSB0 holds (1 difference; first "
              "the radio's value, then the value written):\r\n" +
                  DifferenceLine(reviewer.shown.front()) +
                  "\r\nProgram the radio with these changes?");
  }
}

// ---- The safety net ----

// 7 December 2026, 14:03:22, local time.
std::tm BackupTime() {
  return LocalTime(2026, 12, 7, 14, 3, 22);
}

struct SafetyNetTest : ::testing::Test {
  TempDir userData;
  SafetyNet net{userData.path(), true, false, BackupTime};
  // The backup of this kind ("read-UK") taken at BackupTime.
  fs::path backup(const std::string& kind) {
    return BackupFolder(userData.path()) / ("2026-12-07T14-03-22-" + kind + ".hex");
  }
  std::vector<std::string> backups() { return FolderNames(BackupFolder(userData.path())); }
};

// The backup of a read holds the 2048 bytes the radio sent, those the PC keeps for itself
// included; a write's holds the image it sends, and with read-first the radio's memory before.
TEST_F(SafetyNetTest, ReadAndWriteKeepTheImagesByteForByte) {
  // The radio holds the ATIS code of the data written, so the write completes without a note.
  MemoryImage radioMemory = WithAtisCode(RadioMemory(Uk));
  for (int a = addr::KeptHighFirst; a <= addr::KeptHighLast; ++a) radioMemory.set(a, 0x3C);
  SimBench bench(radioMemory, RadioMemory(Uk, 0x55));
  ASSERT_TRUE(bench.runProtected(TransferMode::Read, net).done());
  EXPECT_EQ(backups(), std::vector<std::string>{"2026-12-07T14-03-22-read-UK.hex"});
  EXPECT_EQ(ReadBytes(backup("read-UK")), std::string(ImageFileContent(radioMemory)));

  bench.usePcImage(WithAtisCode(RadioMemory(Uk, 0x77)));
  net.readFirst = true;
  ASSERT_TRUE(bench.runProtected(TransferMode::Program, net).done());
  EXPECT_EQ(backups(), (std::vector<std::string>{"2026-12-07T14-03-22-before-write-UK.hex",
                                                 "2026-12-07T14-03-22-read-UK.hex",
                                                 "2026-12-07T14-03-22-write-UK.hex"}));
  EXPECT_EQ(ReadBytes(backup("before-write-UK")), std::string(ImageFileContent(radioMemory)));
  EXPECT_EQ(ReadBytes(backup("write-UK")), std::string(ImageFileContent(bench.t.ws.image)));
  EXPECT_EQ(bench.boxes().back(), ProgramComplete);

  // A second read in the same second keeps its own backup beside the first.
  ASSERT_TRUE(bench.runProtected(TransferMode::Read, net).done());
  EXPECT_EQ(ReadBytes(backup("read-UK-2")), std::string(ImageFileContent(bench.radio.memory())));
}

// With read-first the radio's memory is kept before anything is written: a read that fails,
// or a backup of it that cannot be saved (a full disk), stops the write before its first frame.
TEST_F(SafetyNetTest, AReadFirstThatCannotBeKeptWritesNothing) {
  const fs::path tried = backup("before-write-UK");
  const struct {
    const char* name;
    SimFaults faults;  // a radio that goes silent, or else a full disk
    Box shown;
  } cases[] = {
      {"the read fails",
       {.silentAddress = sim::AddressFault{0x400, -1}},
       {Icon::Critical, "Program to Radio", NothingWritten}},
      {"the backup cannot be saved",
       {},
       {Icon::Critical, "Program to Radio",
        "Nothing was written: the radio's data as they were before programming could not be "
        "kept, and reading the radio first is for keeping them. The radio on /dev/ttyUSB0 is "
        "as it was.\r\n" +
            tried.string() + ": the disk is full. Free some space."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SimBench bench(RadioMemory(Uk), WithAtisCode(RadioMemory(Uk, 0x77)), c.faults);
    if (!c.faults.silentAddress) bench.t.files.failing = FaultyFileSystem::Step::Write;
    net.readFirst = true;
    EXPECT_FALSE(bench.runProtected(TransferMode::Program, net).done());
    EXPECT_TRUE(bench.radio.writes().empty());
    EXPECT_EQ(bench.boxes(), std::vector<Box>{c.shown});
    EXPECT_EQ(backups(), std::vector<std::string>{});
  }
}

// A backup of what was read or written that cannot be saved is told after the transfer, which
// goes on without it.
TEST_F(SafetyNetTest, ABackupThatCannotBeSavedIsReportedAndTheTransferGoesOn) {
  const struct {
    TransferMode mode;
    const char* caption;
    const char* file;
    const char* content;
  } cases[] = {
      {TransferMode::Read, "Read from Radio", "read", "the data read from the radio"},
      {TransferMode::Program, "Program to Radio", "write", "the data written to the radio"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    SimBench bench(WithAtisCode(RadioMemory(Uk)), WithAtisCode(RadioMemory(Uk, 0x55)));
    bench.t.files.failing = FaultyFileSystem::Step::RenameToFreeName;
    bench.t.files.failure = std::make_error_code(std::errc::permission_denied);
    EXPECT_TRUE(bench.runProtected(c.mode, net).done());
    const fs::path tried = backup(std::string(c.file) + "-UK");
    EXPECT_EQ(bench.boxes(),
              (std::vector<Box>{
                  {Icon::Information, c.caption, "Complete!!"},
                  {Icon::Exclamation, c.caption,
                   "No backup was kept of " + std::string(c.content) +
                       "; the transfer went on without it.\r\n" + tried.string() +
                       ": permission denied: you may not write in the folder " +
                       tried.parent_path().string() + ". Make that folder writable for you."}}));
    EXPECT_EQ(backups(), std::vector<std::string>{});
    EXPECT_EQ(bench.t.ws.image.bytes()[0x300], bench.radio.memory().bytes()[0x300]);
  }
}

// Without backups only the trace is kept; a write reads the radio whole only when it is asked
// to read it first.
TEST_F(SafetyNetTest, NoBackupKeepsNoneButTheTrace) {
  for (const TransferMode mode : {TransferMode::Read, TransferMode::Program}) {
    TempDir folder;
    const SafetyNet withoutBackups{folder.path(), false, false, BackupTime};
    SimBench bench(WithAtisCode(RadioMemory(Uk)), WithAtisCode(RadioMemory(Uk, 0x55)));
    ASSERT_TRUE(bench.runProtected(mode, withoutBackups).done());
    EXPECT_FALSE(fs::exists(BackupFolder(folder.path())));
    const auto trace = LatestTransferTrace(folder.path(), BackupTime());
    ASSERT_TRUE(trace.has_value());
    EXPECT_EQ(ReadBytes(*trace).find("#CEPRD\\t0300") != std::string::npos,
              mode == TransferMode::Read);
  }
}

// Every transfer leaves its trace, a failed one too; the newest twenty stay.
TEST_F(SafetyNetTest, TheTraceRecordsEachTransferAndTheLastTwentyStay) {
  SimBench bench(RadioMemory(Uk), RadioMemory(Uk, 0x55));
  ASSERT_TRUE(bench.runProtected(TransferMode::Read, net).done());
  const auto trace = LatestTransferTrace(userData.path(), BackupTime());
  ASSERT_TRUE(trace);
  EXPECT_EQ(trace->filename(), "2026-12-07T14-03-22-read.txt");
  const std::string text = ReadBytes(*trace);
  EXPECT_TRUE(
      text.starts_with("Transfer: Read from Radio\r\nPort: /dev/ttyUSB0\r\nStarted: "
                       "2026-12-07T14-03-22\r\nEnded: completed\r\n"))
      << text;
  EXPECT_NE(text.find(" > P  (ok)\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find(" > #CEPRD\\t07F0\\t10\\t"), std::string::npos);
  EXPECT_NE(text.find(" < #CMDOK\\r\\n#CEPDT\\t07F0\\t10\\t"), std::string::npos);

  for (int i = 0; i < 21; ++i) {
    SimBench failing(RadioMemory(Uk), RadioMemory(Uk, 0x55),
                     SimFaults{.silentAddress = sim::AddressFault{0x000, -1}});
    EXPECT_FALSE(failing.runProtected(TransferMode::Read, net).done());
  }
  const auto traces = FolderNames(userData / TraceFolderName);
  EXPECT_EQ(traces.size(), TracesKept);
  EXPECT_NE(
      ReadBytes(*LatestTransferTrace(userData.path(), BackupTime()))
          .find("Ended: failed (block 0x000, 16 bytes: no acknowledgement after 3 attempts)\r\n"),
      std::string::npos);
  EXPECT_EQ(std::count(traces.begin(), traces.end(), "2026-12-07T14-03-22-read.txt"), 0);
}

// The diagnostics hold the radio's data only with the user's consent: without it the trace
// shows the bytes of the ATIS code masked in every data frame, read from the radio or written
// to it, and with it the trace as it is.
TEST_F(SafetyNetTest, DiagnosticsWithoutTheRadiosDataHoldNoAtisCode) {
  // The code 9211234567 as the frames carry it: read in a block, written byte by byte.
  const struct {
    TransferMode mode;
    MemoryImage radio;
    std::vector<std::string> code;
    std::string afterCode;
  } transfers[] = {
      {TransferMode::Read,
       WithAtisCode(RadioMemory(Uk)),
       {"9211234567"},
       "**********" + HexPad(RadioMemory(Uk).at(addr::AtisCount), 2)},
      {TransferMode::Program,
       WithoutAtisCode(RadioMemory(Uk)),
       {"#CEPWR\\t0282\\t01\\t92", "#CEPWR\\t0284\\t01\\t23", "#CEPWR\\t0286\\t01\\t67"},
       "#CEPWR\\t0287\\t01\\t" + HexPad(RadioMemory(Uk).at(addr::AtisCount) + 1, 2)},
  };
  for (const auto& transfer : transfers) {
    SCOPED_TRACE(static_cast<int>(transfer.mode));
    SimBench bench(transfer.radio, WithAtisCode(RadioMemory(Uk, 0x55)));
    bench.t.prompter.plan(Answer::Yes);  // the radio takes the new code
    ASSERT_TRUE(bench.runProtected(transfer.mode, net).done());
    SupportFacts facts;
    facts.traceName = LatestTransferTrace(userData.path(), BackupTime())->string();
    facts.trace = ReadBytes(facts.traceName);
    const std::string withheld = SupportReport(facts);
    facts.image = bench.t.ws.image;
    const std::string agreed = SupportReport(facts);
    for (const std::string& code : transfer.code) {
      EXPECT_NE(agreed.find(code), std::string::npos) << code;
      EXPECT_EQ(withheld.find(code), std::string::npos) << withheld;
    }
    EXPECT_NE(withheld.find("\\t**"), std::string::npos) << withheld;
    // The times programmed, the byte after the code, is no part of it.
    EXPECT_NE(withheld.find(transfer.afterCode), std::string::npos) << transfer.afterCode;
  }
}

}  // namespace
}  // namespace tpw::test
