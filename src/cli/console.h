#pragma once

#include <optional>
#include <string>

namespace tpw::cli {

// The terminal's platform services, kept here so the rest of the command line stays portable.

// True when the standard stream (0 in, 1 out, 2 err) is a terminal.
bool IsTerminal(int stream);

// Turns Ctrl-C, a request to end the program (SIGTERM) and a hang-up of the terminal (SIGHUP)
// into a request the program picks up between two waits, instead of the end of the program,
// for as long as the object lives.
class InterruptWatch {
 public:
  InterruptWatch();
  ~InterruptWatch();
  InterruptWatch(const InterruptWatch&) = delete;
  InterruptWatch& operator=(const InterruptWatch&) = delete;
  // The signal that arrived since the last call, if any.
  std::optional<int> taken();
};

// What a stop signal is, in words: "Ctrl-C (SIGINT)".
std::string StopSignalName(int signal);

}  // namespace tpw::cli
