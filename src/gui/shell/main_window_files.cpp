// The File commands of the main window over the channel data file.
#include "files/data_file.h"
#include "gui/shell/busy_window.h"
#include "gui/shell/main_window.h"

namespace tpw::gui {

void MainWindow::fileOpen() {
  if (!validateBeforeLeave()) return;
  BusyWindow busy(this);
  ws_.flags.CancelFlag = true;
  const QString path = services_.dialogs.openDataFile(
      this, QString::fromStdString(services_.programFolder.string()));
  if (!path.isEmpty()) {
    resetEditor(EditorReset::KeepImage);
    Context ctx = context();
    OpenDataFile(ctx, path.toStdString());
    editor_->rebuildTree();
    if (!ws_.flags.ErrorFlag) {
      destinations_.syncToRegion(ws_.image);
      refreshDestinationMenu();
      ws_.documentPath = path.toStdString();
      refreshTitle();
      ws_.flags.CancelFlag = false;
      ws_.flags.DataChanged = false;
    }
  }
  if (!ws_.flags.CancelFlag) editor_->refreshCurrentNode();
}

void MainWindow::fileSave() {
  if (!validateBeforeLeave()) return;
  if (ws_.documentPath.empty()) {
    fileSaveAs();
    return;
  }
  saveDocumentTo(QString::fromStdString(ws_.documentPath));
}

void MainWindow::fileSaveAs() {
  if (!validateBeforeLeave()) return;
  saveDocumentTo(services_.dialogs.saveDataFile(
      this, QString::fromStdString(services_.programFolder.string())));
}

void MainWindow::saveDocumentTo(const QString& path) {
  // Set until the file is saved: it tells the caller (the question on closing) that nothing
  // was saved when the dialog was cancelled.
  ws_.flags.CancelFlag = true;
  if (path.isEmpty()) return;
  {
    BusyWindow busy(this);
    Context ctx = context();
    SaveDataFile(ctx, path.toStdString());
  }
  if (ws_.flags.ErrorFlag) return;
  ws_.documentPath = path.toStdString();
  refreshTitle();
  ws_.flags.CancelFlag = false;
  ws_.flags.DataChanged = false;
}

}  // namespace tpw::gui
