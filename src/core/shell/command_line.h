#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/workspace.h"

namespace tpw {

// The switches of the command line: the text is split at every "/", each piece trimmed and
// upper-cased; "D" is debug mode, "E" low speed, "NT" echo checking. Other pieces, and the text
// before the first "/", are ignored.
CommandLineFlags ParseCommandLine(std::string_view commandLine);
// The same over program arguments (without the program name), joined by blanks.
CommandLineFlags ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace tpw
