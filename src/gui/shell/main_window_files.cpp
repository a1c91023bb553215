// The File commands of the main window over the channel data file, the recent files and the
// files dropped on the window.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>

#include "files/data_file.h"
#include "gui/shell/busy_window.h"
#include "gui/shell/main_window.h"

namespace tpw::gui {

namespace {

bool IsImageFileName(const QString& path) {
  return path.endsWith(QStringLiteral(".hex"), Qt::CaseInsensitive);
}

// The one local channel data or image file a drag carries, or an empty text.
QString DroppedDataFile(const QMimeData* data) {
  if (data == nullptr || data->urls().size() != 1) return {};
  const QString path = data->urls().constFirst().toLocalFile();
  return path.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive) || IsImageFileName(path)
             ? path
             : QString();
}

}  // namespace

void MainWindow::fileOpen() {
  openFile(QString());
}

void MainWindow::openFile(const QString& given) {
  if (!validateBeforeLeave()) return;
  QString path = given;
  if (path.isEmpty()) {
    BusyWindow busy(this);
    path = services_.dialogs.openDataFile(this, dialogFolder());
  }
  // An image file (a backup of the radio) is opened with the checks of the image files.
  if (IsImageFileName(path)) {
    openImageAt(path);
    return;
  }
  BusyWindow busy(this);
  Context ctx = context();
  DataSetStep opening(ws_, "Open " + QFileInfo(path).fileName().toStdString(), StepKind::Load);
  // A refused file changes nothing: the editor starts again only from an accepted one.
  if (path.isEmpty() || OpenDataFile(ctx, path.toStdString()) != Outcome::Done) return;
  opening.commit();
  resetEditor(EditorReset::KeepImage);
  editor_->rebuildTree();
  destinations_.syncToRegion(ws_.image);
  refreshDestinationMenu();
  ws_.documentPath = path.toStdString();
  refreshTitle();
  rememberFile(path);
  editor_->refreshCurrentNode();
}

void MainWindow::openRecentFile(int entry) {
  const std::string path = recent_.paths().at(static_cast<std::size_t>(entry));
  if (!QFileInfo(QString::fromStdString(path)).isFile()) {
    recent_.remove(path);
    refreshRecentMenu();
    services_.prompter.message(Icon::Exclamation, MainTitle(ws_.caps),
                               tr("The file\r\n%1\r\nno longer exists and has been removed "
                                  "from the recent files. Open it with File > Open from where "
                                  "it is now.")
                                   .arg(QString::fromStdString(path))
                                   .toStdString());
    return;
  }
  openFile(QString::fromStdString(path));
}

Outcome MainWindow::fileSave() {
  if (!validateBeforeLeave()) return Outcome::Cancelled;
  // An opened image file is binary: the channel data text goes to a file the user names.
  if (ws_.documentPath.empty() || ws_.documentPath == openedImagePath_) return fileSaveAs();
  return saveDocumentTo(QString::fromStdString(ws_.documentPath));
}

Outcome MainWindow::fileSaveAs() {
  if (!validateBeforeLeave()) return Outcome::Cancelled;
  return saveDocumentTo(services_.dialogs.saveDataFile(this, dialogFolder()));
}

Outcome MainWindow::saveDocumentTo(const QString& path) {
  if (path.isEmpty()) return Outcome::Cancelled;
  Outcome saved = Outcome::Failed;
  {
    BusyWindow busy(this);
    Context ctx = context();
    saved = SaveDataFile(ctx, path.toStdString());
  }
  if (saved != Outcome::Done) return saved;
  ws_.documentPath = path.toStdString();
  refreshTitle();
  rememberFile(path);
  MarkDataSetSaved(ws_);
  return saved;
}

void MainWindow::rememberFile(const QString& path) {
  recent_.add(QFileInfo(path).absoluteFilePath().toStdString());
  refreshRecentMenu();
}

void MainWindow::refreshRecentMenu() {
  const std::vector<std::string>& paths = recent_.paths();
  for (int i = 0; i < RecentFiles::Limit; ++i) {
    QAction* entry = menus_.recentFiles[static_cast<std::size_t>(i)];
    const bool used = i < static_cast<int>(paths.size());
    const QString path = used ? QString::fromStdString(paths[static_cast<std::size_t>(i)]) : "";
    // "&" in a file name is shown as itself, not as the access key.
    const QString name = QFileInfo(path).fileName().replace('&', QStringLiteral("&&"));
    entry->setText(used ? QStringLiteral("&%1 %2").arg(i + 1).arg(name) : QString());
    entry->setToolTip(path);
    entry->setVisible(used);
  }
  menus_.recentSeparator->setVisible(!paths.empty());
}

QString MainWindow::dialogFolder() const {
  const auto folder = DialogStartFolder(
      recent_.paths(), services_.documentsFolder, [](const std::filesystem::path& candidate) {
        return QFileInfo(QString::fromStdU16String(candidate.u16string())).isWritable();
      });
  return QString::fromStdU16String(folder.u16string());
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedDataFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString path = DroppedDataFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  // Opened once the drop has ended, so that the program the file came from is not kept
  // waiting while the questions of the open are asked.
  QTimer::singleShot(0, this, [this, path] { openFile(path); });
}

}  // namespace tpw::gui
