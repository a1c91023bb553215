#include "image/display_text.h"

#include <gtest/gtest.h>

namespace tpw {
namespace {

TEST(DisplayText, Frequencies) {
  EXPECT_EQ(FormatFreq3(156.8), "156.800");
  EXPECT_EQ(FormatFreq3(160.65), "160.650");
  EXPECT_EQ(FormatFreq3(5.5), "005.500");
  EXPECT_EQ(FormatFreq3(0), "---.---");
  EXPECT_EQ(FormatFreq3(-1), "---.---");
  EXPECT_EQ(FormatFreq3Masked(156.8, true), "---.---");
  EXPECT_EQ(FormatFreq3Masked(156.8, false), "156.800");
  EXPECT_EQ(FormatFreq4(0), "---.----");
  EXPECT_EQ(FormatFreq4(156.0125), "156.0125");
  EXPECT_EQ(FormatFreq4(156.0137), "156.0100");  // shown on its 5 kHz step
}

TEST(DisplayText, NamesOfPlanRecords) {
  EXPECT_EQ(ChannelDisplayName({.position = 78, .statusIcon = 1, .statusNo = 1}), "1078A");
  EXPECT_EQ(ChannelDisplayName({.position = 5, .statusNo = 1}), "1005");
  EXPECT_EQ(ChannelDisplayName({.position = 5, .statusIcon = 3}), "05");
  EXPECT_EQ(ChannelDisplayName({.position = 21, .statusIcon = 2, .statusNo = 2}), "2021B");
  EXPECT_EQ(ChannelDisplayName({.position = 120}), "");
}

TEST(DisplayText, FrequencyTextsFollowTheDuplexCode) {
  const ChannelRecord dup{.position = 1, .duplex = 2, .txEnabled = false};
  EXPECT_EQ(RxFreqText(dup), "160.650");
  EXPECT_EQ(TxFreqText(dup), "---.---");
  const ChannelRecord reverse{.position = 1, .duplex = 3, .txEnabled = true};
  EXPECT_EQ(RxFreqText(reverse), "156.050");
  EXPECT_EQ(TxFreqText(reverse), "160.650");
  const ChannelRecord rxSimplex{.position = 16, .duplex = 1, .txEnabled = true};
  EXPECT_EQ(RxFreqText(rxSimplex), "161.400");
  EXPECT_EQ(TxFreqText(rxSimplex), "161.400");
  EXPECT_EQ(RxFreqText({.position = 16, .duplex = 4}), "");
  EXPECT_EQ(TxFreqText({.position = -1}), "");
}

TEST(DisplayText, GroupLabelsLine) {
  SettingsModel model;
  model.groups[0].label = "USA";
  model.groups[1].label = "INT";
  model.groups[2].label = "GRMN";
  EXPECT_EQ(GroupLabelsLine(model), "USA  INT  GRMN ");
  model.groups[2].label = "UK";
  EXPECT_EQ(GroupLabelsLine(model), "USA  INT  UK  ");
}

// The codes no stored setting of a shipped data set holds: the labels of the codes in use are
// in the golden reports and the grid tests, byte for byte.
TEST(DisplayText, LabelsOfStoredCodes) {
  EXPECT_EQ(DuplexLabel(-2), "DUP");
  EXPECT_EQ(DuplexLabel(9), "TX_SIMP");
  EXPECT_EQ(ModeSelectLabel(2), "");
  EXPECT_EQ(ResumeTimeLabel(5), "5Sec");
  EXPECT_EQ(ResumeTimeLabel(6), "");
  EXPECT_EQ(AtisModeLabel(-1), "");
  EXPECT_EQ(OnDashLabel(false), "---");
  EXPECT_EQ(ScrambleLabel(3), "---");
  EXPECT_EQ(FieldOrDashes(""), "--");
  EXPECT_EQ(FieldOrDashes("7"), "7 ");
  EXPECT_EQ(FieldOrDashes("ABC"), "AB");
}

}  // namespace
}  // namespace tpw
