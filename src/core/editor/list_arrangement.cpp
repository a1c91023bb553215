#include "editor/list_arrangement.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "editor/channel_grid.h"
#include "editor/setting_edit.h"

namespace tpw {

namespace {

constexpr std::int32_t kNoPriority = 65535;

// Writes the new list over the old one, a record change for each row that differs: rows
// written over, then rows added at the end, or rows taken from the end backwards, so that
// each change is made on the list the one before it left.
void ReplaceRecords(ChannelList& old, const ChannelList& updated, ListId list,
                    ChangeReport& report) {
  const int common = std::min(old.size(), updated.size());
  for (int i = 0; i < common; ++i) {
    if (old[i] != updated[i]) report.changes.push_back(RecordChange{list, i, old[i], updated[i]});
  }
  for (int i = common; i < updated.size(); ++i) {
    report.changes.push_back(RecordChange{list, i, std::nullopt, updated[i]});
  }
  for (int i = old.size() - 1; i >= common; --i) {
    report.changes.push_back(RecordChange{list, i, old[i], std::nullopt});
  }
  old = updated;
}

// The group whose priority channel is a record of the list, or -1.
int GroupOf(ListId list) {
  return list == ListId::CHWX ? -1 : Layout(list).group;
}

void SetPriority(SettingsModel& model, int group, std::int32_t priority, ChangeReport& report) {
  std::int32_t& held = model.groups[static_cast<std::size_t>(group)].priorityChannel;
  AddSettingChange(report, PrioritySetting(group), held, priority);
  held = priority;
}

}  // namespace

ChangeReport ReplaceChannelLists(Workspace& ws, std::string step,
                                 const std::map<ListId, ChannelList>& lists) {
  ChangeReport report{std::move(step)};
  for (const auto& [list, records] : lists) {
    ChannelList& held = ws.model.list(list);
    const int countBefore = held.size();
    ReplaceRecords(held, records, list, report);
    const int group = GroupOf(list);
    if (group < 0) continue;
    const std::int32_t priority = ws.model.groups[static_cast<std::size_t>(group)].priorityChannel;
    if (priority >= 1 && priority <= countBefore && priority > records.size()) {
      SetPriority(ws.model, group, records.isEmpty() ? kNoPriority : 1, report);
    }
  }
  return CommitChange(ws, std::move(report));
}

ListEditResult MoveChannels(Workspace& ws, ListId list, int first, int count, int to) {
  ChannelList& records = ws.model.list(list);
  const int size = records.size();
  if (count < 1 || first < 0 || first + count > size || to < 0 || to + count > size) {
    return {ListEdit::NoRecord};
  }
  // order[i]: the old row of the record that row i holds afterwards.
  std::vector<int> order(static_cast<std::size_t>(size));
  std::iota(order.begin(), order.end(), 0);
  const auto block = order.begin() + first;
  if (to < first) {
    std::rotate(order.begin() + to, block, block + count);
  } else {
    std::rotate(block, block + count, order.begin() + to + count);
  }
  ChannelList moved;
  for (int row : order) moved.append(records[row]);
  ChangeReport report{count == 1 ? "Move channel " + ChannelCaption(list, first, records[first])
                                 : "Move " + std::to_string(count) + " channels"};
  ReplaceRecords(records, moved, list, report);
  const int group = GroupOf(list);
  if (group >= 0) {
    const std::int32_t priority = ws.model.groups[static_cast<std::size_t>(group)].priorityChannel;
    if (priority >= 1 && priority <= size) {
      const auto now = std::find(order.begin(), order.end(), priority - 1) - order.begin();
      SetPriority(ws.model, group, static_cast<std::int32_t>(now + 1), report);
    }
  }
  return {ListEdit::Done, CommitChange(ws, std::move(report))};
}

}  // namespace tpw
