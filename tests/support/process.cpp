#include "support/process.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <random>

#include "support/test_support.h"

namespace tpw::test {

ProcessResult RunCommand(const std::string& commandLine) {
  std::random_device device;
  const auto base = std::filesystem::temp_directory_path() /
                    ("tpw52-process-" + std::to_string(device()) + std::to_string(device()));
  const auto out = base.string() + ".out";
  const auto err = base.string() + ".err";
  const int raw = std::system((commandLine + " >" + out + " 2>" + err + " </dev/null").c_str());
  ProcessResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = ReadBytes(out);
  result.err = ReadBytes(err);
  std::filesystem::remove(out);
  std::filesystem::remove(err);
  return result;
}

}  // namespace tpw::test
