// The comparisons of the main window: the data set with a file, or with the radio, in the
// comparison window; and going from a difference to its setting.
#include <QFileInfo>

#include "files/compared_file.h"
#include "gui/shell/busy_window.h"
#include "gui/shell/main_window.h"
#include "image/image_codec.h"

namespace tpw::gui {

void MainWindow::compareWithFile() {
  if (!validateBeforeLeave()) return;
  const QString path = services_.dialogs.openDataFile(this, dialogFolder());
  if (path.isEmpty()) return;
  // The file is opened over a copy of the data set, so a data file keeps this image.
  Workspace other = ws_;
  {
    BusyWindow busy(this);
    Context ctx = contextOn(other);
    if (OpenFileToCompare(ctx, path.toStdString()) != Outcome::Done) return;
  }
  showComparison(other, QFileInfo(path).fileName());
}

void MainWindow::compareWithRadio() {
  if (!validateBeforeLeave()) return;
  // The radio is read into a copy of the data set, as a read would read it: the PC's own
  // areas and the region it is checked against are this data set's.
  Workspace radio = ws_;
  if (!runTransfer(TransferMode::Read, radio).done()) return;
  showComparison(radio, tr("Radio"));
}

void MainWindow::showComparison(const Workspace& other, const QString& otherName) {
  // The data set as a save or a write would send it.
  MemoryImage image = ws_.image;
  EncodeForWrite(ws_.model, image, ws_.caps.WxSupported);
  std::vector<Difference> differences =
      CompareDataSets({image, ws_.model}, {other.image, other.model}, ws_.caps);
  if (comparison_) comparison_->close();
  comparison_ = new ComparisonWindow(context(), services_.dialogs, dialogFolder(),
                                     std::move(differences), otherName, this);
  comparison_->setAttribute(Qt::WA_DeleteOnClose);
  connect(comparison_, &ComparisonWindow::settingChosen, this, &MainWindow::goToSetting);
  comparison_->show();
}

void MainWindow::goToSetting(const QString& nodeKey, int row) {
  activateWindow();
  editor_->goTo(nodeKey, row);
}

}  // namespace tpw::gui
