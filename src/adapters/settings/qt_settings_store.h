#pragma once

#include <QSettings>

#include "files/settings_store.h"

namespace tpw {

// The per-user settings kept by the system under the application name AppTitle ("TPW52"), in
// its native format and without an organisation: sections are QSettings groups, keys keep
// their spelling, values are text. On Linux the file is ~/.config/TPW52.conf.
class QtSettingsStore : public SettingsStore {
 public:
  QtSettingsStore();

  std::string read(std::string_view section, std::string_view key,
                   std::string_view defaultValue) const override;
  void write(std::string_view section, std::string_view key, std::string_view value) override;

  // Where the values are kept (a file path, or the registry key on Windows).
  QString location() const { return settings_.fileName(); }

 private:
  // QSettings reads lazily and caches; the store is logically constant when it reads.
  mutable QSettings settings_;
};

}  // namespace tpw
