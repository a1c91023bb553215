#pragma once

#include <vector>

#include "link/port_list.h"
#include "shell/fleet_plan.h"

namespace tpw::serial {

// The system's serial ports in natural order ("ttyUSB2" before "ttyUSB10", "COM3" before
// "COM12"), with what the system knows of each USB adapter; on Linux with the stable names of
// /dev/serial/by-id. On Windows each is named "COMn".
std::vector<PortInfo> ListSerialPorts();

// Whether a port named by a plan is there (a device file, or a port the system lists), and
// the device it is once links such as the stable by-id names are followed.
PortLookup SystemPortLookup();

}  // namespace tpw::serial
