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

TEST(AtisCode, TypedPastedAndDroppedTextKeepsItsDigitsOnly) {
  EXPECT_EQ(AtisCodeKeys("0123456789"), "0123456789");
  EXPECT_EQ(AtisCodeKeys("ABCDEFGHIJ"), "");
  EXPECT_EQ(AtisCodeKeys(" 366-000 001\r\n"), "366000001");
  EXPECT_EQ(AtisCodeKeys("\xD9\xA3"), "");  // a digit of another script is no key of the box
}

}  // namespace
}  // namespace tpw
