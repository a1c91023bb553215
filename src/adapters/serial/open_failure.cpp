#include "adapters/serial/open_failure.h"

#include <filesystem>

#ifndef _WIN32
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace tpw::serial {

DeviceAccess InspectDevice(const std::string& device) {
  DeviceAccess access;
#ifndef _WIN32
  struct stat info {};
  if (stat(device.c_str(), &info) != 0) {
    access.exists = errno != ENOENT && errno != ENOTDIR;
    return access;
  }
  access.permitted = ::access(device.c_str(), R_OK | W_OK) == 0 || errno != EACCES;
  const group* owner = getgrgid(info.st_gid);
  access.group = owner ? owner->gr_name : "dialout";
#else
  (void)device;
#endif
  return access;
}

PortFailure DescribeOpenFailure(const std::string& device, QSerialPort::SerialPortError error,
                                const std::string& systemText, const DeviceAccess& access) {
  const int number = static_cast<int>(error);
  if (!access.exists || error == QSerialPort::DeviceNotFoundError) {
    return {number, "The port " + device +
                        " does not exist. Check that the programming cable is plugged in and "
                        "that this is its port. (\"tpw52-cli ports\" lists the serial ports.)"};
  }
  if (!access.permitted) {
    return {number, "You have no permission to use the port " + device +
                        ". Add your user to the group \"" + access.group +
                        "\" (for example: sudo usermod -aG " + access.group +
                        " $USER), then log out and in again."};
  }
  if (error == QSerialPort::PermissionError) {
    return {number, "The port " + device +
                        " is in use by another program. Close that program and try again."};
  }
  return {number, "The port " + device + " cannot be opened: " + systemText};
}

}  // namespace tpw::serial
