#pragma once

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

// Writes the data set's image to the radio after the checks. A write that stops early leaves in
// the radio what was written up to then. With readFirst the radio's whole memory is read first
// (and passed to the observer); a read that does not complete stops the write before anything
// is written.
TransferResult ProgramRadio(RadioLink& link, const WriteChecks& checks);
// Writes image by the plan, and counts a new ATIS code in the radio (the image then holds the
// new count). A code new to the radio is written only when the user confirms it; the image
// goes to the observer just before the plan. When the radio holds an ATIS code other than the
// image's, it keeps it: keptAtisCode of the result then says which, since the user must learn
// that the radio did not take the data's code, or still holds one where the data hold none.
// With verify every block written is read back afterwards: a radio that holds other bytes than
// were sent fails the write.
TransferResult WriteByPlan(RadioLink& link, MemoryImage& image, bool verify);
// The end of a write or clear that sent everything (the port closes): finished, or failed in
// the read-back when the radio holds other bytes than were sent.
TransferResult EndVerified(RadioLink& link, const WriteVerification& verification);

// The radio's bytes address .. address+length-1, read into radio at their own addresses, when
// done.
LinkOutcome ReadRadioBytes(RadioLink& link, int address, int length, MemoryImage& radio);
// The radio's byte at address plus one (0xFF stays 0xFF) in next, when done.
LinkOutcome ReadRadioCountPlusOne(RadioLink& link, int address, std::uint8_t& next);

}  // namespace tpw
