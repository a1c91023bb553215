#include "cli/console.h"

#include <array>
#include <csignal>

#if defined(_WIN32)
#include <io.h>

#include <atomic>
#else
#include <unistd.h>

#include "cli/language.h"
#endif

namespace tpw::cli {

namespace {

#if defined(_WIN32)
constexpr std::array kStopSignals = {SIGINT, SIGTERM, SIGBREAK};
#else
constexpr std::array kStopSignals = {SIGINT, SIGTERM, SIGHUP};
#endif

}  // namespace

std::string StopSignalName(int signal) {
  switch (signal) {
    case SIGINT:
      return Said(TPW_TEXT("Cli", "Ctrl-C (SIGINT)"));
    case SIGTERM:
      return Said(TPW_TEXT("Cli", "a request to end the program (SIGTERM)"));
#if defined(_WIN32)
    case SIGBREAK:
      return Said(TPW_TEXT("Cli", "Ctrl-Break (SIGBREAK)"));
#else
    case SIGHUP:
      return Said(TPW_TEXT("Cli", "the terminal hanging up (SIGHUP)"));
#endif
    default:
      return Said(TPW_TEXT("Cli", "signal %1"), {std::to_string(signal)});
  }
}

#if defined(_WIN32)

namespace {
// A signal handler can only reach the program through a flag of its own.
std::atomic<int> gStopSignal{0};
void NoteStop(int signal) {
  gStopSignal = signal;
  std::signal(signal, NoteStop);
}
}  // namespace

bool IsTerminal(int stream) {
  return _isatty(stream) != 0;
}

InterruptWatch::InterruptWatch() {
  for (int signal : kStopSignals) std::signal(signal, NoteStop);
}
InterruptWatch::~InterruptWatch() {
  for (int signal : kStopSignals) std::signal(signal, SIG_DFL);
}

std::optional<int> InterruptWatch::taken() {
  const int signal = gStopSignal.exchange(0);
  if (signal == 0) return std::nullopt;
  return signal;
}

#else

namespace {
// The stop signals are held back while the watch lives and taken from the pending set by
// taken(): no handler and no flag shared with one.
sigset_t StopSet() {
  sigset_t set;
  sigemptyset(&set);
  for (int signal : kStopSignals) sigaddset(&set, signal);
  return set;
}
}  // namespace

bool IsTerminal(int stream) {
  return isatty(stream) != 0;
}

InterruptWatch::InterruptWatch() {
  const sigset_t stop = StopSet();
  sigprocmask(SIG_BLOCK, &stop, nullptr);
}

InterruptWatch::~InterruptWatch() {
  while (taken()) {
  }
  const sigset_t stop = StopSet();
  sigprocmask(SIG_UNBLOCK, &stop, nullptr);
}

std::optional<int> InterruptWatch::taken() {
  sigset_t pending;
  sigpending(&pending);
  for (int signal : kStopSignals) {
    if (!sigismember(&pending, signal)) continue;
    sigset_t one;
    sigemptyset(&one);
    sigaddset(&one, signal);
    int received = 0;
    sigwait(&one, &received);
    return received;
  }
  return std::nullopt;
}

#endif

}  // namespace tpw::cli
