#include "shell/command_line.h"

#include "files/text_values.h"

namespace tpw {

CommandLineFlags ParseCommandLine(std::string_view commandLine) {
  CommandLineFlags flags;
  std::size_t slash = commandLine.find('/');
  while (slash != std::string_view::npos) {
    const std::size_t next = commandLine.find('/', slash + 1);
    const std::string option = NormalisedName(commandLine.substr(slash + 1, next - slash - 1));
    if (option == "D") flags.DebugMode = true;
    if (option == "E") flags.LowSpeed = true;
    if (option == "NT") flags.EchoCheckSkip = false;
    slash = next;
  }
  return flags;
}

CommandLineFlags ParseCommandLine(const std::vector<std::string>& arguments) {
  std::string joined;
  for (const std::string& argument : arguments) joined += argument + " ";
  return ParseCommandLine(joined);
}

}  // namespace tpw
