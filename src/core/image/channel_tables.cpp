#include "image/channel_tables.h"

#include <cstdlib>

namespace tpw {

namespace {

std::string TwoDigits(int n) {
  return n < 10 ? "0" + std::to_string(n) : std::to_string(n);
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

bool IsTableChannel(const ChannelRecord& record) {
  return record.position >= 0 && record.position < MarineChannelCount && record.duplex >= 0 &&
         record.duplex <= 3;
}

double RecordRxFreq(const ChannelRecord& record) {
  if (!IsTableChannel(record)) return 0;
  const ChannelDef& def = MarineChannels()[static_cast<std::size_t>(record.position)];
  return record.duplex == 0 || record.duplex == 3 ? def.ShipRxFreq : def.CoastFreq;
}

double RecordTxFreq(const ChannelRecord& record) {
  if (!IsTableChannel(record)) return 0;
  const ChannelDef& def = MarineChannels()[static_cast<std::size_t>(record.position)];
  return record.duplex == 0 || record.duplex == 2 ? def.ShipTxFreq : def.CoastFreq;
}

ChannelList DefaultWeatherList() {
  ChannelList list;
  const WxChannelTable& table = WxChannels();
  for (int k = 0; k < WxChannelCount; ++k) {
    const ChannelDef& def = table[static_cast<std::size_t>(k)];
    if (!def.Defined) continue;
    ChannelRecord record;
    record.position = static_cast<std::int16_t>(k);
    record.enabled = true;
    record.txEnabled = def.ShipTxFreq > 0;
    record.lowPower = def.RecordLowPower;
    record.duplex = def.RecordDuplex;
    list.append(record);
  }
  return list;
}

}  // namespace tpw
