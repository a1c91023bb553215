#pragma once

#include "link/radio_link.h"

// The checks made before anything moves: the radio is ready, is the model this program
// serves with its product code, and agrees with the PC on the region. Each check shows its own
// failure; a cancel ends it silently.
namespace tpw {

// Done when the radio reports ready. A busy radio may be retried as often as the user asks.
Outcome CheckStatus(RadioLink& link);

// The model words at both ends of the radio's memory.
Outcome CheckModel(RadioLink& link);
Outcome CheckProductCode(RadioLink& link);
// The same check of the image about to be written, made before the radio is touched: a radio
// that took another code would refuse every later read and write.
Outcome CheckProductCodeToWrite(Context& ctx);

struct CheckResult {
  Outcome outcome = Outcome::Failed;
  // The regions differed and the user agreed to take the radio's.
  bool regionChangeAccepted = false;
};
CheckResult CheckRegion(RadioLink& link);

// The checks an operation makes before anything moves, in order, each only after the one
// before passed: the status ("Radio not ready!!" when it is not), the model, and for a read
// or a write also the product code and the region.
enum class Checks { StatusAndModel, Full };
CheckResult RunChecks(RadioLink& link, Checks checks);

}  // namespace tpw
