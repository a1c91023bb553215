#pragma once

#include <QFont>
#include <QPagedPaintDevice>
#include <vector>

#include "report/print_layout.h"

namespace tpw {

// True when every character of the font takes the same width.
bool IsMonospaced(const QFont& font);

// The fixed-pitch font of the report: "Courier New", or the font the system puts in its
// place, or else the system's own fixed-pitch font.
QFont ReportFont(qreal pointSize);

enum class PaintOutcome {
  Printed,
  NotStarted,  // the device could not begin: nothing was printed
  Stopped,     // a new sheet or the end of the job failed part way
};

struct PaintResult {
  PaintOutcome outcome = PaintOutcome::NotStarted;
  int sheets = 0;  // the sheets painted
};

// Paints the printed report on a paged device: a printer, the print preview or a PDF writer.
// Positions are millimetres from the printable area of the device's page layout; pages longer
// than a sheet continue on the next one. The report font takes the largest size up to
// 10 points at which no item runs into the next one or off the paper. When the device has
// page ranges, only the sheets they name are painted.
PaintResult PaintReport(QPagedPaintDevice& device, const std::vector<PrintPage>& layout);

}  // namespace tpw
