#pragma once

#include <memory>

#include "image/memory_image.h"
#include "link/memory_line.h"
#include "sim/in_process_radio.h"
#include "sim/radio_simulator.h"

namespace tpw::gui {

// The radio of "/DEMO": the simulated radio in this process, on the far end of a line held
// in memory. It keeps its memory for the whole run, so a program followed by a read brings
// the programmed channels back.
class DemoRadio {
 public:
  // A radio as it left the factory with this image: the model words and the product code
  // are its own whatever the image holds.
  explicit DemoRadio(const MemoryImage& image);
  DemoRadio(const DemoRadio&) = delete;
  DemoRadio& operator=(const DemoRadio&) = delete;

  // Switches the radio on in its PC-control mode, as the user does before every transfer:
  // it listens at the opening speed again, with the memory it had.
  SerialPort& switchOn();
  const MemoryImage& memory() const { return radio_->memory(); }
  // Faults of the radio from its next switching on, for trying what the user sees of them.
  void setFaults(const sim::SimFaults& faults) { faults_ = faults; }

 private:
  MemoryLine line_;
  sim::SimFaults faults_;
  std::unique_ptr<sim::RadioSimulator> radio_;
  std::unique_ptr<sim::InProcessRadio> driver_;
};

}  // namespace tpw::gui
