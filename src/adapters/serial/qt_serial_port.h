#pragma once

#include <QSerialPort>
#include <string>

#include "link/serial_port.h"

namespace tpw::serial {

// A real serial port (or pseudo-terminal) by its device name: "/dev/ttyUSB0", "COM3".
// Opened exclusively, without flow control; the program drives no modem line.
class QtSerialPort : public SerialPort {
 public:
  explicit QtSerialPort(std::string device);

  std::string name() const override { return device_; }
  std::optional<PortFailure> open(std::string_view settings) override;
  void close() override;
  bool isOpen() const override { return port_.isOpen(); }
  std::string settings() const override { return settings_; }
  std::optional<PortFailure> lost() const override { return lost_; }
  int bytesWaiting() override;
  std::optional<std::uint8_t> readByte(std::chrono::milliseconds slice) override;
  bool write(std::span<const std::uint8_t> bytes) override;
  void discardInput() override;

 private:
  // After a read or write that did not succeed: a port in error has gone away.
  void noticeLoss();

  std::string device_;
  QSerialPort port_;
  std::string settings_;
  std::string description_;
  std::optional<PortFailure> lost_;
};

}  // namespace tpw::serial
