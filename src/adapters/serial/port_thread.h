#pragma once

#include <functional>
#include <memory>

#include "shell/fleet_run.h"

namespace tpw::serial {

// A thread on which QtSerialPort works as on the main one: a QThread, whose event dispatcher
// the port's notifiers need.
std::unique_ptr<RadioThread> StartPortThread(std::function<void()> work);

}  // namespace tpw::serial
