#include "link/frame.h"

#include <charconv>
#include <cstdint>

#include "image/text_values.h"

namespace tpw {

std::string BuildFrame(std::string_view command, std::string_view field1, std::string_view field2,
                       std::string_view field3) {
  std::string frame(command);
  frame += Tab;
  for (std::string_view field : {field1, field2, field3}) {
    if (field.empty()) continue;
    frame += field;
    frame += Tab;
  }
  frame += FrameChecksum(frame);
  frame += CrLf;
  return frame;
}

std::string FrameChecksum(std::string_view bytes) {
  std::uint8_t sum = 0;
  for (char c : bytes) sum ^= static_cast<std::uint8_t>(c);
  return HexPad(sum, 2);
}

bool VerifyFrame(std::string_view line) {
  if (line.size() < 3) return false;
  const auto sent = HexNumber(line.substr(line.size() - 2));
  return sent && HexPad(*sent, 2) == FrameChecksum(line.substr(0, line.size() - 2));
}

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find(Tab, start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

std::optional<int> HexNumber(std::string_view text) {
  if (text.empty() || text.size() > 6 || text[0] == '-') return std::nullopt;
  int value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::string> HexBytes(std::string_view text) {
  if (text.size() % 2 != 0) return std::nullopt;
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const auto value = HexNumber(text.substr(i, 2));
    if (!value) return std::nullopt;
    bytes += static_cast<char>(*value);
  }
  return bytes;
}

std::string HexDigits(int value) {
  const std::string padded = HexPad(value, 8);
  const std::size_t first = padded.find_first_not_of('0');
  return first == std::string::npos ? "0" : padded.substr(first);
}

}  // namespace tpw
