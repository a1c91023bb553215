// Texts of values: the lenient and strict readings of the files' numbers, and the display
// texts the grids, the reports and the radio show.
#include "image/text_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <tuple>

#include "image/display_text.h"

namespace tpw {
namespace {

TEST(TextValues, PaddingTrimmingCaseAndLineEnds) {
  const std::tuple<int, int, const char*> hex[] = {
      {0x7F0, 4, "07F0"}, {0x12345, 4, "2345"}, {0xab, 2, "AB"}, {0, 2, "00"}, {-1, 2, "FF"}};
  for (auto [value, digits, text] : hex) EXPECT_EQ(HexPad(value, digits), text) << value;
  EXPECT_EQ(PadRight("abc", 2), "ab");
  EXPECT_EQ(PadRight("a", 3), "a  ");
  EXPECT_EQ(Trim(" \t x y  "), "x y");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(NormalisedName("  Common Setup "), "COMMON SETUP");

  // Lines end with CR LF, LF or CR.
  EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (std::vector<std::string_view>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string_view>{"a"}));
  EXPECT_EQ(SplitLines("\n\r\n"), (std::vector<std::string_view>{"", ""}));
  EXPECT_TRUE(SplitLines("").empty());
  EXPECT_EQ(SplitLines("\xEF\xBB\xBF[MAIN]\n"), std::vector<std::string_view>{"[MAIN]"});
  EXPECT_TRUE(SplitLines("\xEF\xBB\xBF").empty());
}

TEST(TextValues, LeadingNumbersReadLeniently) {
  const std::pair<const char*, double> numbers[] = {{" 1", 1}, {"12abc", 12},  {"-3.5x", -3.5},
                                                    {"+4", 4}, {"abc", 0},     {"", 0},
                                                    {"-", 0},  {"1.2.3", 1.2}, {"1e3", 1}};
  for (auto [text, value] : numbers) EXPECT_EQ(LeadingNumber(text), value) << text;
  EXPECT_FALSE(IsNonZeroText("0.0"));
  EXPECT_FALSE(IsNonZeroText("x"));
  EXPECT_TRUE(IsNonZeroText("2"));
}

TEST(TextValues, DecimalsAndBooleansReadStrictly) {
  for (auto [text, value] : {std::pair{" -1.5 ", -1.5}, {"+7", 7.0}, {".5", 0.5}, {"5.", 5.0}}) {
    EXPECT_EQ(ParseDecimal(text), value) << text;
  }
  for (const char* text : {"", " ", "+", "-", ".", "1.2.3", "1,5", "1e3", "12a", "+-1", "0x10"}) {
    EXPECT_FALSE(ParseDecimal(text)) << text;
  }
  EXPECT_TRUE(std::isinf(*ParseDecimal("1" + std::string(400, '0'))));
  EXPECT_EQ(ParseDecimal("0." + std::string(400, '0')), 0);

  const std::pair<const char*, std::optional<bool>> booleans[] = {
      {" True ", true}, {"FALSE", false}, {"-1", true}, {"0.0", false}, {"yes", {}}, {"", {}}};
  for (auto [text, value] : booleans) EXPECT_EQ(ParseBoolean(text), value) << text;
}

TEST(DisplayText, FrequenciesAndTheNamesAndFrequenciesOfPlanRecords) {
  const std::pair<double, const char*> threeDecimals[] = {
      {156.8, "156.800"}, {160.65, "160.650"}, {5.5, "005.500"}, {0, "---.---"}, {-1, "---.---"}};
  for (auto [frequency, text] : threeDecimals) EXPECT_EQ(FormatFreq3(frequency), text);
  EXPECT_EQ(FormatFreq3Masked(156.8, true), "---.---");
  EXPECT_EQ(FormatFreq3Masked(156.8, false), "156.800");
  EXPECT_EQ(FormatFreq4(0), "---.----");
  EXPECT_EQ(FormatFreq4(156.0125), "156.0125");
  EXPECT_EQ(FormatFreq4(156.0137), "156.0100");  // shown on its 5 kHz step

  // The names of plan records.
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
