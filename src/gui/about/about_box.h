#pragma once

#include <QDialog>

namespace tpw::gui {

// The about box (frmAbout): the program's title, version and a short legal notice.
class AboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace tpw::gui
