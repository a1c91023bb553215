#pragma once

#include "session/host.h"

namespace tpw::gui {

// Time for the desktop application: every wait keeps the window alive (repaints, the Cancel
// button) by running the event loop instead of blocking the thread.
class EventLoopHost : public Host {
 public:
  void pause(std::chrono::milliseconds duration) override;
  Clock::time_point now() override { return Clock::now(); }
  void yield() override;
  // The half second after a file operation, during which the window shows the wait cursor.
  void settleAfterFile() override;
  // The window itself has no Cancel: the transfer dialog adds its own.
  bool cancelled() override { return false; }
};

}  // namespace tpw::gui
