#pragma once

#include <string>
#include <string_view>

#include "image/settings_model.h"

// The texts in which the channel grids and the report show stored values: frequencies,
// channel names and the labels of stored codes.
namespace tpw {

// Frequencies: "000.000" and "000.0000" (after SnapFreq); 0 or less shows dashes.
std::string FormatFreq3(double value);
std::string FormatFreq3Masked(double value, bool mask);
std::string FormatFreq4(double value);

// A display text cut or padded to its two characters; "--" when empty.
std::string FieldOrDashes(std::string_view text);

// For groups 0 to 2: the group label and two blanks, cut to five characters.
std::string GroupLabelsLine(const SettingsModel& model);
std::string ExpLabel();

// Name and frequencies of a record of the short-slot lists; empty for a record that names
// no channel of the table.
std::string ChannelDisplayName(const ChannelRecord& record);
std::string RxFreqText(const ChannelRecord& record);
std::string TxFreqText(const ChannelRecord& record);

// Labels of stored codes.
std::string DuplexLabel(int duplex);
std::string OnOffLabel(bool value);
std::string OnDashLabel(bool value);
std::string ModeSelectLabel(int value);
std::string ResumeTimeLabel(int value);
std::string AtisModeLabel(int value);
std::string EnableLabel(bool value);
std::string TxLabel(bool value);
std::string LowLabel(bool value);
std::string UpLabel(bool value);
std::string MemLabel(bool value);
std::string ScrambleLabel(int value);

}  // namespace tpw
