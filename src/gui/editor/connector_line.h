#pragma once

#include <QColor>
#include <QWidget>

namespace tpw::gui {

// A line that joins a function's switch to the settings it governs (linScan, linDwtw): drawn
// in the window-text colour while the function is on, in a faded colour while it is off.
class ConnectorLine : public QWidget {
  Q_OBJECT

 public:
  // How the line runs through its cell; the branches point right, at the settings.
  enum class Shape {
    Start,    // from the middle of the right edge to the middle, then down
    Branch,   // down through the cell, with a branch at its middle
    Corner,   // down from the top to the middle, then right
    Bracket,  // a cell of two rows: a branch at the middle of each, joined
  };

  ConnectorLine(Shape shape, QWidget* parent = nullptr);
  void setOn(bool on);
  bool isOn() const { return on_; }
  QColor colour() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Shape shape_;
  bool on_ = true;
};

}  // namespace tpw::gui
