#include "editor/channel_list_edit.h"

#include "editor/channel_grid.h"
#include "editor/setting_edit.h"

namespace tpw {

namespace {

// priorityChannel of the groups of the short-slot lists counts records from 1.
constexpr std::int32_t kNoPriority = 65535;

// The group whose priority channel is a record of the list, or -1 for a list without one
// (CHRG, CHWX, and CHEXP, whose group keeps no priority channel in the radio).
int PriorityGroupOf(ListId list) {
  const int group = Layout(list).group;
  return group >= 0 && group <= 2 ? group : -1;
}

// True when the priority number names one of the count records of the list.
bool NamesRecord(std::int32_t priority, int count) {
  return priority >= 1 && priority <= count;
}

// The priority channel follows its record when another is put in before it.
std::int32_t PriorityAfterInsert(std::int32_t priority, int index, int countBefore) {
  if (!NamesRecord(priority, countBefore)) return priority;
  return priority - 1 >= index ? priority + 1 : priority;
}

// The priority channel follows its record when one before it goes; it is none when its own
// record goes.
std::int32_t PriorityAfterDelete(std::int32_t priority, int index, int countBefore) {
  if (!NamesRecord(priority, countBefore)) return priority;
  if (priority - 1 == index) return kNoPriority;
  return priority - 1 > index ? priority - 1 : priority;
}

// Moves the list's priority channel as its records moved, into the step's report.
template <typename Move>
void MovePriority(SettingsModel& model, ListId list, ChangeReport& report, Move move) {
  const int group = PriorityGroupOf(list);
  if (group < 0) return;
  std::int32_t& priority = model.groups[static_cast<std::size_t>(group)].priorityChannel;
  const std::int32_t moved = move(priority);
  AddSettingChange(report, PrioritySetting(group), priority, moved);
  priority = moved;
}

ListEditResult Changed(Workspace& ws, ChangeReport report) {
  return {ListEdit::Done, CommitChange(ws, std::move(report))};
}

std::string Step(const char* action, ListId list, int index, const ChannelRecord& record) {
  return std::string(action) + " channel " + ChannelCaption(list, index, record);
}

}  // namespace

std::optional<std::int16_t> RowToOpen(const ChannelList& list, int index, bool newRecord) {
  if (list.isEmpty()) return newRecord ? std::optional<std::int16_t>(-1) : std::nullopt;
  if (index < 0 || index >= list.size()) return std::nullopt;
  return static_cast<std::int16_t>(index);
}

ListEditResult InsertChannel(Workspace& ws, ListId list, const ChannelRecord& record,
                             std::int16_t& currentRow) {
  ChannelList& records = ws.model.list(list);
  const int count = records.size();
  // The radio has no slot for another record: the encoder would drop it silently.
  if (count >= Layout(list).limit) return {ListEdit::ListFull};
  const bool fits = records.isEmpty() ? currentRow == -1 : currentRow >= 0 && currentRow < count;
  if (!fits) return {ListEdit::NoRecord};
  const int index = currentRow + 1;
  records.insert(index, record);
  ChangeReport report{Step("New", list, index, record)};
  report.changes.push_back(RecordChange{list, index, std::nullopt, record});
  MovePriority(ws.model, list, report,
               [&](std::int32_t p) { return PriorityAfterInsert(p, index, count); });
  currentRow = static_cast<std::int16_t>(index);
  return Changed(ws, std::move(report));
}

ListEditResult OverwriteChannel(Workspace& ws, ListId list, const ChannelRecord& record,
                                int currentRow) {
  ChannelList& records = ws.model.list(list);
  if (currentRow < 0 || currentRow >= records.size()) return {ListEdit::NoRecord};
  const ChannelRecord before = records[currentRow];
  CopyChannelRecord(records[currentRow], record);
  ChangeReport report{Step("Edit", list, currentRow, before)};
  if (records[currentRow] != before) {
    report.changes.push_back(RecordChange{list, currentRow, before, records[currentRow]});
  }
  return Changed(ws, std::move(report));
}

ListEditResult DeleteChannel(Workspace& ws, Prompter& prompter, ListId list, int index) {
  ChannelList& records = ws.model.list(list);
  const int count = records.size();
  // Nothing to ask about when the row names no record.
  if (index < 0 || index >= count) return {ListEdit::NoRecord};
  const Answer answer =
      prompter.ask(Icon::Critical, AppTitle, DeleteQuestion, Buttons::YesNo, Answer::Yes);
  if (answer != Answer::Yes) return {ListEdit::Declined};
  const ChannelRecord removed = records[index];
  records.erase(index);
  ChangeReport report{Step("Delete", list, index, removed)};
  report.changes.push_back(RecordChange{list, index, removed, std::nullopt});
  MovePriority(ws.model, list, report,
               [&](std::int32_t p) { return PriorityAfterDelete(p, index, count); });
  return Changed(ws, std::move(report));
}

}  // namespace tpw
