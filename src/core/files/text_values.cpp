#include "files/text_values.h"

#include <charconv>
#include <limits>

#include "image/encodings.h"

namespace tpw {

std::optional<double> ParseDecimal(std::string_view text) {
  const std::string trimmed = Trim(text);
  std::string_view rest(trimmed);
  bool negative = false;
  if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
    negative = rest.front() == '-';
    rest.remove_prefix(1);
  }
  bool digits = false;
  bool point = false;
  for (char c : rest) {
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
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
  std::size_t start = 0;
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

std::string NormalisedName(std::string_view text) {
  return ToUpper(Trim(text));
}

}  // namespace tpw
