#include "link/transfer.h"

#include <gtest/gtest.h>

#include <set>

#include "editor/channel_form.h"
#include "image/memory_map.h"
#include "image/text_values.h"
#include "link/clone_write.h"
#include "link/frame.h"
#include "link_test_support.h"
#include "session/automatic_answers.h"

namespace tpw::test {
namespace {

using namespace std::chrono_literals;
using sim::AddressFault;
using sim::SimFaults;

// The addresses that writes (planned or made) cover, added to covered.
template <class Writes>
std::set<int> Covered(const Writes& writes, std::set<int> covered = {}) {
  for (const auto& w : writes) {
    for (int i = 0; i < w.length; ++i) covered.insert(w.address + i);
  }
  return covered;
}

const Box ReadComplete{Icon::Information, "Read from Radio", "Complete!!"};
const Box ReadCommError{Icon::Critical, "Read from Radio", ShownText("nothing-read")};

// A clear that stopped at the third byte of the code.
const std::string PartlyCleared = ShownText("partly-cleared");

const std::string HungUp = ShownText("hung-up");

// Answers every question as --yes does.
void AnswerYesAutomatically(RecordingPrompter& prompter, AutomaticAnswers& answers) {
  prompter.unplanned = [&answers](const RecordingPrompter::Box& box) {
    return answers.answer(AnswerPolicy::Yes, box.text, box.buttons).answer;
  };
}

// ---- Read ----

TEST(CloneRead, CopiesTheRadioExceptWhatThePcKeeps) {
  const MemoryImage radioMemory = RadioMemory();
  SimBench bench(radioMemory);
  const TransferResult result = bench.run(TransferMode::Read);
  EXPECT_TRUE(result.done());
  EXPECT_FALSE(result.regionChangeAccepted);
  EXPECT_EQ(bench.boxes(), std::vector<Box>{ReadComplete});
  for (int a = 0; a <= ImageLastIndex; ++a) {
    const bool kept =
        a <= addr::KeptLowLast || (a >= addr::KeptHighFirst && a <= addr::KeptHighLast);
    ASSERT_EQ(bench.t.ws.image.at(a), (kept ? bench.pcImage : radioMemory).at(a)) << a;
  }
  EXPECT_FALSE(bench.t.ws.flags.TransferBusy);
  // Progress climbs block by block; the last block shows 99.
  const auto& p = bench.observer.percents;
  EXPECT_NE(std::find(p.begin(), p.end(), 99), p.end());
  EXPECT_TRUE(std::is_sorted(p.begin(), p.end()));
}

TEST(CloneRead, DebugModeShowsTheMonitorTexts) {
  SimBench bench(RadioMemory());
  bench.t.ws.options.DebugMode = true;
  bench.run(TransferMode::Read);
  const auto& m = bench.observer.monitors;
  EXPECT_EQ(FirstOf(m, 4),
            (std::vector<std::string>{"startsync...", "19200,N,8,1", "sending 'ACMD:002'...",
                                      "sending '#CMDSY'...(1)"}));
  for (const char* text : {"sync ok", "status check..", "status check.. OK", "model check...",
                           "product-code check...", "region check...", "radio reading...", ""}) {
    EXPECT_NE(std::find(m.begin(), m.end(), text), m.end()) << text;
  }
}

TEST(CloneRead, BusyRadioIsRetriedAsTheUserChooses) {
  const SimFaults faults{.busyStatusReplies = 2};
  SimBench bench(RadioMemory(), faults);
  bench.t.prompter.plan(Answer::Retry);
  bench.t.prompter.plan(Answer::Retry);
  EXPECT_TRUE(bench.run(TransferMode::Read).done());
  EXPECT_EQ(bench.radio.statusRequests(), 3);
  ASSERT_EQ(bench.t.prompter.boxes.size(), 3u);
  const auto& busy = bench.t.prompter.boxes[0];
  EXPECT_EQ(busy.text, "Radio is busy!!");
  EXPECT_EQ(busy.icon, Icon::Exclamation);
  EXPECT_EQ(busy.buttons, Buttons::RetryCancel);
  EXPECT_EQ(busy.defaultAnswer, Answer::Cancel);

  SimBench refused(RadioMemory(), faults);
  refused.t.prompter.plan(Answer::Cancel);
  // The user refused to retry: the radio is not ready, nothing was cancelled, the dialog stays.
  EXPECT_EQ(refused.run(TransferMode::Read).outcome, Outcome::Failed);
  EXPECT_EQ(refused.t.prompter.texts(),
            (std::vector<std::string>{"Radio is busy!!", ShownText("not-ready")}));
  EXPECT_EQ(refused.t.ws.image, refused.pcImage);
}

TEST(CloneRead, IdentityChecksRefuseOtherRadios) {
  const Box modelError{Icon::Critical, "Read from Radio", ShownText("not-a-qz815")};
  const SimFaults product{.productCode = "TR381X"};
  for (const SimFaults& faults : {SimFaults{.modelWords = std::pair{0x012D, 0x012C}},
                                  SimFaults{.modelWords = std::pair{0x012C, 0x012C}}, product}) {
    SimBench bench(RadioMemory(), faults);
    EXPECT_FALSE(bench.run(TransferMode::Read).done());
    EXPECT_EQ(bench.boxes(), std::vector<Box>{modelError});
    EXPECT_EQ(bench.t.ws.image, bench.pcImage);
  }
  SimBench debug(RadioMemory(), product);
  debug.t.ws.options.DebugMode = true;
  debug.run(TransferMode::Read);
  EXPECT_EQ(debug.boxes(),
            (std::vector<Box>{{Icon::Critical, "Product Code Error!", "address: 0x275 -> 0x58"},
                              modelError}));
  // The byte after the code is read but not compared.
  MemoryImage other = RadioMemory();
  other.set(0x276, 0x00);
  SimBench passes(other);
  EXPECT_TRUE(passes.run(TransferMode::Read).done());
}

TEST(CloneRead, RegionsMustAgreeOrTheUserAcceptsTheRadios) {
  struct Case {
    std::uint8_t radio, pc;
    std::vector<Answer> answers;
    bool done, changed;
    std::vector<std::string> texts;
  };
  const std::string question = "The region is unmatched.\r\nDo you want to change the region?";
  const std::vector<Case> cases = {
      {3, 3, {}, true, false, {"Complete!!"}},
      {1, 4, {Answer::Yes}, true, true, {question, "Complete!!"}},
      {1, 4, {Answer::No}, false, false, {question}},
      {0xFF, 2, {}, false, false, {ShownText("region-usa-unmatched")}},
      {7, 0xFF, {}, true, false, {"Complete!!"}},
  };
  for (const Case& c : cases) {
    SimBench bench(RadioMemory(c.radio), RadioMemory(c.pc, 0x55));
    for (Answer a : c.answers) bench.t.prompter.plan(a);
    const TransferResult result = bench.run(TransferMode::Read);
    EXPECT_EQ(result.done(), c.done) << int{c.radio} << "/" << int{c.pc};
    EXPECT_EQ(result.regionChangeAccepted, c.changed);
    EXPECT_EQ(bench.t.prompter.texts(), c.texts);
    EXPECT_TRUE(c.done || bench.t.ws.image == bench.pcImage);
  }
}

// A fault that lasts fails the read with the PC's data as they were, and the log names the
// block, why it failed and what arrived; a fault that passes is recovered from.
TEST(CloneRead, BlockFaultsFailTheReadOrPass) {
  const AddressFault always{0x3F0, -1};
  const std::string block = "frmRadio.ReadData -> block 0x3F0, 16 bytes: ";
  const struct {
    SimFaults faults;
    std::string logged;  // empty: the read completes
  } cases[] = {
      {{.silentAddress = always}, block + "no acknowledgement after 3 attempts"},
      {{.badChecksumAddress = 0x3F0},
       block + "a data reply with a wrong checksum (\"#CEPDT\\x0903F0\\x0910\\x09"},
      {{.errorAddress = always},
       block + "the radio answered ERROR and the link was not synchronised"},
      {{.silentAddress = always, .echo = true}, block + "no acknowledgement after 3 attempts"},
      {{.silentAddress = AddressFault{0x3F0, 2}}, ""},
      {{.errorAddress = AddressFault{0x3F0, 3}}, ""},
      {{.echo = true}, ""},
      {{.silentSpeedCommand = true}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.logged);
    SimBench bench(RadioMemory(), c.faults);
    bench.t.ws.options.EchoCheckSkip = !c.faults.echo;
    // Three errors ask to resynchronise: yes when the fault passes.
    if (c.faults.errorAddress)
      bench.t.prompter.plan(c.logged.empty() ? Answer::Ok : Answer::Cancel);
    const TransferResult result = bench.run(TransferMode::Read);
    ASSERT_FALSE(bench.t.prompter.boxes.empty());
    if (c.logged.empty()) {
      EXPECT_TRUE(result.done());
      EXPECT_EQ(bench.t.prompter.texts().back(), "Complete!!");
      EXPECT_TRUE(bench.t.diagnostics.errors.empty());
      continue;
    }
    EXPECT_EQ(result.outcome, Outcome::Failed);
    EXPECT_EQ(bench.t.ws.image, bench.pcImage);
    EXPECT_EQ(bench.boxes().back(), ReadCommError);
    ASSERT_EQ(bench.t.diagnostics.errors.size(), 1u);
    EXPECT_TRUE(bench.t.diagnostics.errors[0].starts_with(c.logged))
        << bench.t.diagnostics.errors[0];
  }
}

TEST(CloneRead, CancelAbortsTheRadioAndKeepsTheImage) {
  SimBench bench(RadioMemory());
  bench.cancelWhenRadioSees("#CEPRD\t0400");
  EXPECT_EQ(bench.run(TransferMode::Read).outcome, Outcome::Cancelled);  // the dialog stays open
  EXPECT_EQ(bench.t.ws.image, bench.pcImage);
  EXPECT_TRUE(bench.t.prompter.boxes.empty());
  EXPECT_TRUE(bench.t.diagnostics.errors.empty());  // a cancel is no failure
  EXPECT_EQ(bench.radio.aborts(), 1);
  EXPECT_FALSE(bench.line.pc().isOpen());
}

TEST(CloneRead, CancelBetweenTwoStepsIsNotLost) {
  SimBench bench(RadioMemory());
  bench.t.ws.options.DebugMode = true;
  // Pressed while the monitor shows a text (the program rests half a second there) before
  // the product-code check: that check stops at its first wait, and nothing follows.
  bench.observer.onMonitor = [&bench](std::string_view text) {
    if (text == "product-code check...") bench.t.host.requestCancel();
  };
  bench.radio.log = [](std::string_view from, std::string_view bytes) {
    EXPECT_FALSE(from == "pc" && bytes.starts_with("#CEPRD\t00A0")) << "read after the cancel";
  };
  EXPECT_EQ(bench.run(TransferMode::Read).outcome, Outcome::Cancelled);
  EXPECT_TRUE(bench.t.prompter.boxes.empty());
  EXPECT_EQ(bench.t.ws.image, bench.pcImage);
}

// ---- Write ----

TEST(WritePlan, CountsAndNeverWrittenBytes) {
  for (bool atisNew : {false, true}) {
    int exchanges = 0;
    int idleRows = 0;
    std::set<int> written;
    for (const PlanRow& row : WritePlan(atisNew)) {
      idleRows += row.writes.empty();
      exchanges += static_cast<int>(row.writes.size());
      written = Covered(row.writes, std::move(written));
    }
    EXPECT_EQ(exchanges, atisNew ? 167 : 162);  // the counter byte follows the plan
    EXPECT_EQ(idleRows, 15);
    for (int a = 0; a <= ImageLastIndex; ++a) {
      const bool never = a <= 0x081 || a == 0x09F || (a >= 0x290 && a <= 0x2FF) || a >= 0x7FE ||
                         a == addr::AtisCount || (!atisNew && a >= 0x282 && a <= 0x286);
      EXPECT_EQ(written.count(a), never ? 0u : 1u) << a;
    }
  }
}

// A radio that holds a code keeps it, whatever the PC holds; when the PC's code differs or the
// PC holds none, the user learns after "Complete!!" which code the radio kept and what to do.
// A partly cleared code is kept too, and shown as its bytes stand.
TEST(CloneWrite, RadioWithACodeKeepsIt) {
  const auto kept = [](const std::string& radioCode) {
    return Box{Icon::Exclamation, "Program to Radio", "Complete!!" + KeptAtisCodeNote(radioCode)};
  };
  const MemoryImage coded = WithAtisCode(RadioMemory());
  MemoryImage partlyCleared = coded;
  partlyCleared.set(addr::AtisCode, 0xFF);
  const struct {
    MemoryImage radio;
    MemoryImage pc;
    Box shown;
  } cases[] = {
      {coded, WithAtisCode(RadioMemory(0xFF, 0x55), 0x93), kept("9211234567")},
      {coded, WithAtisCode(RadioMemory(0xFF, 0x55)), ProgramComplete},
      {coded,
       WithoutAtisCode(RadioMemory(0xFF, 0x55)),
       {Icon::Exclamation, "Program to Radio", ShownText("kept-code-data-hold-none")}},
      {partlyCleared, WithAtisCode(RadioMemory(0xFF, 0x55), 0x93), kept("FF11234567")},
  };
  for (const auto& c : cases) {
    SimBench bench(c.radio, c.pc);
    const std::string pcCode = bench.t.ws.model.atis.code;
    EXPECT_TRUE(bench.run(TransferMode::Program).done());
    EXPECT_EQ(bench.boxes(), std::vector<Box>{c.shown});
    EXPECT_EQ(bench.radio.writes().size(), 162u);
    const std::set<int> written = Covered(bench.radio.writes());
    for (int a = 0; a <= ImageLastIndex; ++a) {
      const MemoryImage& source = written.count(a) ? bench.t.ws.image : c.radio;
      ASSERT_EQ(bench.radio.memory().at(a), source.at(a)) << a;
    }
    for (int a = 0x282; a <= 0x287; ++a) EXPECT_EQ(written.count(a), 0u);
    // The PC keeps the code the user entered: it is what the note tells to program.
    EXPECT_EQ(bench.t.ws.model.atis.code, pcCode);
    EXPECT_EQ(std::count(bench.t.host.pauses.begin(), bench.t.host.pauses.end(), 20ms), 15);
  }
}

TEST(CloneWrite, NewCodeIsProgrammedAndCountedOnceTheUserAgrees) {
  for (std::uint8_t counter : {std::uint8_t{4}, std::uint8_t{0xFF}}) {
    MemoryImage radioMemory = WithoutAtisCode(RadioMemory());
    radioMemory.set(addr::AtisCount, counter);
    SimBench bench(radioMemory, WithAtisCode(RadioMemory(0xFF, 0x55)));
    bench.t.prompter.plan(Answer::Yes);
    EXPECT_TRUE(bench.run(TransferMode::Program).done());
    ASSERT_EQ(bench.t.prompter.boxes.size(), 2u);
    const auto& question = bench.t.prompter.boxes[0];
    EXPECT_TRUE(question.question);
    EXPECT_EQ(question.buttons, Buttons::YesNo);
    EXPECT_EQ(question.defaultAnswer, Answer::No);
    EXPECT_EQ(question.title, "Program to Radio");
    EXPECT_EQ(question.text, ShownText("new-code-question"));
    ASSERT_EQ(bench.radio.writes().size(), 168u);
    const std::uint8_t expected = counter == 0xFF ? 0xFF : counter + 1;
    EXPECT_EQ(bench.radio.writes().back(), (sim::RadioSimulator::Write{addr::AtisCount, 1}));
    EXPECT_EQ(bench.radio.memory().at(addr::AtisCount), expected);
    EXPECT_EQ(bench.t.ws.image.at(addr::AtisCount), expected);
    for (int a = 0x282; a <= 0x286; ++a) {
      EXPECT_EQ(bench.radio.memory().at(a), bench.t.ws.image.at(a));
    }
  }
  // A PC without a code never clears the radio's empty code bytes nor counts, nor asks.
  SimBench empty(WithoutAtisCode(RadioMemory()), WithoutAtisCode(RadioMemory(0xFF, 0x55)));
  EXPECT_TRUE(empty.run(TransferMode::Program).done());
  EXPECT_EQ(empty.radio.writes().size(), 162u);
  EXPECT_EQ(empty.boxes(), std::vector<Box>{ProgramComplete});
}

// Declined, the write stops before its first frame: the radio keeps all it had. A code that is
// no plausible ATIS code is named as such in the question.
TEST(CloneWrite, ANewCodeDeclinedWritesNothing) {
  const MemoryImage radioMemory = WithoutAtisCode(RadioMemory());
  SimBench bench(radioMemory, WithAtisCode(RadioMemory(0xFF, 0x55), 0x12));
  bench.t.prompter.plan(Answer::No);
  EXPECT_EQ(bench.run(TransferMode::Program).outcome, Outcome::Cancelled);
  EXPECT_TRUE(bench.radio.writes().empty());
  EXPECT_EQ(bench.radio.memory().bytes(), radioMemory.bytes());
  ASSERT_EQ(bench.t.prompter.boxes.size(), 2u);
  EXPECT_TRUE(bench.t.prompter.boxes[0].text.starts_with(ShownText("not-an-atis-code")))
      << bench.t.prompter.boxes[0].text;
  EXPECT_EQ(bench.boxes()[1],
            (Box{Icon::Exclamation, "Program to Radio", ShownText("new-code-declined")}));
}

// A radio that stops answering at an address ends the write or the clear there: the message
// says what the radio holds, the log names the block, and the PC keeps its settings.
TEST(CloneWrite, ASilentAddressStopsTheTransferAndSaysWhatTheRadioHolds) {
  const std::string silent = ": no acknowledgement after 3 attempts";
  const struct {
    TransferMode mode;
    int address;
    std::set<int> written;
    Box shown;
    std::string logged;
  } cases[] = {
      {TransferMode::Program,
       0x085,
       {0x082, 0x083, 0x084},
       {Icon::Critical, "Program to Radio", ShownText("partly-programmed-0x085")},
       "frmRadio.WriteData -> block 0x085, 1 byte" + silent},
      // The first write frame goes unanswered: the radio may hold it.
      {TransferMode::Program,
       0x082,
       {},
       {Icon::Critical, "Program to Radio", ShownText("may-be-partly-programmed")},
       "frmRadio.WriteData -> block 0x082, 1 byte" + silent},
      // The look at the radio's code comes before any write: "CommunicatiOn Error!!" once.
      {TransferMode::Program,
       addr::AtisCode,
       {},
       {Icon::Critical, "Program to Radio", NothingWritten},
       "frmRadio.GetChkNullData -> block 0x282, 5 bytes" + silent},
      {TransferMode::ClearAtis,
       0x284,
       {0x282, 0x283},
       {Icon::Critical, "Clear Data ATIS", "CommunicatiOn Error!!\r\n" + PartlyCleared},
       "frmRadio.ClearDataATIS -> block 0x284, 1 byte" + silent},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.logged);
    SimBench bench(RadioMemory(), SimFaults{.silentAddress = AddressFault{c.address, -1}});
    const SettingsModel model = bench.t.ws.model;
    EXPECT_FALSE(bench.run(c.mode).done());
    EXPECT_EQ(Covered(bench.radio.writes()), c.written);
    EXPECT_EQ(bench.boxes(), std::vector<Box>{c.shown});
    EXPECT_EQ(bench.t.diagnostics.errors, std::vector<std::string>{c.logged});
    EXPECT_EQ(bench.t.ws.model, model);
    // A write encodes the settings into the image it sends; a clear leaves the image alone.
    EXPECT_TRUE(c.mode != TransferMode::ClearAtis || bench.t.ws.image == bench.pcImage);
  }
}

// The radio stores a write frame as it arrives: a cancel lets the exchange under way end with
// its acknowledgement, and the message names the last block the radio acknowledged.
TEST(CloneWrite, CancelStopsAfterTheCurrentExchangeAndNamesTheLastBlockTaken) {
  for (const char* frame : {"#CEPWR\t0300", "#CEPWR\t0400", "#CEPWR\t028A"}) {
    SimBench bench(RadioMemory());
    bench.cancelWhenRadioSees(frame);
    EXPECT_EQ(bench.run(TransferMode::Program).outcome, Outcome::Cancelled);
    ASSERT_FALSE(bench.radio.writes().empty());
    const sim::RadioSimulator::Write last = bench.radio.writes().back();
    EXPECT_EQ("#CEPWR\t" + HexPad(last.address, 4), frame);  // the radio took the last one
    EXPECT_EQ(bench.boxes(),
              (std::vector<Box>{{Icon::Exclamation, "Program to Radio",
                                 "The radio on /dev/ttyUSB0 is only partly programmed: it took "
                                 "the write up to address 0x" +
                                     HexPad(last.address + last.length - 1, 3) +
                                     ", then the write stopped. Program the radio again before "
                                     "you use it."}}));
    EXPECT_EQ(bench.radio.aborts(), 0);
  }
}

// ---- ATIS clear ----

TEST(AtisClear, ErasesTheCodeOnBothSidesAfterStatusAndModel) {
  MemoryImage radioMemory = RadioMemory();
  radioMemory.set(addr::AtisCount, 9);
  MemoryImage pc = RadioMemory(0xFF, 0x55);
  pc.set(addr::AtisCount, 3);
  SimBench bench(radioMemory, pc);
  EXPECT_TRUE(bench.run(TransferMode::ClearAtis).done());
  EXPECT_EQ(bench.boxes(),
            (std::vector<Box>{{Icon::Information, "Clear ATIS Data", "Complete!!"}}));
  EXPECT_TRUE(bench.t.ws.image.allFF(addr::AtisCode, addr::AtisCodeLength));
  EXPECT_TRUE(bench.radio.memory().allFF(addr::AtisCode, addr::AtisCodeLength));
  EXPECT_EQ(bench.radio.memory().at(addr::AtisCount), 3);  // the PC's counter, not increased
  EXPECT_EQ(bench.t.ws.model.atis.code, "");
  EXPECT_EQ(bench.radio.writes().size(), 6u);
  ASSERT_FALSE(bench.observer.percents.empty());
  EXPECT_EQ(bench.observer.percents.back(), 100);

  // The next write finds the radio empty and programs the PC's new code.
  bench.t.ws.model.atis.code = "1234567890";
  bench.t.prompter.plan(Answer::Yes);
  EXPECT_TRUE(bench.run(TransferMode::Program).done());
  EXPECT_EQ(bench.radio.writes().size(), 6u + 168u);
  EXPECT_EQ(bench.radio.memory().at(addr::AtisCount), 4);
  EXPECT_EQ(bench.radio.memory().at(addr::AtisCode), 0x12);

  // A clear checks only the status and the model: another product code and region pass.
  SimBench foreign(RadioMemory(), SimFaults{.productCode = "XXXXXX", .region = 2});
  EXPECT_TRUE(foreign.run(TransferMode::ClearAtis).done());
}

// ---- Round trip ----
// Every channel the channel edit panel can produce is programmed into the simulated radio,
// read back and decoded unchanged: what the user saw in the grid is what the radio holds.

// The group-form records of every choice the panel offers: each mode, status number, status
// icon, the ticks of the four boxes, and every base channel.
std::vector<ChannelRecord> GroupFormRecords() {
  std::vector<ChannelRecord> records;
  int k = 0;
  for (int duplex = 0; duplex < static_cast<int>(DuplexOptions().size()); ++duplex) {
    for (int statusNo = 0; statusNo < static_cast<int>(StatusNoOptions().size()); ++statusNo) {
      for (int icon = 0; icon < static_cast<int>(StatusIconOptions().size()); ++icon) {
        for (int ticks = 0; ticks < 16; ++ticks, ++k) {
          GroupFormEntry entry;
          entry.positionItem = k % static_cast<int>(BaseChannelOptions().size());
          entry.duplexItem = duplex;
          entry.statusNoItem = statusNo;
          entry.statusIconItem = icon;
          entry.shared = {(ticks & 1) != 0, (ticks & 2) != 0, (ticks & 4) != 0, (ticks & 8) != 0};
          records.push_back(GroupFormRecord(NewChannelTemplate(), entry));
        }
      }
    }
  }
  return records;
}

// Free-form records: every character the name box takes in either place (a single character
// is padded), frequencies across the band, every combination of ticks and groups.
std::vector<ChannelRecord> FreeFormRecords() {
  const std::string characters = "0123456789ACEFHIJKLMPQSbdnorty ";
  const std::vector<std::string> frequencies = {"137",     "137.025", "156.05",  "156.8",
                                                "161.975", "162.55",  "173.975", "174"};
  std::vector<ChannelRecord> records;
  for (std::size_t k = 0; k < 2 * characters.size(); ++k) {
    FreeFormEntry entry;
    const char c = characters[k % characters.size()];
    const char other = characters[(k * 7 + 3) % characters.size()];
    entry.name = k < characters.size() ? std::string{c, other} : std::string{other, c};
    if (k % 5 == 0) entry.name = std::string(1, c);
    if (entry.name.find_first_not_of(' ') == std::string::npos) entry.name = "1 ";
    entry.rxText = frequencies[k % frequencies.size()];
    entry.txText = frequencies[(k + 3) % frequencies.size()];
    entry.groups = {(k & 1) != 0, (k & 2) != 0, (k & 4) != 0};
    entry.shared = {(k & 8) != 0, (k & 16) != 0, (k & 32) != 0, (k % 3) == 0};
    const FreeFormSave save = FreeFormRecord(NewChannelTemplate(), entry);
    EXPECT_TRUE(save.complete) << entry.name;
    records.push_back(save.record);
  }
  return records;
}

// Takes the next records for a list, at most its slots.
ChannelList Take(const std::vector<ChannelRecord>& records, std::size_t& next, ListId list) {
  ChannelList taken;
  while (next < records.size() && taken.size() < Layout(list).slotCount) {
    taken.append(records[next++]);
  }
  return taken;
}

TEST(ChannelRoundTrip, EveryChannelOfThePanelSurvivesTheRadio) {
  const std::vector<ChannelRecord> group = GroupFormRecords();
  const std::vector<ChannelRecord> free = FreeFormRecords();
  ASSERT_EQ(group.size(), 576u);
  const ListId lists[] = {ListId::CHUSA, ListId::CHINT, ListId::CHCAN, ListId::CHRG, ListId::CHEXP};
  std::size_t nextGroup = 0;
  std::size_t nextFree = 0;
  while (nextGroup < group.size() || nextFree < free.size()) {
    SimBench bench(RadioMemory(), RadioMemory(0xFF, 0x33));
    SettingsModel& model = bench.t.ws.model;
    for (ListId list : {ListId::CHUSA, ListId::CHINT, ListId::CHCAN}) {
      model.list(list) = Take(group, nextGroup, list);
    }
    for (ListId list : {ListId::CHRG, ListId::CHEXP}) {
      model.list(list) = Take(free, nextFree, list);
    }
    const SettingsModel programmed = model;
    ASSERT_TRUE(bench.run(TransferMode::Program).done());
    for (ListId list : lists) model.list(list).clear();
    ASSERT_TRUE(bench.run(TransferMode::Read).done());
    for (ListId list : lists) {
      const ChannelList& read = model.list(list);
      const ChannelList& sent = programmed.list(list);
      ASSERT_EQ(read.size(), sent.size()) << Layout(list).name;
      for (int k = 0; k < sent.size(); ++k) {
        ASSERT_EQ(read[k], sent[k]) << Layout(list).name << " record " << k;
      }
    }
  }
}

// ---- Transfers that cannot finish ----
// Each must leave the radio and the PC's data as safe as it can, and tell the user what
// happened, on which port, and what to do next.

TEST(Transfer, UnexpectedFailureIsReportedAndTheDataKept) {
  SimBench bench(RadioMemory());
  bench.radio.log = [&bench](std::string_view from, std::string_view bytes) {
    if (from == "pc" && bytes.starts_with("#CEPWR\t0284")) {
      throw std::system_error(std::make_error_code(std::errc::io_error), "cable");
    }
  };
  EXPECT_EQ(bench.run(TransferMode::ClearAtis).outcome, Outcome::Failed);
  EXPECT_EQ(bench.t.ws.image, bench.pcImage);
  EXPECT_FALSE(bench.t.ws.flags.TransferBusy);
  const std::string description = std::system_error(EIO, std::generic_category(), "cable").what();
  EXPECT_EQ(bench.boxes(),
            (std::vector<Box>{
                {Icon::Critical, "Clear ATIS Data", std::to_string(EIO) + "\r\n\r\n" + description},
                {Icon::Exclamation, "Clear ATIS Data", PartlyCleared}}));
  EXPECT_EQ(bench.t.diagnostics.errors,
            std::vector<std::string>{"frmRadio.ClearDataATIS -> " + std::to_string(EIO) +
                                     description + "; block 0x284, 1 byte"});

  // Running out of memory in the middle of a read ends it with a message, not an abort.
  const std::string outOfMemory = "0\r\n\r\nThe computer ran out of memory.";
  SimBench memory(RadioMemory());
  memory.radio.log = [](std::string_view from, std::string_view bytes) {
    if (from == "pc" && bytes.starts_with("#CEPRD\t0400")) throw std::bad_alloc();
  };
  EXPECT_FALSE(memory.run(TransferMode::Read).done());
  EXPECT_EQ(memory.t.ws.image, memory.pcImage);
  EXPECT_EQ(memory.boxes(), (std::vector<Box>{{Icon::Critical, "Read from Radio", outOfMemory}}));

  // A failure in the read-back of a whole clear leaves a radio that took it, only not verified.
  SimBench readBack(WithAtisCode(RadioMemory()));
  bool cleared = false;
  readBack.radio.log = [&cleared](std::string_view from, std::string_view bytes) {
    if (from != "pc") return;
    if (bytes.starts_with("#CEPWR")) cleared = true;
    if (cleared && bytes.starts_with("#CEPRD")) throw std::bad_alloc();
  };
  EXPECT_FALSE(readBack.run(TransferMode::ClearAtis, {false, true, nullptr}).done());
  EXPECT_EQ(
      readBack.boxes(),
      (std::vector<Box>{{Icon::Critical, "Clear ATIS Data", outOfMemory},
                        {Icon::Exclamation, "Clear ATIS Data", ShownText("clear-not-verified")}}));
}

TEST(ProductCode, AWriteOfForeignDataIsRefusedBeforeTheRadioIsTouched) {
  const Box debugBox{Icon::Critical, "Product Code Error!", "address: 0x274 -> 0x58"};
  for (const bool debug : {false, true}) {
    SimBench bench(RadioMemory(), WithProductCode(RadioMemory(0xFF, 0x55), "TR38XK"));
    bench.t.ws.options.DebugMode = debug;
    EXPECT_EQ(bench.run(TransferMode::Program).outcome, Outcome::Failed);
    std::vector<Box> expected = {
        {Icon::Critical, "Read from Radio", ShownText("foreign-product-code")}};
    if (debug) expected.insert(expected.begin(), debugBox);
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
    LinkBench bench;  // its radio never answers
    bench.t.ws.image = ValidRadioImage();
    const auto start = bench.t.host.now();
    const TransferResult result = RunTransfer(bench.t.ctx, bench.line.pc(), bench.observer, mode);
    EXPECT_EQ(result.outcome, Outcome::Failed);
    EXPECT_EQ(Boxes(bench.t.prompter),
              (std::vector<Box>{{Icon::Critical, TransferCaption(mode), ShownText("no-answer")}}));
    // Three pings of a second, the speed command's second, the switch's second, and one pass
    // of three synchronisations of ten seconds each: the second pass could not succeed.
    EXPECT_GE(bench.t.host.now() - start, 35s);
    EXPECT_LT(bench.t.host.now() - start, 36s);
    EXPECT_EQ(bench.observer.waits, std::vector<std::string>(3, ShownText("still-waiting-sync")));
    EXPECT_EQ(bench.line.pc().written.find("#CEP"), std::string::npos);
  }
}

TEST(PartlyWrittenRadio, EveryEndAfterTheFirstWriteFrameSaysWhatTheRadioHolds) {
  // An ATIS clear cancelled while the third of the five code bytes is written: the radio takes
  // it and has lost part of its code; the PC keeps all of it.
  SimBench clear(RadioMemory());
  clear.cancelWhenRadioSees("#CEPWR\t0284");
  EXPECT_EQ(clear.run(TransferMode::ClearAtis).outcome, Outcome::Cancelled);
  EXPECT_EQ(clear.t.ws.image, clear.pcImage);
  EXPECT_EQ(clear.boxes(), (std::vector<Box>{{Icon::Exclamation, "Clear ATIS Data",
                                              ShownText("partly-cleared-cancelled")}}));
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
  EXPECT_EQ(write.boxes(), (std::vector<Box>{{Icon::Critical, "Program to Radio", HungUp},
                                             {Icon::Critical, "Program to Radio",
                                              ShownText("partly-programmed-0x400")}}));
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
