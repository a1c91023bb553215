#include "link/serial_port.h"

#include <charconv>
#include <vector>

namespace tpw {

namespace {

std::vector<std::string_view> SplitAtCommas(std::string_view text) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t comma = text.find(',', start);
    parts.push_back(text.substr(start, comma - start));
    if (comma == std::string_view::npos) return parts;
    start = comma + 1;
  }
}

std::optional<int> Number(std::string_view text) {
  int value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<PortSettings> ParsePortSettings(std::string_view text) {
  const auto parts = SplitAtCommas(text);
  if (parts.size() != 4 || parts[1].size() != 1) return std::nullopt;
  const auto baud = Number(parts[0]);
  const auto dataBits = Number(parts[2]);
  const auto stopBits = Number(parts[3]);
  const char parity = parts[1][0];
  if (!baud || *baud <= 0 || !dataBits || *dataBits < 5 || *dataBits > 8 || !stopBits ||
      (*stopBits != 1 && *stopBits != 2) ||
      std::string_view("NEOMS").find(parity) == std::string_view::npos) {
    return std::nullopt;
  }
  return PortSettings{*baud, parity, *dataBits, *stopBits};
}

std::string PortSettingsText(const PortSettings& settings) {
  return std::to_string(settings.baud) + "," + settings.parity + "," +
         std::to_string(settings.dataBits) + "," + std::to_string(settings.stopBits);
}

std::string LineSettings(int baud) {
  return PortSettingsText({baud, 'N', 8, 1});
}

}  // namespace tpw
