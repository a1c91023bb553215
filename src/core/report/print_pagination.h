#pragma once

#include <vector>

#include "report/print_layout.h"

// The printed pages on sheets of paper. A page longer than a sheet continues on the next
// sheet, which starts again with the page's head (the header and, on a channel page, the
// title and the column heads), so a 96-channel group reads as one table over two sheets.
namespace tpw {

// How many lines a sheet holds: the first line starts `top` below the top of the printable
// area, each line is lineHeight high, and the last one ends on or above the printable bottom.
// The three lengths are in any one unit.
int LinesPerSheet(double printableHeight, double top, double lineHeight);

// The sheets of a layout, in order; each is a page of at most linesPerSheet lines. A line is
// never cut, and every line below a page's head is on exactly one sheet. Empty lines at the
// end of a page never start a sheet of their own. On a sheet too short for the head and one
// more line, each sheet still takes one line, so that printing always comes to an end.
std::vector<PrintPage> PaginatePrintLayout(const std::vector<PrintPage>& pages, int linesPerSheet);

}  // namespace tpw
