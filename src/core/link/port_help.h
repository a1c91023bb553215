#pragma once

#include <string>
#include <string_view>

// What the user can check when no serial port is found, or a port goes away, on each system:
// the cable first, then what is known to take or refuse USB serial adapters there.
namespace tpw {

enum class Platform { Linux, Windows, MacOS, Other };

// The system the program runs on.
Platform ThisPlatform();

// True when a port's description says that the system's driver refuses the adapter's chip as
// a copy (what Prolific's Windows drivers write in place of the port's name).
bool RefusedAdapterChip(std::string_view description);

// The no-port message: "There is no port that can be used!!" and what to check.
std::string NoPortText(Platform platform);

// What else can take a port away on this system, beyond the cable; empty where nothing is
// known. description: the port's own, when known.
std::string PortChecks(Platform platform, std::string_view description);

}  // namespace tpw
