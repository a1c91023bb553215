#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "image/field_table.h"
#include "session/workspace.h"

// A field's value in the text form of a channel data file, both ways: what the writer puts
// after "=", and what the reader takes from there, with the range the radio holds. Whatever
// exchanges single values as text (a cell of a channel list, a line of a data file) uses these.
namespace tpw {

// A frequency in MHz in its shortest form with at most 15 significant digits: 156.08, 0.
std::string FormatFileFrequency(double megahertz);

// The value as a data file writes it: a flag 1 or 0, a number in decimal, a frequency in its
// shortest form, a text as it is. The "#" some keys put before a value is the writer's.
std::string FieldFileText(const FieldValue& value);

// The value a data file's text gives that entry of the field, or nothing when the text is no
// such value or the radio cannot hold it. Flags are 0 or another number, True or False;
// numbers are rounded to the nearest whole number, ties to even; frequencies are 0 or above
// 100 and below 200 MHz; an ATIS code loses the blanks around it.
std::optional<FieldValue> ParseFieldText(const FieldSpec& field, std::string_view text,
                                         int entry = 0);

// What that entry of the field takes, for a note on a text it did not: "a whole number from
// 0 to 3", "0, 1, True or False".
std::string FieldExpectation(const FieldSpec& field, int entry = 0);

// True when data files of this model hold the field: the scrambler's only with a scrambler.
bool InDataFile(const FieldSpec& field, const ModelCaps& caps);

// The templates of the expectations above, for the programs that show them translated.
std::span<const char* const> FieldExpectationTemplates();

}  // namespace tpw
