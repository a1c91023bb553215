#pragma once

#include "link/radio_link.h"

// The checks made before anything moves: the radio is ready, is the model this program
// serves with its product code, and agrees with the PC on the region. Each check returns what
// it found, in its own step; a cancel ends it silently.
namespace tpw {

// Done when the radio reports ready. A busy radio may be retried as often as the user asks.
TransferResult CheckStatus(RadioLink& link);

// The model words at both ends of the radio's memory; failed without a link failure when they
// are another model's.
TransferResult CheckModel(RadioLink& link);
// The product code; failed with the first differing byte when it is another model's.
TransferResult CheckProductCode(RadioLink& link);
// The same check of the image about to be written, made before the radio is touched: a radio
// that took another code would refuse every later read and write.
TransferResult CheckProductCodeToWrite(const MemoryImage& image);

// The region; done when it agrees, or when the user agreed to take the radio's
// (regionChangeAccepted); cancelled when the user declined it; failed with both regions when
// they are never mixed.
TransferResult CheckRegion(RadioLink& link);

// The checks an operation makes before anything moves, in order, each only after the one
// before passed and while the user has not cancelled: the status, the model, and for a read
// or a write also the product code and the region. Done in the step Finished.
enum class Checks { StatusAndModel, Full };
TransferResult RunChecks(RadioLink& link, Checks checks);

}  // namespace tpw
