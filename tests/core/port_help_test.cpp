// The serial ports: listed, the help when none is found, and the fleet plan that gives each
// radio of a fleet its port.
#include "link/port_help.h"

#include <gtest/gtest.h>

#include <set>

#include "link/port_list.h"
#include "shell/fleet_plan.h"
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
  for (const char* adapter : {"ttyUSB0", "ttyUSB1"}) WriteBytes(dir / "dev" / adapter, "");
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

// Ports /dev/a to /dev/c; /dev/by-id/boat is another name of /dev/a.
PortLookup FakePorts() {
  const std::set<std::string> ports = {"/dev/a", "/dev/b", "/dev/c", "/dev/by-id/boat"};
  return {[ports](const std::string& name) { return ports.contains(name); },
          [](const std::string& name) { return name == "/dev/by-id/boat" ? "/dev/a" : name; }};
}

TEST(FleetPlan, RowsWithTheirCodesAndLabels) {
  const FleetPlan plan = ReadFleetPlan(
      " Label , PORT,atis_code\r\nBlue,/dev/a, 9211234567 \r\n,/dev/b,\n"
      "\"Red, the big one\",/dev/c,1234567890\n",
      FakePorts());
  ASSERT_FALSE(plan.refusal);
  ASSERT_EQ(plan.radios.size(), 3u);
  EXPECT_EQ(plan.radios[0].label, "Blue");
  EXPECT_EQ(plan.radios[0].atisCode.code, "9211234567");
  EXPECT_EQ(plan.radios[0].atisCode.verdict, TypedAtisCode::Verdict::Accepted);
  // No label: the port; no code: the data's own.
  EXPECT_EQ(plan.radios[1].label, "/dev/b");
  EXPECT_EQ(plan.radios[1].atisCode.code, "");
  EXPECT_EQ(plan.radios[1].line, 3);
  EXPECT_EQ(plan.radios[2].label, "Red, the big one");
  EXPECT_EQ(plan.radios[2].atisCode.verdict, TypedAtisCode::Verdict::Implausible);
}

// Every refusal names the plan and the row's line, and says that no radio was touched.
TEST(FleetPlan, PlansRefusedBeforeAnyRadioIsTouched) {
  const struct {
    const char* text;
    PlanFault fault;
    int line;
  } cases[] = {
      {"port\n/dev/a\n/dev/b\n/dev/a\n", PlanFault::PortTwice, 4},
      {"port\n/dev/by-id/boat\n/dev/a\n", PlanFault::PortTwice, 3},
      {"port,atis_code\n/dev/a,12345\n", PlanFault::AtisCodeRefused, 2},
      {"port\n/dev/a\n/dev/x\n", PlanFault::PortMissing, 3},
      {"port,label\n/dev/a,x,y\n", PlanFault::TooManyFields, 2},
      {"port,label\n,x\n", PlanFault::NoPort, 2},
      {"port,code\n/dev/a,1\n", PlanFault::UnknownColumn, 1},
      {"label\nx\n", PlanFault::NoPortColumn, 1},
      {"port,Port\n/dev/a,/dev/b\n", PlanFault::ColumnTwice, 1},
      {"port\n\"/dev/a\n", PlanFault::BrokenCsv, 0},
      {"port\n", PlanFault::NoRows, 0},
  };
  for (const auto& c : cases) {
    const FleetPlan plan = ReadFleetPlan(c.text, FakePorts());
    ASSERT_TRUE(plan.refusal) << c.text;
    EXPECT_EQ(plan.refusal->fault, c.fault) << c.text;
    EXPECT_EQ(plan.refusal->line, c.line) << c.text;
    EXPECT_TRUE(plan.radios.empty());
    EXPECT_TRUE(PlanRefusalText("plan.csv", *plan.refusal).ends_with(" No radio was touched."));
  }
  EXPECT_EQ(PlanRefusalText("plan.csv", {PlanFault::PortTwice, 4, "/dev/a", 2}),
            "plan.csv, line 4: the port /dev/a is the port of line 2 as well. Each radio needs a "
            "cable and a port of its own. No radio was touched.");
  EXPECT_EQ(
      PlanRefusalText("plan.csv", ReadFleetPlan("port\n\"/dev/a\n", FakePorts()).refusal.value()),
      "plan.csv, line 2: a quoted field is not closed. Put fields that hold commas or quotes "
      "in double quotes, then run the command again. No radio was touched.");
  EXPECT_EQ(PlanRefusalText("plan.csv", {PlanFault::AtisCodeRefused, 2, "12345", 0}),
            "plan.csv, line 2: the ATIS code \"12345\" is not ten digits. Give the ten-digit code "
            "of the boat's licence, or leave the field empty to program the data's own code. No "
            "radio was touched.");
}

}  // namespace
}  // namespace tpw::test
