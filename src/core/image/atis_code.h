#pragma once

#include <string_view>

namespace tpw {

inline constexpr int AtisCodeDigits = 10;

// The ATIS codes the radio can hold: none (empty) or exactly ten decimal digits. Anything else
// would be programmed as garbage that only an ATIS clear removes.
bool IsAcceptableAtisCode(std::string_view code);

}  // namespace tpw
