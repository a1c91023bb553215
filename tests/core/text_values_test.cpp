#include "image/text_values.h"

#include <gtest/gtest.h>

#include <cmath>

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

}  // namespace
}  // namespace tpw
