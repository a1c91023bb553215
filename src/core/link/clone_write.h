#pragma once

#include <optional>
#include <vector>

#include "link/radio_link.h"

namespace tpw {

// One write exchange: a 16-byte block or a single byte.
struct PlannedWrite {
  int address;
  int length;
  bool operator==(const PlannedWrite&) const = default;
};

// What happens for one 16-byte block of memory; a block without writes is a short pause.
struct PlanRow {
  int block;
  std::vector<PlannedWrite> writes;
};

// The fixed order in which the image is written. The model words, the areas the PC keeps,
// 0x09F and the ATIS counter are never written; the ATIS code only when it is new to the radio.
std::vector<PlanRow> WritePlan(bool atisCodeNew);

// Writes the image to the radio after the checks; "Complete!!" on success.
TransferResult WriteProcedure(RadioLink& link);
void WriteData(RadioLink& link);

// True when the radio's bytes address .. address+length-1 all hold 0xFF.
bool RadioBytesAllFF(RadioLink& link, int address, int length);
// The radio's byte at address plus one (0xFF stays 0xFF); nothing when the read failed.
std::optional<std::uint8_t> ReadRadioCountPlusOne(RadioLink& link, int address);

}  // namespace tpw
