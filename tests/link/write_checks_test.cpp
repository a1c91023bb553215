// What a write checks besides its own exchanges: the read-back of everything written, and the
// changes a write read first shows for the user's consent.
#include <gtest/gtest.h>

#include <algorithm>

#include "image/memory_map.h"
#include "link/transfer.h"
#include "link_test_support.h"
#include "report/write_review.h"

namespace tpw::test {
namespace {

using sim::SimFaults;

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
    std::optional<int> wrongByte;
    VerificationState state;
    Box shown;
  } cases[] = {
      {TransferMode::Program,
       std::nullopt,
       VerificationState::Verified,
       {Icon::Information, "Program to Radio", "Complete!!" + Verified}},
      {TransferMode::Program,
       addr::ResumeTime,
       VerificationState::Differs,
       {Icon::Critical, "Program to Radio",
        "Not verified: read back, the radio on /dev/ttyUSB0 holds other bytes than were sent "
        "at 0x094 (Common Setup: Resume Time).\r\nProgram the radio again before you use it."}},
      {TransferMode::ClearAtis,
       std::nullopt,
       VerificationState::Verified,
       {Icon::Information, "Clear ATIS Data", "Complete!!" + Verified}},
      {TransferMode::ClearAtis,
       addr::AtisCode + 2,
       VerificationState::Differs,
       {Icon::Critical, "Clear Data ATIS",
        "Not verified: read back, the radio on /dev/ttyUSB0 holds other bytes than were sent "
        "at 0x284 (ATIS: ATIS Code).\r\nClear the ATIS data again before you use the radio."}},
  };
  for (const auto& c : cases) {
    SimBench bench(WithAtisCode(RadioMemory()), WithAtisCode(RadioMemory(0xFF, 0x55)),
                   SimFaults{.wrongByteAddress = c.wrongByte});
    ReviewBench reviewer;
    const TransferResult result = bench.run(c.mode, {false, true, &reviewer.review});
    EXPECT_EQ(result.done(), !c.wrongByte);
    EXPECT_EQ(result.verification.state, c.state);
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

  const std::string nothing =
      "Nothing was written: the radio on /dev/ttyUSB0 already holds everything these data would "
      "write.";
  const std::string program = "Program to Radio";
  const struct {
    MemoryImage radio;
    std::uint8_t pcCode;
    bool agree;
    bool written;
    int asked;
    Box shown;
  } cases[] = {
      {radio, 0x92, true, true, 1, {Icon::Information, program, "Complete!!" + Verified}},
      {radio,
       0x92,
       false,
       false,
       1,
       {Icon::Exclamation, program,
        "Nothing was written: the radio on /dev/ttyUSB0 is as it was."}},
      {programmed, 0x92, true, false, 0, {Icon::Information, program, nothing}},
      // The code is never written: the radio keeps its own, and the user learns it.
      {programmed,
       0x93,
       true,
       false,
       0,
       {Icon::Exclamation, program, nothing + KeptAtisCodeNote("9211234567")}},
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

}  // namespace
}  // namespace tpw::test
