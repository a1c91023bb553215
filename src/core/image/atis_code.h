#pragma once

#include <optional>
#include <string>
#include <string_view>
#include "image/translatable.h"

// The ATIS code as the radio holds it: ten decimal digits, or none at all. The ATIS panel and
// the channel data file both accept a code by this one rule.
namespace tpw {

inline constexpr int AtisCodeDigits = 10;

// The code to store for a text: the text without the blanks around it when that is empty or
// exactly ten digits; nothing when the radio could not hold it.
std::optional<std::string> AcceptedAtisCode(std::string_view text);

// The characters the code box takes, as typed, pasted or dropped: the digits.
bool IsAtisCodeCharacter(char c);

// The country codes an ATIS code may carry after its leading 9.
inline constexpr int FirstAtisCountry = 201;
inline constexpr int LastAtisCountry = 775;

// True for an ATIS code as administrations issue them: 9, then a country code from 201 to 775,
// then six digits. An accepted code that is not plausible is worth a warning, no refusal.
bool IsPlausibleAtisCode(std::string_view code);

// Why a code is not plausible, as a sentence for the user.
std::string ImplausibleAtisCodeText(std::string_view code);
inline constexpr const char* ImplausibleAtisCodeTemplate =
    TPW_TEXT("Messages",
             "The ATIS code %1 does not look like one: an ATIS code begins with 9, followed by "
             "the country code (%2 to %3) of the boat's country.");

}  // namespace tpw
