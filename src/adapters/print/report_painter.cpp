#include "adapters/print/report_painter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageRanges>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "report/print_pagination.h"

namespace tpw {

namespace {

constexpr qreal kLargestPointSize = 10;
constexpr qreal kSmallestPointSize = 4;
constexpr qreal kMillimetresPerInch = 25.4;
// The least space between an item and the next one on its line.
constexpr qreal kGapMm = 1;

struct DeviceScale {
  qreal x;  // device pixels per millimetre
  qreal y;
};

// The largest point size up to kLargestPointSize at which every item ends kGapMm before the
// next one on its line, and the last one of a line ends on the paper.
qreal FittingPointSize(const std::vector<PrintPage>& layout, QPaintDevice& device, DeviceScale mm) {
  const QFontMetricsF metrics(ReportFont(kLargestPointSize), &device);
  qreal scale = 1;
  auto fit = [&](const std::string& text, qreal room) {
    const qreal width = metrics.horizontalAdvance(QString::fromStdString(text));
    if (width > 0) scale = std::min(scale, std::max(room, qreal(0)) / width);
  };
  for (const PrintPage& page : layout) {
    for (std::size_t i = 0; i < page.items.size(); ++i) {
      const PrintItem& item = page.items[i];
      const qreal right = item.endsLine || i + 1 == page.items.size()
                              ? device.width() / mm.x - PrintLeftMarginMm
                              : page.items[i + 1].x - kGapMm;
      fit(item.text, (right - item.x) * mm.x);
    }
  }
  // Quarter points, rounded down, so that the chosen size never exceeds the room.
  const qreal size = std::floor(kLargestPointSize * scale * 4) / 4;
  return std::clamp(size, kSmallestPointSize, kLargestPointSize);
}

// Where the lines of a sheet go on the device.
struct SheetGeometry {
  DeviceScale mm;
  qreal top;  // of the first line
  qreal lineHeight;
  qreal ascent;  // from the top of a line to its base line
};

void PaintSheet(QPainter& painter, const PrintPage& sheet, const SheetGeometry& at) {
  qreal y = at.top;
  for (const PrintItem& item : sheet.items) {
    if (!item.text.empty()) {
      painter.drawText(QPointF((PrintLeftMarginMm + item.x) * at.mm.x, y + at.ascent),
                       QString::fromStdString(item.text));
    }
    if (item.endsLine) y += at.lineHeight;
  }
}

}  // namespace

bool IsMonospaced(const QFont& font) {
  // Measured rather than asked: fontconfig does not call every fixed-pitch font so.
  const QFontMetricsF metrics(font);
  return metrics.horizontalAdvance(QStringLiteral("iiii")) ==
         metrics.horizontalAdvance(QStringLiteral("WWWW"));
}

QFont ReportFont(qreal pointSize) {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  if (!IsMonospaced(font)) font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSizeF(pointSize);
  return font;
}

PaintResult PaintReport(QPagedPaintDevice& device, const std::vector<PrintPage>& layout) {
  PaintResult result;
  QPainter painter;
  if (!painter.begin(&device)) return result;
  const DeviceScale mm{device.logicalDpiX() / kMillimetresPerInch,
                       device.logicalDpiY() / kMillimetresPerInch};
  const QFont font = ReportFont(FittingPointSize(layout, device, mm));
  painter.setFont(font);
  const QFontMetricsF metrics(font, &device);
  const SheetGeometry geometry{mm, PrintTopMarginMm * mm.y, metrics.lineSpacing(),
                               metrics.ascent()};
  const std::vector<PrintPage> sheets = PaginatePrintLayout(
      layout, LinesPerSheet(device.height(), geometry.top, geometry.lineHeight));
  const QPageRanges ranges = device.pageRanges();
  result.outcome = PaintOutcome::Printed;
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    if (!ranges.isEmpty() && !ranges.contains(static_cast<int>(i) + 1)) continue;
    if (result.sheets > 0 && !device.newPage()) {
      result.outcome = PaintOutcome::Stopped;
      break;
    }
    PaintSheet(painter, sheets[i], geometry);
    ++result.sheets;
  }
  if (!painter.end()) result.outcome = PaintOutcome::Stopped;
  return result;
}

}  // namespace tpw
