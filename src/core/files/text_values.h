#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading values that people may have typed into a text file: strict numbers, booleans, lines.
namespace tpw {

// A decimal number and nothing else: blanks around it, an optional sign, digits and at most
// one "." (at least one digit). Anything else (letters, a second point, a "," separator, an
// exponent) is not a number.
std::optional<double> ParseDecimal(std::string_view text);

// A number (0 is false, any other value true) or the words True and False in any case.
std::optional<bool> ParseBoolean(std::string_view text);

// The lines of a text, split at CR LF, LF or a lone CR; the line ends are not kept. A final
// line end does not start another line.
std::vector<std::string_view> SplitLines(std::string_view text);

// Upper-cased, blanks around removed: how names and keys of ini-like files compare.
std::string NormalisedName(std::string_view text);

}  // namespace tpw
