#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <string>

#include "gui/report/comparison_model.h"
#include "gui/shell/file_dialogs.h"
#include "session/workspace.h"

namespace tpw::gui {

// The differences between the data set and a file or the radio (frmCompare), beside the main
// window: a table sorted by where or by setting, "No differences" when there are none, saved
// as text from "Save As...". Choosing a row (a double click, Enter) asks the main window to go
// to its setting. The window only shows: it changes no setting.
class ComparisonWindow : public QDialog {
  Q_OBJECT

 public:
  // otherName: the file's name, or "Radio"; folder: where the save dialog opens.
  ComparisonWindow(Context ctx, FileDialogs& dialogs, QString folder,
                   std::vector<Difference> differences, const QString& otherName,
                   QWidget* parent = nullptr);

  QTableView* table() const { return table_; }
  const ComparisonModel& model() const { return *model_; }
  // The differences as saved: one a line, in the order the table shows them.
  std::string text() const;

 signals:
  // The tree node of a chosen difference and, in a channel list, its row.
  void settingChosen(const QString& nodeKey, int row);

 private:
  void choose(const QModelIndex& index);
  void saveAs();

  Context ctx_;
  FileDialogs& dialogs_;
  QString folder_;
  ComparisonModel* model_;
  QSortFilterProxyModel* sorted_;
  QTableView* table_;
  QLabel* summary_;
  QPushButton* save_;
  QPushButton* close_;
};

}  // namespace tpw::gui
