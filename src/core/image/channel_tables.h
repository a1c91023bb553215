#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "image/settings_model.h"

// The built-in channel tables: the marine channels a short slot names by position, and the
// weather channels.
namespace tpw {

struct ChannelDef {
  std::string ChName;
  double ShipTxFreq = 0;
  double ShipRxFreq = 0;
  double CoastFreq = 0;
  bool Defined = false;
  // What a new record of this channel starts with: weather channels are on low power, simplex.
  bool RecordLowPower = false;
  std::int16_t RecordDuplex = 0;
  std::string FrequencyLabel;  // weather channels: the frequency as text, "162.550MHZ"
};

inline constexpr int MarineChannelCount = 120;
inline constexpr int WxChannelCount = 10;

using MarineChannelTable = std::array<ChannelDef, MarineChannelCount>;
// Entry k is weather channel k + 1.
using WxChannelTable = std::array<ChannelDef, WxChannelCount>;

MarineChannelTable BuildMarineChannelTable();
WxChannelTable BuildWxChannelTable();
// The tables, built once on first use and never changed.
const MarineChannelTable& MarineChannels();
const WxChannelTable& WxChannels();

// True when the record names a channel of the marine table with a duplex code 0..3.
bool IsTableChannel(const ChannelRecord& record);
// The receive and transmit frequencies a record uses, or 0 when it names no channel.
double RecordRxFreq(const ChannelRecord& record);
double RecordTxFreq(const ChannelRecord& record);

// The weather list of a new data set: one enabled record per entry of the weather table, in
// table order, out of the scan memory.
ChannelList DefaultWeatherList();

}  // namespace tpw
