#include "image/atis_code.h"

#include <algorithm>

#include "image/text_values.h"

namespace tpw {

bool IsAcceptableAtisCode(std::string_view code) {
  return code.empty() ||
         (code.size() == AtisCodeDigits && std::all_of(code.begin(), code.end(), IsDecimalDigit));
}

}  // namespace tpw
