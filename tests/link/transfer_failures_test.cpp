// Transfers that cannot finish: each must leave the radio and the PC's data as safe as it can,
// and tell the user what happened, on which port, and what to do next.
#include <gtest/gtest.h>

#include "image/memory_map.h"
#include "link/transfer.h"
#include "link_test_support.h"
#include "session/automatic_answers.h"

namespace tpw::test {
namespace {

using namespace std::chrono_literals;
using sim::AddressFault;
using sim::SimFaults;

const std::string NoAnswer =
    "The radio did not answer on /dev/ttyUSB0.\r\nCheck that the programming cable is plugged "
    "in at both ends, that the radio was switched on while holding [PRESET] until it shows PC "
    "CONTROL, and that /dev/ttyUSB0 is the cable's port. Then try again.";
const std::string HungUp =
    "The connection to the radio on /dev/ttyUSB0 was lost: the line hung up.\r\nCheck that the "
    "cable is plugged in and that the radio is switched on, then try again.";

// Answers every question as --yes does.
void AnswerYesAutomatically(RecordingPrompter& prompter, AutomaticAnswers& answers) {
  prompter.unplanned = [&answers](const RecordingPrompter::Box& box) {
    return answers.answer(AnswerPolicy::Yes, box.text, box.buttons).answer;
  };
}

TEST(ProductCode, AWriteOfForeignDataIsRefusedBeforeTheRadioIsTouched) {
  const std::string refusal =
      "ModelType Error !!\r\nThe data to be written do not carry the product code TR381K at "
      "0x270-0x275, and a radio that took them would refuse every later read and write. "
      "Nothing was written. Start from the radio's own data or from a destination, then "
      "program again.";
  for (const bool debug : {false, true}) {
    SimBench bench(RadioMemory(), WithProductCode(RadioMemory(0xFF, 0x55), "TR38XK"));
    bench.t.ws.options.DebugMode = debug;
    EXPECT_EQ(bench.run(TransferMode::Program).outcome, Outcome::Failed);
    std::vector<Box> expected = {{Icon::Critical, "Read from Radio", refusal}};
    if (debug) {
      expected.insert(expected.begin(),
                      {Icon::Critical, "Product Code Error!", "address: 0x274 -> 0x58"});
    }
    EXPECT_EQ(bench.boxes(), expected);
    EXPECT_EQ(bench.line.pc().opens, 0);  // the port was never opened
    EXPECT_EQ(bench.line.pc().written, "");
    EXPECT_EQ(bench.radio.memory(), RadioMemory());
    EXPECT_FALSE(bench.t.ws.flags.TransferBusy);
  }
  // A write of the radio's own kind of data keeps its product code.
  SimBench good(RadioMemory());
  EXPECT_TRUE(good.run(TransferMode::Program).done());
  EXPECT_EQ(ImageAsString(good.radio.memory()).substr(addr::ProductCode, 6), "TR381K");
}

TEST(SilentRadio, TheUserLearnsWhatToCheckAndTheCommandLineWhatIsAwaited) {
  for (const TransferMode mode :
       {TransferMode::Read, TransferMode::Program, TransferMode::ClearAtis}) {
    TestContext t;
    t.ws.image = ValidRadioImage();
    MemoryLine line;  // nothing at the other end
    line.pc().portName = TestPort;
    line.pc().onWait = [&t](std::chrono::milliseconds d) { t.host.advance(d); };
    RecordingObserver observer;
    const auto start = t.host.now();
    const TransferResult result = RunTransfer(t.ctx, line.pc(), observer, mode);
    EXPECT_EQ(result.outcome, Outcome::Failed);
    EXPECT_EQ(Boxes(t.prompter),
              (std::vector<Box>{{Icon::Critical, TransferCaption(mode), NoAnswer}}));
    // Three pings of a second, the speed command's second, the switch's second, and one pass
    // of three synchronisations of ten seconds each: the second pass could not succeed.
    EXPECT_GE(t.host.now() - start, 35s);
    EXPECT_LT(t.host.now() - start, 36s);
    const std::string waiting =
        "Still waiting on /dev/ttyUSB0 for the radio's answer to #CMDSY (nothing for 3 s; giving "
        "up after 10 s).";
    EXPECT_EQ(observer.waits, std::vector<std::string>(3, waiting));
    EXPECT_EQ(line.pc().written.find("#CEP"), std::string::npos);
  }
}

TEST(PartlyWrittenRadio, EveryEndAfterTheFirstWriteFrameSaysWhatTheRadioHolds) {
  // An ATIS clear cancelled while the third of the five code bytes is written: the radio takes
  // it and has lost part of its code; the PC keeps all of it.
  SimBench clear(RadioMemory());
  clear.cancelWhenRadioSees("#CEPWR\t0284");
  EXPECT_EQ(clear.run(TransferMode::ClearAtis).outcome, Outcome::Cancelled);
  EXPECT_EQ(clear.t.ws.image, clear.pcImage);
  EXPECT_EQ(clear.boxes(),
            (std::vector<Box>{{Icon::Exclamation, "Clear ATIS Data",
                               "The ATIS code in the radio on /dev/ttyUSB0 is only partly "
                               "cleared: it took the clear up to address 0x284, then the clear "
                               "stopped. Clear the ATIS data again before you use the radio."}}));
  EXPECT_EQ(clear.radio.memory().at(0x284), 0xFF);
  EXPECT_EQ(clear.radio.memory().at(0x285), RadioMemory().at(0x285));

  // A cancel before any write frame leaves the radio as it was, and says nothing.
  SimBench early(RadioMemory());
  early.cancelWhenRadioSees("#CEPRD\t0282");
  EXPECT_FALSE(early.run(TransferMode::Program).done());
  EXPECT_TRUE(early.t.prompter.boxes.empty());
  EXPECT_TRUE(early.radio.writes().empty());
}

TEST(LostPort, AHangUpEndsTheTransferAtOnceAndSaysSo) {
  // The radio is switched off in the middle of a write.
  SimBench write(RadioMemory(), SimFaults{.hangUpAddress = 0x400});
  int yieldsAtHangUp = -1;
  write.radio.log = [&](std::string_view from, std::string_view bytes) {
    if (from == "pc" && bytes.starts_with("#CEPWR\t0400")) yieldsAtHangUp = write.t.host.yields;
  };
  const auto start = write.t.host.now();
  EXPECT_FALSE(write.run(TransferMode::Program).done());
  EXPECT_EQ(write.boxes(),
            (std::vector<Box>{
                {Icon::Critical, "Program to Radio", HungUp},
                {Icon::Critical, "Program to Radio",
                 "CommunicatiOn Error!!\r\nThe radio on /dev/ttyUSB0 is only partly "
                 "programmed: it took the write up to address 0x3FF; the write stopped at 0x400. "
                 "Program the radio again before you use it."}}));
  // No retry, no waiting: the loss ends the exchange on the first look at the line.
  ASSERT_GE(yieldsAtHangUp, 0);
  EXPECT_LE(write.t.host.yields - yieldsAtHangUp, 2);
  EXPECT_LT(write.t.host.now() - start, 10s);
  EXPECT_EQ(write.t.diagnostics.errors,
            std::vector<std::string>{
                "frmRadio.WriteData -> block 0x400, 16 bytes: the port was lost: the line hung "
                "up"});
  EXPECT_EQ(write.radio.writes().back().address, 0x3F0);
  EXPECT_FALSE(write.line.pc().isOpen());

  // In a read, the loss ends the read with the PC's data as they were; a cancel's abort does
  // not wait for a radio that is gone.
  SimBench read(RadioMemory(), SimFaults{.hangUpAddress = 0x3F0});
  EXPECT_FALSE(read.run(TransferMode::Read).done());
  EXPECT_EQ(read.t.ws.image, read.pcImage);
  ASSERT_EQ(read.t.prompter.boxes.size(), 2u);
  EXPECT_EQ(read.t.prompter.boxes[0].text, HungUp);
  EXPECT_TRUE(read.t.prompter.boxes[1].text.starts_with("CommunicatiOn Error!!\r\nNothing was "));
}

TEST(AutomaticAnswers, EndlessRetriesEndAfterFive) {
  // A radio that stays busy: five retries, then the usual "Radio not ready!!".
  SimBench stuck(RadioMemory(), SimFaults{.busyStatusReplies = 1000});
  AutomaticAnswers answers;
  AnswerYesAutomatically(stuck.t.prompter, answers);
  EXPECT_FALSE(stuck.run(TransferMode::Read).done());
  EXPECT_EQ(stuck.radio.statusRequests(), 6);
  std::vector<std::string> texts = stuck.t.prompter.texts();
  ASSERT_EQ(texts.size(), 7u);
  EXPECT_TRUE(texts.back().starts_with("Radio not ready!!\r\n"));  // its text: BusyRadio
  texts.pop_back();
  EXPECT_EQ(texts, std::vector<std::string>(6, "Radio is busy!!"));

  // A block the radio always rejects: five resynchronisations, then the usual failure.
  SimBench rejected(RadioMemory(), SimFaults{.errorAddress = AddressFault{0x3F0, -1}});
  AutomaticAnswers others;
  AnswerYesAutomatically(rejected.t.prompter, others);
  EXPECT_FALSE(rejected.run(TransferMode::Read).done());
  EXPECT_EQ(rejected.t.ws.image, rejected.pcImage);
  const std::vector<std::string> shown = rejected.t.prompter.texts();
  ASSERT_EQ(shown.size(), 7u);
  EXPECT_EQ(
      std::count(shown.begin(), shown.end(), "confirm the synchronization of the communication"),
      6);
  EXPECT_TRUE(shown.back().starts_with("CommunicatiOn Error!!\r\n"));

  // Each question has its own count, and a user who answers decides every time.
  AutomaticAnswers fresh;
  for (int i = 0; i < AutomaticAnswers::AgreementLimit; ++i) {
    EXPECT_EQ(fresh.answer(AnswerPolicy::Yes, "a", Buttons::RetryCancel).answer, Answer::Retry);
  }
  EXPECT_EQ(fresh.answer(AnswerPolicy::Yes, "a", Buttons::RetryCancel).answer, Answer::Cancel);
  EXPECT_TRUE(fresh.answer(AnswerPolicy::Yes, "a", Buttons::RetryCancel).limitReached);
  EXPECT_EQ(fresh.answer(AnswerPolicy::Yes, "b", Buttons::YesNo).answer, Answer::Yes);
  EXPECT_EQ(fresh.answer(AnswerPolicy::No, "c", Buttons::YesNo).answer, Answer::No);
}

}  // namespace
}  // namespace tpw::test
