#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Serial ports as Windows names them: by number, found in the device's friendly name.
namespace tpw {

inline constexpr int PortMenuSize = 16;

// The number of "... (COM12)": the text after "COM" up to the closing parenthesis, read as a
// number; nothing for a name without "(COM" or a number below 1.
std::optional<int> ComNumberOf(std::string_view friendlyName);

// The port numbers the port menu offers: ascending, at most PortMenuSize of them.
std::vector<int> PortMenuNumbers(const std::vector<std::string>& friendlyNames);

}  // namespace tpw
