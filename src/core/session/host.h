#pragma once

#include <chrono>

namespace tpw {

// Time as the program experiences it: fixed pauses, a monotonic clock for deadlines, the hook
// through which a long operation lets the user interface run (so Cancel stays live), and the
// user's requests to stop.
class Host {
 public:
  using Clock = std::chrono::steady_clock;

  virtual ~Host() = default;
  virtual void pause(std::chrono::milliseconds duration) = 0;
  virtual Clock::time_point now() = 0;
  virtual void yield() = 0;
  // The short rest after a file operation that lets a window show what happened; nothing
  // where no window waits.
  virtual void settleAfterFile() = 0;
  // Asked on every pass of a wait and between the steps of a transfer, as a cancel callback is
  // asked on every packet: true when the user has asked to stop (the dialog's Cancel button,
  // Ctrl-C) since it was last asked. Each request is told once; the transfer that hears it
  // keeps it, and a second request can end a wait the first one could not.
  virtual bool cancelled() = 0;
};

// Real time, with nothing to keep alive between waits.
class SystemHost : public Host {
 public:
  void pause(std::chrono::milliseconds duration) override;
  Clock::time_point now() override { return Clock::now(); }
  void yield() override {}
  void settleAfterFile() override {}
  bool cancelled() override { return false; }
};

}  // namespace tpw
