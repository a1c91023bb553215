#pragma once

#include "link/memory_line.h"
#include "sim/radio_simulator.h"

namespace tpw::sim {

// Runs a simulated radio on the radio end of an in-memory line: whenever the PC end finds
// nothing to read, the radio takes what the PC sent and answers at once. A radio that hangs
// up takes the line away from the PC's end.
class InProcessRadio {
 public:
  InProcessRadio(MemoryLine& line, RadioSimulator& radio);
  InProcessRadio(const InProcessRadio&) = delete;
  InProcessRadio& operator=(const InProcessRadio&) = delete;

  // Takes every byte the PC has sent and puts the radio's answers on the line.
  void answerPending();

 private:
  void listenAt(int baud);

  MemoryLine& line_;
  MemoryLine::End& end_;
  RadioSimulator& radio_;
};

}  // namespace tpw::sim
