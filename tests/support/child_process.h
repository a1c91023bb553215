#pragma once

#include <sys/types.h>

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
  void signal(int number);
  // Waits for the end; the exit status, or -1 when the program did not exit normally.
  // cpuSeconds, when given, receives the user and system time the program used.
  int wait(double* cpuSeconds = nullptr);

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  bool ended_ = false;
};

}  // namespace tpw::test
