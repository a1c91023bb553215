#include "files/settings_store.h"

#include <cmath>

#include "image/text_values.h"

namespace tpw {

std::string MemorySettingsStore::read(std::string_view section, std::string_view key,
                                      std::string_view defaultValue) const {
  const auto found = values_.find({std::string(section), std::string(key)});
  return found == values_.end() ? std::string(defaultValue) : found->second;
}

void MemorySettingsStore::write(std::string_view section, std::string_view key,
                                std::string_view value) {
  values_[{std::string(section), std::string(key)}] = std::string(value);
}

bool MemorySettingsStore::contains(std::string_view section, std::string_view key) const {
  return values_.count({std::string(section), std::string(key)}) != 0;
}

std::string DestinationSettingKey(int modelType) {
  return "IniFileName_" + std::to_string(modelType);
}

std::string ReadSetting(const SettingsStore& store, const SettingKey& key) {
  return store.read(key.section, key.key, key.defaultValue ? key.defaultValue : "");
}

void WriteSetting(SettingsStore& store, const SettingKey& key, std::string_view value) {
  store.write(key.section, key.key, value);
}

int ReadNumberSetting(const SettingsStore& store, const SettingKey& key) {
  const std::string fallback = key.defaultValue ? key.defaultValue : "0";
  for (const std::string& text : {ReadSetting(store, key), fallback}) {
    const auto number = ParseDecimal(text);
    if (number && std::abs(*number) < 1e9) return static_cast<int>(std::nearbyint(*number));
  }
  return 0;
}

bool ReadFlagSetting(const SettingsStore& store, const SettingKey& key) {
  if (const auto flag = ParseBoolean(ReadSetting(store, key))) return *flag;
  return ParseBoolean(key.defaultValue ? key.defaultValue : "0").value_or(false);
}

}  // namespace tpw
