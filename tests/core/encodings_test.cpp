#include "image/encodings.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace tpw {
namespace {

using test::Bytes;

TEST(Bits, SingleBits) {
  EXPECT_EQ(TestBit(0x80, 7), 1);
  EXPECT_EQ(TestBit(0x80, 6), 0);
  EXPECT_EQ(TestBit(0xFF, 8), 0);
  EXPECT_EQ(TestBit(0xFF, -1), 0);

  std::uint8_t byte = 0x00;
  SetBit(byte, 1, 3);
  EXPECT_EQ(byte, 0x08);
  SetBit(byte, 2, 3);  // only exactly 1 sets a bit
  EXPECT_EQ(byte, 0x00);
  SetBit(byte, 1, 8);
  EXPECT_EQ(byte, 0x00);
}

TEST(Bits, TwoBitFields) {
  EXPECT_EQ(GetField(0xC0, 2, 7), 3);
  EXPECT_EQ(GetField(0x80, 2, 7), 2);
  EXPECT_EQ(GetField(0x40, 2, 7), 1);
  EXPECT_EQ(GetField(0x02, 2, 1), 2);
  EXPECT_EQ(GetField(0xFF, 0, 7), 0);

  std::uint8_t byte = 0x10;
  SetField(byte, 2, 5, 2);  // sets bit 5, clears bit 4
  EXPECT_EQ(byte, 0x20);
  SetField(byte, 2, 1, 7);  // only the low width bits are written
  EXPECT_EQ(byte, 0x23);
  SetField(byte, 2, 7, 256);
  SetField(byte, 2, 7, -1);
  EXPECT_EQ(byte, 0x23);
}

TEST(Words, BigEndian) {
  MemoryImage image;
  WriteWordBE(image, 0x087, 30);
  EXPECT_EQ(Bytes(image, 0x087, 2), (std::vector<int>{0x00, 0x1E}));
  EXPECT_EQ(image.word(0x087), 30);
  WriteWordBE(image, 0x087, -1);
  EXPECT_EQ(image.word(0x087), 0xFFFF);
  WriteWordBE(image, 0x087, 65535);
  EXPECT_EQ(image.word(0x087), 0xFFFF);
  WriteWordBE(image, 0x087, 301);
  EXPECT_EQ(Bytes(image, 0x087, 2), (std::vector<int>{0x01, 0x2D}));
}

TEST(Frequencies, DecodeReadsTheHexDigitsAsADecimalText) {
  EXPECT_DOUBLE_EQ(DecodeFreq({0x56, 0x02, 0x50}), 156.025);
  EXPECT_DOUBLE_EQ(DecodeFreq({0x56, 0x80, 0x00}), 156.8);
  EXPECT_DOUBLE_EQ(DecodeFreq({0x99, 0x99, 0x99}), 199.9999);
  EXPECT_EQ(DecodeFreq({0x00, 0x00, 0x00}), 0);  // 100 MHz is not above 100
  EXPECT_EQ(DecodeFreq({0xFF, 0xFF, 0xFF}), 0);  // "FF.FFFF" reads as 0
  // The parse stops at the first character it cannot use.
  EXPECT_DOUBLE_EQ(DecodeFreq({0x5A, 0x12, 0x34}), 105);
  EXPECT_DOUBLE_EQ(DecodeFreq({0x56, 0x0A, 0x00}), 156.0);
  EXPECT_DOUBLE_EQ(DecodeFreq({0x56, 0x10, 0xF0}), 156.1);
}

TEST(Frequencies, EncodeRoundsToFourDecimalsAndPacksSixDigits) {
  EXPECT_EQ(EncodeFreq(0), (FreqBytes{0x00, 0x00, 0x00}));
  EXPECT_EQ(EncodeFreq(100), (FreqBytes{0x00, 0x00, 0x00}));
  EXPECT_EQ(EncodeFreq(-5), (FreqBytes{0x00, 0x00, 0x00}));
  EXPECT_EQ(EncodeFreq(156.8), (FreqBytes{0x56, 0x80, 0x00}));
  EXPECT_EQ(EncodeFreq(156.025), (FreqBytes{0x56, 0x02, 0x50}));
  EXPECT_EQ(EncodeFreq(105), (FreqBytes{0x05, 0x00, 0x00}));
  EXPECT_EQ(EncodeFreq(161.97499999), (FreqBytes{0x61, 0x97, 0x50}));
  EXPECT_EQ(EncodeFreq(199.9999), (FreqBytes{0x99, 0x99, 0x99}));
  for (double f : {156.05, 157.425, 161.6, 162.55, 156.0125}) {
    EXPECT_DOUBLE_EQ(DecodeFreq(EncodeFreq(f)), f) << f;
  }
}

TEST(Frequencies, SnapKeepsChannelStepsAndRoundsOthersDown) {
  EXPECT_DOUBLE_EQ(SnapFreq(156.0125), 156.0125);
  EXPECT_DOUBLE_EQ(SnapFreq(156.005), 156.005);
  EXPECT_DOUBLE_EQ(SnapFreq(156.0137), 156.01);
  EXPECT_DOUBLE_EQ(SnapFreq(156.0249), 156.02);
  EXPECT_TRUE(IsStep25k(156.025));
  EXPECT_TRUE(IsStep25k(157.1));
  EXPECT_FALSE(IsStep25k(156.0125));
}

TEST(Characters, TheEncoderAcceptsPunctuationTheDecoderDrops) {
  EXPECT_EQ(CharCode('A'), 'A');
  EXPECT_EQ(CharCode('z'), 'z');
  EXPECT_EQ(CharCode('7'), '7');
  for (char c : std::string("-+().*/ ,")) EXPECT_EQ(CharCode(c), static_cast<std::uint8_t>(c));
  EXPECT_EQ(CharCode('#'), 255);
  EXPECT_EQ(CharCode('_'), 255);
  EXPECT_EQ(CharCode('\xE9'), 255);

  EXPECT_EQ(CharFromCode(0xFF), " ");
  EXPECT_EQ(CharFromCode('*'), "");
  EXPECT_EQ(CharFromCode('-'), "");
  EXPECT_EQ(CharFromCode(' '), " ");
  EXPECT_EQ(CharFromCode('q'), "q");
  EXPECT_EQ(CharFromCode(0x00), "");

  MemoryImage image;
  EncodeText(image, 0x541, "7", 2);
  EXPECT_EQ(Bytes(image, 0x541, 2), (std::vector<int>{'7', ' '}));
  EncodeText(image, 0x541, "-5X", 2);
  EXPECT_EQ(Bytes(image, 0x541, 3), (std::vector<int>{'-', '5', 0xFF}));  // cut to the width
  EXPECT_EQ(DecodeText(image, 0x541, 2), "5");
  EncodeText(image, 0x541, "#", 2);
  EXPECT_EQ(image.at(0x541), 0xFF);
  EXPECT_EQ(DecodeText(image, 0x541, 2), "  ");
}

TEST(Digits, AtisCodes) {
  MemoryImage image;
  EncodeDigits(image, 0x282, "3660000001");
  EXPECT_EQ(Bytes(image, 0x282, 5), (std::vector<int>{0x36, 0x60, 0x00, 0x00, 0x01}));
  EXPECT_EQ(DecodeDigits(image, 0x282), "3660000001");

  EncodeDigits(image, 0x282, "12345");
  EXPECT_EQ(Bytes(image, 0x282, 5), (std::vector<int>{0x12, 0x34, 0x5F, 0xFF, 0xFF}));
  EXPECT_EQ(DecodeDigits(image, 0x282), "12345");

  EncodeDigits(image, 0x282, "   ");
  EXPECT_TRUE(image.allFF(0x282, 5));
  EXPECT_EQ(DecodeDigits(image, 0x282), "");

  EncodeDigits(image, 0x282, "12a4");  // a non-digit becomes F and ends the code
  EXPECT_EQ(image.at(0x283), 0xF4);
  EXPECT_EQ(DecodeDigits(image, 0x282), "12");
  EXPECT_EQ(image.at(0x287), 0xFF);  // never beyond the five bytes
  // A radio's code ends at its first nibble that is no digit, A to F alike.
  test::Fill(image, 0x282, {0x12, 0xA4, 0x56, 0x78, 0x90});
  EXPECT_EQ(DecodeDigits(image, 0x282), "12");
}

TEST(Numbers, RoundHalfEven) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
}

}  // namespace
}  // namespace tpw
