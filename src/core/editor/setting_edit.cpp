#include "editor/setting_edit.h"

#include <array>

namespace tpw {

namespace {

template <std::size_t N>
std::string_view KeyOf(const std::array<std::string_view, N>& keys, int group) {
  return keys.at(static_cast<std::size_t>(group));
}

constexpr std::array<std::string_view, GroupCount> kUsableKeys = {"Group1", "Group2", "Group3",
                                                                  "Exp CH"};
constexpr std::array<std::string_view, GroupCount> kPriorityKeys = {"Priority CH0", "Priority CH1",
                                                                    "Priority CH2", "Priority CH3"};
constexpr std::array<std::string_view, GroupCount> kAtisGroupKeys = {
    "Usable ATIS CH Group0", "Usable ATIS CH Group1", "Usable ATIS CH Group2",
    "Usable ATIS CH Group3"};

}  // namespace

SettingId GroupUsableSetting(int group) {
  return {RecordKind::ChannelGroup, ListId::CHUSA, group, KeyOf(kUsableKeys, group)};
}

SettingId PrioritySetting(int group) {
  return {RecordKind::ChannelGroup, ListId::CHUSA, group, KeyOf(kPriorityKeys, group)};
}

SettingId AtisGroupSetting(int group) {
  return {RecordKind::AtisSetup, ListId::CHUSA, group, KeyOf(kAtisGroupKeys, group)};
}

SettingId AtisSetting(std::string_view key) {
  return {RecordKind::AtisSetup, ListId::CHUSA, -1, key};
}

SettingId CommonSetupSetting(std::string_view key) {
  return {RecordKind::CommonSetup, ListId::CHUSA, -1, key};
}

SettingId ChannelSetting(ListId list, int row, std::string_view key) {
  return {RecordKind::Channel, list, row, key};
}

}  // namespace tpw
