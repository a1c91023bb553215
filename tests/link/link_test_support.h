#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "link/memory_line.h"
#include "link/radio_link.h"
#include "shell/transfer_safety_net.h"
#include "sim/in_process_radio.h"
#include "sim/radio_simulator.h"
#include "support/test_support.h"

namespace tpw {
// How a failing test names a message.
void PrintTo(const Message& box, std::ostream* out);
}  // namespace tpw

namespace tpw::test {

// Records what a transfer shows.
class RecordingObserver : public TransferObserver {
 public:
  void progress(int percent) override { percents.push_back(percent); }
  void monitor(std::string_view text) override {
    monitors.emplace_back(text);
    if (onMonitor) onMonitor(text);
  }
  void waiting(std::string_view text) override { waits.emplace_back(text); }
  // Where in the progress the read-back began.
  void verifying() override { verifyingAt.push_back(percents.size()); }
  std::vector<int> percents;
  std::vector<std::size_t> verifyingAt;
  std::vector<std::string> monitors;
  std::vector<std::string> waits;
  std::function<void(std::string_view)> onMonitor;
};

// A radio that answers from a script: every message the PC completes (a CR LF line, or one of
// the single bytes "P", "0", CAN) takes the next planned answer, which may be nothing. It notes
// the time on the host's clock at which each message was complete.
class ScriptedRadio {
 public:
  ScriptedRadio(MemoryLine& line, FakeHost& clock);
  // Plans the answers to the next messages, in order.
  void answer(const std::vector<std::string>& answers) {
    answers_.insert(answers_.end(), answers.begin(), answers.end());
  }
  // The messages received so far, CR LF included.
  const std::vector<std::string>& received() {
    answerPending();
    return received_;
  }
  const std::vector<Host::Clock::time_point>& receivedAt() const { return receivedAt_; }

 private:
  void answerPending();
  MemoryLine& line_;
  FakeHost& clock_;
  std::vector<std::string> received_;
  std::vector<Host::Clock::time_point> receivedAt_;
  std::string pending_;
  std::deque<std::string> answers_;
};

// The first count of these messages, or all when there are fewer.
inline std::vector<std::string> FirstOf(const std::vector<std::string>& messages,
                                        std::size_t count) {
  return {messages.begin(), messages.begin() + static_cast<long>(std::min(count, messages.size()))};
}

// The messages a step's failure makes in a read on TestPort, and their texts.
std::vector<Message> FailureMessages(const LinkOutcome& outcome);
std::vector<std::string> FailureTexts(const LinkOutcome& outcome);

// A message box as a test compares it: icon, title and text.
using Box = Message;
std::vector<Box> Boxes(const RecordingPrompter& prompter);

// A long text a transfer shows, as tests/data/link/shown-texts.txt holds it under this name.
std::string ShownText(std::string_view name);

// The name of the PC's end of the line in the benches' messages.
inline constexpr const char* TestPort = "/dev/ttyUSB0";

// A write that failed before its first frame reached the radio.
inline const std::string NothingWritten = ShownText("nothing-written");
// A write that completed with nothing to tell.
inline const Box ProgramComplete{Icon::Information, "Program to Radio", "Complete!!"};
// What follows a write's first line when the radio kept its own ATIS code, radioCode, where the
// PC's data hold 9311234567.
std::string KeptAtisCodeNote(const std::string& radioCode);

// A question nobody planned an answer for fails the test and is refused, so that a faulty
// link cannot keep asking for ever.
void RefuseUnplannedQuestions(RecordingPrompter& prompter);

// The PC end of an in-memory line on virtual time, with both ends at the working speed, and a
// scripted radio at the other end (with no answers planned it only listens).
struct LinkBench {
  LinkBench();
  TestContext t;
  MemoryLine line;
  ScriptedRadio radio{line, t.host};
  RecordingObserver observer;
  RadioLink link{t.ctx, line.pc(), observer, "Read from Radio"};
};

// Radio memory that passes every check (model words, product code, region), with a pattern
// that differs from PatternImage's in every byte it covers.
MemoryImage RadioMemory(std::uint8_t region = 0xFF, std::uint8_t seed = 0x11);
// The image with the ATIS code 9211234567 (country 211), or with first in place of 0x92; or
// with no code at all.
MemoryImage WithAtisCode(MemoryImage image, std::uint8_t first = 0x92);
MemoryImage WithoutAtisCode(MemoryImage image);

// A transfer against the simulated radio, in-process on virtual time. The PC starts from
// pcImage, by default RadioMemory(0xFF, 0x55), which differs from the radio's memory in every
// byte it covers.
struct SimBench {
  explicit SimBench(const MemoryImage& radioMemory, sim::SimFaults faults = {});
  SimBench(const MemoryImage& radioMemory, const MemoryImage& pc, sim::SimFaults faults = {});
  TransferResult run(TransferMode mode, const WriteChecks& checks = {});
  // The same under the safety net, as the dialog and the command line run it.
  TransferResult runProtected(TransferMode mode, const SafetyNet& net);
  // The PC starts from this image, decoded as the desktop application would.
  void usePcImage(const MemoryImage& image);
  std::vector<Box> boxes() const { return Boxes(t.prompter); }
  // Cancels the transfer (as the dialog's Cancel button does) when the radio sees a message
  // from the PC that starts with this text.
  void cancelWhenRadioSees(std::string text);

  TestContext t;
  MemoryLine line;
  sim::RadioSimulator radio;
  sim::InProcessRadio driver{line, radio};
  RecordingObserver observer;
  // The image the PC started from: a transfer that fails or is cancelled leaves it unchanged.
  MemoryImage pcImage;
};

}  // namespace tpw::test
