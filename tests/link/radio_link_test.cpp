// Both ends of the radio link: the PC's RadioLink against a scripted radio, and the simulated
// radio the transfer tests run against.
#include "link/radio_link.h"

#include <gtest/gtest.h>

#include "link/frame.h"
#include "link/protocol.h"
#include "link_test_support.h"
#include "sim/radio_simulator.h"

namespace tpw::test {
namespace {

using namespace std::chrono_literals;

constexpr std::uint8_t ErasedByte[] = {0xFF};

void RadioSends(LinkBench& bench, std::string_view bytes) {
  bench.line.radio().write({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

TEST(RadioLinkReceive, ReadCharactersStopsAtErrorAndAtDeadlines) {
  LinkBench bench;
  RadioSends(bench, "eRrOr\r\n");
  const Received error = bench.link.readCharacters(6, 10s);
  EXPECT_EQ(error.result, LinkResult::ErrorReply);
  EXPECT_EQ(error.text, "eRrOr");

  RadioSends(bench, "#C");
  const auto start = bench.t.host.now();
  const Received partial = bench.link.readCharacters(6, 10s);
  EXPECT_EQ(partial.result, LinkResult::TimedOut);
  EXPECT_EQ(partial.text, "\r\n#C");  // what "ERROR" left is read by whoever reads next
  EXPECT_GE(bench.t.host.now() - start, 10s);
  EXPECT_LT(bench.t.host.now() - start, 10s + 20ms);
  EXPECT_GT(bench.t.host.yields, 100);  // waits hand control back between slices

  bench.t.host.requestCancel();
  RadioSends(bench, "#CMDOK");
  EXPECT_EQ(bench.link.readCharacters(6, 10s).result, LinkResult::Cancelled);
}

TEST(RadioLinkReceive, LinesAndAcknowledgementsNeedTheirEnds) {
  LinkBench bench;
  RadioSends(bench, "OK\rX\n");
  const Received lenient = bench.link.readLine(1s);
  EXPECT_EQ(lenient.result, LinkResult::Ok);
  EXPECT_EQ(lenient.text, "OK");

  RadioSends(bench, "OK\rX\n");
  EXPECT_EQ(bench.link.readLineStrict(1s).result, LinkResult::BadReply);
  bench.line.pc().discardInput();

  RadioSends(bench, "OK");
  EXPECT_EQ(bench.link.readLine(1s).result, LinkResult::TimedOut);

  // Noise that never ends a line is refused once it is longer than any reply, not at the
  // deadline and not by growing without end.
  const auto start = bench.t.host.now();
  RadioSends(bench, std::string(RadioLink::MaxLineLength + 1, 'x'));
  EXPECT_EQ(bench.link.readLine(10s).result, LinkResult::BadReply);
  EXPECT_LT(bench.t.host.now() - start, 1s);
  bench.line.pc().discardInput();

  // An acknowledgement needs its line end.
  for (const auto& [reply, result] : {std::pair{"#CMDOK\r\n", LinkResult::Ok},
                                      {"#CMDOKX", LinkResult::BadReply},
                                      {"#CMDOK", LinkResult::BadReply},
                                      {"#CMDSM\r\n", LinkResult::BadReply}}) {
    RadioSends(bench, reply);
    EXPECT_EQ(bench.link.waitForAcknowledgement().result, result) << reply;
  }
  bench.line.pc().discardInput();

  // After "ERROR" the rest of that reply is gone, so the next reply reads cleanly.
  RadioSends(bench, "ERROR\r\n#CMDOK\r\n");
  EXPECT_EQ(bench.link.waitForAcknowledgement().result, LinkResult::ErrorReply);
  EXPECT_EQ(bench.link.waitForAcknowledgement().result, LinkResult::Ok);
}

TEST(RadioLinkSend, PausesSendsExactlyWhatIsAskedAndChecksTheEcho) {
  LinkBench bench;
  bench.link.sendSpeedCommand();
  bench.link.sendFrame(BuildFrame("#CEPSR", "00"));
  EXPECT_EQ(bench.line.pc().written, "ACMD:002\r\n#CEPSR\t00\t74\r\n");
  EXPECT_EQ(bench.t.host.pauses, (std::vector<std::chrono::milliseconds>{10ms, 10ms}));

  // Without echo verification nothing is read back; sendLine keeps what is waiting.
  RadioSends(bench, "X");
  EXPECT_EQ(bench.link.sendLine("#CMDSY"), LinkResult::Ok);
  EXPECT_EQ(bench.line.pc().bytesWaiting(), 1);
  // sendByte discards it first.
  bench.link.sendByte('P');
  EXPECT_EQ(bench.line.pc().bytesWaiting(), 0);

  // With echo verification, the line sent must come back.
  bench.t.ws.options.EchoCheckSkip = false;
  RadioSends(bench, "#CMDSY\r\n");
  EXPECT_EQ(bench.link.sendLine("#CMDSY"), LinkResult::Ok);
  EXPECT_EQ(bench.line.pc().bytesWaiting(), 0);  // the echo was read, and only the echo

  RadioSends(bench, "#CMDSX\r\n");
  EXPECT_EQ(bench.link.sendLine("#CMDSY"), LinkResult::BadReply);
  bench.line.pc().discardInput();

  // An echo that never comes is given 100 seconds.
  const auto start = bench.t.host.now();
  EXPECT_EQ(bench.link.sendLine("#CMDOK"), LinkResult::TimedOut);
  EXPECT_GE(bench.t.host.now() - start, 100s);
  EXPECT_LT(bench.t.host.now() - start, 101s);

  bench.t.host.requestCancel();
  EXPECT_EQ(bench.link.sendLine("#CMDOK"), LinkResult::Cancelled);
}

TEST(RadioLinkExchange, SilentRadioFailsOnlyAfterEveryReplyTimeout) {
  LinkBench bench;
  const auto start = bench.t.host.now();
  EXPECT_EQ(bench.link.writeBlock(0x282, ErasedByte, "frmRadio.WriteData").outcome,
            Outcome::Failed);
  // The image bytes, sent three times.
  EXPECT_EQ(bench.radio.received(), std::vector<std::string>(3, "#CEPWR\t0282\t01\tFF\t79\r\n"));
  EXPECT_TRUE(bench.t.prompter.boxes.empty());  // the link itself has no words
  ASSERT_EQ(bench.radio.receivedAt().size(), 3u);
  // Each attempt waits the whole reply time-out of 10 s before the next one is sent, and the
  // exchange gives up only when the last one has waited as long.
  const std::vector<Host::Clock::time_point> sent = bench.radio.receivedAt();
  const std::vector<Host::Clock::time_point> ends = {sent[1], sent[2], bench.t.host.now()};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_GE(ends[i] - sent[i], 10s) << i;
    EXPECT_LT(ends[i] - sent[i], 10s + 50ms) << i;
  }
  EXPECT_LT(sent[0] - start, 50ms);
  // The log names the block that failed and why.
  EXPECT_EQ(bench.t.diagnostics.errors,
            std::vector<std::string>{
                "frmRadio.WriteData -> block 0x282, 1 byte: no acknowledgement after 3 attempts"});
}

TEST(RadioLinkExchange, ThreeErrorsAskToResynchronise) {
  const std::string frame = BuildFrame("#CEPWR", "0282", "01", "FF");
  const std::string sync = "#CMDSY\r\n";
  const struct {
    Answer answer;
    Outcome outcome;
    std::vector<std::string> sent;
  } cases[] = {{Answer::Ok, Outcome::Done, {frame, frame, frame, sync, sync, frame}},
               {Answer::Cancel, Outcome::Failed, {frame, frame, frame}}};
  for (const auto& c : cases) {
    LinkBench bench;
    // Three errors; then #CMDOK to both passes of #CMDSY and to the one more attempt.
    bench.radio.answer(
        {"ERROR\r\n", "ERROR\r\n", "ERROR\r\n", "#CMDOK\r\n", "#CMDOK\r\n", "#CMDOK\r\n"});
    bench.t.prompter.plan(c.answer);
    EXPECT_EQ(bench.link.exchange(frame, RadioLink::Flush::BeforeEach).outcome, c.outcome);
    EXPECT_EQ(bench.radio.received(), c.sent);
    ASSERT_EQ(bench.t.prompter.boxes.size(), 1u);
    const auto& box = bench.t.prompter.boxes[0];
    EXPECT_EQ(box.text, "confirm the synchronization of the communication");
    EXPECT_EQ(box.title, "Read from Radio");
    EXPECT_EQ(box.icon, Icon::Question);
    EXPECT_EQ(box.buttons, Buttons::OkCancel);
  }
}

// Silence and "ERROR" send the frame again, up to three times; another reply or a cancel end
// the exchange at once. The status request never discards input, so only dropping the rest of
// "ERROR" makes the next attempt readable.
TEST(RadioLinkExchange, AnswersDecideWhetherTheFrameIsSentAgain) {
  const struct {
    std::vector<std::string> answers;
    bool cancel;
    Outcome outcome;
    std::size_t sent;
  } cases[] = {
      {{"", "", "#CMDOK\r\n"}, false, Outcome::Done, 3},
      {{"ERROR\r\n", "#CMDOK\r\n"}, false, Outcome::Done, 2},
      {{"#CMDXX\r\n"}, false, Outcome::Failed, 1},
      {{}, true, Outcome::Cancelled, 1},
  };
  const std::string frame = BuildFrame("#CEPSR", "00");
  for (const auto& c : cases) {
    LinkBench bench;
    bench.radio.answer(c.answers);
    if (c.cancel) bench.t.host.requestCancel();
    EXPECT_EQ(bench.link.exchange(frame, RadioLink::Flush::Never).outcome, c.outcome);
    EXPECT_EQ(bench.radio.received(), std::vector<std::string>(c.sent, frame));
  }
}

TEST(RadioLinkSync, NeedsBothPasses) {
  // A second pass that times out three times fails the synchronisation.
  LinkBench bench;
  bench.t.ws.options.DebugMode = true;
  bench.radio.answer({"#CMDOK\r\n"});
  EXPECT_EQ(bench.link.synchronise().outcome, Outcome::Failed);
  EXPECT_EQ(bench.radio.received().size(), 4u);
  const std::vector<std::string> expected = {"sending '#CMDSY'...(1)", "sending '#CMDSY'...(2)",
                                             "sending '#CMDSY'...(2)", "sending '#CMDSY'...(2)",
                                             "can'not Receive '#CMDOK' !!"};
  EXPECT_EQ(bench.observer.monitors, expected);

  // A first pass that fails ends it: the second could not make it succeed, so the radio is
  // not waited for another thirty seconds.
  LinkBench silent;
  const auto start = silent.t.host.now();
  EXPECT_EQ(silent.link.synchronise().outcome, Outcome::Failed);
  EXPECT_EQ(silent.radio.received(), std::vector<std::string>(3, "#CMDSY\r\n"));
  EXPECT_LT(silent.t.host.now() - start, 31s);

  // A reply that is neither silence nor "ERROR" ends both passes.
  LinkBench other;
  other.radio.answer({"#CMDOK\r\n", "#CMDXX\r\n"});
  EXPECT_EQ(other.link.synchronise().outcome, Outcome::Failed);
  EXPECT_EQ(other.radio.received().size(), 2u);
}

TEST(RadioLinkSync, AnswerOnTheThirdTryOfAPassIsEnough) {
  for (int silentPass : {1, 2}) {
    LinkBench bench;
    if (silentPass == 2) bench.radio.answer({"#CMDOK\r\n"});
    bench.radio.answer({"", "ERROR\r\n", "#CMDOK\r\n"});
    if (silentPass == 1) bench.radio.answer({"#CMDOK\r\n"});
    EXPECT_EQ(bench.link.synchronise().outcome, Outcome::Done) << silentPass;
    EXPECT_EQ(bench.radio.received(), std::vector<std::string>(4, "#CMDSY\r\n")) << silentPass;
    EXPECT_TRUE(bench.t.prompter.boxes.empty());
  }
}

TEST(RadioLinkStart, SpeedCommandAnswers) {
  struct Case {
    std::string answer;
    Outcome started;
    std::vector<std::string> messages;
  };
  const std::vector<Case> cases = {
      {"OK\r\n", Outcome::Done, {}},
      {"#CMDUN\r\n", Outcome::Done, {}},
      {"", Outcome::Done, {}},  // no answer at all still switches
      {"ERROR\r\n", Outcome::Failed, {"ACMD Command error!!"}},
      {"FAST\r\n", Outcome::Failed, {"error!!"}},
      {"OK\rX", Outcome::Done, {"error!!"}},
  };
  for (const Case& c : cases) {
    LinkBench bench;
    bench.radio.answer({"P", "" /* to "0" */, c.answer, "#CMDOK\r\n", "#CMDOK\r\n"});
    const LinkOutcome started = bench.link.startLink();
    EXPECT_EQ(started.outcome, c.started) << c.answer;
    EXPECT_EQ(FailureTexts(started), c.messages) << c.answer;
    EXPECT_TRUE(bench.t.prompter.boxes.empty());  // the link itself shows nothing
    EXPECT_EQ(FirstOf(bench.radio.received(), 3),
              (std::vector<std::string>{"P", "0", "ACMD:002\r\n"}))
        << c.answer;
    const bool switched = c.started == Outcome::Done;
    EXPECT_EQ(bench.line.pc().settings(), switched ? "57600,N,8,1" : "19200,N,8,1") << c.answer;
  }
}

TEST(RadioLinkStart, LowSpeedStaysAt19200WithoutAskingTheRadio) {
  LinkBench bench;
  bench.t.ws.options.LowSpeed = true;
  bench.radio.answer({"P", "", "#CMDOK\r\n", "#CMDOK\r\n"});
  EXPECT_EQ(bench.link.startLink().outcome, Outcome::Done);
  EXPECT_EQ(bench.radio.received(),
            (std::vector<std::string>{"P", "0", "#CMDSY\r\n", "#CMDSY\r\n"}));
  EXPECT_EQ(bench.line.pc().settings(), "19200,N,8,1");
}

TEST(RadioLinkStart, PortThatCannotOpenIsExplained) {
  LinkBench bench;
  bench.t.ws.options.DebugMode = true;
  bench.line.pc().failOpens({2, "The port is busy."});
  const LinkOutcome started = bench.link.startLink();
  EXPECT_EQ(started.outcome, Outcome::Failed);
  // The user reads the description; the log keeps the system's number before it.
  EXPECT_EQ(
      FailureMessages(started),
      (std::vector<Message>{{Icon::Critical, "Port Inicialize Error!!", "The port is busy."}}));
  EXPECT_EQ(bench.t.diagnostics.errors,
            std::vector<std::string>{"frmRadio.PortInit -> 2The port is busy."});

  // Lost in the middle of a transfer, the port fails the step that needs it, and says why.
  bench.link.closePort();
  EXPECT_EQ(FailureTexts(bench.link.reopenPort()), std::vector<std::string>{"The port is busy."});
  EXPECT_EQ(bench.t.diagnostics.errors,
            (std::vector<std::string>{"frmRadio.PortInit -> 2The port is busy.",
                                      "frmRadio.PortOpen -> 2The port is busy."}));
}

// A radio slow to leave is waited for ten seconds; one that acknowledges ends the wait.
TEST(RadioLinkAbort, WaitsForTheRadioWhateverTheCancel) {
  for (const std::string& answer : {std::string(), std::string(1, protocol::AbortAcknowledged)}) {
    LinkBench bench;
    bench.radio.answer({answer});
    bench.t.host.requestCancel();
    const auto start = bench.t.host.now();
    bench.link.sendAbort();
    const auto waited = bench.t.host.now() - start;
    EXPECT_TRUE(answer.empty() ? waited >= 10s : waited < 1s) << answer.empty();
    EXPECT_TRUE(bench.link.cancelRequested());
    EXPECT_EQ(bench.radio.received(), std::vector<std::string>{std::string(1, protocol::Abort)});
  }
}

struct DataReplyCase {
  std::string reply;   // what follows the acknowledgement
  std::string logged;  // why the block failed, in the error log
  std::vector<std::string> messages = {};
  std::string answer = "";  // the PC's answer to the reply, if any
};

TEST(RadioLinkReadBlock, RefusesEveryFaultyDataReply) {
  const std::string data16 = "00112233445566778899AABBCCDDEEFF";
  const auto reply = [](std::string address, std::string length, std::string data) {
    return BuildFrame("#CEPDT", address, length, data);
  };
  // The log names what arrived.
  const auto wrongData = [](const std::string& data) {
    return "a data reply of another length or with other than hex digits (\"" + data + "\")";
  };
  const std::vector<std::string> dataError = {"data error!!"}, timeOut = {"time out!!"};
  const std::vector<DataReplyCase> cases = {
      {reply("0010", "10", data16),
       "a data reply for another address (\"0010\")",
       {"address error!!"}},
      {reply("0000", "10", data16.substr(0, 30)), wrongData(data16.substr(0, 30)), dataError},
      {reply("0000", "08", data16), wrongData(data16), dataError},
      {reply("0000", "10", "ZZ" + data16.substr(2)), wrongData("ZZ" + data16.substr(2)), dataError},
      {reply("0000", "10", " 0" + data16.substr(2)), wrongData(" 0" + data16.substr(2)), dataError},
      {"#CEPDT\t0000\t10\t" + data16 + "\t00\r\n",
       "a data reply with a wrong checksum (\"#CEPDT\\x090000\\x0910\\x09" + data16 + "\\x0900\")",
       {},
       "#CMDSM\r\n"},
      {BuildFrame("#CEPXX", "0000", "10", data16),
       "another reply than data (\"#CEPXX\")",
       {},
       "#CMDER\r\n"},
      {"ERROR\r\n", "the radio answered ERROR instead of the data"},
      {"", "no data reply", timeOut},
      {"#CEPDT\t0000", "the data reply stopped before its end (\"#CEPDT\\x090000\")", timeOut},
  };
  for (const DataReplyCase& c : cases) {
    LinkBench bench;
    bench.radio.answer({"#CMDOK\r\n" + c.reply});
    MemoryImage buffer;
    const MemoryImage before = buffer;
    const LinkOutcome read = bench.link.readBlock(buffer, 0x000, 16, "frmRadio.ReadData");
    EXPECT_EQ(read.outcome, Outcome::Failed) << c.reply;
    EXPECT_EQ(buffer, before) << c.reply;
    EXPECT_EQ(FailureTexts(read), c.messages) << c.reply;
    std::vector<std::string> sent = {BuildFrame("#CEPRD", "0000", "10")};
    if (!c.answer.empty()) sent.push_back(c.answer);
    EXPECT_EQ(bench.radio.received(), sent) << c.reply;
    EXPECT_EQ(bench.t.diagnostics.errors,
              std::vector<std::string>{"frmRadio.ReadData -> block 0x000, 16 bytes: " + c.logged})
        << c.reply;
  }
}

TEST(RadioLinkReadBlock, StoresAGoodReplyAndAcknowledgesIt) {
  LinkBench bench;
  bench.radio.answer({"#CMDOK\r\n" + BuildFrame("#CEPDT", "07F0", "02", "ABcd")});
  MemoryImage buffer;
  EXPECT_EQ(bench.link.readBlock(buffer, 0x7F0, 2, "frmRadio.ReadData").outcome, Outcome::Done);
  EXPECT_EQ(buffer.at(0x7F0), 0xAB);
  EXPECT_EQ(buffer.at(0x7F1), 0xCD);
  EXPECT_EQ(buffer.at(0x7F2), 0xFF);
  EXPECT_EQ(bench.radio.received(),
            (std::vector<std::string>{BuildFrame("#CEPRD", "07F0", "02"), "#CMDOK\r\n"}));
  EXPECT_TRUE(bench.t.diagnostics.errors.empty());

  // When echoes are checked, the acknowledgement of the data must echo too.
  const std::string request = BuildFrame("#CEPRD", "07F0", "01");
  const std::string reply = "#CMDOK\r\n" + BuildFrame("#CEPDT", "07F0", "01", "AB");
  const std::vector<std::string> noEcho = {
      "frmRadio.ReadData -> block 0x7F0, 1 byte: the cable did not echo the acknowledgement of "
      "the data"};
  for (const std::string ackEcho : {"#CMDOK\r\n", "#CMDOX\r\n"}) {
    LinkBench echoing;
    echoing.t.ws.options.EchoCheckSkip = false;
    echoing.radio.answer({request + reply, ackEcho});
    const bool echoed = ackEcho == "#CMDOK\r\n";
    EXPECT_EQ(echoing.link.readBlock(buffer, 0x7F0, 1, "frmRadio.ReadData").outcome,
              echoed ? Outcome::Done : Outcome::Failed);
    EXPECT_EQ(echoing.t.diagnostics.errors, echoed ? std::vector<std::string>{} : noEcho);
  }
}

// ---- The simulated radio ----

std::string Feed(sim::RadioSimulator& radio, std::string_view bytes) {
  for (char c : bytes) radio.feed(c);
  return radio.takeOutput();
}

TEST(RadioSimulator, AnswersLikeTheRadio) {
  sim::RadioSimulator radio(RadioMemory(), sim::SimFaults{.busyStatusReplies = 1});
  EXPECT_EQ(Feed(radio, "P"), "P");
  EXPECT_EQ(Feed(radio, "0"), "");
  EXPECT_EQ(radio.baud(), 19200);
  EXPECT_EQ(Feed(radio, "ACMD:002\r\n"), "OK\r\n");
  EXPECT_EQ(radio.baud(), 57600);
  EXPECT_EQ(Feed(radio, "#CMDSY\r\n"), "#CMDOK\r\n");
  EXPECT_EQ(Feed(radio, BuildFrame("#CEPSR", "00")), "#CMDOK\r\n" + BuildFrame("#CEPSD", "01"));
  EXPECT_EQ(Feed(radio, BuildFrame("#CEPSR", "00")), "#CMDOK\r\n" + BuildFrame("#CEPSD", "00"));
  EXPECT_EQ(Feed(radio, BuildFrame("#CEPRD", "0080", "02")),
            "#CMDOK\r\n" + BuildFrame("#CEPDT", "0080", "02", "012D"));
  EXPECT_EQ(Feed(radio, BuildFrame("#CEPWR", "0100", "02", "A55A")), "#CMDOK\r\n");
  EXPECT_EQ(radio.memory().at(0x100), 0xA5);
  EXPECT_EQ(radio.memory().at(0x101), 0x5A);
  EXPECT_EQ(Feed(radio, std::string(1, protocol::Abort)),
            std::string(1, protocol::AbortAcknowledged));
  EXPECT_EQ(radio.aborts(), 1);
}

TEST(RadioSimulator, RejectsWhatItCannotServe) {
  sim::RadioSimulator radio(RadioMemory());
  EXPECT_EQ(Feed(radio, "#CEPRD\t0000\t10\t00\r\n"), "ERROR\r\n");  // bad checksum
  EXPECT_EQ(Feed(radio, BuildFrame("#CEPRD", "07F8", "10")), "ERROR\r\n");
  EXPECT_EQ(Feed(radio, BuildFrame("#CEPRD", "0000", "11")), "ERROR\r\n");
  EXPECT_EQ(Feed(radio, BuildFrame("#CEPWR", "0000", "02", "0G00")), "ERROR\r\n");
  EXPECT_EQ(Feed(radio, BuildFrame("#CEPXX", "0000", "01")), "ERROR\r\n");
  EXPECT_EQ(Feed(radio, "HELLO\r\n"), "ERROR\r\n");
  EXPECT_EQ(Feed(radio, "#CMDOK\r\n"), "");
  EXPECT_TRUE(radio.writes().empty());
  EXPECT_EQ(radio.memory(), RadioMemory());
}

TEST(RadioSimulator, FaultsStrikeTheirAddressAsOftenAsAsked) {
  sim::RadioSimulator radio(RadioMemory(),
                            sim::SimFaults{.badChecksumAddress = 0x030,
                                           .silentAddress = sim::AddressFault{0x010, 1},
                                           .errorAddress = sim::AddressFault{0x020, 1},
                                           .echo = true});
  const std::string read10 = BuildFrame("#CEPRD", "0010", "01");
  EXPECT_EQ(Feed(radio, read10), read10);  // only the echo
  EXPECT_EQ(Feed(radio, read10).substr(read10.size(), 8), "#CMDOK\r\n");
  const std::string read20 = BuildFrame("#CEPRD", "0020", "01");
  EXPECT_EQ(Feed(radio, read20), read20 + "ERROR\r\n");
  const std::string read30 = BuildFrame("#CEPRD", "0030", "01");
  const std::string spoiled = Feed(radio, read30).substr(read30.size() + 8);
  EXPECT_FALSE(VerifyFrame(spoiled.substr(0, spoiled.size() - 2)));
  const std::string clean = Feed(radio, read30).substr(read30.size() + 8);
  EXPECT_TRUE(VerifyFrame(clean.substr(0, clean.size() - 2)));
}

TEST(RadioSimulator, LogLinesAreJson) {
  EXPECT_EQ(sim::JsonLogLine(1.5, 57600, "pc", "#CMDOK\r\n"),
            R"({"ms":1.500,"baud":57600,"from":"pc","bytes":"#CMDOK\u000d\u000a"})");
  EXPECT_EQ(sim::JsonLogLine(0, 19200, "radio", std::string("\"\\\x18\xFF", 4)),
            R"({"ms":0.000,"baud":19200,"from":"radio","bytes":"\"\\\u0018\u00ff"})");
}

}  // namespace
}  // namespace tpw::test
