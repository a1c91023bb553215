#include "link/radio_link.h"

#include <gtest/gtest.h>

#include "link/frame.h"
#include "link_test_support.h"

namespace tpw::test {
namespace {

using namespace std::chrono_literals;

void RadioSends(LinkBench& bench, std::string_view bytes) {
  bench.line.radio().write({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

TEST(RadioLinkReceive, ReadCharsStopsAtErrorAndAtDeadlines) {
  LinkBench bench;
  RadioSends(bench, "eRrOr\r\n");
  const Received error = bench.link.ReadChars(6, 10s);
  EXPECT_EQ(error.result, LinkResult::ErrorReply);
  EXPECT_EQ(error.text, "eRrOr");

  RadioSends(bench, "#C");
  const auto start = bench.t.host.now();
  const Received partial = bench.link.ReadChars(6, 10s);
  EXPECT_EQ(partial.result, LinkResult::TimedOut);
  EXPECT_EQ(partial.text, "\r\n#C");  // what "ERROR" left is read by whoever reads next
  EXPECT_GE(bench.t.host.now() - start, 10s);
  EXPECT_LT(bench.t.host.now() - start, 10s + 20ms);
  EXPECT_GT(bench.t.host.yields, 100);  // waits hand control back between slices

  bench.flags().CancelFlag = true;
  RadioSends(bench, "#CMDOK");
  EXPECT_EQ(bench.link.ReadChars(6, 10s).result, LinkResult::Cancelled);
}

TEST(RadioLinkReceive, LinesAndTheirEnds) {
  LinkBench bench;
  RadioSends(bench, "OK\rX\n");
  const Received lenient = bench.link.ReadLine(1s);
  EXPECT_EQ(lenient.result, LinkResult::Ok);
  EXPECT_EQ(lenient.text, "OK");

  RadioSends(bench, "OK\rX\n");
  EXPECT_EQ(bench.link.ReadLineStrict(1s).result, LinkResult::BadReply);
  bench.line.pc().discardInput();

  RadioSends(bench, "OK");
  EXPECT_EQ(bench.link.ReadLine(1s).result, LinkResult::TimedOut);

  // Noise that never ends a line is refused once it is longer than any reply, not at the
  // deadline and not by growing without end.
  const auto start = bench.t.host.now();
  RadioSends(bench, std::string(RadioLink::MaxLineLength + 1, 'x'));
  EXPECT_EQ(bench.link.ReadLine(10s).result, LinkResult::BadReply);
  EXPECT_LT(bench.t.host.now() - start, 1s);
}

TEST(RadioLinkReceive, AcknowledgementNeedsItsLineEnd) {
  LinkBench bench;
  bench.flags().ErrorFlag = true;
  RadioSends(bench, "#CMDOK\r\n");
  EXPECT_EQ(bench.link.WaitCmdOk(), LinkResult::Ok);
  EXPECT_FALSE(bench.flags().ErrorFlag);

  bench.flags().ErrorFlag = true;
  RadioSends(bench, "#CMDOKX");
  EXPECT_EQ(bench.link.WaitCmdOk(), LinkResult::BadReply);
  EXPECT_TRUE(bench.flags().ErrorFlag);

  RadioSends(bench, "#CMDOK");
  EXPECT_EQ(bench.link.WaitCmdOk(), LinkResult::BadReply);

  RadioSends(bench, "#CMDSM\r\n");
  EXPECT_EQ(bench.link.WaitCmdOk(), LinkResult::BadReply);
  bench.line.pc().discardInput();

  // After "ERROR" the rest of that reply is gone, so the next reply reads cleanly.
  RadioSends(bench, "ERROR\r\n#CMDOK\r\n");
  EXPECT_EQ(bench.link.WaitCmdOk(), LinkResult::ErrorReply);
  EXPECT_EQ(bench.link.WaitCmdOk(), LinkResult::Ok);
}

TEST(RadioLinkSend, PausesAndSendsExactlyWhatIsAsked) {
  LinkBench bench;
  bench.link.SendCommand8("ACMD:02");
  EXPECT_EQ(bench.line.pc().written, "");
  bench.link.SendCommand8("ACMD:002");
  bench.link.SendFrame(BuildFrame("#CEPSR", "00"));
  EXPECT_EQ(bench.line.pc().written, "ACMD:002\r\n#CEPSR\t00\t74\r\n");
  EXPECT_EQ(bench.t.host.pauses, (std::vector<std::chrono::milliseconds>{10ms, 10ms}));

  // Without echo verification nothing is read back; SendLine keeps what is waiting.
  RadioSends(bench, "X");
  bench.link.SendLine("#CMDSY");
  EXPECT_EQ(bench.line.pc().bytesWaiting(), 1);
  // SendByte discards it first.
  bench.link.SendByte('P');
  EXPECT_EQ(bench.line.pc().bytesWaiting(), 0);
}

TEST(RadioLinkSend, EchoVerification) {
  LinkBench bench;
  bench.t.ws.options.EchoCheckSkip = false;
  RadioSends(bench, "#CMDSY\r\n");
  bench.link.SendLine("#CMDSY");
  EXPECT_FALSE(bench.flags().ErrorFlag);

  RadioSends(bench, "#CMDSX\r\n");
  bench.link.SendLine("#CMDSY");
  EXPECT_TRUE(bench.flags().ErrorFlag);

  bench.line.pc().discardInput();
  bench.flags().CancelFlag = true;  // the check starts by clearing a stale cancel
  RadioSends(bench, "#CMDOK\r\n");
  bench.link.SendLine("#CMDOK");
  EXPECT_FALSE(bench.flags().ErrorFlag);
  EXPECT_FALSE(bench.flags().CancelFlag);
}

TEST(RadioLinkExchange, RetriesSilenceAndGivesUpAfterThree) {
  LinkBench bench;
  ScriptedRadio radio(bench.line);
  radio.answer("");
  radio.answer("");
  radio.answer("#CMDOK\r\n");
  const std::string frame = BuildFrame("#CEPSR", "00");
  EXPECT_TRUE(bench.link.Exchange(frame, RadioLink::Flush::Never));
  EXPECT_EQ(radio.received(), std::vector<std::string>(3, frame));
  EXPECT_FALSE(bench.flags().ErrorFlag);

  radio.clear();
  EXPECT_FALSE(bench.link.Exchange(frame, RadioLink::Flush::Never));
  EXPECT_EQ(radio.received().size(), 3u);
  EXPECT_TRUE(bench.flags().ErrorFlag);
  EXPECT_TRUE(bench.t.prompter.boxes.empty());
}

TEST(RadioLinkExchange, ErrorIsRetriedOnACleanLine) {
  LinkBench bench;
  ScriptedRadio radio(bench.line);
  radio.answer("ERROR\r\n");
  radio.answer("#CMDOK\r\n");
  // The status request never discards input, so only dropping the rest of "ERROR" makes the
  // second attempt readable.
  EXPECT_TRUE(bench.link.Exchange(BuildFrame("#CEPSR", "00"), RadioLink::Flush::Never));
  EXPECT_EQ(radio.received().size(), 2u);
}

TEST(RadioLinkExchange, ThreeErrorsAskToResynchronise) {
  for (Answer answer : {Answer::Ok, Answer::Cancel}) {
    LinkBench bench;
    ScriptedRadio radio(bench.line);
    for (int i = 0; i < 3; ++i) radio.answer("ERROR\r\n");
    radio.answer("#CMDOK\r\n");  // #CMDSY, pass 1
    radio.answer("#CMDOK\r\n");  // #CMDSY, pass 2
    radio.answer("#CMDOK\r\n");  // the one more attempt
    bench.t.prompter.plan(answer);
    const bool done =
        bench.link.Exchange(BuildFrame("#CEPWR", "0282", "01", "FF"), RadioLink::Flush::BeforeEach);
    ASSERT_EQ(bench.t.prompter.boxes.size(), 1u);
    const auto& box = bench.t.prompter.boxes[0];
    EXPECT_EQ(box.text, "confirm the synchronization of the communication");
    EXPECT_EQ(box.title, "Read from Radio");
    EXPECT_EQ(box.icon, Icon::Question);
    EXPECT_EQ(box.buttons, Buttons::OkCancel);
    if (answer == Answer::Ok) {
      EXPECT_TRUE(done);
      EXPECT_EQ(radio.received().size(), 6u);
      EXPECT_EQ(radio.received()[3], "#CMDSY\r\n");
      EXPECT_FALSE(bench.flags().ErrorFlag);
    } else {
      EXPECT_FALSE(done);
      EXPECT_EQ(radio.received().size(), 3u);
      EXPECT_TRUE(bench.flags().ErrorFlag);
    }
  }
}

TEST(RadioLinkExchange, CancelAndBadRepliesEndAtOnce) {
  LinkBench bench;
  ScriptedRadio radio(bench.line);
  radio.answer("#CMDXX\r\n");
  EXPECT_FALSE(bench.link.Exchange(BuildFrame("#CEPSR", "00"), RadioLink::Flush::Never));
  EXPECT_EQ(radio.received().size(), 1u);
  EXPECT_TRUE(bench.flags().ErrorFlag);
}

TEST(RadioLinkSync, NeedsBothPasses) {
  LinkBench bench;
  bench.t.ws.options.DebugMode = true;
  ScriptedRadio radio(bench.line);
  for (int i = 0; i < 3; ++i) radio.answer("");
  radio.answer("#CMDOK\r\n");
  EXPECT_FALSE(bench.link.SyncLink());
  EXPECT_EQ(radio.received().size(), 4u);
  EXPECT_EQ(bench.observer.monitors.front(), "sending '#CMDSY'...(1)");
  EXPECT_EQ(bench.observer.monitors[3], "sending '#CMDSY'...(2)");
  EXPECT_EQ(bench.observer.monitors.back(), "can'not Receive '#CMDOK' !!");

  // A reply that is neither silence nor "ERROR" ends both passes.
  LinkBench other;
  ScriptedRadio garbled(other.line);
  garbled.answer("#CMDOK\r\n");
  garbled.answer("#CMDXX\r\n");
  EXPECT_FALSE(other.link.SyncLink());
  EXPECT_EQ(garbled.received().size(), 2u);
}

TEST(RadioLinkStart, SpeedCommandAnswers) {
  struct Case {
    std::string answer;
    bool started;
    std::vector<std::string> messages;
  };
  const std::vector<Case> cases = {
      {"OK\r\n", true, {}},
      {"#CMDUN\r\n", true, {}},
      {"", true, {}},  // no answer at all still switches
      {"ERROR\r\n", false, {"ACMD Command error!!"}},
      {"FAST\r\n", false, {"error!!"}},
      {"OK\rX", true, {"error!!"}},
  };
  for (const Case& c : cases) {
    LinkBench bench;
    ScriptedRadio radio(bench.line);
    radio.answer("P");
    radio.answer("");  // "0"
    radio.answer(c.answer);
    radio.answer("#CMDOK\r\n");
    radio.answer("#CMDOK\r\n");
    EXPECT_EQ(bench.link.StartLink(), c.started) << c.answer;
    EXPECT_EQ(bench.t.prompter.texts(), c.messages) << c.answer;
    for (const auto& box : bench.t.prompter.boxes) EXPECT_EQ(box.title, "Read from Radio");
    EXPECT_EQ(radio.received()[0], "P");
    EXPECT_EQ(radio.received()[1], "0");
    EXPECT_EQ(radio.received()[2], "ACMD:002\r\n");
    EXPECT_EQ(bench.line.pc().settings(), c.started ? "57600,N,8,1" : "19200,N,8,1") << c.answer;
  }
}

TEST(RadioLinkStart, LowSpeedStaysAt19200WithoutAskingTheRadio) {
  LinkBench bench;
  bench.t.ws.options.LowSpeed = true;
  ScriptedRadio radio(bench.line);
  radio.answer("P");
  radio.answer("");
  radio.answer("#CMDOK\r\n");
  radio.answer("#CMDOK\r\n");
  EXPECT_TRUE(bench.link.StartLink());
  EXPECT_EQ(radio.received(), (std::vector<std::string>{"P", "0", "#CMDSY\r\n", "#CMDSY\r\n"}));
  EXPECT_EQ(bench.line.pc().settings(), "19200,N,8,1");
}

TEST(RadioLinkStart, PortThatCannotOpenIsExplained) {
  LinkBench bench;
  bench.t.ws.options.DebugMode = true;
  bench.line.pc().failOpens({2, "The port is busy."});
  EXPECT_FALSE(bench.link.StartLink());
  ASSERT_EQ(bench.t.prompter.boxes.size(), 1u);
  EXPECT_EQ(bench.t.prompter.boxes[0].title, "Port Inicialize Error!!");
  EXPECT_EQ(bench.t.prompter.boxes[0].text, "2The port is busy.");
  EXPECT_EQ(bench.t.prompter.boxes[0].icon, Icon::Critical);
  EXPECT_EQ(bench.t.diagnostics.errors,
            std::vector<std::string>{"frmRadio.PortInit -> 2The port is busy."});

  // Lost in the middle of a transfer, the port fails the step that needs it.
  bench.t.prompter.boxes.clear();
  bench.link.PortClose();
  EXPECT_FALSE(bench.link.PortOpen());
  EXPECT_TRUE(bench.flags().ErrorFlag);
  EXPECT_EQ(bench.t.diagnostics.errors.back(), "frmRadio.PortOpen -> 2The port is busy.");
}

TEST(RadioLinkAbort, WaitsForTheRadioWhateverTheCancel) {
  LinkBench bench;
  ScriptedRadio radio(bench.line);
  radio.answer("");  // the radio is slow to leave
  bench.flags().CancelFlag = true;
  const auto start = bench.t.host.now();
  bench.link.SendAbort();
  EXPECT_GE(bench.t.host.now() - start, 10s);
  EXPECT_TRUE(bench.flags().CancelFlag);
  EXPECT_EQ(radio.received(), std::vector<std::string>{std::string(1, Can)});

  LinkBench quick;
  ScriptedRadio answering(quick.line);
  answering.answer(std::string(1, Ack));
  quick.flags().CancelFlag = true;
  const auto begin = quick.t.host.now();
  quick.link.SendAbort();
  EXPECT_LT(quick.t.host.now() - begin, 1s);
  EXPECT_TRUE(quick.flags().CancelFlag);
}

struct DataReplyCase {
  std::string reply;  // what follows the acknowledgement
  std::vector<std::string> messages;
  std::string answer;  // the PC's answer to the reply, if any
};

TEST(RadioLinkReadBlock, RefusesEveryFaultyDataReply) {
  const std::string data16 = "00112233445566778899AABBCCDDEEFF";
  const std::vector<DataReplyCase> cases = {
      {BuildFrame("#CEPDT", "0010", "10", data16), {"address error!!"}, ""},
      {BuildFrame("#CEPDT", "0000", "10", data16.substr(0, 30)), {"data error!!"}, ""},
      {BuildFrame("#CEPDT", "0000", "08", data16), {"data error!!"}, ""},
      {BuildFrame("#CEPDT", "0000", "10", "ZZ" + data16.substr(2)), {"data error!!"}, ""},
      {BuildFrame("#CEPDT", "0000", "10", " 0" + data16.substr(2)), {"data error!!"}, ""},
      {"#CEPDT\t0000\t10\t" + data16 + "\t00\r\n", {}, "#CMDSM\r\n"},
      {BuildFrame("#CEPXX", "0000", "10", data16), {}, "#CMDER\r\n"},
      {"ERROR\r\n", {}, ""},
      {"", {"time out!!"}, ""},
      {"#CEPDT\t0000", {"time out!!"}, ""},
  };
  for (const DataReplyCase& c : cases) {
    LinkBench bench;
    ScriptedRadio radio(bench.line);
    radio.answer("#CMDOK\r\n" + c.reply);
    MemoryImage buffer;
    const MemoryImage before = buffer;
    bench.link.ReadBlock(buffer, 0x000, 16);
    EXPECT_TRUE(bench.flags().ErrorFlag) << c.reply;
    EXPECT_EQ(buffer, before) << c.reply;
    EXPECT_EQ(bench.t.prompter.texts(), c.messages) << c.reply;
    const std::vector<std::string> answers(radio.received().begin() + 1, radio.received().end());
    EXPECT_EQ(answers,
              c.answer.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.answer})
        << c.reply;
  }
}

TEST(RadioLinkReadBlock, StoresAGoodReplyAndAcknowledgesIt) {
  LinkBench bench;
  ScriptedRadio radio(bench.line);
  radio.answer("#CMDOK\r\n" + BuildFrame("#CEPDT", "07F0", "02", "ABcd"));
  MemoryImage buffer;
  bench.link.ReadBlock(buffer, 0x7F0, 2);
  EXPECT_FALSE(bench.flags().ErrorFlag);
  EXPECT_EQ(buffer.at(0x7F0), 0xAB);
  EXPECT_EQ(buffer.at(0x7F1), 0xCD);
  EXPECT_EQ(buffer.at(0x7F2), 0xFF);
  EXPECT_EQ(radio.received(),
            (std::vector<std::string>{BuildFrame("#CEPRD", "07F0", "02"), "#CMDOK\r\n"}));
}

TEST(RadioLinkWriteBlock, SendsTheImageBytes) {
  LinkBench bench;
  ScriptedRadio radio(bench.line);
  radio.answer("#CMDOK\r\n");
  bench.link.WriteBlock(0x282, 1);
  EXPECT_FALSE(bench.flags().ErrorFlag);
  EXPECT_EQ(radio.received(), std::vector<std::string>{"#CEPWR\t0282\t01\tFF\t79\r\n"});
}

}  // namespace
}  // namespace tpw::test
