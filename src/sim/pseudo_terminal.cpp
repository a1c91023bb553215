#include "sim/pseudo_terminal.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <stdexcept>

namespace tpw::sim {

PseudoTerminal::PseudoTerminal() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
    throw std::runtime_error("cannot create a pseudo-terminal");
  }
  path_ = ptsname(master_);
  slave_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY);
  if (slave_ < 0) throw std::runtime_error("cannot open " + path_);
  // A program started from this one must not hold the line open: closing it is a hang-up.
  fcntl(master_, F_SETFD, FD_CLOEXEC);
  fcntl(slave_, F_SETFD, FD_CLOEXEC);
  termios raw{};
  tcgetattr(slave_, &raw);
  cfmakeraw(&raw);
  tcsetattr(slave_, TCSANOW, &raw);
}

PseudoTerminal::~PseudoTerminal() {
  hangUp();
}

void PseudoTerminal::hangUp() {
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
  slave_ = master_ = -1;
}

std::string PseudoTerminal::read(std::chrono::milliseconds timeout) {
  // After a hang-up the descriptor is -1, which poll leaves alone: the call only waits.
  pollfd fd{master_, POLLIN, 0};
  if (poll(&fd, 1, static_cast<int>(timeout.count())) <= 0 || !(fd.revents & POLLIN)) return {};
  char buffer[4096];
  const ssize_t count = ::read(master_, buffer, sizeof buffer);
  return count > 0 ? std::string(buffer, static_cast<std::size_t>(count)) : std::string();
}

void PseudoTerminal::write(const std::string& bytes) {
  std::size_t done = 0;
  while (master_ >= 0 && done < bytes.size()) {
    const ssize_t count = ::write(master_, bytes.data() + done, bytes.size() - done);
    if (count <= 0) return;
    done += static_cast<std::size_t>(count);
  }
}

struct StopRequest::Masks {
  sigset_t stop;
  sigset_t previous;
};

StopRequest::StopRequest() : masks_(std::make_unique<Masks>()) {
  sigemptyset(&masks_->stop);
  sigaddset(&masks_->stop, SIGINT);
  sigaddset(&masks_->stop, SIGTERM);
  sigprocmask(SIG_BLOCK, &masks_->stop, &masks_->previous);
}

StopRequest::~StopRequest() {
  // A stop that has been noticed is consumed here rather than delivered on unblocking.
  if (requested()) {
    int signal = 0;
    sigwait(&masks_->stop, &signal);
  }
  sigprocmask(SIG_SETMASK, &masks_->previous, nullptr);
}

bool StopRequest::requested() const {
  sigset_t pending;
  sigpending(&pending);
  return sigismember(&pending, SIGINT) || sigismember(&pending, SIGTERM);
}

}  // namespace tpw::sim
