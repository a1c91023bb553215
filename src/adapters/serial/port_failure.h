#pragma once

#include <QSerialPort>
#include <string>

#include "link/serial_port.h"

namespace tpw::serial {

// What the system says about a device before it is opened, by the port's name as the serial
// port takes it (a name without a folder is a device in /dev).
struct DeviceAccess {
  bool exists = true;
  bool permitted = true;    // the user may read and write it
  bool device = true;       // a character device, as every serial port is: no file, pipe or folder
  std::string group;        // the group that owns it (Linux and macOS)
  bool groupMayUse = true;  // its group may read and write it, so joining the group helps
  std::string owner;        // the user that owns it
};
DeviceAccess InspectDevice(const std::string& device);

// Why a device could not be opened, in words that say what to do about it: plug the cable in,
// close the other program, or join the group that owns the device when that group may use it.
PortFailure DescribeOpenFailure(const std::string& device, QSerialPort::SerialPortError error,
                                const std::string& systemText, const DeviceAccess& access);

// True when the port's error means the device is gone: anything but a wait that timed out.
bool MeansLostPort(QSerialPort::SerialPortError error);
// True when the line behind an open device hung up (Linux and macOS; false elsewhere).
bool LineHungUp(qintptr handle);
// Why an open port stopped working, as the end of a sentence: "the line hung up"; a device
// that went away also gets what else to check on this system, by its description.
PortFailure DescribeLostPort(QSerialPort::SerialPortError error, const std::string& systemText,
                             bool hungUp, const std::string& description);

}  // namespace tpw::serial
