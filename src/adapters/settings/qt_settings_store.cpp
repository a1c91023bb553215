#include "adapters/settings/qt_settings_store.h"

#include "session/workspace.h"

namespace tpw {

namespace {

QString Path(std::string_view section, std::string_view key) {
  return QString::fromStdString(std::string(section) + "/" + std::string(key));
}

}  // namespace

// The application name stands where QSettings expects an organisation, so that the store is
// "TPW52" itself (~/.config/TPW52.conf, HKCU\Software\TPW52) and not filed under an
// "Unknown Organization".
QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QString(AppTitle), QString()) {}

std::string QtSettingsStore::read(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
  const QVariant value = settings_.value(Path(section, key));
  return value.isValid() ? value.toString().toStdString() : std::string(defaultValue);
}

void QtSettingsStore::write(std::string_view section, std::string_view key,
                            std::string_view value) {
  settings_.setValue(Path(section, key), QString::fromStdString(std::string(value)));
  // Written at once, so that the next run sees the value even after a crash.
  settings_.sync();
}

}  // namespace tpw
