#include "gui/shell/file_dialogs.h"

#include <QFileDialog>

namespace tpw::gui {

QString DataFileFilter() {
  return QStringLiteral("dat files(*.dat);;All files(*.*)");
}

namespace {

QString ImageFileFilter() {
  return QStringLiteral("hex files(*.hex);;All files(*.*)");
}

// A save dialog that asks before it replaces a file; the suffix is added to a name without
// one.
QString SaveFileName(QWidget* parent, const QString& folder, const QString& filter,
                     const QString& suffix) {
  QFileDialog dialog(parent, QObject::tr("Save As"), folder, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

QString QtFileDialogs::openDataFile(QWidget* parent, const QString& folder) {
  // A name that does not exist may be typed; the reader then refuses it.
  QFileDialog dialog(parent, QObject::tr("Open"), folder, DataFileFilter());
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

QString QtFileDialogs::saveDataFile(QWidget* parent, const QString& folder) {
  return SaveFileName(parent, folder, DataFileFilter(), QStringLiteral("dat"));
}

QString QtFileDialogs::saveReportFile(QWidget* parent, const QString& folder) {
  return SaveFileName(parent, folder, QStringLiteral("Text files(*.txt);;All files(*.*)"),
                      QStringLiteral("txt"));
}

QString QtFileDialogs::openImageFile(QWidget* parent, const QString& folder) {
  QFileDialog dialog(parent, QObject::tr("Open"), folder, ImageFileFilter());
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

QString QtFileDialogs::saveImageFile(QWidget* parent, const QString& folder) {
  return SaveFileName(parent, folder, ImageFileFilter(), QStringLiteral("hex"));
}

}  // namespace tpw::gui
