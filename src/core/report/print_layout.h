#pragma once

#include <string>
#include <vector>

#include "image/settings_model.h"
#include "session/workspace.h"

// The printed report as data: pages of text items placed at millimetre positions. A painter
// only loops: each item at (PrintLeftMarginMm + x) from the paper's left edge, on the current
// line; an item that ends its line moves the next one a line height down. Each page starts
// PrintTopMarginMm below the top of the printable area; line height and font are the
// printer's.
namespace tpw {

inline constexpr double PrintLeftMarginMm = 10;
inline constexpr double PrintTopMarginMm = 5;

struct PrintItem {
  double x = 0;  // millimetres from the left margin
  std::string text;
  bool endsLine = false;

  bool operator==(const PrintItem&) const = default;
};

struct PrintPage {
  std::vector<PrintItem> items;
  // The lines at the top that a continuation sheet repeats: the page header, and on a
  // channel page the title and the column heads.
  int headLines = 0;
  int lineCount() const;

  bool operator==(const PrintPage&) const = default;
};

// Common setup; one page per non-empty USA, INT and CAN list; weather when the model has it;
// region and EXP pages when their lists are not empty.
std::vector<PrintPage> BuildPrintLayout(const SettingsModel& model, const ModelCaps& caps);

}  // namespace tpw
