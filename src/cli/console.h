#pragma once

namespace tpw::cli {

// The terminal's platform services, kept here so the rest of the command line stays portable.

// True when the standard stream (0 in, 1 out, 2 err) is a terminal.
bool IsTerminal(int stream);

// Turns Ctrl-C into a request the program picks up between two waits, instead of the end of
// the program, for as long as the object lives.
class InterruptWatch {
 public:
  InterruptWatch();
  ~InterruptWatch();
  InterruptWatch(const InterruptWatch&) = delete;
  InterruptWatch& operator=(const InterruptWatch&) = delete;

  // True (once per Ctrl-C) when the user pressed it.
  bool taken();
};

}  // namespace tpw::cli
