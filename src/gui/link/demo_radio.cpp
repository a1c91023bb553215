#include "gui/link/demo_radio.h"

namespace tpw::gui {

DemoRadio::DemoRadio(const MemoryImage& image)
    : radio_(std::make_unique<sim::RadioSimulator>(sim::FactoryMemory(image))) {
  // Messages name the port as the serial port menu does.
  line_.pc().portName = "Simulated radio (demo)";
}

SerialPort& DemoRadio::switchOn() {
  driver_.reset();
  line_.pc().onIdle = nullptr;
  // What was left on the line when the last transfer ended is gone with the power cycle.
  line_.radio().discardInput();
  line_.pc().discardInput();
  radio_ = std::make_unique<sim::RadioSimulator>(radio_->memory(), faults_);
  driver_ = std::make_unique<sim::InProcessRadio>(line_, *radio_);
  return line_.pc();
}

}  // namespace tpw::gui
