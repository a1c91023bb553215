#include "image/channel_tables.h"

#include <cstdlib>

#include "image/encodings.h"
#include "image/memory_map.h"

namespace tpw {

namespace {

std::string TwoDigits(int n) {
  return n < 10 ? "0" + std::to_string(n) : std::to_string(n);
}

bool IsTableChannel(const ChannelRecord& record) {
  return record.Position >= 0 && record.Position < MarineChannelCount && record.Duplex >= 0 &&
         record.Duplex <= 3;
}

}  // namespace

MarineChannelTable BuildMarineChannelTable() {
  MarineChannelTable table;
  // The frequencies are accumulated by repeated addition, as the radio's channel list is
  // built; displayed values are rounded and do not show the difference.
  double frequency = 156.0;
  for (int n = 0; n < MarineChannelCount; ++n) {
    if (n == 60) frequency = 156.025;
    ChannelDef& def = table[static_cast<std::size_t>(n)];
    def.ChName = TwoDigits(n);
    def.ShipTxFreq = frequency;
    def.ShipRxFreq = frequency;
    def.CoastFreq = frequency + 4.6;
    def.Defined = true;
    frequency += 0.05;
  }
  return table;
}

WxChannelTable BuildWxChannelTable() {
  static constexpr std::array<const char*, WxChannelCount> kFrequencies = {
      "162.550", "162.400", "162.475", "162.425", "162.450",
      "162.500", "162.525", "161.650", "161.775", "163.275"};
  WxChannelTable table;
  for (int k = 0; k < WxChannelCount; ++k) {
    const std::string text = kFrequencies[static_cast<std::size_t>(k)];
    ChannelDef& def = table[static_cast<std::size_t>(k)];
    def.ChName = "WX" + TwoDigits(k + 1) + "[" + text + "MHz]";
    def.ShipTxFreq = 0;
    def.ShipRxFreq = std::strtod(text.c_str(), nullptr);
    def.CoastFreq = def.ShipRxFreq;
    def.Defined = true;
    def.RecordLowPower = true;
    def.RecordDuplex = 0;
    def.FrequencyLabel = text + "MHZ";
  }
  return table;
}

const MarineChannelTable& MarineChannels() {
  static const MarineChannelTable table = BuildMarineChannelTable();
  return table;
}

const WxChannelTable& WxChannels() {
  static const WxChannelTable table = BuildWxChannelTable();
  return table;
}

int NormaliseRegion(int value) {
  return value >= 0 && value <= 5 ? value : UsaRegion;
}

std::string RegionName(int value) {
  static constexpr std::array<const char*, 6> kNames = {"INTL", "UK", "BE", "NL", "SW", "GRMN"};
  const int region = NormaliseRegion(value);
  return region == UsaRegion ? "USA" : kNames[static_cast<std::size_t>(region)];
}

std::string GroupTwoName(int value) {
  const int region = NormaliseRegion(value);
  return region == 0 || region == UsaRegion ? "CAN" : RegionName(region);
}

void SetRegion(MemoryImage& image, int value) {
  image.set(addr::RegionCode, static_cast<std::uint8_t>(NormaliseRegion(value)));
}

int RegionOf(const MemoryImage& image) {
  return NormaliseRegion(image.at(addr::RegionCode));
}

RegionMatch CompareRegions(int first, int second) {
  const int a = NormaliseRegion(first);
  const int b = NormaliseRegion(second);
  if (a == b) return RegionMatch::Same;
  if (a == UsaRegion || b == UsaRegion) return RegionMatch::Refused;
  return RegionMatch::Question;
}

std::string GroupLabelsLine(const SettingsModel& model) {
  std::string line;
  for (int g = 0; g < 3; ++g) {
    line += (model.groups[static_cast<std::size_t>(g)].GroupLabel + "  ").substr(0, 5);
  }
  return line;
}

std::string ExpLabel() {
  return "EXP";
}

std::string ChannelDisplayName(const ChannelRecord& record) {
  if (record.Position < 0 || record.Position >= MarineChannelCount) return {};
  std::string name = record.StatusNo == 1 ? "10" : record.StatusNo == 2 ? "20" : "";
  name += MarineChannels()[static_cast<std::size_t>(record.Position)].ChName;
  name += record.StatusIcon == 1 ? "A" : record.StatusIcon == 2 ? "B" : "";
  return name;
}

double RecordRxFreq(const ChannelRecord& record) {
  if (!IsTableChannel(record)) return 0;
  const ChannelDef& def = MarineChannels()[static_cast<std::size_t>(record.Position)];
  return record.Duplex == 0 || record.Duplex == 3 ? def.ShipRxFreq : def.CoastFreq;
}

double RecordTxFreq(const ChannelRecord& record) {
  if (!IsTableChannel(record)) return 0;
  const ChannelDef& def = MarineChannels()[static_cast<std::size_t>(record.Position)];
  return record.Duplex == 0 || record.Duplex == 2 ? def.ShipTxFreq : def.CoastFreq;
}

std::string RxFreqText(const ChannelRecord& record) {
  if (!IsTableChannel(record)) return {};
  return FormatFreq3(RecordRxFreq(record));
}

std::string TxFreqText(const ChannelRecord& record) {
  if (!IsTableChannel(record)) return {};
  return FormatFreq3Masked(RecordTxFreq(record), !record.TxEnable);
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

std::string WeatherAlertLabel(int value) {
  static constexpr std::array<const char*, 4> kLabels = {"OFF", "On Wx", "On SCAN", "WX and SCAN"};
  return value >= 0 && value <= 3 ? kLabels[static_cast<std::size_t>(value)] : "";
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

ChannelList DefaultWeatherList() {
  ChannelList list;
  const WxChannelTable& table = WxChannels();
  for (int k = 0; k < WxChannelCount; ++k) {
    const ChannelDef& def = table[static_cast<std::size_t>(k)];
    if (!def.Defined) continue;
    ChannelRecord record;
    record.Position = static_cast<std::int16_t>(k);
    record.Enable = true;
    record.TxEnable = def.ShipTxFreq > 0;
    record.LowPower = def.RecordLowPower;
    record.Duplex = def.RecordDuplex;
    list.append(record);
  }
  return list;
}

}  // namespace tpw
