#include "link/port_help.h"

#include <gtest/gtest.h>

#include "link/port_list.h"
#include "support/test_support.h"

namespace tpw::test {
namespace {

namespace fs = std::filesystem;

TEST(PortList, NaturalOrderDetailsAndStableNames) {
  std::vector<PortInfo> ports = {{.name = "/dev/ttyUSB10"},
                                 {.name = "/dev/ttyS0"},
                                 {.name = "/dev/ttyUSB2"},
                                 {.name = "/dev/ttyACM0"},
                                 {.name = "/dev/ttyUSB02"}};
  SortNaturally(ports);
  std::vector<std::string> names;
  for (const PortInfo& port : ports) names.push_back(port.name);
  EXPECT_EQ(names, (std::vector<std::string>{"/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyUSB2",
                                             "/dev/ttyUSB02", "/dev/ttyUSB10"}));
  EXPECT_TRUE(NaturalLess("COM3", "COM12"));
  EXPECT_FALSE(NaturalLess("COM12", "COM3"));

  // A fake /dev: two adapters, one with a stable name, and a link to something else.
  TempDir dir;
  fs::create_directories(dir / "dev" / "serial" / "by-id");
  WriteBytes(dir / "dev" / "ttyUSB0", "");
  WriteBytes(dir / "dev" / "ttyUSB1", "");
  const fs::path byId = dir / "dev" / "serial" / "by-id";
  fs::create_symlink("../../ttyUSB1", byId / "usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0");
  fs::create_symlink("../../ttyACM7", byId / "usb-Other_Modem-if00");
  std::vector<PortInfo> found = {
      {.name = (dir / "dev" / "ttyUSB1").string(),
       .description = "FT232R USB UART",
       .manufacturer = "FTDI",
       .serialNumber = "A1B2C3",
       .vendorId = 0x0403,
       .productId = 0x6001},
      {.name = (dir / "dev" / "ttyUSB0").string(), .description = "CP2102 USB to UART"}};
  AttachStableNames(found, byId);
  EXPECT_EQ(found[0].stableName, (byId / "usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0").string());
  EXPECT_EQ(found[1].stableName, "");
  EXPECT_TRUE(NamesPort(found[0], found[0].stableName));
  EXPECT_TRUE(NamesPort(found[0], found[0].name));
  EXPECT_FALSE(NamesPort(found[1], ""));

  found[0].name = "/dev/ttyUSB1";
  found[0].stableName = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0";
  found[1].name = "/dev/ttyUSB10";
  EXPECT_EQ(PortDetails(found[0]), "FT232R USB UART (FTDI) 0403:6001 serial A1B2C3");
  EXPECT_EQ(PortListing(found),
            "/dev/ttyUSB1   FT232R USB UART (FTDI) 0403:6001 serial A1B2C3\n"
            "  also /dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0\n"
            "/dev/ttyUSB10  CP2102 USB to UART\n");
}

TEST(PortHelp, WhatToCheckOnEachSystem) {
  // What to check where no port is found, a text of several lines on each system.
  const std::filesystem::path texts = std::filesystem::path(TPW52_TEST_DATA) / "no-port";
  const std::pair<Platform, std::string> systems[] = {{Platform::Linux, "linux"},
                                                      {Platform::Windows, "windows"},
                                                      {Platform::MacOS, "macos"},
                                                      {Platform::Other, "other"}};
  for (const auto& [platform, name] : systems) {
    EXPECT_EQ(NoPortText(platform), ReadBytes(texts / (name + ".txt"))) << name;
  }

  // Windows: a driver that refuses a copied chip says so in the port's description.
  const std::string refused = "PL2303HXA PHASED OUT SINCE 2012. PLEASE CONTACT YOUR SUPPLIER.";
  EXPECT_TRUE(RefusedAdapterChip(refused));
  EXPECT_TRUE(RefusedAdapterChip("This is not Prolific PL2303. Please use Prolific original chip"));
  EXPECT_FALSE(RefusedAdapterChip("Prolific USB-to-Serial Comm Port"));
  EXPECT_EQ(PortChecks(Platform::Windows, refused),
            "The port's description, \"" + refused +
                "\", says that Windows' driver refuses the cable's adapter chip as a copy. "
                "Install the driver that came with the cable, or use a cable with a genuine "
                "chip.");
  // Elsewhere the description changes nothing.
  EXPECT_EQ(PortChecks(Platform::Linux, refused), PortChecks(Platform::Linux, {}));
  EXPECT_EQ(PortChecks(Platform::Other, refused), "");
}

}  // namespace
}  // namespace tpw::test
