#include "image/channel_tables.h"
#include "image/encodings.h"
#include "image/image_codec.h"
#include "image/memory_map.h"

namespace tpw {

namespace {

bool GroupUsable(const MemoryImage& image, int group) {
  return TestBit(image.at(addr::UsableGroups), addr::UsableGroupBit(group)) == 1;
}

bool IsPlanGroup(int group) {
  return group >= 0 && group < addr::PlanGroupCount;
}

// The group the radio goes to when its current group is no longer usable. Group 0 tries
// group 1, then group 2, and stays when neither is usable; groups 1 and 2 try their first
// alternative and otherwise take the second one, usable or not.
int CorrectedGroup(const MemoryImage& image, int group) {
  if (!IsPlanGroup(group) || GroupUsable(image, group)) return group;
  switch (group) {
    case 0:
      if (GroupUsable(image, 1)) return 1;
      return GroupUsable(image, 2) ? 2 : 0;
    case 1:
      return GroupUsable(image, 2) ? 2 : 0;
    default:
      return GroupUsable(image, 0) ? 0 : 1;
  }
}

void SanitiseGroupChannel(MemoryImage& image, const SettingsModel& model) {
  const int group = CorrectedGroup(image, image.at(addr::CurrentGroup));
  image.set(addr::CurrentGroup, static_cast<std::uint8_t>(group));
  if (!IsPlanGroup(group)) return;
  const int current = image.word(addr::CurrentChannel);
  const int result = IsValidRef(image, current, group) ? current : FallbackRef(model, group);
  if (result < 0) return;
  WriteWordBE(image, addr::CurrentChannel, result);
  WriteWordBE(image, addr::CurrentChannel2, result);
}

void SanitiseWeatherChannel(MemoryImage& image, const SettingsModel& model) {
  const int wx = image.at(addr::CurrentWx);
  const bool keep =
      wx >= WxChannelCount || BitmapEntry(image, Layout(ListId::CHWX).enableAddress, wx);
  const int result = keep ? wx : FirstEnabledIndex(model.CHWX);
  if (result < 0) return;
  image.set(addr::CurrentWx, static_cast<std::uint8_t>(result));
  WriteWordBE(image, addr::CurrentChannel, result);
}

}  // namespace

bool IsValidRef(const MemoryImage& image, int ref, int group) {
  if (ref >= 0 && ref <= addr::LastRecordRef) {
    return group >= 0 && group < GroupCount && GroupUsable(image, group) &&
           BitmapEntry(image, Layout(GroupList(group)).enableAddress, ref);
  }
  if (ref >= addr::FirstExpRef && ref <= addr::LastExpRef) {
    const int entry = ref - addr::ExpEntryBase;
    return entry <= addr::LastExpEntry &&
           BitmapEntry(image, Layout(ListId::CHEXP).enableAddress, entry);
  }
  return false;
}

int FallbackRef(const SettingsModel& model, int group) {
  const int first = FirstEnabledIndex(model.list(GroupList(group)));
  return first != -1 ? first : FirstEnabledIndex(model.CHEXP);
}

void SanitiseForWrite(MemoryImage& image, const SettingsModel& model, bool wxSupported) {
  const int mode = image.at(addr::CurrentMode);
  if (mode == 0) SanitiseGroupChannel(image, model);
  if (mode == 1 && wxSupported) SanitiseWeatherChannel(image, model);
  for (int g = 0; g < addr::PlanGroupCount; ++g) {
    for (int i = 0; i < addr::GroupChannelRefCount; ++i) {
      const int address = addr::GroupChannelRef(g, i);
      if (!IsValidRef(image, image.word(address), g)) WriteWordBE(image, address, -1);
    }
  }
}

}  // namespace tpw
