#include "cli/console.h"

#if defined(_WIN32)
#include <io.h>

#include <atomic>
#include <csignal>
#else
#include <unistd.h>

#include <csignal>
#endif

namespace tpw::cli {

#if defined(_WIN32)

namespace {
// A signal handler can only reach the program through a flag of its own.
std::atomic<int> gInterrupts{0};
void CountInterrupt(int) {
  ++gInterrupts;
  std::signal(SIGINT, CountInterrupt);
}
}  // namespace

bool IsTerminal(int stream) {
  return _isatty(stream) != 0;
}

InterruptWatch::InterruptWatch() {
  std::signal(SIGINT, CountInterrupt);
}
InterruptWatch::~InterruptWatch() {
  std::signal(SIGINT, SIG_DFL);
}

bool InterruptWatch::taken() {
  if (gInterrupts.load() == 0) return false;
  --gInterrupts;
  return true;
}

#else

namespace {
// SIGINT is held back while the watch lives and taken from the pending set by taken(): no
// handler and no flag shared with one.
sigset_t InterruptSet() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  return set;
}
}  // namespace

bool IsTerminal(int stream) {
  return isatty(stream) != 0;
}

InterruptWatch::InterruptWatch() {
  const sigset_t interrupt = InterruptSet();
  sigprocmask(SIG_BLOCK, &interrupt, nullptr);
}

InterruptWatch::~InterruptWatch() {
  taken();
  const sigset_t interrupt = InterruptSet();
  sigprocmask(SIG_UNBLOCK, &interrupt, nullptr);
}

bool InterruptWatch::taken() {
  sigset_t pending;
  sigpending(&pending);
  if (!sigismember(&pending, SIGINT)) return false;
  const sigset_t interrupt = InterruptSet();
  int signal = 0;
  sigwait(&interrupt, &signal);
  return true;
}

#endif

}  // namespace tpw::cli
