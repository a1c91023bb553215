#pragma once

#include <sys/types.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tpw::test {

// A program started in the background, its stdout on a pipe and its stderr in a file.
class ChildProcess {
 public:
  ChildProcess(const std::vector<std::string>& arguments, const std::string& errPath);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // The next line the program prints (without its end); empty at the end of its output.
  std::string readLine();
  void signal(int number) { kill(pid_, number); }
  // Waits for the end; the exit status, or -1 when the program did not exit normally.
  // cpuSeconds, when given, receives the user and system time the program used.
  int wait(double* cpuSeconds = nullptr);

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  bool ended_ = false;
};

// The tests run as root in CI, where every file may be written: what an ordinary user meets
// (a read-only file, a folder of root's) is tried as the user "nobody" there, and as the user
// the tests run as elsewhere.

// Runs body in a child process as an ordinary user; its result is the child's exit status.
// Nothing when the child could not become one.
std::optional<int> RunAsOrdinaryUser(const std::function<int()>& body);
// The command line run as an ordinary user (through setpriv when the tests run as root).
std::string AsOrdinaryUser(const std::string& commandLine);
// Gives a file or folder made by the test to that user, so that it may write there.
void GiveToOrdinaryUser(const std::filesystem::path& path);

}  // namespace tpw::test
