#include "image/settings_model.h"

#include <stdexcept>

#include "image/memory_map.h"

namespace tpw {

namespace {

using namespace addr;
constexpr int kNoSlots = -1;
// The weather list may hold as many records as its bitmaps have bits.
constexpr int kWxLimit = 8 * WxBitmapBytes;

constexpr std::array<ListLayout, 6> kLayouts = {{
    {"CHUSA", PlanSlotCount, UsaEnableBitmap, UsaEnableBitmap + ScanBitmapOffset, PlanBitmapBytes,
     UsaSlots, PlanSlotCount, RecordShape::Plan, 0},
    {"CHINT", PlanSlotCount, IntEnableBitmap, IntEnableBitmap + ScanBitmapOffset, PlanBitmapBytes,
     IntSlots, PlanSlotCount, RecordShape::Plan, 1},
    {"CHCAN", PlanSlotCount, CanEnableBitmap, CanEnableBitmap + ScanBitmapOffset, PlanBitmapBytes,
     CanSlots, PlanSlotCount, RecordShape::Plan, 2},
    {"CHWX", kWxLimit, WxEnableBitmap, WxEnableBitmap + ScanBitmapOffset, WxBitmapBytes, kNoSlots,
     0, RecordShape::Weather, -1},
    {"CHRG", RgSlotCount, RgEnableBitmap, RgEnableBitmap + ScanBitmapOffset, RgBitmapBytes, RgSlots,
     RgSlotCount, RecordShape::Free, -1},
    {"CHEXP", ExpSlotCount, ExpEnableBitmap, ExpEnableBitmap + ScanBitmapOffset, ExpBitmapBytes,
     ExpSlots, ExpSlotCount, RecordShape::Free, 3},
}};

}  // namespace

const ListLayout& Layout(ListId list) {
  return kLayouts.at(static_cast<std::size_t>(list));
}

ListId GroupList(int group) {
  for (ListId list : AllLists) {
    if (Layout(list).group == group) return list;
  }
  throw std::out_of_range("no channel group " + std::to_string(group));
}

void ChannelList::insert(int index, ChannelRecord record) {
  if (index < 0 || index > size()) throw std::out_of_range("ChannelList::insert");
  records_.insert(records_.begin() + index, std::move(record));
}

void ChannelList::erase(int index) {
  if (index < 0 || index >= size()) throw std::out_of_range("ChannelList::erase");
  records_.erase(records_.begin() + index);
}

ChannelList& SettingsModel::list(ListId id) {
  return const_cast<ChannelList&>(std::as_const(*this).list(id));
}

const ChannelList& SettingsModel::list(ListId id) const {
  switch (id) {
    case ListId::CHUSA:
      return CHUSA;
    case ListId::CHINT:
      return CHINT;
    case ListId::CHCAN:
      return CHCAN;
    case ListId::CHWX:
      return CHWX;
    case ListId::CHRG:
      return CHRG;
    case ListId::CHEXP:
      return CHEXP;
  }
  throw std::logic_error("unknown channel list");
}

int FirstEnabledIndex(const ChannelList& list) {
  for (int i = 0; i < list.size(); ++i) {
    if (list[i].enabled) return i;
  }
  return -1;
}

void CopyChannelRecord(ChannelRecord& destination, const ChannelRecord& source) {
  destination = source;
}

}  // namespace tpw
