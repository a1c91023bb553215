#include "image/atis_code.h"

#include <gtest/gtest.h>

namespace tpw {
namespace {

TEST(AtisCode, EmptyOrExactlyTenDigitsAreAcceptedTrimmed) {
  EXPECT_EQ(AcceptedAtisCode("3660000001"), "3660000001");
  EXPECT_EQ(AcceptedAtisCode(" 1234567890 "), "1234567890");
  EXPECT_EQ(AcceptedAtisCode(""), "");
  EXPECT_EQ(AcceptedAtisCode("   "), "");
  EXPECT_EQ(AcceptedAtisCode("12345"), std::nullopt);
  EXPECT_EQ(AcceptedAtisCode("12345678901"), std::nullopt);
  // Ten characters that the radio cannot hold as digits.
  EXPECT_EQ(AcceptedAtisCode("ABCDEFGHIJ"), std::nullopt);
  EXPECT_EQ(AcceptedAtisCode("12345 7890"), std::nullopt);
  EXPECT_EQ(AcceptedAtisCode("-123456789"), std::nullopt);
}

TEST(AtisCode, TheBoxTakesDigitsOnly) {
  for (char c : std::string("0123456789")) EXPECT_TRUE(IsAtisCodeCharacter(c)) << c;
  for (char c : std::string(" -+.ABab\t\r\n")) EXPECT_FALSE(IsAtisCodeCharacter(c)) << c;
  EXPECT_FALSE(IsAtisCodeCharacter('\0'));
}

}  // namespace
}  // namespace tpw
