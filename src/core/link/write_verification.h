#pragma once

#include "link/radio_link.h"

namespace tpw {

// Reads back, on the open port, every 16-byte block that holds a byte the radio acknowledged
// in this link, and compares each of those bytes with the byte sent. Bytes of those blocks
// that were not sent are not compared: the radio keeps its own there. Done when every block
// came back, and verification then says whether the radio holds what was sent.
LinkOutcome VerifyAcknowledgedWrites(RadioLink& link, WriteVerification& verification);

}  // namespace tpw
