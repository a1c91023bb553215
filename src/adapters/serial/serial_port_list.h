#pragma once

#include <string>
#include <vector>

namespace tpw::serial {

// A serial port of the system as the user chooses it: the name to pass as --port and what
// it is (the USB adapter's description, maker and serial number where known).
struct SerialPortEntry {
  std::string name;
  std::string description;
};

// On Linux and macOS the device paths, sorted; on Windows the COM ports in ascending number,
// each named "COMn".
std::vector<SerialPortEntry> ListSerialPorts();

}  // namespace tpw::serial
