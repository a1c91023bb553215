#pragma once

#include <QSerialPort>
#include <memory>
#include <string>

#include "link/serial_port.h"

class QCoreApplication;

namespace tpw::serial {

// QSerialPort waits without an event loop, but it needs an application object to exist; a
// program without a window makes one for the time it uses a port.
class QtRuntime {
 public:
  QtRuntime();
  ~QtRuntime();
  QtRuntime(const QtRuntime&) = delete;
  QtRuntime& operator=(const QtRuntime&) = delete;

 private:
  int argc_ = 1;
  char name_[8] = "tpw52";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QCoreApplication> app_;
};

// A real serial port (or pseudo-terminal) by its device name: "/dev/ttyUSB0", "COM3".
// Opened exclusively, without flow control; the program drives no modem line.
class QtSerialPort : public SerialPort {
 public:
  explicit QtSerialPort(std::string device);

  bool open(std::string_view settings) override;
  void close() override;
  bool isOpen() const override { return port_.isOpen(); }
  std::string settings() const override { return settings_; }
  PortFailure lastFailure() const override { return failure_; }
  int bytesWaiting() override;
  std::optional<std::uint8_t> readByte(std::chrono::milliseconds slice) override;
  bool write(std::span<const std::uint8_t> bytes) override;
  void discardInput() override;

 private:
  std::string device_;
  QSerialPort port_;
  std::string settings_;
  PortFailure failure_;
};

}  // namespace tpw::serial
