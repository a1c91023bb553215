// Texts of values: the lenient and strict readings of the files' numbers, and the display
// texts the grids, the reports and the radio show.
#include "image/text_values.h"

#include <gtest/gtest.h>

#include <cmath>

#include "image/display_text.h"

namespace tpw {
namespace {

TEST(TextValues, PaddingTrimmingAndCase) {
  EXPECT_EQ(HexPad(0x7F0, 4), "07F0");
  EXPECT_EQ(HexPad(0x12345, 4), "2345");
  EXPECT_EQ(HexPad(0xab, 2), "AB");
  EXPECT_EQ(HexPad(0, 2), "00");
  EXPECT_EQ(HexPad(-1, 2), "FF");
  EXPECT_EQ(PadRight("abc", 2), "ab");
  EXPECT_EQ(PadRight("a", 3), "a  ");
  EXPECT_EQ(Trim(" \t x y  "), "x y");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(NormalisedName("  Common Setup "), "COMMON SETUP");
}

TEST(TextValues, LeadingNumbersReadLeniently) {
  EXPECT_EQ(LeadingNumber(" 1"), 1);
  EXPECT_EQ(LeadingNumber("12abc"), 12);
  EXPECT_EQ(LeadingNumber("-3.5x"), -3.5);
  EXPECT_EQ(LeadingNumber("+4"), 4);
  EXPECT_EQ(LeadingNumber("abc"), 0);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingNumber("-"), 0);
  EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
  EXPECT_EQ(LeadingNumber("1e3"), 1);
  EXPECT_FALSE(IsNonZeroText("0.0"));
  EXPECT_FALSE(IsNonZeroText("x"));
  EXPECT_TRUE(IsNonZeroText("2"));
}

TEST(TextValues, DecimalsAndBooleansReadStrictly) {
  EXPECT_EQ(ParseDecimal(" -1.5 "), -1.5);
  EXPECT_EQ(ParseDecimal("+7"), 7);
  EXPECT_EQ(ParseDecimal(".5"), 0.5);
  EXPECT_EQ(ParseDecimal("5."), 5);
  for (const char* text : {"", " ", "+", "-", ".", "1.2.3", "1,5", "1e3", "12a", "+-1", "0x10"}) {
    EXPECT_FALSE(ParseDecimal(text)) << text;
  }
  EXPECT_TRUE(std::isinf(*ParseDecimal("1" + std::string(400, '0'))));
  EXPECT_EQ(ParseDecimal("0." + std::string(400, '0')), 0);

  EXPECT_EQ(ParseBoolean(" True "), true);
  EXPECT_EQ(ParseBoolean("FALSE"), false);
  EXPECT_EQ(ParseBoolean("-1"), true);
  EXPECT_EQ(ParseBoolean("0.0"), false);
  EXPECT_FALSE(ParseBoolean("yes"));
  EXPECT_FALSE(ParseBoolean(""));
}

TEST(TextValues, LinesEndWithCrLfLfOrCr) {
  EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (std::vector<std::string_view>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string_view>{"a"}));
  EXPECT_EQ(SplitLines("\n\r\n"), (std::vector<std::string_view>{"", ""}));
  EXPECT_TRUE(SplitLines("").empty());
  EXPECT_EQ(SplitLines("\xEF\xBB\xBF[MAIN]\n"), std::vector<std::string_view>{"[MAIN]"});
  EXPECT_TRUE(SplitLines("\xEF\xBB\xBF").empty());
}

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

TEST(DisplayText, NamesAndFrequencyTextsOfPlanRecords) {
  EXPECT_EQ(ChannelDisplayName({.position = 78, .statusIcon = 1, .statusNo = 1}), "1078A");
  EXPECT_EQ(ChannelDisplayName({.position = 5, .statusNo = 1}), "1005");
  EXPECT_EQ(ChannelDisplayName({.position = 5, .statusIcon = 3}), "05");
  EXPECT_EQ(ChannelDisplayName({.position = 21, .statusIcon = 2, .statusNo = 2}), "2021B");
  EXPECT_EQ(ChannelDisplayName({.position = 120}), "");

  // The frequency texts follow the duplex code.
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

// The codes no stored setting of a shipped data set holds: the labels of the codes in use are
// in the golden reports and the grid tests, byte for byte. And the line of the group labels.
TEST(DisplayText, LabelsOfStoredCodesAndGroups) {
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

  SettingsModel model;
  model.groups[0].label = "USA";
  model.groups[1].label = "INT";
  model.groups[2].label = "GRMN";
  EXPECT_EQ(GroupLabelsLine(model), "USA  INT  GRMN ");
  model.groups[2].label = "UK";
  EXPECT_EQ(GroupLabelsLine(model), "USA  INT  UK  ");
}

}  // namespace
}  // namespace tpw
