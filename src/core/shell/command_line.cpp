#include "shell/command_line.h"

#include "image/text_values.h"

namespace tpw {

namespace {

std::string Joined(const std::vector<std::string>& arguments) {
  std::string joined;
  for (const std::string& argument : arguments) joined += argument + " ";
  return joined;
}

}  // namespace

std::vector<std::string> CommandLineOptions(std::string_view commandLine) {
  std::vector<std::string> options;
  std::size_t slash = commandLine.find('/');
  while (slash != std::string_view::npos) {
    const std::size_t next = commandLine.find('/', slash + 1);
    options.push_back(NormalisedName(commandLine.substr(slash + 1, next - slash - 1)));
    slash = next;
  }
  return options;
}

CommandLineFlags ParseCommandLine(std::string_view commandLine) {
  CommandLineFlags flags;
  for (const std::string& option : CommandLineOptions(commandLine)) {
    if (option == "D") flags.DebugMode = true;
    if (option == "E") flags.LowSpeed = true;
    if (option == "NT") flags.EchoCheckSkip = false;
  }
  return flags;
}

CommandLineFlags ParseCommandLine(const std::vector<std::string>& arguments) {
  return ParseCommandLine(Joined(arguments));
}

bool HasCommandLineOption(const std::vector<std::string>& arguments, std::string_view name) {
  for (const std::string& option : CommandLineOptions(Joined(arguments))) {
    if (option == name) return true;
  }
  return false;
}

}  // namespace tpw
