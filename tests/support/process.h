#pragma once

#include <string>

namespace tpw::test {

// Runs a command line through the shell and collects what it prints.
struct ProcessResult {
  int status = -1;  // exit status, or -1 when the process did not exit normally
  std::string out;
  std::string err;
};

ProcessResult RunCommand(const std::string& commandLine);

}  // namespace tpw::test
