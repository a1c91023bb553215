#pragma once

#include <vector>

#include "link/port_list.h"

namespace tpw::serial {

// The system's serial ports in natural order ("ttyUSB2" before "ttyUSB10", "COM3" before
// "COM12"), with what the system knows of each USB adapter; on Linux with the stable names of
// /dev/serial/by-id. On Windows each is named "COMn".
std::vector<PortInfo> ListSerialPorts();

}  // namespace tpw::serial
