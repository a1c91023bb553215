#include "editor/setup_edits.h"

#include "editor/channel_groups.h"
#include "editor/setting_edit.h"
#include "image/channel_tables.h"
#include "image/memory_map.h"
#include "image/translatable.h"

namespace tpw {

namespace {

// The steps' names ("Change Resume Time"); "%1" the setting, or the group it is of.
namespace text {
constexpr const char* Change = TPW_TEXT("Editor", "Change %1");
constexpr const char* UsableGroup = TPW_TEXT("Editor", "Usable Channel Group %1");
constexpr const char* Priority = TPW_TEXT("Editor", "Priority CH %1");
constexpr const char* UsableAtisGroup = TPW_TEXT("Editor", "Usable ATIS CH Group %1");
constexpr const char* AtisCode = TPW_TEXT("Editor", "ATIS Code");
constexpr const char* CorrectPriorities = TPW_TEXT("Editor", "Correct the priority channels");
// "%1" a weather channel ("WX1").
constexpr const char* WeatherEnable = TPW_TEXT("Editor", "%1 Enable");
constexpr const char* WeatherScan = TPW_TEXT("Editor", "%1 Scan");
}  // namespace text

constexpr const char* kTemplates[] = {text::Change,   text::UsableGroup,   text::UsableAtisGroup,
                                      text::Priority, text::WeatherEnable, text::WeatherScan};

// A group as the pages name it: its label, or its node's name while it has none.
std::string GroupName(const SettingsModel& model, int group) {
  const std::string& label = model.groups.at(static_cast<std::size_t>(group)).label;
  return label.empty() ? "Group" + std::to_string(group + 1) : label;
}

std::string Step(std::string_view setting) {
  return Fill(text::Change, {setting});
}

// The record of a weather row, or nullptr for a row the list holds none for.
ChannelRecord* WeatherRecord(SettingsModel& model, int row) {
  if (row < 0 || row >= WxChannelCount || row >= model.CHWX.size()) return nullptr;
  return &model.CHWX[row];
}

std::string WeatherStep(int row, const char* column) {
  return Step(Fill(column, {WxChannels()[static_cast<std::size_t>(row)].ChName}));
}

}  // namespace

ChangeReport ChooseCommonOption(Workspace& ws, CommonOption option, int value) {
  const CommonOptionBox& box = CommonOptionBoxOf(option);
  const std::string step = Step(box.label);
  // "Dual Watch" stores nothing, and the ATIS mode is a setting of the ATIS setup.
  if (option == CommonOption::DualWatch) return {};
  if (option == CommonOption::AtisMode) {
    return EditSetting(ws, step, AtisSetting(box.key), ws.model.atis.mode, value);
  }
  const SettingId setting = CommonSetupSetting(box.key);
  CommonSetup& c = ws.model.common;
  switch (option) {
    case CommonOption::Scan:
      return EditSetting(ws, step, setting, c.scan, value != 0);
    case CommonOption::ResumeTime:
      return EditSetting(ws, step, setting, c.resumeTime, value);
    case CommonOption::PttScanClear:
      return EditSetting(ws, step, setting, c.pttScanClear, value != 0);
    case CommonOption::DwTw:
      return EditSetting(ws, step, setting, c.dualWatch, value != 0);
    case CommonOption::ModeSelect:
      return EditSetting(ws, step, setting, c.modeSelect, value);
    case CommonOption::WeatherAlert:
      return EditSetting(ws, step, setting, c.weatherAlert, value);
    case CommonOption::DualWatch:
    case CommonOption::AtisMode:
      break;
  }
  return {};
}

ChangeReport SetGroupUsable(Workspace& ws, int group, bool usable) {
  return EditSetting(ws, Step(Fill(text::UsableGroup, {GroupName(ws.model, group)})),
                     GroupUsableSetting(group),
                     ws.model.groups.at(static_cast<std::size_t>(group)).usable, usable);
}

ChangeReport SetPriorityChannel(Workspace& ws, int group, int priority) {
  return EditSetting(ws, Step(Fill(text::Priority, {GroupName(ws.model, group)})),
                     PrioritySetting(group),
                     ws.model.groups.at(static_cast<std::size_t>(group)).priorityChannel, priority);
}

ChangeReport SettlePriorityChannels(Workspace& ws) {
  ChangeReport report{text::CorrectPriorities};
  for (int g = 0; g < addr::PlanGroupCount; ++g) {
    std::int32_t& priority = ws.model.groups[static_cast<std::size_t>(g)].priorityChannel;
    const std::optional<int> shown = ShownPriority(PriorityEntries(ws.model, g), priority);
    if (!shown) continue;
    AddSettingChange(report, PrioritySetting(g), priority, *shown);
    priority = *shown;
  }
  return CommitChange(ws, std::move(report));
}

ChangeReport SetAtisGroup(Workspace& ws, int group, bool on) {
  return EditSetting(ws, Step(Fill(text::UsableAtisGroup, {GroupName(ws.model, group)})),
                     AtisGroupSetting(group),
                     ws.model.atis.groups.at(static_cast<std::size_t>(group)), on);
}

ChangeReport SetAtisCode(Workspace& ws, const std::string& code) {
  return EditSetting(ws, Step(text::AtisCode), AtisSetting("Atis Code"), ws.model.atis.code, code);
}

ChangeReport SetWeatherEnable(Workspace& ws, int row, bool enable) {
  ChannelRecord* record = WeatherRecord(ws.model, row);
  if (record == nullptr) return {};
  return EditSetting(ws, WeatherStep(row, text::WeatherEnable),
                     ChannelSetting(ListId::CHWX, row, "Enable"), record->enabled, enable);
}

ChangeReport SetWeatherScan(Workspace& ws, int row, bool scan) {
  ChannelRecord* record = WeatherRecord(ws.model, row);
  if (record == nullptr) return {};
  return EditSetting(ws, WeatherStep(row, text::WeatherScan),
                     ChannelSetting(ListId::CHWX, row, "ScanMemory"), record->scanMemory, scan);
}

std::span<const char* const> SetupStepTemplates() {
  return kTemplates;
}

}  // namespace tpw
