#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tpw {

// Why a port could not be opened or stopped working: a number for the log and a description
// the user can act on (the port is missing, busy, the user lacks the permission to use it,
// the line hung up).
struct PortFailure {
  int number = 0;
  std::string description;
  // When the device itself went away: what else can take a port away on this system
  // (PortChecks); empty when the line only hung up.
  std::string checks;
};

// Line settings as the program writes them: "19200,N,8,1".
struct PortSettings {
  int baud = 0;
  char parity = 'N';
  int dataBits = 8;
  int stopBits = 1;
};
std::optional<PortSettings> ParsePortSettings(std::string_view text);
std::string PortSettingsText(const PortSettings& settings);
// The radio's line at a speed: no parity, 8 data bits, 1 stop bit ("19200,N,8,1").
std::string LineSettings(int baud);

// A serial line to the radio: raw bytes, no flow control, no modem line driven by the program.
// Reads wait at most one short slice, so callers can look after the user between slices.
class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // The port as the user chose it: "/dev/ttyUSB0", "COM3".
  virtual std::string name() const = 0;
  // Opens the port with settings such as "19200,N,8,1"; a port already open takes the new
  // settings. Nothing when the port is open; otherwise why it is not.
  virtual std::optional<PortFailure> open(std::string_view settings) = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
  // The settings string of the open port.
  virtual std::string settings() const = 0;
  // Why the open port stopped working, once it has: the device went away (a cable pulled out)
  // or the line hung up (the radio switched off). Reads then return at once with nothing and
  // writes fail; closing the port ends the state.
  virtual std::optional<PortFailure> lost() const = 0;

  virtual int bytesWaiting() = 0;
  // The next received byte, waiting at most `slice` for one to arrive.
  virtual std::optional<std::uint8_t> readByte(std::chrono::milliseconds slice) = 0;
  virtual bool write(std::span<const std::uint8_t> bytes) = 0;
  virtual void discardInput() = 0;
};

}  // namespace tpw
