#pragma once

#include <optional>
#include <string>
#include <string_view>

// The ATIS code as the radio holds it: ten decimal digits, or none at all. The ATIS panel and
// the channel data file both accept a code by this one rule.
namespace tpw {

inline constexpr int AtisCodeDigits = 10;

// The code to store for a text: the text without the blanks around it when that is empty or
// exactly ten digits; nothing when the radio could not hold it.
std::optional<std::string> AcceptedAtisCode(std::string_view text);

// The characters the code box takes, as typed, pasted or dropped: the digits.
bool IsAtisCodeCharacter(char c);

}  // namespace tpw
