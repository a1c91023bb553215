#include "shell/command_line.h"

#include <filesystem>
#include <iterator>

#include "image/encodings.h"
#include "image/text_values.h"

namespace tpw {

namespace {

std::string Joined(const std::vector<std::string>& arguments) {
  std::string joined;
  for (const std::string& argument : arguments) joined += argument + " ";
  return joined;
}

bool NamesDataFile(const std::string& argument) {
  if (ToUpper(std::filesystem::path(argument).extension().string()) == ".DAT") return true;
  std::error_code error;
  return std::filesystem::is_regular_file(argument, error);
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

StartArguments SplitStartArguments(const std::vector<std::string>& arguments) {
  StartArguments start;
  for (auto it = arguments.begin(); it != arguments.end(); ++it) {
    const std::string& argument = *it;
    if (argument == "--lang") {
      const bool hasCode = std::next(it) != arguments.end();
      start.language = hasCode ? *++it : std::string();
    } else if (argument.starts_with("--lang=")) {
      start.language = argument.substr(7);
    } else if (argument == "--help" || argument == "-h") {
      start.help = true;
    } else if (argument == "--version") {
      start.version = true;
    } else if (NamesDataFile(argument)) {
      if (start.dataFile.empty()) {
        start.dataFile = argument;
      } else {
        start.ignoredFiles.push_back(argument);
      }
    } else {
      start.switches.push_back(argument);
    }
  }
  return start;
}

}  // namespace tpw
