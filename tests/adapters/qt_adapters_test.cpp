// The Qt adapters, without a device: the serial port on a pseudo-terminal made by the
// simulator's library, and the settings store in a folder of its own.
#include <gtest/gtest.h>
#include <unistd.h>
#include <QCoreApplication>
#include <memory>

#include "adapters/serial/port_failure.h"
#include "adapters/serial/qt_serial_port.h"
#include "adapters/settings/qt_settings_store.h"
#include "link/port_help.h"
#include "sim/pseudo_terminal.h"
#include "support/test_support.h"

namespace tpw::serial {
namespace {

using namespace std::chrono_literals;

// QSerialPort needs the application object that every program makes at its start.
struct Application {
  int argc = 1;
  char name[6] = "tests";
  char* argv[2] = {name, nullptr};
  QCoreApplication app{argc, argv};
};

bool Write(SerialPort& port, std::string_view text) {
  return port.write({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

TEST(QtSerialPort, CarriesBytesBothWaysAndChangesSpeedInPlace) {
  Application qt;
  sim::PseudoTerminal terminal;
  QtSerialPort port(terminal.path());
  const auto failure = port.open("19200,N,8,1");
  ASSERT_FALSE(failure) << failure->description;
  EXPECT_EQ(port.settings(), "19200,N,8,1");
  EXPECT_TRUE(Write(port, "#CMDSY\r\n"));
  EXPECT_EQ(terminal.read(1000ms), "#CMDSY\r\n");

  terminal.write("OK");
  EXPECT_EQ(port.readByte(1000ms), 'O');
  EXPECT_EQ(port.readByte(1000ms), 'K');
  EXPECT_EQ(port.readByte(5ms), std::nullopt);

  terminal.write("stale");
  for (int i = 0; i < 100 && port.bytesWaiting() < 5; ++i) usleep(1000);
  port.discardInput();
  EXPECT_EQ(port.bytesWaiting(), 0);

  ASSERT_FALSE(port.open("57600,N,8,1"));
  EXPECT_TRUE(port.isOpen());
  EXPECT_EQ(port.settings(), "57600,N,8,1");
  EXPECT_TRUE(port.open("fast"));
  EXPECT_FALSE(port.isOpen());
}

TEST(QtSerialPort, ALineThatHangsUpIsLostAtOnce) {
  Application qt;
  auto terminal = std::make_unique<sim::PseudoTerminal>();
  QtSerialPort port(terminal->path());
  ASSERT_FALSE(port.open("57600,N,8,1"));
  EXPECT_EQ(port.readByte(5ms), std::nullopt);
  EXPECT_FALSE(port.lost());  // a quiet line is not a lost one
  terminal->hangUp();
  // The first read notices; the port stays lost, reads come back empty and writes fail.
  EXPECT_EQ(port.readByte(5ms), std::nullopt);
  ASSERT_TRUE(port.lost());
  EXPECT_EQ(port.lost()->description, "the line hung up");
  EXPECT_FALSE(Write(port, "P"));
  EXPECT_EQ(port.readByte(5ms), std::nullopt);
  port.close();
  EXPECT_FALSE(port.lost());
}

TEST(QtSerialPort, ExplainsWhyAPortCannotBeOpened) {
  Application qt;
  QtSerialPort missing("/dev/tpw52-no-such-port");
  const auto missingFailure = missing.open("19200,N,8,1");
  ASSERT_TRUE(missingFailure);
  EXPECT_TRUE(missingFailure->description.starts_with(
      "The port /dev/tpw52-no-such-port does not exist. Check that the programming cable"));

  sim::PseudoTerminal terminal;
  QtSerialPort first(terminal.path());
  ASSERT_FALSE(first.open("19200,N,8,1"));
  QtSerialPort second(terminal.path());
  const auto busy = second.open("19200,N,8,1");
  ASSERT_TRUE(busy);
  EXPECT_EQ(busy->description,
            "The port " + terminal.path() +
                " is in use by another program. Close that program and try again.");
}

// The group to join is named only when that group may read and write the device; a device
// only its owner may use (a terminal of root's, mode 0600) says so instead.
TEST(QtSerialPort, NamesTheGroupThatMayUseTheDevice) {
  DeviceAccess access;
  access.permitted = false;
  access.group = "uucp";
  PortFailure failure = DescribeOpenFailure("/dev/ttyUSB0", QSerialPort::PermissionError,
                                            "Permission denied", access);
  EXPECT_EQ(failure.number, static_cast<int>(QSerialPort::PermissionError));
  EXPECT_EQ(failure.description,
            "You have no permission to use the port /dev/ttyUSB0. Add your user to the group "
            "\"uucp\" (for example: sudo usermod -aG uucp $USER), then log out and in again.");
  access.group = "root";
  access.groupMayUse = false;
  access.owner = "root";
  failure =
      DescribeOpenFailure("/dev/pts/3", QSerialPort::PermissionError, "Permission denied", access);
  EXPECT_EQ(failure.description,
            "You have no permission to use the port /dev/pts/3: only its owner, root, may use "
            "it, and no group may, so joining a group does not help. Use the cable's own port "
            "(\"tpw52-cli ports\" lists the serial ports), or give the device's group read and "
            "write access.");
  EXPECT_EQ(InspectDevice("/dev/tpw52-no-such-port").exists, false);
  test::TempDir dir;
  test::WriteBytes(dir / "device", "");
  using enum std::filesystem::perms;
  for (const auto& [mode, groupMayUse] :
       {std::pair{owner_read | owner_write, false},
        std::pair{owner_read | owner_write | group_read | group_write, true}}) {
    std::filesystem::permissions(dir / "device", mode);
    const DeviceAccess found = InspectDevice((dir / "device").string());
    EXPECT_TRUE(found.exists);
    EXPECT_EQ(found.groupMayUse, groupMayUse);
    EXPECT_FALSE(found.owner.empty());
  }
}

// A device that went away, or is not there, carries what else to check on this system; a line
// that only hung up (the radio switched off) does not.
TEST(QtSerialPort, AVanishedDeviceSaysWhatElseToCheck) {
  const std::string chip = "PL2303HXA PHASED OUT SINCE 2012. PLEASE CONTACT YOUR SUPPLIER.";
  const PortFailure gone =
      DescribeLostPort(QSerialPort::ResourceError, "No such device", false, chip);
  EXPECT_EQ(gone.description, "the device went away (No such device)");
  EXPECT_EQ(gone.checks, PortChecks(ThisPlatform(), chip));
  EXPECT_EQ(DescribeLostPort(QSerialPort::ResourceError, "Input/output error", true, chip).checks,
            "");
  const PortFailure missing =
      DescribeOpenFailure("/dev/ttyUSB7", QSerialPort::DeviceNotFoundError, "", {false});
  EXPECT_EQ(missing.checks, PortChecks(ThisPlatform(), {}));
}

// Values written by one store are read by the next run's (defaults: SettingsStoreTest).
TEST(QtSettingsStoreTest, KeepsValuesBetweenRuns) {
  test::TempDir dir;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                     QString::fromStdString(dir.path().string()));
  {
    QtSettingsStore store;
    EXPECT_TRUE(store.location().startsWith(QString::fromStdString(dir.path().string())));
    WriteSetting(store, setting::ComNum, "4");
    store.write(setting::DestinationSection, DestinationSettingKey(1), "QZ815_UK");
    WriteSetting(store, setting::MainLeft, "1234.5");
  }
  QtSettingsStore next;
  EXPECT_EQ(ReadNumberSetting(next, setting::ComNum), 4);
  EXPECT_EQ(next.read("IniFilePath", "IniFileName_1", ""), "QZ815_UK");
  EXPECT_EQ(ReadSetting(next, setting::MainLeft), "1234.5");
  EXPECT_TRUE(next.location().endsWith("/TPW52.conf") || next.location().contains("TPW52"));
  EXPECT_FALSE(next.location().contains("Unknown"));
}

}  // namespace
}  // namespace tpw::serial
