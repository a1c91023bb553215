#pragma once

#include <QWidget>

namespace tpw::gui {

// The handheld radio, drawn: a slim body with its antenna, display and keys.
class RadioPicture : public QWidget {
  Q_OBJECT

 public:
  explicit RadioPicture(QWidget* parent = nullptr);
  QSize sizeHint() const override { return {70, 130}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The PC, drawn: a monitor on its stand and a keyboard.
class PcPicture : public QWidget {
  Q_OBJECT

 public:
  explicit PcPicture(QWidget* parent = nullptr);
  QSize sizeHint() const override { return {110, 110}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The cable between the two pictures, with arrows that show the data flowing left to right.
// While a transfer runs, the arrows move along with the progress.
class DataFlowArrow : public QWidget {
  Q_OBJECT

 public:
  explicit DataFlowArrow(QWidget* parent = nullptr);
  QSize sizeHint() const override { return {120, 40}; }
  void setPhase(int phase);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int phase_ = 0;
};

}  // namespace tpw::gui
