#pragma once

#include "link/radio_link.h"

namespace tpw {

// Erases the ATIS code in the radio (and then on the PC), the only way to change a code the
// radio already holds. On failure or cancel the PC keeps its code. With verify the six bytes
// are read back: a radio that holds others fails the clear.
TransferResult ClearRadioAtis(RadioLink& link, bool verify);

// Writes the five code bytes (0xFF) and then count as the counter byte, one byte at a time, on
// the port it leaves open.
LinkOutcome EraseAtisCodeInRadio(RadioLink& link, std::uint8_t count);

}  // namespace tpw
