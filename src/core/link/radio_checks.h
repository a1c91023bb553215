#pragma once

#include "link/radio_link.h"

// The checks made before anything moves: the radio is ready, is the model this program
// serves with its product code, and agrees with the PC on the region.
namespace tpw {

// True when the radio reports ready. A busy radio may be retried as often as the user asks.
bool CheckStatus(RadioLink& link);

// Each leaves ErrorFlag set after a failure (shown by the check) and CancelFlag after a cancel.
void ReadDataChkModel(RadioLink& link);
void ReadDataChkProduct(RadioLink& link);
// True when the regions differ and the user agreed to take the radio's region.
bool ReadDataChkRegion(RadioLink& link);

// The checks an operation makes before anything moves, in order, each only while the flags
// are clear: the status ("Radio not ready!!" when it is not), the model, and for a read or a
// write also the product code and the region. True when all passed.
enum class Checks { StatusAndModel, Full };
bool PassChecks(RadioLink& link, Checks checks, bool& regionChangeAccepted);

inline constexpr const char* ProductCodeText = "TR381K";

}  // namespace tpw
