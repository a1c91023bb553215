#pragma once

#include <QAction>
#include <QDialog>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <string>

#include "gui/shell/file_dialogs.h"
#include "session/workspace.h"

namespace tpw::gui {

// The report window (frmPrn, "Print to File"): the text report of the settings, shown read-only
// in a fixed-pitch font, and saved from its File menu as a text file. It is built once, just
// after the window has appeared, and never changes the settings.
class ReportWindow : public QDialog {
  Q_OBJECT

 public:
  // folder: where the save dialog opens.
  ReportWindow(Context ctx, FileDialogs& dialogs, QString folder, QWidget* parent = nullptr);

  bool isReportBuilt() const { return built_; }
  // The report as built, with its CR LF line ends: what Save As writes.
  const std::string& report() const { return report_; }

 signals:
  void reportBuilt();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenu(QMenuBar* bar);
  void buildReport();
  void saveAs();
  // The text 100 twips from the left, following the window's size; OK centred, its top
  // 1200 twips above the bottom.
  void placeControls();

  Context ctx_;
  FileDialogs& dialogs_;
  QString folder_;
  std::string report_;
  bool built_ = false;
  QWidget* client_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
  QPushButton* ok_ = nullptr;
  QTimer* timer_ = nullptr;
  QAction* save_ = nullptr;
};

}  // namespace tpw::gui
