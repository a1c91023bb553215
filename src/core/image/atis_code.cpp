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

bool IsPlausibleAtisCode(std::string_view code) {
  if (code.size() != AtisCodeDigits || !std::all_of(code.begin(), code.end(), IsDecimalDigit) ||
      code[0] != '9') {
    return false;
  }
  const int country = std::stoi(std::string(code.substr(1, 3)));
  return country >= FirstAtisCountry && country <= LastAtisCountry;
}

std::string ImplausibleAtisCodeText(std::string_view code) {
  return Fill(ImplausibleAtisCodeTemplate,
              {code, std::to_string(FirstAtisCountry), std::to_string(LastAtisCountry)});
}

}  // namespace tpw
