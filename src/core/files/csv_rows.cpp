#include "files/csv_rows.h"

namespace tpw {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Reads one row at a time; `at` is where the next row starts.
class CsvReader {
 public:
  explicit CsvReader(std::string_view text) : text_(text) {
    if (text_.starts_with(ByteOrderMark)) at_ = ByteOrderMark.size();
  }

  bool atEnd() const { return at_ >= text_.size(); }
  // The line the next row starts on.
  int line() const { return line_; }

  // The next row, or nothing when the text is broken in it.
  std::optional<CsvRow> next() {
    CsvRow row{line_, {}};
    std::string field;
    for (;;) {
      if (!readField(field)) return std::nullopt;
      row.fields.push_back(std::move(field));
      field.clear();
      if (atEnd()) return row;
      const char c = text_[at_++];
      if (c == ',') continue;
      // A row ends at LF, or at CR LF.
      if (c == '\r' && at_ < text_.size() && text_[at_] == '\n') ++at_;
      ++line_;
      return row;
    }
  }

 private:
  // A field up to the comma or line end after it, which are left in place.
  bool readField(std::string& field) {
    if (at_ < text_.size() && text_[at_] == '"') return readQuoted(field);
    while (!atEnd() && text_[at_] != ',' && text_[at_] != '\n' && text_[at_] != '\r') {
      if (text_[at_] == '"') return false;
      field += text_[at_++];
    }
    // A CR that is no part of a line end belongs to the field.
    if (!atEnd() && text_[at_] == '\r' && !(at_ + 1 < text_.size() && text_[at_ + 1] == '\n')) {
      field += text_[at_++];
      return readField(field);
    }
    return true;
  }

  bool readQuoted(std::string& field) {
    ++at_;  // the opening quote
    for (;;) {
      if (atEnd()) return false;
      const char c = text_[at_++];
      if (c == '"') {
        if (at_ < text_.size() && text_[at_] == '"') {
          field += '"';
          ++at_;
          continue;
        }
        // After the closing quote only the field's end may follow.
        return atEnd() || text_[at_] == ',' || text_[at_] == '\n' || text_[at_] == '\r';
      }
      if (c == '\n') ++line_;
      field += c;
    }
  }

  std::string_view text_;
  std::size_t at_ = 0;
  int line_ = 1;
};

bool IsBlank(const CsvRow& row) {
  return row.fields.size() == 1 && row.fields[0].empty();
}

}  // namespace

CsvRows ReadCsvRows(std::string_view text) {
  CsvRows result;
  CsvReader reader(text);
  while (!reader.atEnd()) {
    const int start = reader.line();
    std::optional<CsvRow> row = reader.next();
    if (!row) return {{}, start};
    if (!IsBlank(*row)) result.rows.push_back(std::move(*row));
  }
  return result;
}

}  // namespace tpw

namespace tpw {

std::string CsvLine(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    const std::string& field = fields[i];
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
      line += field;
      continue;
    }
    line += '"';
    for (const char c : field) {
      if (c == '"') line += '"';
      line += c;
    }
    line += '"';
  }
  return line + "\r\n";
}

}  // namespace tpw
