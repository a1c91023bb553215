#include "editor/setting_edit.h"

#include <stdexcept>

#include "image/record_fields.h"

namespace tpw {

namespace {

// The data-file key of a field's entry, as its field table declares it; the field is named by
// its first key. A key no table declares is a fault of the program.
template <typename Owner>
std::string_view KeyOf(const RecordLayout<Owner>& layout, std::string_view firstKey,
                       int entry = 0) {
  for (const Field<Owner>& field : layout.fields) {
    if (firstKey != field.keys[0]) continue;
    if (entry < 0 || entry >= field.entries()) break;
    return field.keys[static_cast<std::size_t>(entry)];
  }
  throw std::logic_error("no field " + std::string(firstKey) + " entry " + std::to_string(entry));
}

}  // namespace

SettingId GroupUsableSetting(int group) {
  return {RecordKind::ChannelGroup, ListId::CHUSA, group,
          KeyOf(ChannelGroupsLayout(), "Group1", group)};
}

SettingId PrioritySetting(int group) {
  return {RecordKind::ChannelGroup, ListId::CHUSA, group,
          KeyOf(ChannelGroupsLayout(), "Priority CH0", group)};
}

SettingId AtisGroupSetting(int group) {
  return {RecordKind::AtisSetup, ListId::CHUSA, group,
          KeyOf(AtisSetupLayout(), "Usable ATIS CH Group0", group)};
}

SettingId AtisSetting(std::string_view key) {
  return {RecordKind::AtisSetup, ListId::CHUSA, -1, KeyOf(AtisSetupLayout(), key)};
}

SettingId CommonSetupSetting(std::string_view key) {
  return {RecordKind::CommonSetup, ListId::CHUSA, -1, KeyOf(CommonSetupLayout(), key)};
}

SettingId ChannelSetting(ListId list, int row, std::string_view key) {
  return {RecordKind::Channel, list, row, KeyOf(ChannelRecordLayout(list), key)};
}

}  // namespace tpw
