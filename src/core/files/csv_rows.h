#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Rows of a comma-separated text as RFC 4180 has them: fields split at commas, a field in
// double quotes may hold commas, line breaks and doubled quotes (""), and a row ends at CR LF
// or a lone LF. Spreadsheet programs write such files.
namespace tpw {

struct CsvRow {
  int line = 0;  // the line of the text on which the row starts, from 1
  std::vector<std::string> fields;
};

struct CsvRows {
  std::vector<CsvRow> rows;
  // The line of a quoted field that is never closed, or of a quote inside an unquoted field:
  // the text is no CSV the program can trust, and no row is given.
  std::optional<int> brokenLine;
};

// The rows of text; blank lines are no rows. A byte-order mark at the start is dropped.
CsvRows ReadCsvRows(std::string_view text);

}  // namespace tpw

namespace tpw {

// One row as RFC 4180 writes it, ending in CR LF: a field that holds a comma, a quote or a
// line break in double quotes, with each quote doubled.
std::string CsvLine(const std::vector<std::string>& fields);

}  // namespace tpw
