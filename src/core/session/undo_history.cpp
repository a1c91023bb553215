#include "session/undo_history.h"

#include <stdexcept>

#include "image/record_fields.h"
#include "session/workspace.h"

namespace tpw {

namespace {

enum class Side { Before, After };

// The entry of the field whose data-file key is key, set to value.
template <typename Owner>
void StoreByKey(const RecordLayout<Owner>& layout, Owner& owner, std::string_view key,
                const SettingValue& value) {
  for (const Field<Owner>& field : layout.fields) {
    for (int entry = 0; entry < field.entries(); ++entry) {
      if (key != field.keys[static_cast<std::size_t>(entry)]) continue;
      field.set(owner, entry, value);
      return;
    }
  }
  throw std::logic_error("no setting " + std::string(key) + " to restore");
}

void Restore(SettingsModel& model, const SettingId& id, const SettingValue& value) {
  switch (id.record) {
    case RecordKind::Channel:
      StoreByKey(ChannelRecordLayout(id.list), model.list(id.list)[id.index], id.key, value);
      return;
    case RecordKind::ChannelGroup:
      StoreByKey(ChannelGroupsLayout(), model.groups, id.key, value);
      return;
    case RecordKind::CommonSetup:
      StoreByKey(CommonSetupLayout(), model.common, id.key, value);
      return;
    case RecordKind::AtisSetup:
      StoreByKey(AtisSetupLayout(), model.atis, id.key, value);
      return;
  }
}

// A record put in is taken out again, one taken out put back, one written over restored.
void Restore(SettingsModel& model, const RecordChange& change, Side side) {
  ChannelList& list = model.list(change.list);
  const std::optional<ChannelRecord>& wanted = side == Side::Before ? change.before : change.after;
  const std::optional<ChannelRecord>& present = side == Side::Before ? change.after : change.before;
  if (wanted && present) {
    list[change.row] = *wanted;
  } else if (wanted) {
    list.insert(change.row, *wanted);
  } else {
    list.erase(change.row);
  }
}

void Restore(Workspace& ws, const Change& change, Side side) {
  if (const auto* setting = std::get_if<SettingChange>(&change)) {
    Restore(ws.model, setting->setting, side == Side::Before ? setting->before : setting->after);
  } else if (const auto* record = std::get_if<RecordChange>(&change)) {
    Restore(ws.model, *record, side);
  } else {
    const DataSet& data = std::get<DataSetChange>(change).*
                          (side == Side::Before ? &DataSetChange::before : &DataSetChange::after);
    ws.image = data.image;
    ws.model = data.model;
  }
}

}  // namespace

void UndoHistory::record(const ChangeReport& report) {
  steps_.resize(position_);
  if (saved_ && *saved_ > position_) saved_.reset();
  steps_.push_back(report);
  ++position_;
  if (report.kind == StepKind::Load) saved_ = position_;
  if (changed) changed();
}

void UndoHistory::markSaved() {
  saved_ = position_;
  if (changed) changed();
}

void UndoHistory::stepBack() {
  --position_;
  if (changed) changed();
}

void UndoHistory::stepForward() {
  ++position_;
  if (changed) changed();
}

const ChangeReport* UndoHistory::undoable() const {
  return position_ > 0 ? &steps_[position_ - 1] : nullptr;
}

const ChangeReport* UndoHistory::redoable() const {
  return position_ < steps_.size() ? &steps_[position_] : nullptr;
}

// The unsaved-changes state is written here as well as by CommitChange: the history knows
// whether a step back or forth returns to the saved data set.
ChangeReport UndoLastStep(Workspace& ws) {
  const ChangeReport* step = ws.history.undoable();
  if (!step) return {};
  for (auto change = step->changes.rbegin(); change != step->changes.rend(); ++change) {
    Restore(ws, *change, Side::Before);
  }
  ws.history.stepBack();
  ws.flags.DataChanged = !ws.history.atSavedStep();
  return *step;
}

ChangeReport RedoNextStep(Workspace& ws) {
  const ChangeReport* step = ws.history.redoable();
  if (!step) return {};
  for (const Change& change : step->changes) Restore(ws, change, Side::After);
  ws.history.stepForward();
  ws.flags.DataChanged = !ws.history.atSavedStep();
  return *step;
}

}  // namespace tpw
