#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "image/field_table.h"
#include "image/settings_model.h"
#include "session/workspace.h"

// The settings the editor changes one by one, each named by its record and by its key in the
// channel data file as the field tables (image/record_fields) declare it, and the one way they
// are changed: the value is stored and the change is committed (CommitChange) with the value
// before and after.
namespace tpw {

SettingId GroupUsableSetting(int group);             // "Group1", "Group2", "Group3", "Exp CH"
SettingId PrioritySetting(int group);                // "Priority CH0" .. "Priority CH3"
SettingId AtisGroupSetting(int group);               // "Usable ATIS CH Group0" .. 3
SettingId AtisSetting(std::string_view key);         // "Atis Mode", "Atis Code"
SettingId CommonSetupSetting(std::string_view key);  // "SCAN", "Resume Time", ...
SettingId ChannelSetting(ListId list, int row, std::string_view key);  // "Enable", "ScanMemory"

// Adds the change of a setting to a report, when it changed.
template <typename T>
void AddSettingChange(ChangeReport& report, const SettingId& id, const T& before, const T& after) {
  if (before != after)
    report.changes.push_back(
        SettingChange{id, field_access::ToValue(before), field_access::ToValue(after)});
}

// Stores value into field, the setting id, and commits the step; nothing changes, and the
// report is empty, when the field already holds the value.
template <typename T, typename V>
ChangeReport EditSetting(Workspace& ws, std::string step, const SettingId& id, T& field, V value) {
  T stored = static_cast<T>(std::move(value));
  ChangeReport report{std::move(step)};
  AddSettingChange(report, id, field, stored);
  field = std::move(stored);
  return CommitChange(ws, std::move(report));
}

}  // namespace tpw
