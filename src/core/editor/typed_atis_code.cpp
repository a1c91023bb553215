#include "editor/typed_atis_code.h"

#include <optional>

#include "image/atis_code.h"
#include "image/text_values.h"
#include "image/translatable.h"

namespace tpw {

TypedAtisCode CheckTypedAtisCode(std::string_view text) {
  const std::optional<std::string> accepted = AcceptedAtisCode(text);
  if (!accepted) return {TypedAtisCode::Verdict::Refused, Trim(text)};
  const bool plausible = accepted->empty() || IsPlausibleAtisCode(*accepted);
  return {plausible ? TypedAtisCode::Verdict::Accepted : TypedAtisCode::Verdict::Implausible,
          *accepted};
}

bool MayKeepTypedAtisCode(Prompter& prompter, const TypedAtisCode& typed) {
  switch (typed.verdict) {
    case TypedAtisCode::Verdict::Accepted:
      return true;
    case TypedAtisCode::Verdict::Refused:
      return false;
    case TypedAtisCode::Verdict::Implausible:
      break;
  }
  // A code the radio can hold but no administration issues is the user's to keep.
  return prompter.ask(
             Icon::Exclamation, AtisCodeTitle,
             ImplausibleAtisCodeText(typed.code) + "\r\n" + TPW_TEXT("Messages", "Keep this code?"),
             Buttons::YesNo, Answer::No) == Answer::Yes;
}

}  // namespace tpw
