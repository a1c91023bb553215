#include "link/port_help.h"

#include "image/text_values.h"
#include "session/message_texts.h"

namespace tpw {

namespace {

constexpr const char* LinuxChecks =
    "On Linux a port can also vanish, or never appear, when:\r\n"
    "- a braille display service (brltty) takes USB serial adapters for itself: remove it "
    "(sudo apt remove brltty), then plug the cable in again;\r\n"
    "- a modem manager (ModemManager) probes the new port: wait half a minute after plugging "
    "the cable in, or stop it (sudo systemctl stop ModemManager);\r\n"
    "- you are not a member of the port's group (usually dialout): sudo usermod -aG dialout "
    "$USER, then log out and in again.";

constexpr const char* CopiedChipRemedy =
    "Install the driver that came with the cable, or use a cable with a genuine chip.";

}  // namespace

Platform ThisPlatform() {
#if defined(_WIN32)
  return Platform::Windows;
#elif defined(__APPLE__)
  return Platform::MacOS;
#elif defined(__linux__)
  return Platform::Linux;
#else
  return Platform::Other;
#endif
}

bool RefusedAdapterChip(std::string_view description) {
  const std::string upper = ToUpper(description);
  for (const char* sign : {"CONTACT YOUR SUPPLIER", "PHASED OUT", "NOT PROLIFIC"}) {
    if (upper.find(sign) != std::string::npos) return true;
  }
  return false;
}

std::string NoPortText(Platform platform) {
  std::string where = "Check that the programming cable is plugged in";
  switch (platform) {
    case Platform::Linux:
      where += " (lsusb lists it).";
      break;
    case Platform::Windows:
      where += " and that Device Manager lists it under Ports (COM & LPT).";
      break;
    default:
      where += ".";
  }
  const std::string checks = PortChecks(platform, {});
  return std::string(msg::NoPort) + "\r\n" + where + (checks.empty() ? "" : "\r\n" + checks);
}

std::string PortChecks(Platform platform, std::string_view description) {
  switch (platform) {
    case Platform::Linux:
      return LinuxChecks;
    case Platform::Windows:
      if (RefusedAdapterChip(description)) {
        return "The port's description, \"" + std::string(description) +
               "\", says that Windows' driver refuses the cable's adapter chip as a copy. " +
               CopiedChipRemedy;
      }
      return std::string(
                 "On Windows a port can also vanish, or never appear, when the adapter's driver "
                 "refuses a copied chip (cables with a Prolific PL2303 in particular); Device "
                 "Manager then shows the cable with a warning. ") +
             CopiedChipRemedy;
    case Platform::MacOS:
      return "On macOS adapters with a CH340 or PL2303 chip need their maker's driver; use the "
             "cable's port whose name begins with /dev/cu.";
    case Platform::Other:
      return {};
  }
  return {};
}

}  // namespace tpw
