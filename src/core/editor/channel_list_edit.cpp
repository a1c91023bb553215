#include "editor/channel_list_edit.h"

#include <algorithm>

#include "editor/channel_fit.h"
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

namespace text {
constexpr const char* New = TPW_TEXT("Editor", "New channel %1");
constexpr const char* Edit = TPW_TEXT("Editor", "Edit channel %1");
constexpr const char* Delete = TPW_TEXT("Editor", "Delete channel %1");
constexpr const char* Cut = TPW_TEXT("Editor", "Cut channel %1");
constexpr const char* CutMany = TPW_TEXT("Editor", "Cut %1 channels");
constexpr const char* Paste = TPW_TEXT("Editor", "Paste channel %1");
constexpr const char* PasteMany = TPW_TEXT("Editor", "Paste %1 channels");
constexpr const char* Row = TPW_TEXT("Messages", "Row %1");
constexpr const char* NamedRow = TPW_TEXT("Messages", "Row %1 (%2)");
constexpr const char* PasteTooMany =
    TPW_TEXT("Messages",
             "%1 holds at most %2 channels; it holds %3 and %4 are to be pasted. Nothing was "
             "pasted; delete channels or copy fewer, then paste again.");
}  // namespace text

// The whole messages first: a template that begins with a name ("Row %1") would take them all.
constexpr const char* kTemplates[] = {RowNotPastedTemplate,
                                      ClipboardNotPastedTemplate,
                                      text::PasteTooMany,
                                      text::New,
                                      text::Edit,
                                      text::Delete,
                                      text::Cut,
                                      text::CutMany,
                                      text::Paste,
                                      text::PasteMany,
                                      text::NamedRow,
                                      text::Row};

std::string Step(const char* action, ListId list, int index, const ChannelRecord& record) {
  return Fill(action, {ChannelCaption(list, index, record)});
}

// True when currentRow names where a record goes: a record of the list, or -1 in an empty one.
bool InsertsAt(const ChannelList& records, int currentRow) {
  return records.isEmpty() ? currentRow == -1 : currentRow >= 0 && currentRow < records.size();
}

// Puts the record in at index, into the step's report with the priority that follows.
void PutRecord(SettingsModel& model, ListId list, int index, const ChannelRecord& record,
               ChangeReport& report) {
  const int count = model.list(list).size();
  model.list(list).insert(index, record);
  report.changes.push_back(RecordChange{list, index, std::nullopt, record});
  MovePriority(model, list, report,
               [&](std::int32_t p) { return PriorityAfterInsert(p, index, count); });
}

// Takes the record at index out, into the step's report with the priority that follows.
void TakeRecord(SettingsModel& model, ListId list, int index, ChangeReport& report) {
  ChannelList& records = model.list(list);
  const int count = records.size();
  report.changes.push_back(RecordChange{list, index, records[index], std::nullopt});
  records.erase(index);
  MovePriority(model, list, report,
               [&](std::int32_t p) { return PriorityAfterDelete(p, index, count); });
}

}  // namespace

std::optional<std::int16_t> RowToOpen(const ChannelList& list, int index, bool newRecord) {
  if (list.isEmpty()) return newRecord ? std::optional<std::int16_t>(-1) : std::nullopt;
  if (index < 0 || index >= list.size()) return std::nullopt;
  return static_cast<std::int16_t>(index);
}

ListEditResult InsertChannel(Workspace& ws, ListId list, const ChannelRecord& record,
                             std::int16_t& currentRow) {
  const ChannelList& records = ws.model.list(list);
  // The radio has no slot for another record: the encoder would drop it silently.
  if (records.size() >= Layout(list).limit) return {ListEdit::ListFull};
  if (!InsertsAt(records, currentRow)) return {ListEdit::NoRecord};
  const int index = currentRow + 1;
  ChangeReport report{Step(text::New, list, index, record)};
  PutRecord(ws.model, list, index, record, report);
  currentRow = static_cast<std::int16_t>(index);
  return Changed(ws, std::move(report));
}

std::string PasteRowName(int index, const std::string& name) {
  const std::string number = std::to_string(index + 1);
  return name.empty() ? Fill(text::Row, {number}) : Fill(text::NamedRow, {number, name});
}

ListEditResult PasteChannels(Workspace& ws, ListId list, const std::vector<PastedChannel>& records,
                             std::int16_t& currentRow) {
  const ChannelList& present = ws.model.list(list);
  const ListLayout& layout = Layout(list);
  if (records.empty() || !InsertsAt(present, currentRow)) return {ListEdit::NoRecord};
  if (present.size() + static_cast<int>(records.size()) > layout.limit) {
    return {
        ListEdit::ListFull,
        {},
        Fill(text::PasteTooMany, {layout.name, std::to_string(layout.limit),
                                  std::to_string(present.size()), std::to_string(records.size())})};
  }
  for (std::size_t k = 0; k < records.size(); ++k) {
    if (const auto why = WhyChannelDoesNotFit(list, records[k].record)) {
      return {ListEdit::Refused,
              {},
              Fill(RowNotPastedTemplate,
                   {PasteRowName(static_cast<int>(k), records[k].name), layout.name, *why})};
    }
  }
  ChangeReport report{records.size() == 1 && !records[0].name.empty()
                          ? Fill(text::Paste, {records[0].name})
                          : Fill(text::PasteMany, {std::to_string(records.size())})};
  for (const PastedChannel& pasted : records) {
    PutRecord(ws.model, list, ++currentRow, pasted.record, report);
  }
  return Changed(ws, std::move(report));
}

ListEditResult OverwriteChannel(Workspace& ws, ListId list, const ChannelRecord& record,
                                int currentRow) {
  ChannelList& records = ws.model.list(list);
  if (currentRow < 0 || currentRow >= records.size()) return {ListEdit::NoRecord};
  const ChannelRecord before = records[currentRow];
  CopyChannelRecord(records[currentRow], record);
  ChangeReport report{Step(text::Edit, list, currentRow, before)};
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
  ChangeReport report{Step(text::Delete, list, index, records[index])};
  TakeRecord(ws.model, list, index, report);
  return Changed(ws, std::move(report));
}

ListEditResult CutChannels(Workspace& ws, ListId list, std::vector<int> rows) {
  const ChannelList& records = ws.model.list(list);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  if (rows.empty() || rows.front() < 0 || rows.back() >= records.size()) {
    return {ListEdit::NoRecord};
  }
  ChangeReport report{rows.size() == 1 ? Step(text::Cut, list, rows[0], records[rows[0]])
                                       : Fill(text::CutMany, {std::to_string(rows.size())})};
  // From the last row up, so that each row still names its record.
  for (auto row = rows.rbegin(); row != rows.rend(); ++row)
    TakeRecord(ws.model, list, *row, report);
  return Changed(ws, std::move(report));
}

std::span<const char* const> ChannelEditTemplates() {
  return kTemplates;
}

}  // namespace tpw
