// The Edit menu of the main window (Undo, Redo, the rows of a channel list) and the tables of
// channels of the File menu.
#include <algorithm>
#include <variant>

#include "gui/shell/busy_window.h"
#include "gui/shell/main_window.h"
#include "shell/channel_table_file.h"

namespace tpw::gui {

void MainWindow::connectEditCommands() {
  edits_ = EditActions::Build(menus_);
  listCommands_ = new ChannelListCommands(*editor_, ws_, services_.prompter, this);
  ws_.history.changed = [this] { edits_.nameSteps(ws_.history); };
  connect(this, &QObject::destroyed, [&ws = ws_] { ws.history.changed = nullptr; });
  edits_.nameSteps(ws_.history);
  connect(edits_.undo, &QAction::triggered, this, &MainWindow::editUndo);
  connect(edits_.redo, &QAction::triggered, this, &MainWindow::editRedo);
  connect(edits_.copy, &QAction::triggered, listCommands_, &ChannelListCommands::copy);
  connect(edits_.cut, &QAction::triggered, listCommands_, &ChannelListCommands::cut);
  connect(edits_.paste, &QAction::triggered, listCommands_, &ChannelListCommands::paste);
  connect(edits_.moveUp, &QAction::triggered, listCommands_, [this] { listCommands_->moveBy(-1); });
  connect(edits_.moveDown, &QAction::triggered, listCommands_,
          [this] { listCommands_->moveBy(1); });
  connect(edits_.exportChannels, &QAction::triggered, this, &MainWindow::exportChannels);
  connect(edits_.importChannels, &QAction::triggered, this, &MainWindow::importChannels);
  // The menu shows which rows commands apply where the user is; their keys stay live and do
  // nothing elsewhere.
  connect(menus_.edit, &QMenu::aboutToShow, this, [this] {
    const bool list = listCommands_->listShown();
    for (QAction* rows : {edits_.cut, edits_.copy, edits_.paste}) rows->setEnabled(list);
    for (QAction* move : {edits_.moveUp, edits_.moveDown}) {
      move->setEnabled(listCommands_->movableListShown());
    }
  });
  connect(menus_.edit, &QMenu::aboutToHide, this, [this] {
    for (QAction* rows : {edits_.cut, edits_.copy, edits_.paste, edits_.moveUp, edits_.moveDown}) {
      rows->setEnabled(true);
    }
  });
}

void MainWindow::editUndo() {
  if (!validateBeforeLeave()) return;
  const ChangeReport step = UndoLastStep(ws_);
  if (!step.empty()) showRestoredStep(step);
}

void MainWindow::editRedo() {
  if (!validateBeforeLeave()) return;
  const ChangeReport step = RedoNextStep(ws_);
  if (!step.empty()) showRestoredStep(step);
}

void MainWindow::showRestoredStep(const ChangeReport& step) {
  // A record still open in the channel panel belongs to the data set before the step.
  editor_->rebuildTree();
  editor_->refreshCurrentNode();
  const bool wholeDataSet =
      std::any_of(step.changes.begin(), step.changes.end(),
                  [](const Change& c) { return std::holds_alternative<DataSetChange>(c); });
  if (!wholeDataSet) return;
  destinations_.syncToRegion(ws_.image);
  refreshDestinationMenu();
  hexView_->refresh(ws_.image);
  // Across an Open, New or Read the data set no longer is the document's: Save asks for a
  // name rather than write another data set over the file.
  if (step.kind == StepKind::Load) {
    ws_.documentPath.clear();
    refreshTitle();
  }
}

void MainWindow::exportChannels() {
  if (!validateBeforeLeave()) return;
  const QString path = services_.dialogs.saveChannelTable(this, dialogFolder());
  if (path.isEmpty()) return;
  BusyWindow busy(this);
  Context ctx = context();
  ExportChannelsFile(ctx, path.toStdString());
}

void MainWindow::importChannels() {
  if (!validateBeforeLeave()) return;
  const QString path = services_.dialogs.openChannelTable(this, dialogFolder());
  if (path.isEmpty()) return;
  // No busy window: the import may ask about the rows it refuses.
  Context ctx = context();
  if (ImportChannelsFile(ctx, path.toStdString()) != Outcome::Done) return;
  editor_->rebuildTree();
  editor_->refreshCurrentNode();
}

}  // namespace tpw::gui
