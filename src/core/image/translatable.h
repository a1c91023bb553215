#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The program's texts are English and stay so in the core: it hands them out as they are, and
// the programs' prompters and windows show them in the user's language. TPW_TEXT marks such a
// text for the translators' catalogues (lupdate reads it as QT_TRANSLATE_NOOP) without
// changing it; the context groups the texts for the translator.
#define TPW_TEXT(context, text) text

namespace tpw {

// The contexts the core's texts are catalogued under, in the order a text is looked up.
inline constexpr const char* CoreTextContexts[] = {"Messages", "Editor"};

// A text made of a catalogued template and the names put into it: "%1" is the first name, up to
// "%9". A translation keeps the placeholders, so the same names go into the translated template.
// Every template a message is filled from is listed with its unit's templates, where the
// programs find it to show the message translated.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> names);

}  // namespace tpw
