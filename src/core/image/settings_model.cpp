#include "image/settings_model.h"

#include <stdexcept>

#include "image/memory_map.h"

namespace tpw {

namespace {

constexpr int kShort = addr::short_slot::Size;
constexpr int kLong = addr::long_slot::Size;

// name, limit, enable, scan, bitmap bytes, records, slots, slot size, group
constexpr std::array<ListLayout, 6> kLayouts = {{
    {"CHUSA", 96, 0x100, 0x180, 12, 0x300, 96, kShort, 0},
    {"CHINT", 96, 0x120, 0x1A0, 12, 0x3C0, 96, kShort, 1},
    {"CHCAN", 96, 0x140, 0x1C0, 12, 0x480, 96, kShort, 2},
    {"CHWX", 16, 0x160, 0x1E0, 2, -1, 0, 0, -1},
    {"CHRG", 12, 0x166, 0x1E6, 2, 0x540, 12, kLong, -1},
    {"CHEXP", 30, 0x162, 0x1E2, 4, 0x600, 30, kLong, 3},
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
