#pragma once

#include "link/radio_link.h"

namespace tpw {

// Reads the radio's whole memory into a copy of the image; the image and the settings change
// only when every block has arrived, so a failed or cancelled read leaves them as they were.
TransferResult ReadProcedure(RadioLink& link);

// Reads the 128 blocks into scratch; success is both flags clear. A cancel sends the abort
// byte and waits for the radio to leave the transfer.
void ReadData(RadioLink& link, MemoryImage& scratch);

// The image takes the radio's bytes except those the PC keeps for itself.
void TakeRadioBytes(MemoryImage& image, const MemoryImage& radio);

// Progress shown while the block at this address is on its way.
int BlockProgress(int address);

}  // namespace tpw
