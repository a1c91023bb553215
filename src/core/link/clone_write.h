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

// Writes the image to the radio after the checks; "Complete!!" on success. A write that stops
// early leaves in the radio what was written up to then. With readFirst the radio's whole
// memory is read first (and passed to the observer); a read that does not complete stops the
// write before anything is written.
Outcome ProgramRadio(RadioLink& link, bool readFirst = false);
// Writes by the plan, and counts a new ATIS code in the radio. A code new to the radio is
// written only when the user confirms it; the image goes to the observer just before the plan.
// When the radio holds an ATIS code other than the image's, it keeps it: keptCode then holds the
// radio's code (else it is empty), since the user must learn that the PC's code was not sent.
Outcome WriteByPlan(RadioLink& link, std::string& keptCode);

// The radio's bytes address .. address+length-1, read into radio at their own addresses, when
// Done.
Outcome ReadRadioBytes(RadioLink& link, int address, int length, MemoryImage& radio);
// The radio's byte at address plus one (0xFF stays 0xFF) in next, when Done.
Outcome ReadRadioCountPlusOne(RadioLink& link, int address, std::uint8_t& next);

}  // namespace tpw
