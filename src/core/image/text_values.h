#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Texts and the values read from them: padding, trimming and case; numbers and booleans as
// people type them into files; lines.
namespace tpw {

bool IsDecimalDigit(char c);

// The number in upper-case hexadecimal, left-padded with "0" and cut to its last width
// characters.
std::string HexPad(std::int64_t number, int width);
// Padded with blanks and cut to width characters.
std::string PadRight(std::string_view text, int width);
// Blanks and tabs removed at both ends.
std::string Trim(std::string_view text);
std::string ToUpper(std::string_view text);
// Upper-cased, blanks around removed: how names and keys of ini-like files compare.
std::string NormalisedName(std::string_view text);

// The leading decimal number of a text, read the way a lenient numeric parser does: blanks
// are skipped, then an optional sign, digits and one point; the first other character ends
// the number. A text without digits reads as 0.
double LeadingNumber(std::string_view text);
// True when the text read as a leading number is not 0.
bool IsNonZeroText(std::string_view text);

// A decimal number and nothing else: blanks around it, an optional sign, digits and at most
// one "." (at least one digit). Anything else (letters, a second point, a "," separator, an
// exponent) is not a number.
std::optional<double> ParseDecimal(std::string_view text);

// A number (0 is false, any other value true) or the words True and False in any case.
std::optional<bool> ParseBoolean(std::string_view text);

// The lines of a text, split at CR LF, LF or a lone CR; the line ends are not kept. A final
// line end does not start another line. A UTF-8 byte order mark at the start is dropped.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace tpw
