#include "adapters/serial/serial_port_list.h"

#include <QSerialPortInfo>
#include <algorithm>

#include "link/port_selection.h"

namespace tpw::serial {

namespace {

std::string DescriptionOf(const QSerialPortInfo& info) {
  QStringList parts;
  if (!info.description().isEmpty()) parts << info.description();
  if (!info.manufacturer().isEmpty() && info.manufacturer() != info.description()) {
    parts << "(" + info.manufacturer() + ")";
  }
  if (!info.serialNumber().isEmpty()) parts << "serial " + info.serialNumber();
  return parts.join(' ').toStdString();
}

}  // namespace

std::vector<SerialPortEntry> ListSerialPorts() {
  std::vector<SerialPortEntry> ports;
#ifdef _WIN32
  // Windows names its ports by number: the friendly name ends in "(COMn)".
  std::vector<std::pair<int, SerialPortEntry>> numbered;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    const std::string friendly = (info.description() + " (" + info.portName() + ")").toStdString();
    if (const auto number = ComNumberOf(friendly)) {
      numbered.push_back({*number, {"COM" + std::to_string(*number), DescriptionOf(info)}});
    }
  }
  std::stable_sort(numbered.begin(), numbered.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (auto& entry : numbered) ports.push_back(std::move(entry.second));
#else
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    ports.push_back({info.systemLocation().toStdString(), DescriptionOf(info)});
  }
  std::sort(ports.begin(), ports.end(),
            [](const auto& a, const auto& b) { return a.name < b.name; });
#endif
  return ports;
}

}  // namespace tpw::serial
