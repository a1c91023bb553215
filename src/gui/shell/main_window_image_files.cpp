// The image files: Ctrl+F2 of the diagnostic mode, and File > Open with a .hex file (a backup
// of the radio) open one in place of the image; Ctrl+F3 saves the image as a write to the
// radio would start from.
#include <QFileInfo>

#include "files/hex_image_file.h"
#include "gui/shell/busy_window.h"
#include "gui/shell/main_window.h"

namespace tpw::gui {

namespace {

// The file chosen in a dialog; an empty answer (the dialog was cancelled) cancels the command.
QString Chosen(QString path, ProgramFlags& flags) {
  if (path.isEmpty()) flags.CancelFlag = true;
  return path;
}

}  // namespace

void MainWindow::openImageFile() {
  if (!ws_.options.DebugMode || !validateBeforeLeave()) return;
  const QString path = Chosen(services_.dialogs.openImageFile(this, dialogFolder()), ws_.flags);
  if (path.isEmpty()) return;
  openImageAt(path);
}

void MainWindow::openImageAt(const QString& path) {
  DataSetStep opening(ws_, "Open " + QFileInfo(path).fileName().toStdString(), StepKind::Load);
  ImageOpenResult opened;
  {
    BusyWindow busy(this);
    Context ctx = context();
    opened = OpenImageFile(ctx, path.toStdString());
  }
  if (!opened.loaded) return;
  opening.commit();
  openedImagePath_ = ws_.documentPath;
  showReplacedImage(opened.regionChangeAccepted);
}

void MainWindow::saveImageFile() {
  if (!ws_.options.DebugMode || !validateBeforeLeave()) return;
  const QString path = Chosen(services_.dialogs.saveImageFile(this, dialogFolder()), ws_.flags);
  if (path.isEmpty()) return;
  {
    BusyWindow busy(this);
    Context ctx = context();
    SaveImageFile(ctx, path.toStdString());
  }
  // Encoding wrote the settings into the image.
  hexView_->refresh(ws_.image);
}

}  // namespace tpw::gui
