#include "gui/link/port_access.h"

#include "adapters/serial/qt_serial_port.h"

namespace tpw::gui {

std::vector<PortInfo> QtPortAccess::list() {
  return serial::ListSerialPorts();
}

std::unique_ptr<SerialPort> QtPortAccess::make(const std::string& device) {
  return std::make_unique<serial::QtSerialPort>(device);
}

}  // namespace tpw::gui
