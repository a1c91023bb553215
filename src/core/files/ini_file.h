#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Reading single values from ini files ("global.ini", the [MAIN] section of a data file).
namespace tpw {

// The longest value the reader returns; longer values are cut.
inline constexpr std::size_t IniValueLimit = 127;

// The value of key in section: section and key compare without regard to case and blanks,
// the first occurrence wins, blanks around the value are dropped, the value is cut at a NUL
// and at 127 characters, and one leading "#" is removed ("#1" reads as "1"). A missing key,
// section or file gives "".
std::string ReadIniValue(const std::filesystem::path& file, std::string_view section,
                         std::string_view key);
// The same over a text already read.
std::string ReadIniValueFromText(std::string_view content, std::string_view section,
                                 std::string_view key);

}  // namespace tpw
