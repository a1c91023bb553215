#pragma once

#include "link/radio_link.h"

namespace tpw {

// Erases the ATIS code in the radio (and then on the PC), the only way to change a code the
// radio already holds. On failure or cancel the PC keeps its code.
Outcome ClearRadioAtis(RadioLink& link);

// Writes the five code bytes (0xFF) and the PC's counter byte, one byte at a time.
Outcome EraseAtisCodeInRadio(RadioLink& link);

}  // namespace tpw
