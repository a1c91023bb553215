#include "editor/channel_list_edit.h"

namespace tpw {

namespace {

// priorityChannel of the groups of the short-slot lists counts records from 1.
constexpr std::int32_t kNoPriority = 65535;

// The priority channel of the list's group, or nullptr for a list without one (CHRG, CHWX,
// and CHEXP, whose group keeps no priority channel in the radio).
std::int32_t* PriorityOf(SettingsModel& model, ListId list) {
  const int group = Layout(list).group;
  if (group < 0 || group > 2) return nullptr;
  return &model.groups[static_cast<std::size_t>(group)].priorityChannel;
}

// True when the priority number names one of the count records of the list.
bool NamesRecord(std::int32_t priority, int count) {
  return priority >= 1 && priority <= count;
}

// The priority channel follows its record when another is put in before it.
void MovePriorityForInsert(SettingsModel& model, ListId list, int index, int countBefore) {
  std::int32_t* priority = PriorityOf(model, list);
  if (priority == nullptr || !NamesRecord(*priority, countBefore)) return;
  if (*priority - 1 >= index) ++*priority;
}

// The priority channel follows its record when one before it goes; it is none when its own
// record goes.
void MovePriorityForDelete(SettingsModel& model, ListId list, int index, int countBefore) {
  std::int32_t* priority = PriorityOf(model, list);
  if (priority == nullptr || !NamesRecord(*priority, countBefore)) return;
  if (*priority - 1 == index) {
    *priority = kNoPriority;
  } else if (*priority - 1 > index) {
    --*priority;
  }
}

ListEdit Changed(Workspace& ws) {
  ws.flags.ErrorFlag = false;
  ws.flags.DataChanged = true;
  return ListEdit::Done;
}

}  // namespace

std::optional<std::int16_t> RowToOpen(const ChannelList& list, int index, bool newRecord) {
  if (list.isEmpty()) return newRecord ? std::optional<std::int16_t>(-1) : std::nullopt;
  if (index < 0 || index >= list.size()) return std::nullopt;
  return static_cast<std::int16_t>(index);
}

ListEdit InsertChannel(Workspace& ws, ListId list, const ChannelRecord& record,
                       std::int16_t& currentRow) {
  ws.flags.ErrorFlag = true;
  ChannelList& records = ws.model.list(list);
  const int count = records.size();
  // The radio has no slot for another record: the encoder would drop it silently.
  if (count >= Layout(list).limit) return ListEdit::ListFull;
  const bool fits = records.isEmpty() ? currentRow == -1 : currentRow >= 0 && currentRow < count;
  if (!fits) return ListEdit::NoRecord;
  const int index = currentRow + 1;
  records.insert(index, record);
  MovePriorityForInsert(ws.model, list, index, count);
  currentRow = static_cast<std::int16_t>(index);
  return Changed(ws);
}

ListEdit OverwriteChannel(Workspace& ws, ListId list, const ChannelRecord& record, int currentRow) {
  ws.flags.ErrorFlag = true;
  ChannelList& records = ws.model.list(list);
  if (currentRow < 0 || currentRow >= records.size()) return ListEdit::NoRecord;
  CopyChannelRecord(records[currentRow], record);
  return Changed(ws);
}

ListEdit DeleteChannel(Workspace& ws, Prompter& prompter, ListId list, int index) {
  ws.flags.ErrorFlag = true;
  ChannelList& records = ws.model.list(list);
  const int count = records.size();
  // Nothing to ask about when the row names no record.
  if (index < 0 || index >= count) return ListEdit::NoRecord;
  const Answer answer =
      prompter.ask(Icon::Critical, AppTitle, DeleteQuestion, Buttons::YesNo, Answer::Yes);
  if (answer != Answer::Yes) return ListEdit::Declined;
  records.erase(index);
  MovePriorityForDelete(ws.model, list, index, count);
  return Changed(ws);
}

}  // namespace tpw
