#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "image/memory_image.h"
#include "image/settings_model.h"

// The built-in channel tables, the regions and the labels of stored codes.
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

// Regions (image byte 0x0A0).
inline constexpr int UsaRegion = 255;
int NormaliseRegion(int value);
std::string RegionName(int value);
std::string GroupTwoName(int value);
void SetRegion(MemoryImage& image, int value);
int RegionOf(const MemoryImage& image);  // the normalised region byte
// How the regions of two data sets meet: the same region; one side the USA region, which is
// never mixed with another; or two other regions, between which the user may switch.
enum class RegionMatch { Same, Refused, Question };
RegionMatch CompareRegions(int first, int second);
std::string GroupLabelsLine(const SettingsModel& model);
std::string ExpLabel();

// Name and frequencies of a record of the 2-byte lists.
std::string ChannelDisplayName(const ChannelRecord& record);
std::string RxFreqText(const ChannelRecord& record);
std::string TxFreqText(const ChannelRecord& record);
// The receive and transmit frequencies a record uses, or 0 when it names no channel.
double RecordRxFreq(const ChannelRecord& record);
double RecordTxFreq(const ChannelRecord& record);

// Labels of stored codes.
std::string DuplexLabel(int duplex);
std::string OnOffLabel(bool value);
std::string OnDashLabel(bool value);
std::string ModeSelectLabel(int value);
std::string ResumeTimeLabel(int value);
std::string WeatherAlertLabel(int value);
std::string AtisModeLabel(int value);
std::string EnableLabel(bool value);
std::string TxLabel(bool value);
std::string LowLabel(bool value);
std::string UpLabel(bool value);
std::string MemLabel(bool value);
std::string ScrambleLabel(int value);

// The weather list of a new data set: one enabled record per entry of the weather table, in
// table order, out of the scan memory.
ChannelList DefaultWeatherList();

}  // namespace tpw
