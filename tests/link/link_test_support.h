#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "link/memory_serial_port.h"
#include "link/radio_link.h"
#include "sim/in_process_radio.h"
#include "sim/radio_simulator.h"
#include "support/test_support.h"

namespace tpw::test {

// Records what a transfer shows.
class RecordingObserver : public TransferObserver {
 public:
  void progress(int percent) override { percents.push_back(percent); }
  void monitor(std::string_view text) override { monitors.emplace_back(text); }
  std::vector<int> percents;
  std::vector<std::string> monitors;
};

// A radio that answers from a script: every message the PC completes (a CR LF line, or one of
// the single bytes "P", "0", CAN) takes the next planned answer, which may be nothing.
class ScriptedRadio {
 public:
  explicit ScriptedRadio(MemoryLine& line);
  void answer(std::string bytes) { answers_.push_back(std::move(bytes)); }
  // The messages received so far, CR LF included.
  const std::vector<std::string>& received() {
    pump();
    return received_;
  }
  void clear() { received_.clear(); }

 private:
  void pump();
  MemoryLine& line_;
  std::vector<std::string> received_;
  std::string pending_;
  std::deque<std::string> answers_;
};

// The PC end of an in-memory line on virtual time, with both ends at 57600 baud.
struct LinkBench {
  LinkBench();
  TestContext t;
  MemoryLine line;
  RecordingObserver observer;
  RadioLink link{t.ctx, line.pc(), observer, "Read from Radio"};
  ProgramFlags& flags() { return t.ws.flags; }
};

// Radio memory that passes every check (model words, product code, region), with a pattern
// that differs from PatternImage's in every byte it covers.
MemoryImage RadioMemory(std::uint8_t region = 0xFF, std::uint8_t seed = 0x11);

// A transfer against the simulated radio, in-process on virtual time.
struct SimBench {
  explicit SimBench(const MemoryImage& radioMemory, sim::SimFaults faults = {});
  TransferResult run(TransferMode mode);
  // The PC starts from this image, decoded as the desktop application would.
  void usePcImage(const MemoryImage& image);

  TestContext t;
  MemoryLine line;
  sim::RadioSimulator radio;
  sim::InProcessRadio driver{line, radio};
  RecordingObserver observer;
};

}  // namespace tpw::test
