#include "image/atis_code.h"

#include <algorithm>

#include "image/text_values.h"

namespace tpw {

std::optional<std::string> AcceptedAtisCode(std::string_view text) {
  std::string code = Trim(text);
  if (code.empty()) return code;
  if (code.size() != AtisCodeDigits || !std::all_of(code.begin(), code.end(), IsDecimalDigit)) {
    return std::nullopt;
  }
  return code;
}

bool IsAtisCodeCharacter(char c) {
  return IsDecimalDigit(c);
}

}  // namespace tpw
