#pragma once

#include <string>
#include <string_view>

#include "session/prompter.h"

// An ATIS code the user typed, in the ATIS box or on the command line, checked by one rule:
// ten digits (or nothing); a code no administration issues is worth a warning the user may
// overrule; anything else is refused.
namespace tpw {

// The title of the ATIS box's messages.
inline constexpr const char* AtisCodeTitle = "ATISNo";

struct TypedAtisCode {
  enum class Verdict { Accepted, Implausible, Refused };
  Verdict verdict = Verdict::Refused;
  std::string code;  // the code to store, without the blanks around it; empty: none
};

TypedAtisCode CheckTypedAtisCode(std::string_view text);

// Whether the code may be stored: an accepted one at once, an implausible one when the user
// agrees to keep it after the warning, a refused one never (the user is not asked).
bool MayKeepTypedAtisCode(Prompter& prompter, const TypedAtisCode& typed);

}  // namespace tpw
