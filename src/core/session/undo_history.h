#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "session/change_report.h"

// The steps of the session, in the order they were made, for Undo and Redo. Every committed
// report is a step; an undo puts its `before` side back, a redo its `after` side. The
// unsaved-changes state follows the history: it is clear exactly at the step at which the data
// set was last saved, opened, read or made.
namespace tpw {

class UndoHistory {
 public:
  // A new step: the steps undone before it can no longer be redone.
  void record(const ChangeReport& report);
  // The data set as it stands now is the one saved (or loaded).
  void markSaved();
  bool atSavedStep() const { return saved_ == position_; }

  // The step Undo would take back, and the one Redo would make again; none at either end.
  const ChangeReport* undoable() const;
  const ChangeReport* redoable() const;
  // Moves past the step undoable() or redoable() named.
  void stepBack();
  void stepForward();

  // Told whenever the steps to undo or redo, or the saved step, change: the window's Edit
  // menu names them.
  std::function<void()> changed;

 private:
  std::vector<ChangeReport> steps_;
  std::size_t position_ = 0;  // the steps before it are made, those from it on undone
  // The position of the saved data set; none once the steps that led there were dropped.
  std::optional<std::size_t> saved_ = 0;
};

// Takes the last step back (the menu's "Undo Delete channel 72") and returns its report; an
// empty report when there is nothing to undo.
ChangeReport UndoLastStep(Workspace& ws);
// Makes the last undone step again; an empty report when there is none.
ChangeReport RedoNextStep(Workspace& ws);

}  // namespace tpw
