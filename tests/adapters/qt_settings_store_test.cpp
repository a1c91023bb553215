#include "adapters/settings/qt_settings_store.h"

#include <gtest/gtest.h>

#include <QDir>

#include "support/test_support.h"

namespace tpw {
namespace {

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
}  // namespace tpw
