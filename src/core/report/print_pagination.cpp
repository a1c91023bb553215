#include "report/print_pagination.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tpw {

namespace {

using PrintLine = std::vector<PrintItem>;

std::vector<PrintLine> LinesOf(const PrintPage& page) {
  std::vector<PrintLine> lines;
  PrintLine current;
  for (const PrintItem& item : page.items) {
    current.push_back(item);
    if (item.endsLine) lines.push_back(std::exchange(current, {}));
  }
  return lines;
}

bool IsEmptyLine(const PrintLine& line) {
  return std::all_of(line.begin(), line.end(),
                     [](const PrintItem& item) { return item.text.empty(); });
}

void Append(PrintPage& sheet, const PrintLine& line) {
  sheet.items.insert(sheet.items.end(), line.begin(), line.end());
}

}  // namespace

int LinesPerSheet(double printableHeight, double top, double lineHeight) {
  if (lineHeight <= 0) return 0;
  const double room = printableHeight - top;
  // The small allowance keeps a line that ends exactly on the bottom from being lost to
  // rounding.
  return room < lineHeight ? 0 : static_cast<int>(std::floor(room / lineHeight + 1e-9));
}

std::vector<PrintPage> PaginatePrintLayout(const std::vector<PrintPage>& pages, int linesPerSheet) {
  std::vector<PrintPage> sheets;
  for (const PrintPage& page : pages) {
    const std::vector<PrintLine> lines = LinesOf(page);
    const std::size_t head =
        std::min(static_cast<std::size_t>(std::max(page.headLines, 0)), lines.size());
    const std::size_t room = static_cast<std::size_t>(std::max(linesPerSheet, 0));
    const std::size_t bodyPerSheet = room > head ? room - head : 1;
    std::size_t next = head;
    do {
      PrintPage sheet;
      sheet.headLines = static_cast<int>(head);
      for (std::size_t i = 0; i < head; ++i) Append(sheet, lines[i]);
      const std::size_t stop = std::min(lines.size(), next + bodyPerSheet);
      for (; next < stop; ++next) Append(sheet, lines[next]);
      sheets.push_back(std::move(sheet));
      if (std::all_of(lines.begin() + static_cast<std::ptrdiff_t>(next), lines.end(),
                      IsEmptyLine)) {
        next = lines.size();
      }
    } while (next < lines.size());
  }
  return sheets;
}

}  // namespace tpw
