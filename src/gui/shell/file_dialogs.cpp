#include "gui/shell/file_dialogs.h"

#include <QFileDialog>

namespace tpw::gui {

QString DataFileFilter() {
  return QStringLiteral("dat files(*.dat);;All files(*.*)");
}

QString QtFileDialogs::openDataFile(QWidget* parent, const QString& folder) {
  // A name that does not exist may be typed; the reader then refuses it.
  QFileDialog dialog(parent, QObject::tr("Open"), folder, DataFileFilter());
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

QString QtFileDialogs::saveDataFile(QWidget* parent, const QString& folder) {
  QFileDialog dialog(parent, QObject::tr("Save As"), folder, DataFileFilter());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("dat"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace tpw::gui
