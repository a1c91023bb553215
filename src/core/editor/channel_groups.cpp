#include "editor/channel_groups.h"

#include <algorithm>

#include "image/display_text.h"
#include "image/memory_map.h"

namespace tpw {

bool HasPriorityChannel(int group) {
  return group >= 0 && group < addr::PlanGroupCount;
}

OptionList PriorityEntries(const SettingsModel& model, int group) {
  std::vector<OptionEntry> entries;
  if (!HasPriorityChannel(group)) return {};
  const ChannelList& list = model.list(GroupList(group));
  for (int k = 0; k < list.size(); ++k) {
    if (list[k].enabled) entries.push_back({ChannelDisplayName(list[k]), k + 1});
  }
  return OptionList(std::move(entries));
}

std::optional<int> ShownPriority(const OptionList& entries, std::int32_t priorityCh) {
  if (entries.empty()) return std::nullopt;
  return entries.stores(priorityCh) ? priorityCh : entries.entries().front().value;
}

bool IsAtisGroupEnabled(const SettingsModel& model, int group) {
  return model.groups.at(static_cast<std::size_t>(group)).usable;
}

bool IsAtisCodeEnabled(const SettingsModel& model) {
  return std::any_of(model.groups.begin(), model.groups.end(),
                     [](const ChannelGroup& g) { return g.usable; });
}

}  // namespace tpw
