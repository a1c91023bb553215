#pragma once

#include "shell/workspace.h"

namespace tpw {

// Sets TransferBusy for the time a file is read or written, so that panels refilled meanwhile
// do not count their changes as edits.
class BusyScope {
 public:
  explicit BusyScope(Workspace& ws) : ws_(ws) { ws_.flags.TransferBusy = true; }
  ~BusyScope() { ws_.flags.TransferBusy = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  Workspace& ws_;
};

}  // namespace tpw
