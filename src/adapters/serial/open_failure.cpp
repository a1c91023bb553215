#include "adapters/serial/open_failure.h"

#include <filesystem>

#ifndef _WIN32
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace tpw::serial {

namespace {

constexpr const char* ListHint = " (\"tpw52-cli ports\" lists the serial ports.)";

PortFailure Missing(const std::string& device, int number) {
  return {number, "The port " + device +
                      " does not exist. Check that the programming cable is plugged in and that "
                      "this is its port." +
                      ListHint};
}

PortFailure Busy(const std::string& device, int number) {
  return {number, "The port " + device +
                      " is in use by another program. Close that program and try again."};
}

#ifndef _WIN32
// The group that owns the device, which the user must belong to.
std::string OwningGroup(const std::string& device) {
  struct stat info {};
  if (stat(device.c_str(), &info) != 0) return "dialout";
  if (const group* owner = getgrgid(info.st_gid)) return owner->gr_name;
  return "dialout";
}
#endif

}  // namespace

PortFailure DescribeOpenFailure(const std::string& device, QSerialPort::SerialPortError error,
                                const std::string& systemText) {
  const int number = static_cast<int>(error);
#ifndef _WIN32
  std::error_code ignored;
  if (!std::filesystem::exists(device, ignored)) return Missing(device, number);
  if (access(device.c_str(), R_OK | W_OK) != 0 && errno == EACCES) {
    const std::string group = OwningGroup(device);
    return {number, "You have no permission to use the port " + device +
                        ". Add your user to the group \"" + group +
                        "\" (for example: sudo usermod -aG " + group +
                        " $USER), then log out and in again."};
  }
  if (error == QSerialPort::PermissionError) return Busy(device, number);
#else
  if (error == QSerialPort::DeviceNotFoundError) return Missing(device, number);
  if (error == QSerialPort::PermissionError) return Busy(device, number);
#endif
  return {number, "The port " + device + " cannot be opened: " + systemText};
}

}  // namespace tpw::serial
