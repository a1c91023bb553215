#include "gui/shell/file_dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

namespace tpw::gui {

namespace {

QString DataFileFilter() {
  return QStringLiteral("dat files(*.dat);;All files(*.*)");
}

// File > Open takes image files as well, such as the backups of the radio.
QString OpenFileFilter() {
  return QStringLiteral("dat files(*.dat);;hex files(*.hex);;All files(*.*)");
}

QString TextFileFilter() {
  return QStringLiteral("Text files(*.txt);;All files(*.*)");
}

QString ImageFileFilter() {
  return QStringLiteral("hex files(*.hex);;All files(*.*)");
}

QString TableFileFilter() {
  return QStringLiteral("CSV files(*.csv);;All files(*.*)");
}

// A dialog that opens an existing file only.
QString ExistingFileName(QWidget* parent, const QString& folder, const QString& filter) {
  QFileDialog dialog(parent, QObject::tr("Open"), folder, filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
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
  QFileDialog dialog(parent, QObject::tr("Open"), folder, OpenFileFilter());
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

QString QtFileDialogs::saveDataFile(QWidget* parent, const QString& folder) {
  return SaveFileName(parent, folder, DataFileFilter(), QStringLiteral("dat"));
}

QString QtFileDialogs::saveReportFile(QWidget* parent, const QString& folder) {
  return SaveFileName(parent, folder, TextFileFilter(), QStringLiteral("txt"));
}

QString QtFileDialogs::openImageFile(QWidget* parent, const QString& folder) {
  return ExistingFileName(parent, folder, ImageFileFilter());
}

QString QtFileDialogs::saveImageFile(QWidget* parent, const QString& folder) {
  return SaveFileName(parent, folder, ImageFileFilter(), QStringLiteral("hex"));
}

QString QtFileDialogs::saveDiagnosticsFile(QWidget* parent, const QString& folder) {
  return SaveFileName(parent, folder, TextFileFilter(), QStringLiteral("txt"));
}

QString QtFileDialogs::openChannelTable(QWidget* parent, const QString& folder) {
  return ExistingFileName(parent, folder, TableFileFilter());
}

QString QtFileDialogs::saveChannelTable(QWidget* parent, const QString& folder) {
  return SaveFileName(parent, folder, TableFileFilter(), QStringLiteral("csv"));
}

bool QtFileDialogs::showFolder(const QString& folder) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

}  // namespace tpw::gui
