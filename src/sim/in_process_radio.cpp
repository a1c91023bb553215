#include "sim/in_process_radio.h"

#include <string>

namespace tpw::sim {

InProcessRadio::InProcessRadio(MemoryLine& line, RadioSimulator& radio)
    : end_(line.radio()), radio_(radio) {
  listenAt(radio_.baud());
  line.pc().onIdle = [this] { pump(); };
}

void InProcessRadio::listenAt(int baud) {
  end_.open(std::to_string(baud) + ",N,8,1");
}

void InProcessRadio::pump() {
  while (end_.bytesWaiting() > 0) {
    const auto byte = end_.readByte(std::chrono::milliseconds(0));
    radio_.feed(static_cast<char>(*byte));
    const std::string answer = radio_.takeOutput();
    end_.write({reinterpret_cast<const std::uint8_t*>(answer.data()), answer.size()});
    if (end_.settings() != std::to_string(radio_.baud()) + ",N,8,1") listenAt(radio_.baud());
  }
}

}  // namespace tpw::sim
