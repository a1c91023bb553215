#include "image/display_text.h"

#include <charconv>
#include <cstdlib>

#include "image/channel_tables.h"
#include "image/encodings.h"
#include "image/text_values.h"

namespace tpw {

namespace {

// The value with the given number of decimals and at least three integer digits, as the
// display patterns "000.000" and "000.0000" give it.
std::string FixedWithThreeIntegerDigits(double value, int decimals) {
  char buffer[64];
  auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string text(buffer, result.ptr);
  const auto point = text.find('.');
  const std::size_t integerDigits = point == std::string::npos ? text.size() : point;
  if (integerDigits < 3) text.insert(0, 3 - integerDigits, '0');
  return text;
}

}  // namespace

std::string FormatFreq3(double value) {
  if (!(value > 0)) return "---.---";
  return FixedWithThreeIntegerDigits(value, 3);
}

std::string FormatFreq3Masked(double value, bool mask) {
  return mask ? "---.---" : FormatFreq3(value);
}

std::string FormatFreq4(double value) {
  if (!(value > 0)) return "---.----";
  return FixedWithThreeIntegerDigits(SnapFreq(value), 4);
}

std::string FieldOrDashes(std::string_view text) {
  return text.empty() ? "--" : PadRight(text, 2);
}

std::string GroupLabelsLine(const SettingsModel& model) {
  std::string line;
  for (int g = 0; g < 3; ++g) {
    line += (model.groups[static_cast<std::size_t>(g)].label + "  ").substr(0, 5);
  }
  return line;
}

std::string ExpLabel() {
  return "EXP";
}

std::string ChannelDisplayName(const ChannelRecord& record) {
  if (record.position < 0 || record.position >= MarineChannelCount) return {};
  std::string name = record.statusNo == 1 ? "10" : record.statusNo == 2 ? "20" : "";
  name += MarineChannels()[static_cast<std::size_t>(record.position)].ChName;
  name += record.statusIcon == 1 ? "A" : record.statusIcon == 2 ? "B" : "";
  return name;
}

std::string RxFreqText(const ChannelRecord& record) {
  if (!IsTableChannel(record)) return {};
  return FormatFreq3(RecordRxFreq(record));
}

std::string TxFreqText(const ChannelRecord& record) {
  if (!IsTableChannel(record)) return {};
  return FormatFreq3Masked(RecordTxFreq(record), !record.txEnabled);
}

std::string DuplexLabel(int duplex) {
  switch (std::abs(duplex)) {
    case 1:
      return "RX_SIMP";
    case 2:
      return "DUP";
    case 3:
      return "Reverse DUP";
    default:
      return "TX_SIMP";
  }
}

std::string OnOffLabel(bool value) {
  return value ? "On" : "Off";
}
std::string OnDashLabel(bool value) {
  return value ? "On" : "---";
}

std::string ModeSelectLabel(int value) {
  return value == 0 ? "DW" : value == 1 ? "TW" : "";
}

std::string ResumeTimeLabel(int value) {
  if (value == 0) return "--";
  if (value >= 1 && value <= 5) return std::to_string(value) + "Sec";
  return {};
}

std::string AtisModeLabel(int value) {
  return value == 0 ? "Normal" : value == 1 ? "Special" : "";
}

std::string EnableLabel(bool value) {
  return value ? "ENABLE" : "------";
}
std::string TxLabel(bool value) {
  return value ? "TX" : "--";
}
std::string LowLabel(bool value) {
  return value ? "LOW" : "---";
}
std::string UpLabel(bool value) {
  return value ? "UP" : "--";
}
std::string MemLabel(bool value) {
  return value ? "MEM" : "---";
}

std::string ScrambleLabel(int value) {
  if ((value & 4) == 0) return "---";
  return " " + std::to_string(value & 3);
}

}  // namespace tpw
