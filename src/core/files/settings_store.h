#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

// The per-user settings: text values addressed by (section, key) under the application name
// AppTitle. The desktop application keeps them with QSettings; tests keep them in memory.
namespace tpw {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or defaultValue when the key has never been written.
  virtual std::string read(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const = 0;
  virtual void write(std::string_view section, std::string_view key, std::string_view value) = 0;
};

class MemorySettingsStore : public SettingsStore {
 public:
  std::string read(std::string_view section, std::string_view key,
                   std::string_view defaultValue) const override;
  void write(std::string_view section, std::string_view key, std::string_view value) override;
  bool contains(std::string_view section, std::string_view key) const;

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

// Every key the program keeps, with the default its reader uses.
struct SettingKey {
  const char* section;
  const char* key;
  const char* defaultValue;  // nullptr: no default, the reader gets ""
};

namespace setting {
inline constexpr SettingKey LastModel{"Settings", "lastmodel", "1"};
inline constexpr SettingKey HexVisible{"Settings", "hexvisible", "0"};
// Written at the end of a run, never read back.
inline constexpr SettingKey MainLeft{"Settings", "MainLeft", nullptr};
inline constexpr SettingKey MainTop{"Settings", "MainTop", nullptr};
inline constexpr SettingKey MainWidth{"Settings", "MainWidth", nullptr};
inline constexpr SettingKey MainHeight{"Settings", "MainHeight", nullptr};
inline constexpr SettingKey ComNum{"ComPath", "ComNum", "1"};
// Options > Read Radio Before Programming.
inline constexpr SettingKey ReadFirst{"Settings", "ReadFirst", "0"};
// Options > Verify After Programming, on until the user turns it off.
inline constexpr SettingKey Verify{"Settings", "Verify", "1"};
inline constexpr const char* DestinationSection = "IniFilePath";
}  // namespace setting

// "IniFileName_" + model number: the caption of the destination last loaded for that model.
std::string DestinationSettingKey(int modelType);

std::string ReadSetting(const SettingsStore& store, const SettingKey& key);
void WriteSetting(SettingsStore& store, const SettingKey& key, std::string_view value);
// A whole number; a value that does not convert gives the key's default.
int ReadNumberSetting(const SettingsStore& store, const SettingKey& key);
// "0"/"1" or True/False; a value that does not convert gives the key's default.
bool ReadFlagSetting(const SettingsStore& store, const SettingKey& key);

}  // namespace tpw
