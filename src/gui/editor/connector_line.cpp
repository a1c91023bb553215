#include "gui/editor/connector_line.h"

#include <QPainter>

namespace tpw::gui {

ConnectorLine::ConnectorLine(Shape shape, QWidget* parent) : QWidget(parent), shape_(shape) {
  setFixedWidth(12);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

void ConnectorLine::setOn(bool on) {
  on_ = on;
  update();
}

QColor ConnectorLine::colour() const {
  return on_ ? palette().color(QPalette::Active, QPalette::WindowText)
             : palette().color(QPalette::Disabled, QPalette::WindowText);
}

void ConnectorLine::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(colour(), 1));
  const int x = width() / 3;
  const int middle = height() / 2;
  const int right = width();
  const int bottom = height();
  switch (shape_) {
    case Shape::Start:
      painter.drawLine(x, middle, right, middle);
      painter.drawLine(x, middle, x, bottom);
      break;
    case Shape::Branch:
      painter.drawLine(x, 0, x, bottom);
      painter.drawLine(x, middle, right, middle);
      break;
    case Shape::Corner:
      painter.drawLine(x, 0, x, middle);
      painter.drawLine(x, middle, right, middle);
      break;
    case Shape::Bracket:
      painter.drawLine(x, bottom / 4, right, bottom / 4);
      painter.drawLine(x, bottom / 4, x, bottom * 3 / 4);
      painter.drawLine(x, bottom * 3 / 4, right, bottom * 3 / 4);
      break;
  }
}

}  // namespace tpw::gui
