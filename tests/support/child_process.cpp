#include "support/child_process.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>

namespace tpw::test {

namespace {

// The user "nobody" of most Unix systems.
constexpr uid_t Nobody = 65534;

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& arguments, const std::string& errPath) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) throw std::runtime_error("pipe");
  pid_ = fork();
  if (pid_ == 0) {
    dup2(pipeEnds[1], 1);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(err, 2);
    const int nothing = open("/dev/null", O_RDONLY);
    dup2(nothing, 0);
    close(pipeEnds[0]);
    std::vector<char*> argv;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(pipeEnds[1]);
  out_ = pipeEnds[0];
}

ChildProcess::~ChildProcess() {
  if (!ended_) {
    signal(SIGKILL);
    wait();
  }
  close(out_);
}

std::string ChildProcess::readLine() {
  std::string line;
  char c = 0;
  while (read(out_, &c, 1) == 1 && c != '\n') line += c;
  return line;
}

int ChildProcess::wait(double* cpuSeconds) {
  int status = 0;
  rusage usage{};
  wait4(pid_, &status, 0, &usage);
  if (cpuSeconds) {
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    *cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
  }
  ended_ = true;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::optional<int> RunAsOrdinaryUser(const std::function<int()>& body) {
  const pid_t child = fork();
  if (child == 0) {
    if (getuid() == 0 &&
        (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0)) {
      _exit(127);
    }
    _exit(body());
  }
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) == 127) return std::nullopt;
  return WEXITSTATUS(status);
}

std::string AsOrdinaryUser(const std::string& commandLine) {
  if (getuid() != 0) return commandLine;
  return "setpriv --reuid=" + std::to_string(Nobody) + " --regid=" + std::to_string(Nobody) +
         " --clear-groups " + commandLine;
}

void GiveToOrdinaryUser(const std::filesystem::path& path) {
  if (getuid() == 0 && chown(path.c_str(), Nobody, Nobody) != 0) {
    throw std::runtime_error("chown " + path.string());
  }
}

}  // namespace tpw::test
