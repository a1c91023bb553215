#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The radio's framing: a command word, TAB-terminated text fields, two hex digits of XOR
// checksum over everything before them, and CR LF. Both sides of the line use it.
namespace tpw {

inline constexpr char Tab = '\t';
inline constexpr char Cr = '\r';
inline constexpr char Lf = '\n';
inline constexpr const char* CrLf = "\r\n";

// The command word, each non-empty field followed by TAB, the checksum, CR LF.
std::string BuildFrame(std::string_view command, std::string_view field1 = {},
                       std::string_view field2 = {}, std::string_view field3 = {});
// The XOR of every byte, as two upper-case hex digits.
std::string FrameChecksum(std::string_view bytes);
// A received line without its CR LF: its last two characters are the checksum of the rest.
bool VerifyFrame(std::string_view line);

// The TAB-separated parts of a received line (the checksum is the last part).
std::vector<std::string_view> SplitFields(std::string_view line);
// A number written only in hex digits (either case); nothing for anything else.
std::optional<int> HexNumber(std::string_view text);
// Hex digit pairs to bytes; nothing unless the text is made of hex digit pairs only.
std::optional<std::string> HexBytes(std::string_view text);
// Upper-case hex digits without leading zeros, as messages show numbers.
std::string HexDigits(int value);

}  // namespace tpw
