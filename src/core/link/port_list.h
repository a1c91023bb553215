#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The serial ports of the system as the user chooses among them: the port menu and
// "tpw52-cli ports". The system lists them (an adapter); the order and the words are here.
namespace tpw {

struct PortInfo {
  std::string name;  // what a transfer opens and --port takes: "/dev/ttyUSB0", "COM3"
  std::string description;
  std::string manufacturer;
  std::string serialNumber;
  std::optional<std::uint16_t> vendorId;  // of a USB adapter
  std::optional<std::uint16_t> productId;
  // A name that stays the same when the cable is plugged in again (Linux:
  // "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0"); empty when there is none.
  std::string stableName;
};

// Names in the order people count: "ttyUSB2" before "ttyUSB10", "COM3" before "COM12".
bool NaturalLess(std::string_view a, std::string_view b);
void SortNaturally(std::vector<PortInfo>& ports);

// What is known about the port beyond its name: "FT232R USB UART (FTDI) 0403:6001 serial
// A1B2C3"; empty when nothing is. Its words are shown through `shown` (the user's language)
// where one is given.
std::string PortDetails(const PortInfo& port, std::string (*shown)(std::string_view) = nullptr);

// Gives each port the name of the link in folder (such as /dev/serial/by-id) that points at
// its device.
void AttachStableNames(std::vector<PortInfo>& ports, const std::filesystem::path& folder);

// True when a remembered or given name is this port: its device or its stable name.
bool NamesPort(const PortInfo& port, std::string_view name);

// The list "tpw52-cli ports" prints: the name, then the details; a stable name on a line of
// its own below, as "--port" takes it too.
std::string PortListing(const std::vector<PortInfo>& ports,
                        std::string (*shown)(std::string_view) = nullptr);

}  // namespace tpw
