#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/process.h"
#include "support/test_support.h"

namespace tpw::test {

// A case file (tests/data/command-cases) lists commands and what each must give:
//
//   # Why the case is there.
//   $ convert {dir}/in.hex {dir}/out.dat     the arguments, each {name} replaced
//   ? 1                                      the exit status
//   2> FileSave Error!!                      a line of stderr ("> ": of stdout)
//   2> {dir}/out.dat: it is a device...      "..." at the end: what follows is not compared
//
// A "..." line first: what comes before is not compared. A stream without a line in the file
// must stay empty. "nobody$ " instead of "$ " runs the command as an ordinary user.
struct CommandCase {
  int line = 0;
  std::string arguments;
  bool asOrdinaryUser = false;
  int status = 0;
  std::string out;
  std::string err;
};

// The text with each {name} replaced by its value.
inline std::string WithNames(std::string text, const std::map<std::string, std::string>& names) {
  for (const auto& [name, value] : names) {
    for (std::size_t at; (at = text.find("{" + name + "}")) != std::string::npos;) {
      text.replace(at, name.size() + 2, value);
    }
  }
  return text;
}

inline std::vector<CommandCase> ReadCommandCases(const std::filesystem::path& file,
                                                 const std::map<std::string, std::string>& names) {
  std::istringstream in(ReadBytes(file));
  std::vector<CommandCase> cases;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    line = WithNames(line, names);
    const auto after = [&line](std::size_t n) { return line.substr(std::min(n, line.size())); };
    if (line.starts_with("$") || line.starts_with("nobody$")) {
      cases.push_back({number, after(line.find('$') + 2), line.starts_with("nobody")});
    } else if (line.starts_with("? ")) {
      cases.back().status = std::stoi(line.substr(2));
    } else if (line.starts_with(">")) {
      cases.back().out += after(2) + "\n";
    } else if (line.starts_with("2>")) {
      cases.back().err += after(3) + "\n";
    } else {
      EXPECT_TRUE(line.empty() || line.starts_with("#")) << file << ":" << number << ": " << line;
    }
  }
  return cases;
}

// The text is what the case file wrote down, or ends or begins with it (a "..." line first, or
// "..." at the end).
inline void ExpectWritten(const std::string& text, const std::string& written) {
  if (written.starts_with("...\n")) {
    EXPECT_THAT(text, ::testing::EndsWith(written.substr(4)));
  } else if (written.ends_with("...\n")) {
    EXPECT_THAT(text, ::testing::StartsWith(written.substr(0, written.size() - 4)));
  } else {
    EXPECT_EQ(text, written);
  }
}

// Runs the program with the arguments of every case of the file, after an environment ("env
// NAME=VALUE ") when one is given.
inline void ExpectCommandCases(const std::string& program, const std::filesystem::path& file,
                               const std::map<std::string, std::string>& names,
                               const std::string& environment = "") {
  const std::vector<CommandCase> cases = ReadCommandCases(file, names);
  EXPECT_FALSE(cases.empty()) << file << " holds no case";
  for (const CommandCase& c : cases) {
    SCOPED_TRACE(file.filename().string() + ":" + std::to_string(c.line) + ": " + c.arguments);
    const std::string command = environment + program + " " + c.arguments;
    const ProcessResult result = RunCommand(c.asOrdinaryUser ? AsOrdinaryUser(command) : command);
    EXPECT_EQ(result.status, c.status);
    ExpectWritten(result.out, c.out);
    ExpectWritten(result.err, c.err);
  }
}

}  // namespace tpw::test
