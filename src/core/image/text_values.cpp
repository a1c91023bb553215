#include "image/text_values.h"

#include <cctype>
#include <charconv>
#include <limits>

namespace tpw {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// The length of the number at the start of text: an optional sign, then digits with at most
// one point. `digits` tells whether it holds a digit at all.
struct NumberScan {
  std::size_t length = 0;
  bool digits = false;
};

NumberScan ScanNumber(std::string_view text) {
  NumberScan scan;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool point = false;
  for (; i < text.size(); ++i) {
    if (IsDecimalDigit(text[i])) {
      scan.digits = true;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  scan.length = i;
  return scan;
}

}  // namespace

bool IsDecimalDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string HexPad(std::int64_t number, int width) {
  char buffer[32];
  const auto value =
      number < 0 ? static_cast<std::uint32_t>(number) : static_cast<std::uint64_t>(number);
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
  const std::string text = ToUpper(std::string_view(buffer, result.ptr));
  const auto w = static_cast<std::size_t>(width);
  if (text.size() < w) return std::string(w - text.size(), '0') + text;
  return text.substr(text.size() - w);
}

std::string PadRight(std::string_view text, int width) {
  std::string result(text.substr(0, static_cast<std::size_t>(width)));
  result.resize(static_cast<std::size_t>(width), ' ');
  return result;
}

std::string Trim(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return std::string(text.substr(first, last - first));
}

std::string ToUpper(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return result;
}

std::string NormalisedName(std::string_view text) {
  return ToUpper(Trim(text));
}

double LeadingNumber(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  text.remove_prefix(start);
  const NumberScan scan = ScanNumber(text);
  if (!scan.digits) return 0;
  std::string_view number = text.substr(0, scan.length);
  if (number.front() == '+') number.remove_prefix(1);
  double value = 0;
  std::from_chars(number.data(), number.data() + number.size(), value);
  return value;
}

bool IsNonZeroText(std::string_view text) {
  return LeadingNumber(text) != 0;
}

std::optional<double> ParseDecimal(std::string_view text) {
  const std::string trimmed = Trim(text);
  const NumberScan scan = ScanNumber(trimmed);
  if (!scan.digits || scan.length != trimmed.size()) return std::nullopt;
  std::string_view rest(trimmed);
  const bool negative = rest.front() == '-';
  if (rest.front() == '+' || negative) rest.remove_prefix(1);
  double value = 0;
  const auto result = std::from_chars(rest.data(), rest.data() + rest.size(), value);
  if (result.ec == std::errc::invalid_argument) return std::nullopt;
  // A number too long for a double reads as its nearest representable neighbour or infinity;
  // the callers' range checks refuse what no field can hold.
  if (result.ec == std::errc::result_out_of_range) {
    value = rest.find_first_not_of("0.") == std::string_view::npos
                ? 0.0
                : std::numeric_limits<double>::infinity();
  }
  return negative ? -value : value;
}

std::optional<bool> ParseBoolean(std::string_view text) {
  if (const auto number = ParseDecimal(text)) return *number != 0;
  const std::string word = NormalisedName(text);
  if (word == "TRUE") return true;
  if (word == "FALSE") return false;
  return std::nullopt;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  // Text editors on Windows begin a UTF-8 file with a byte order mark; it is no part of the
  // first line (else "[MAIN]" of a hand-edited data file would not be found).
  constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
  std::size_t start = text.starts_with(byteOrderMark) ? byteOrderMark.size() : 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

}  // namespace tpw
