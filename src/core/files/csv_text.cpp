#include "files/csv_text.h"

#include <algorithm>

namespace tpw {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The separator the first line uses outside quotes.
char DetectSeparator(std::string_view text) {
  int commas = 0;
  int semicolons = 0;
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\n' || c == '\r') break;
    commas += c == ',';
    semicolons += c == ';';
  }
  return semicolons > commas ? ';' : ',';
}

bool IsBlank(const CsvRow& row) {
  return row.cells.size() == 1 && row.cells[0].empty();
}

// Walks the text once, a character at a time, as the RFC's grammar reads it.
class CsvReader {
 public:
  CsvReader(std::string_view text, char separator) : text_(text), separator_(separator) {}

  std::optional<std::vector<CsvRow>> rows(CsvFault& fault) {
    std::vector<CsvRow> rows;
    while (at_ < text_.size()) {
      CsvRow row{line_, {}};
      if (!readRow(row, fault)) return std::nullopt;
      if (!IsBlank(row)) rows.push_back(std::move(row));
    }
    return rows;
  }

 private:
  bool readRow(CsvRow& row, CsvFault& fault) {
    while (true) {
      std::string cell;
      if (!readCell(cell, fault)) return false;
      row.cells.push_back(std::move(cell));
      if (at_ >= text_.size()) return true;
      const char c = text_[at_++];
      if (c == separator_) continue;
      // A line end: CR LF, LF or a lone CR.
      if (c == '\r' && at_ < text_.size() && text_[at_] == '\n') ++at_;
      ++line_;
      return true;
    }
  }

  bool readCell(std::string& cell, CsvFault& fault) {
    if (at_ < text_.size() && text_[at_] == '"') return readQuoted(cell, fault);
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (c == separator_ || c == '\r' || c == '\n') break;
      cell += c;
      ++at_;
    }
    return true;
  }

  bool readQuoted(std::string& cell, CsvFault& fault) {
    const int start = line_;
    ++at_;
    while (at_ < text_.size()) {
      const char c = text_[at_++];
      if (c == '"') {
        if (at_ < text_.size() && text_[at_] == '"') {
          cell += '"';
          ++at_;
          continue;
        }
        if (at_ < text_.size() && text_[at_] != separator_ && text_[at_] != '\r' &&
            text_[at_] != '\n') {
          fault.text = "line " + std::to_string(line_) +
                       ": a quoted field goes on after its closing quote; a quote inside a "
                       "quoted field is written twice (\"\")";
          return false;
        }
        return true;
      }
      if (c == '\n' || (c == '\r' && (at_ >= text_.size() || text_[at_] != '\n'))) ++line_;
      cell += c;
    }
    fault.text = "line " + std::to_string(start) + ": a quoted field is not closed";
    return false;
  }

  std::string_view text_;
  char separator_;
  std::size_t at_ = 0;
  int line_ = 1;
};

}  // namespace

std::optional<CsvTable> ParseCsv(std::string_view text, CsvFault& fault) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  CsvTable table;
  table.separator = DetectSeparator(text);
  auto rows = CsvReader(text, table.separator).rows(fault);
  if (!rows) return std::nullopt;
  table.rows = *std::move(rows);
  return table;
}

std::string CsvLine(const std::vector<std::string>& cells, char separator) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += separator;
    const std::string& cell = cells[i];
    // Blanks at either end are quoted too, so that no spreadsheet trims them away.
    const bool quote = cell.find_first_of(std::string("\"\r\n") + separator) != std::string::npos ||
                       (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
    if (!quote) {
      line += cell;
      continue;
    }
    line += '"';
    for (char c : cell) {
      if (c == '"') line += '"';
      line += c;
    }
    line += '"';
  }
  return line + "\r\n";
}

}  // namespace tpw
