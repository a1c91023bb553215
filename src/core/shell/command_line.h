#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session/workspace.h"

namespace tpw {

// The switches of the command line: the text is split at every "/", each piece trimmed and
// upper-cased; "D" is debug mode, "E" low speed, "NT" echo checking. Other pieces, and the text
// before the first "/", are ignored.
CommandLineFlags ParseCommandLine(std::string_view commandLine);
// The option names of a command line as the parse compares them: each piece after a "/",
// trimmed and upper-cased, in order.
std::vector<std::string> CommandLineOptions(std::string_view commandLine);
// True when one of the options is name (upper case), for the switches of one program only
// ("DEMO" of the desktop application).
bool HasCommandLineOption(const std::vector<std::string>& arguments, std::string_view name);
// The same over program arguments (without the program name), joined by blanks.
CommandLineFlags ParseCommandLine(const std::vector<std::string>& arguments);

// The arguments of the desktop application: "--help" (or "-h") and "--version" ask for a text
// and no window; an argument that ends in ".dat" or names an existing file is the channel data
// file to open at start (the first such; a path's slashes are never read as switches); the
// rest are the switches. "--lang CODE" (or "--lang=CODE") names the language of the run.
struct StartArguments {
  bool help = false;
  bool version = false;
  std::optional<std::string> language;  // "" when --lang came without a code
  std::string dataFile;
  std::vector<std::string> ignoredFiles;  // further data files: one is opened at a time
  std::vector<std::string> switches;
};
StartArguments SplitStartArguments(const std::vector<std::string>& arguments);

}  // namespace tpw
