#include "adapters/serial/qt_serial_port.h"

#include "adapters/serial/port_failure.h"

#include <QSerialPortInfo>

namespace tpw::serial {

namespace {

QSerialPort::Parity ParityOf(char letter) {
  switch (letter) {
    case 'E':
      return QSerialPort::EvenParity;
    case 'O':
      return QSerialPort::OddParity;
    case 'M':
      return QSerialPort::MarkParity;
    case 'S':
      return QSerialPort::SpaceParity;
    default:
      return QSerialPort::NoParity;
  }
}

}  // namespace

QtSerialPort::QtSerialPort(std::string device) : device_(std::move(device)) {
  port_.setPortName(QString::fromStdString(device_));
}

std::optional<PortFailure> QtSerialPort::open(std::string_view text) {
  const auto parsed = ParsePortSettings(text);
  if (!parsed) {
    close();
    return PortFailure{static_cast<int>(QSerialPort::UnsupportedOperationError),
                       "The settings \"" + std::string(text) + "\" are not valid."};
  }
  // An open port changes its settings in place: closing it would drop the modem lines for a
  // moment, and reopening takes the device's lock again.
  const bool applied =
      port_.setBaudRate(parsed->baud) &&
      port_.setDataBits(static_cast<QSerialPort::DataBits>(parsed->dataBits)) &&
      port_.setParity(ParityOf(parsed->parity)) &&
      port_.setStopBits(parsed->stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
      port_.setFlowControl(QSerialPort::NoFlowControl);
  if (port_.isOpen() && !applied) {
    const PortFailure failure{static_cast<int>(port_.error()),
                              "The port " + device_ + " does not accept the settings " +
                                  std::string(text) + ": " + port_.errorString().toStdString()};
    close();
    return failure;
  }
  if (!port_.isOpen() && !port_.open(QIODevice::ReadWrite)) {
    return DescribeOpenFailure(device_, port_.error(), port_.errorString().toStdString(),
                               InspectDevice(device_));
  }
  settings_ = PortSettingsText(*parsed);
  // Taken while the device is there: a port that goes away is explained by what it was.
  description_ = QSerialPortInfo(port_).description().toStdString();
  port_.clearError();
  return std::nullopt;
}

void QtSerialPort::noticeLoss() {
  if (lost_ || !port_.isOpen() || !MeansLostPort(port_.error())) return;
  lost_ = DescribeLostPort(port_.error(), port_.errorString().toStdString(),
                           LineHungUp(port_.handle()), description_);
}

void QtSerialPort::close() {
  lost_.reset();
  if (!port_.isOpen()) return;
  if (port_.bytesToWrite() > 0) port_.waitForBytesWritten(1000);
  port_.close();
}

int QtSerialPort::bytesWaiting() {
  if (port_.bytesAvailable() == 0) port_.waitForReadyRead(0);
  return static_cast<int>(port_.bytesAvailable());
}

std::optional<std::uint8_t> QtSerialPort::readByte(std::chrono::milliseconds slice) {
  if (!port_.isOpen() || lost_) return std::nullopt;
  char byte = 0;
  // A wait that ends early without a byte, or a byte that cannot be taken, is the line
  // failing: the caller hears of it through lost() instead of waiting in a busy loop.
  if ((port_.bytesAvailable() == 0 && !port_.waitForReadyRead(static_cast<int>(slice.count()))) ||
      !port_.getChar(&byte)) {
    noticeLoss();
    return std::nullopt;
  }
  return static_cast<std::uint8_t>(byte);
}

bool QtSerialPort::write(std::span<const std::uint8_t> bytes) {
  if (!port_.isOpen() || lost_) return false;
  const auto size = static_cast<qint64>(bytes.size());
  bool written = port_.write(reinterpret_cast<const char*>(bytes.data()), size) == size;
  // Without an event loop the bytes leave only while someone waits for them.
  while (written && port_.bytesToWrite() > 0) written = port_.waitForBytesWritten(1000);
  if (!written) noticeLoss();
  return written;
}

void QtSerialPort::discardInput() {
  if (!port_.isOpen()) return;
  port_.waitForReadyRead(0);
  port_.readAll();
  port_.clear(QSerialPort::Input);
}

}  // namespace tpw::serial
