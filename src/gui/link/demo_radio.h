#pragma once

#include "image/memory_image.h"
#include "link/memory_serial_port.h"
#include "sim/in_process_radio.h"
#include "sim/radio_simulator.h"

namespace tpw::gui {

// The radio of "/DEMO": the simulated radio in this process, on the far end of a line held
// in memory. It keeps what is written to it for the whole run, so a program followed by a
// read brings the programmed channels back.
class DemoRadio {
 public:
  // A radio as it left the factory with this image: the model words and the product code
  // are its own whatever the image holds.
  explicit DemoRadio(const MemoryImage& image);
  DemoRadio(const DemoRadio&) = delete;
  DemoRadio& operator=(const DemoRadio&) = delete;

  SerialPort& port() { return line_.pc(); }
  const MemoryImage& memory() const { return radio_.memory(); }

 private:
  MemoryLine line_;
  sim::RadioSimulator radio_;
  sim::InProcessRadio driver_{line_, radio_};
};

}  // namespace tpw::gui
