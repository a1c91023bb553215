#include "session/change_report.h"

#include "session/workspace.h"

namespace tpw {

namespace {

DataSet DataSetOf(const Workspace& ws) {
  return {ws.image, ws.model};
}

}  // namespace

// DataChanged is written here and by Undo and Redo (session/undo_history).
ChangeReport CommitChange(Workspace& ws, ChangeReport report) {
  if (report.empty()) return report;
  ws.flags.DataChanged = report.kind == StepKind::Edit;
  ws.history.record(report);
  if (ws.changeObserver) ws.changeObserver(report);
  return report;
}

DataSetStep::DataSetStep(Workspace& ws, std::string step, StepKind kind)
    : ws_(ws), step_(std::move(step)), kind_(kind), before_(DataSetOf(ws)) {}

ChangeReport DataSetStep::commit() {
  return CommitChange(ws_, {step_, kind_, {DataSetChange{before_, DataSetOf(ws_)}}});
}

void MarkDataSetSaved(Workspace& ws) {
  ws.flags.DataChanged = false;
  ws.history.markSaved();
}

void MarkTypingUnsaved(Workspace& ws) {
  ws.flags.DataChanged = true;
}

}  // namespace tpw
