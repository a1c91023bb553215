#pragma once

#include <QGuiApplication>
#include <QWidget>

namespace tpw::gui {

// The wait cursor and a disabled window for the length of a long operation.
class BusyWindow {
 public:
  explicit BusyWindow(QWidget* window) : window_(window) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    window_->setEnabled(false);
  }
  ~BusyWindow() {
    window_->setEnabled(true);
    QGuiApplication::restoreOverrideCursor();
  }
  BusyWindow(const BusyWindow&) = delete;
  BusyWindow& operator=(const BusyWindow&) = delete;

 private:
  QWidget* window_;
};

}  // namespace tpw::gui
