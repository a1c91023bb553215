#pragma once

#include <memory>
#include <string>
#include <vector>

#include "adapters/serial/serial_port_list.h"
#include "link/serial_port.h"

namespace tpw::gui {

// The system's serial ports: which there are, and a port to talk through by name. Tests
// offer ports of their own.
class PortAccess {
 public:
  virtual ~PortAccess() = default;
  virtual std::vector<PortInfo> list() = 0;
  virtual std::unique_ptr<SerialPort> make(const std::string& device) = 0;
};

class QtPortAccess : public PortAccess {
 public:
  std::vector<PortInfo> list() override;
  std::unique_ptr<SerialPort> make(const std::string& device) override;
};

}  // namespace tpw::gui
