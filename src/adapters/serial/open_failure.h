#pragma once

#include <QSerialPort>
#include <string>

#include "link/serial_port.h"

namespace tpw::serial {

// Why a device could not be opened, in words that say what to do about it: plug the cable in,
// close the other program, or join the group that owns the device.
PortFailure DescribeOpenFailure(const std::string& device, QSerialPort::SerialPortError error,
                                const std::string& systemText);

}  // namespace tpw::serial
