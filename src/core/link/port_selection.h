#pragma once

#include <optional>
#include <string_view>

// Serial ports as Windows names them: by number, found in the device's friendly name.
namespace tpw {

// The port menu offers at most this many ports.
inline constexpr int PortMenuSize = 16;

// The number of "... (COM12)": the text after "COM" up to the closing parenthesis, read as a
// number; nothing for a name without "(COM" or a number below 1.
std::optional<int> ComNumberOf(std::string_view friendlyName);

}  // namespace tpw
