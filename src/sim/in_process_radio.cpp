#include "sim/in_process_radio.h"

#include <string>

#include "link/serial_port.h"

namespace tpw::sim {

InProcessRadio::InProcessRadio(MemoryLine& line, RadioSimulator& radio)
    : line_(line), end_(line.radio()), radio_(radio) {
  listenAt(radio_.baud());
  line.pc().onIdle = [this] { answerPending(); };
}

void InProcessRadio::listenAt(int baud) {
  end_.open(LineSettings(baud));
}

void InProcessRadio::answerPending() {
  while (end_.bytesWaiting() > 0) {
    const auto byte = end_.readByte(std::chrono::milliseconds(0));
    radio_.feed(static_cast<char>(*byte));
    const std::string answer = radio_.takeOutput();
    end_.write({reinterpret_cast<const std::uint8_t*>(answer.data()), answer.size()});
    if (end_.settings() != LineSettings(radio_.baud())) listenAt(radio_.baud());
  }
  if (radio_.hungUp()) line_.pc().loseLine({0, "the line hung up"});
}

}  // namespace tpw::sim
