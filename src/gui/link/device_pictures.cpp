#include "gui/link/device_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace tpw::gui {

namespace {

const QColor kBody(0x2f, 0x3b, 0x46);
const QColor kEdge(0x17, 0x1e, 0x24);
const QColor kScreen(0xb8, 0xd8, 0xa8);
const QColor kKey(0x8d, 0x99, 0xa3);
const QColor kAccent(0xe0, 0x6c, 0x1f);
const QColor kFlow(0x1f, 0x6f, 0xc0);

// Draws in a fixed design space, scaled into the widget with the aspect kept.
void FitDesign(QPainter& p, const QWidget& widget, QSizeF design) {
  const double scale = qMin(widget.width() / design.width(), widget.height() / design.height());
  p.translate((widget.width() - design.width() * scale) / 2,
              (widget.height() - design.height() * scale) / 2);
  p.scale(scale, scale);
  p.setRenderHint(QPainter::Antialiasing, true);
}

}  // namespace

RadioPicture::RadioPicture(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pictHandy"));
  setToolTip(tr("Radio"));
}

void RadioPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  FitDesign(p, *this, {70, 130});
  p.setPen(QPen(kEdge, 1.5));
  // Antenna and knob.
  p.setBrush(kEdge);
  p.drawRoundedRect(QRectF(14, 2, 8, 36), 4, 4);
  p.setBrush(kKey);
  p.drawRoundedRect(QRectF(44, 20, 10, 12), 2, 2);
  // Body.
  p.setBrush(kBody);
  p.drawRoundedRect(QRectF(8, 30, 54, 96), 9, 9);
  // Speaker grille.
  p.setPen(QPen(kKey, 1.2));
  for (int y = 40; y <= 52; y += 4) p.drawLine(QPointF(22, y), QPointF(48, y));
  // Display.
  p.setPen(QPen(kEdge, 1));
  p.setBrush(kScreen);
  p.drawRoundedRect(QRectF(15, 58, 40, 20), 2, 2);
  p.setPen(QPen(kEdge.lighter(150), 1));
  QFont font = p.font();
  font.setPixelSize(9);
  font.setBold(true);
  p.setFont(font);
  p.drawText(QRectF(15, 58, 40, 20), Qt::AlignCenter, QStringLiteral("16"));
  // Keys, the emergency key in orange.
  p.setPen(Qt::NoPen);
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      p.setBrush(row == 2 && col == 2 ? kAccent : kKey);
      p.drawRoundedRect(QRectF(16 + col * 14, 84 + row * 12, 10, 8), 2, 2);
    }
  }
}

PcPicture::PcPicture(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pictB"));
  setToolTip(tr("PC"));
}

void PcPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  FitDesign(p, *this, {110, 110});
  p.setPen(QPen(kEdge, 1.5));
  // Monitor with the program's window on it.
  p.setBrush(kBody);
  p.drawRoundedRect(QRectF(8, 6, 94, 66), 5, 5);
  p.setBrush(QColor(0xdd, 0xe8, 0xf2));
  p.drawRect(QRectF(15, 12, 80, 53));
  p.setPen(Qt::NoPen);
  p.setBrush(kFlow);
  p.drawRect(QRectF(15, 12, 80, 8));
  p.setBrush(kKey);
  p.drawRect(QRectF(19, 24, 20, 37));
  for (int y = 25; y < 60; y += 6) p.drawRect(QRectF(43, y, 48, 3));
  // Stand and keyboard.
  p.setPen(QPen(kEdge, 1.5));
  p.setBrush(kBody);
  QPainterPath stand;
  stand.moveTo(48, 72);
  stand.lineTo(62, 72);
  stand.lineTo(66, 84);
  stand.lineTo(44, 84);
  stand.closeSubpath();
  p.drawPath(stand);
  p.drawRoundedRect(QRectF(12, 90, 86, 14), 3, 3);
  p.setPen(Qt::NoPen);
  p.setBrush(kKey);
  for (int x = 16; x < 94; x += 7) p.drawRect(QRectF(x, 93, 5, 3));
  for (int x = 19; x < 90; x += 7) p.drawRect(QRectF(x, 98, 5, 3));
}

DataFlowArrow::DataFlowArrow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("dataFlow"));
}

void DataFlowArrow::setPhase(int phase) {
  if (phase_ == phase) return;
  phase_ = phase;
  update();
}

void DataFlowArrow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, true);
  const double y = height() / 2.0;
  p.setPen(QPen(kEdge, 2));
  p.drawLine(QPointF(2, y), QPointF(width() - 2, y));
  // Chevrons pointing right, shifted by the phase so they appear to travel.
  p.setPen(QPen(kFlow, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const int spacing = 22;
  for (int x = 6 + phase_ % spacing; x < width() - 8; x += spacing) {
    const QPointF chevron[] = {{x - 5.0, y - 7}, {x + 2.0, y}, {x - 5.0, y + 7}};
    p.drawPolyline(chevron, 3);
  }
}

}  // namespace tpw::gui
