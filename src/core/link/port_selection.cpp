#include "link/port_selection.h"

#include <cmath>

#include "image/text_values.h"

namespace tpw {

std::optional<int> ComNumberOf(std::string_view friendlyName) {
  const std::string upper = ToUpper(friendlyName);
  const std::size_t open = upper.find("(COM");
  if (open == std::string::npos) return std::nullopt;
  const std::size_t close = upper.find(')', open);
  const std::string inside =
      upper.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
  if (inside.size() <= 3) return std::nullopt;
  const double value = LeadingNumber(inside.substr(3));
  if (!(value >= 1) || value > 1e6) return std::nullopt;
  return static_cast<int>(std::floor(value));
}

}  // namespace tpw
