#include "adapters/serial/port_failure.h"

#include <filesystem>
#include <system_error>

#include "link/port_help.h"

#ifndef _WIN32
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace tpw::serial {

namespace {

// What the system says of an open on something that is no terminal (/dev/null, a file): its
// own words ("Inappropriate ioctl for device") would not tell the user what is wrong.
bool MeansNoTerminal(const std::string& systemText) {
#ifndef _WIN32
  return systemText == std::generic_category().message(ENOTTY);
#else
  (void)systemText;
  return false;
#endif
}

}  // namespace

DeviceAccess InspectDevice(const std::string& device) {
  DeviceAccess access;
#ifndef _WIN32
  // The serial port opens a bare name in /dev, as "ttyUSB0" for /dev/ttyUSB0.
  const bool inFolder =
      device.starts_with('/') || device.starts_with("./") || device.starts_with("../");
  const std::string path = inFolder ? device : "/dev/" + device;
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    access.exists = errno != ENOENT && errno != ENOTDIR;
    return access;
  }
  access.device = S_ISCHR(info.st_mode);
  access.permitted = ::access(path.c_str(), R_OK | W_OK) == 0 || errno != EACCES;
  const group* owningGroup = getgrgid(info.st_gid);
  access.group = owningGroup ? owningGroup->gr_name : "dialout";
  access.groupMayUse = (info.st_mode & S_IRGRP) != 0 && (info.st_mode & S_IWGRP) != 0;
  const passwd* owningUser = getpwuid(info.st_uid);
  access.owner = owningUser ? owningUser->pw_name : std::to_string(info.st_uid);
#else
  (void)device;
#endif
  return access;
}

PortFailure DescribeOpenFailure(const std::string& device, QSerialPort::SerialPortError error,
                                const std::string& systemText, const DeviceAccess& access) {
  const int number = static_cast<int>(error);
  if (!access.exists || error == QSerialPort::DeviceNotFoundError) {
    return {number,
            "The port " + device +
                " does not exist. Check that the programming cable is plugged in and "
                "that this is its port. (\"tpw52-cli ports\" lists the serial ports.)",
            PortChecks(ThisPlatform(), {})};
  }
  if (!access.device || MeansNoTerminal(systemText)) {
    return {number, "The port " + device +
                        " is not a serial port. Give the port of the programming cable "
                        "(\"tpw52-cli ports\" lists the serial ports)."};
  }
  if (!access.permitted && !access.groupMayUse) {
    return {number, "You have no permission to use the port " + device + ": only its owner, " +
                        access.owner +
                        ", may use it, and no group may, so joining a group does not help. Use "
                        "the cable's own port (\"tpw52-cli ports\" lists the serial ports), or "
                        "give the device's group read and write access."};
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

bool MeansLostPort(QSerialPort::SerialPortError error) {
  return error != QSerialPort::NoError && error != QSerialPort::TimeoutError;
}

bool LineHungUp(qintptr handle) {
#ifndef _WIN32
  pollfd line{static_cast<int>(handle), POLLIN, 0};
  return poll(&line, 1, 0) > 0 && (line.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
  (void)handle;
  return false;
#endif
}

PortFailure DescribeLostPort(QSerialPort::SerialPortError error, const std::string& systemText,
                             bool hungUp, const std::string& description) {
  const int number = static_cast<int>(error);
  // The system's text after a hang-up is whatever the last call happened to fail with.
  if (hungUp) return {number, "the line hung up"};
  const std::string checks = PortChecks(ThisPlatform(), description);
  if (error == QSerialPort::ResourceError || error == QSerialPort::DeviceNotFoundError) {
    return {number, "the device went away (" + systemText + ")", checks};
  }
  return {number, "the port stopped working (" + systemText + ")", checks};
}

}  // namespace tpw::serial
