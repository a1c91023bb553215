#include "image/channel_tables.h"

#include <gtest/gtest.h>

#include "image/encodings.h"

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
    EXPECT_EQ(list[k], (ChannelRecord{.Position = static_cast<std::int16_t>(k),
                                      .Enable = true,
                                      .LowPower = true,
                                      .Duplex = 0,
                                      .TxEnable = false}))
        << k;
  }
}

TEST(ChannelTables, NamesOfPlanRecords) {
  EXPECT_EQ(ChannelDisplayName({.Position = 78, .StatusIcon = 1, .StatusNo = 1}), "1078A");
  EXPECT_EQ(ChannelDisplayName({.Position = 5, .StatusNo = 1}), "1005");
  EXPECT_EQ(ChannelDisplayName({.Position = 5, .StatusIcon = 3}), "05");
  EXPECT_EQ(ChannelDisplayName({.Position = 21, .StatusIcon = 2, .StatusNo = 2}), "2021B");
  EXPECT_EQ(ChannelDisplayName({.Position = 120}), "");
}

TEST(ChannelTables, FrequencyTextsFollowTheDuplexCode) {
  const ChannelRecord dup{.Position = 1, .Duplex = 2, .TxEnable = false};
  EXPECT_EQ(RxFreqText(dup), "160.650");
  EXPECT_EQ(TxFreqText(dup), "---.---");
  const ChannelRecord reverse{.Position = 1, .Duplex = 3, .TxEnable = true};
  EXPECT_EQ(RxFreqText(reverse), "156.050");
  EXPECT_EQ(TxFreqText(reverse), "160.650");
  const ChannelRecord rxSimplex{.Position = 16, .Duplex = 1, .TxEnable = true};
  EXPECT_EQ(RxFreqText(rxSimplex), "161.400");
  EXPECT_EQ(TxFreqText(rxSimplex), "161.400");
  EXPECT_EQ(RxFreqText({.Position = 16, .Duplex = 4}), "");
  EXPECT_EQ(TxFreqText({.Position = -1}), "");
}

TEST(ChannelTables, Regions) {
  EXPECT_EQ(NormaliseRegion(7), 255);
  EXPECT_EQ(NormaliseRegion(5), 5);
  EXPECT_EQ(RegionName(7), "USA");
  EXPECT_EQ(GroupTwoName(7), "CAN");
  EXPECT_EQ(RegionName(0), "INTL");
  EXPECT_EQ(GroupTwoName(0), "CAN");
  EXPECT_EQ(GroupTwoName(3), "NL");
  EXPECT_EQ(RegionName(5), "GRMN");
  MemoryImage image;
  SetRegion(image, 9);
  EXPECT_EQ(image.at(0x0A0), 0xFF);
  SetRegion(image, 4);
  EXPECT_EQ(image.at(0x0A0), 4);

  SettingsModel model;
  model.groups[0].GroupLabel = "USA";
  model.groups[1].GroupLabel = "INT";
  model.groups[2].GroupLabel = "GRMN";
  EXPECT_EQ(GroupLabelsLine(model), "USA  INT  GRMN ");
  model.groups[2].GroupLabel = "UK";
  EXPECT_EQ(GroupLabelsLine(model), "USA  INT  UK  ");
}

TEST(ChannelTables, LabelsOfStoredCodes) {
  EXPECT_EQ(DuplexLabel(1), "RX_SIMP");
  EXPECT_EQ(DuplexLabel(-2), "DUP");
  EXPECT_EQ(DuplexLabel(3), "Reverse DUP");
  EXPECT_EQ(DuplexLabel(9), "TX_SIMP");
  EXPECT_EQ(ModeSelectLabel(1), "TW");
  EXPECT_EQ(ModeSelectLabel(2), "");
  EXPECT_EQ(ResumeTimeLabel(0), "--");
  EXPECT_EQ(ResumeTimeLabel(5), "5Sec");
  EXPECT_EQ(ResumeTimeLabel(6), "");
  EXPECT_EQ(WeatherAlertLabel(3), "WX and SCAN");
  EXPECT_EQ(WeatherAlertLabel(4), "");
  EXPECT_EQ(AtisModeLabel(1), "Special");
  EXPECT_EQ(AtisModeLabel(-1), "");
  EXPECT_EQ(EnableLabel(false), "------");
  EXPECT_EQ(TxLabel(false), "--");
  EXPECT_EQ(LowLabel(true), "LOW");
  EXPECT_EQ(UpLabel(false), "--");
  EXPECT_EQ(MemLabel(false), "---");
  EXPECT_EQ(OnDashLabel(false), "---");
  EXPECT_EQ(OnOffLabel(false), "Off");
  EXPECT_EQ(ScrambleLabel(6), " 2");
  EXPECT_EQ(ScrambleLabel(3), "---");
  EXPECT_EQ(ExpLabel(), "EXP");
}

}  // namespace
}  // namespace tpw
