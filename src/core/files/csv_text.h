#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated text as spreadsheets write and read it (RFC 4180): a field holding the
// separator, a quote or a line end is quoted, and a quote inside doubled. Spreadsheets set to
// a language with a decimal comma write semicolons instead; the heading line tells which.
namespace tpw {

struct CsvRow {
  int line = 0;  // the line the row starts on, from 1
  std::vector<std::string> cells;
};

struct CsvTable {
  char separator = ',';
  std::vector<CsvRow> rows;  // the heading line first; blank lines are left out
};

// Why a text is no table: "line 4: a quoted field is not closed".
struct CsvFault {
  std::string text;
};

// Reads the rows of a text in UTF-8, with or without a byte order mark. The separator is a
// semicolon when the first line holds more semicolons than commas outside quotes, otherwise a
// comma.
std::optional<CsvTable> ParseCsv(std::string_view text, CsvFault& fault);

// One line of cells with its CR LF, each quoted only when it must be.
std::string CsvLine(const std::vector<std::string>& cells, char separator = ',');

}  // namespace tpw
