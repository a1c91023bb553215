#include "editor/channel_groups.h"

#include <algorithm>

#include "image/display_text.h"
#include "image/memory_map.h"

namespace tpw {

bool HasPriorityChannel(int group) {
  return group >= 0 && group < addr::PlanGroupCount;
}

std::vector<PriorityEntry> PriorityEntries(const SettingsModel& model, int group) {
  std::vector<PriorityEntry> entries;
  if (!HasPriorityChannel(group)) return entries;
  const ChannelList& list = model.list(GroupList(group));
  for (int k = 0; k < list.size(); ++k) {
    if (list[k].Enable) entries.push_back({ChannelDisplayName(list[k]), k + 1});
  }
  return entries;
}

std::optional<int> ShownPriority(const std::vector<PriorityEntry>& entries,
                                 std::int32_t priorityCh) {
  if (entries.empty()) return std::nullopt;
  const bool listed = std::any_of(entries.begin(), entries.end(),
                                  [priorityCh](const auto& e) { return e.value == priorityCh; });
  return listed ? priorityCh : entries.front().value;
}

bool SettlePriorityChannels(SettingsModel& model) {
  bool changed = false;
  for (int g = 0; g < addr::PlanGroupCount; ++g) {
    std::int32_t& priority = model.groups[static_cast<std::size_t>(g)].PriorityCh;
    const std::optional<int> shown = ShownPriority(PriorityEntries(model, g), priority);
    if (shown && *shown != priority) {
      priority = *shown;
      changed = true;
    }
  }
  return changed;
}

bool IsAtisGroupEnabled(const SettingsModel& model, int group) {
  return model.groups.at(static_cast<std::size_t>(group)).Usable;
}

bool IsAtisCodeEnabled(const SettingsModel& model) {
  return std::any_of(model.groups.begin(), model.groups.end(),
                     [](const ChannelGroup& g) { return g.Usable; });
}

}  // namespace tpw
