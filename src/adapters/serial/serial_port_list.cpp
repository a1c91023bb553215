#include "adapters/serial/serial_port_list.h"

#include <QSerialPortInfo>
#include <filesystem>
#include <optional>

#include "link/port_selection.h"

namespace tpw::serial {

namespace {

PortInfo InfoOf(const QSerialPortInfo& info, std::string name) {
  PortInfo port;
  port.name = std::move(name);
  port.description = info.description().toStdString();
  port.manufacturer = info.manufacturer().toStdString();
  port.serialNumber = info.serialNumber().toStdString();
  if (info.hasVendorIdentifier()) port.vendorId = info.vendorIdentifier();
  if (info.hasProductIdentifier()) port.productId = info.productIdentifier();
  return port;
}

}  // namespace

std::vector<PortInfo> ListSerialPorts() {
  std::vector<PortInfo> ports;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#ifdef _WIN32
    // Windows names its ports by number: the friendly name ends in "(COMn)".
    const std::string friendly = (info.description() + " (" + info.portName() + ")").toStdString();
    if (const auto number = ComNumberOf(friendly)) {
      ports.push_back(InfoOf(info, "COM" + std::to_string(*number)));
    }
#else
    ports.push_back(InfoOf(info, info.systemLocation().toStdString()));
#endif
  }
#ifdef __linux__
  AttachStableNames(ports, "/dev/serial/by-id");
#endif
  SortNaturally(ports);
  return ports;
}

PortLookup SystemPortLookup() {
  const auto listed = [](const std::string& name) -> std::optional<PortInfo> {
    for (const PortInfo& port : ListSerialPorts()) {
      if (NamesPort(port, name)) return port;
    }
    return std::nullopt;
  };
  const auto isFile = [](const std::string& name) {
    std::error_code error;
    return std::filesystem::exists(name, error);
  };
  return {[=](const std::string& name) { return isFile(name) || listed(name).has_value(); },
          [=](const std::string& name) {
            std::error_code error;
            if (isFile(name)) return std::filesystem::canonical(name, error).string();
            const std::optional<PortInfo> port = listed(name);
            return port ? port->name : name;
          }};
}

}  // namespace tpw::serial
