#pragma once

#include "link/radio_link.h"

namespace tpw {

// Reads the radio's whole memory into a copy of the image after the checks; the image and the
// settings change only when every block has arrived, so a failed or cancelled read leaves them
// as they were. Done with regionChangeAccepted when the user agreed to take the radio's region.
TransferResult ReadRadio(RadioLink& link);

// Reads the 128 blocks into scratch and ends the read (the port closes).
LinkOutcome ReadAllBlocks(RadioLink& link, MemoryImage& scratch);
// The 128 blocks into scratch on the open port, without the end: the operation that reads goes
// on. A cancel sends the abort byte and waits for the radio to leave the transfer.
LinkOutcome ReadBlocks(RadioLink& link, MemoryImage& scratch);

// Progress shown while the block at this address is on its way.
int BlockProgress(int address);

}  // namespace tpw
