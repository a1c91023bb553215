#include "image/channel_tables.h"
#include "image/display_text.h"
#include "image/regions.h"

#include <gtest/gtest.h>

namespace tpw {
namespace {

TEST(ChannelTables, MarineChannelsAndTheirFrequencies) {
  const MarineChannelTable& table = MarineChannels();
  EXPECT_EQ(table[16].ChName, "16");
  EXPECT_EQ(FormatFreq3(table[16].ShipTxFreq), "156.800");
  EXPECT_EQ(FormatFreq3(table[16].CoastFreq), "161.400");
  EXPECT_EQ(table[88].ChName, "88");
  EXPECT_EQ(FormatFreq3(table[88].ShipRxFreq), "157.425");
  EXPECT_EQ(table[5].ChName, "05");
  EXPECT_EQ(table[119].ChName, "119");
  // Every accumulated frequency still shows as the exact channel frequency.
  for (int n = 0; n < MarineChannelCount; ++n) {
    const int kHz = n < 60 ? 156000 + 50 * n : 156025 + 50 * (n - 60);
    char expected[16];
    std::snprintf(expected, sizeof expected, "%03d.%03d", kHz / 1000, kHz % 1000);
    EXPECT_EQ(FormatFreq3(table[static_cast<std::size_t>(n)].ShipTxFreq), expected) << n;
    EXPECT_TRUE(table[static_cast<std::size_t>(n)].Defined);
  }
}

TEST(ChannelTables, WeatherChannels) {
  const WxChannelTable& table = WxChannels();
  EXPECT_EQ(table[0].ChName, "WX01[162.550MHz]");
  EXPECT_EQ(table[0].FrequencyLabel, "162.550MHZ");
  EXPECT_EQ(table[9].ChName, "WX10[163.275MHz]");
  EXPECT_DOUBLE_EQ(table[7].ShipRxFreq, 161.65);
  EXPECT_DOUBLE_EQ(table[7].CoastFreq, 161.65);
  EXPECT_EQ(table[7].ShipTxFreq, 0);

  // A new weather list: every channel present, receive only on low power, out of the scan.
  const ChannelList list = DefaultWeatherList();
  ASSERT_EQ(list.size(), WxChannelCount);
  for (int k = 0; k < WxChannelCount; ++k) {
    EXPECT_EQ(list[k], (ChannelRecord{.position = static_cast<std::int16_t>(k),
                                      .enabled = true,
                                      .lowPower = true,
                                      .duplex = 0,
                                      .txEnabled = false}))
        << k;
  }
}

}  // namespace
}  // namespace tpw
