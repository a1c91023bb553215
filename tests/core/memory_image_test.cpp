// The memory image: its addresses, the default image, the version words, the region byte, the
// hex dump of the whole memory, and the encodings of bits, words, frequencies, texts and digits.
#include <gtest/gtest.h>

#include "image/encodings.h"
#include "image/image_codec.h"
#include "image/memory_map.h"
#include "image/model_identity.h"
#include "image/regions.h"
#include "image/settings_model.h"
#include "link/hex_dump.h"
#include "support/test_support.h"

namespace tpw::test {
namespace {

TEST(MemoryImage, AddressOutsideTheRadioMemoryIsAProgramFault) {
  MemoryImage image;
  EXPECT_THROW(image.at(-1), ImageAddressFault);
  EXPECT_THROW(image.at(2048), ImageAddressFault);
  EXPECT_THROW(image.set(2048, 0), ImageAddressFault);
  EXPECT_THROW(image.set(-1, 0), ImageAddressFault);
  EXPECT_THROW(image.word(2047), ImageAddressFault);  // the low byte would be 2048
  EXPECT_THROW(image.allFF(2040, 9), ImageAddressFault);
  EXPECT_NO_THROW(image.at(0));
  EXPECT_NO_THROW(image.set(ImageLastIndex, 0));
}

TEST(MemoryImage, NewDefaultImageIsFFExceptTheDefaultBytesAndTheVersionWords) {
  ImageBytes expected;
  expected.fill(0xFF);
  const std::pair<int, int> defaults[] = {
      {0x080, 0x01}, {0x081, 0x2C}, {0x084, 0x00}, {0x08D, 0x00}, {0x08E, 0x00}, {0x085, 0x00},
      {0x086, 0x00}, {0x08B, 0x00}, {0x098, 0x00}, {0x087, 0x00}, {0x088, 0x1E}, {0x089, 0x00},
      {0x08A, 0x1E}, {0x09E, 0x00}, {0x21C, 0x20}, {0x23C, 0x20}, {0x25C, 0x20}, {0x094, 0x03},
      {0x280, 0xFF}, {0x7FE, 0x01}, {0x7FF, 0x2C}};
  for (auto [address, value] : defaults)
    expected[static_cast<std::size_t>(address)] = static_cast<std::uint8_t>(value);
  for (int a = 0x162; a <= 0x169; ++a) expected[static_cast<std::size_t>(a)] = 0;
  for (int a = 0x1E2; a <= 0x1E9; ++a) expected[static_cast<std::size_t>(a)] = 0;

  MemoryImage image;
  image.fill(0x55);
  SettingsModel model;
  model.CHUSA.append({.position = 16, .enabled = true});
  NewDefaultImage(image, model, 1);

  EXPECT_EQ(image.bytes(), expected);
  // The header was decoded again; the channel lists are left to the destination.
  EXPECT_EQ(model.common.resumeTime, 3);
  EXPECT_EQ(model.groups[0].priorityChannel, 0x20FF);
  EXPECT_FALSE(model.groups[0].usable);
  EXPECT_EQ(model.atis.code, "");
  EXPECT_EQ(model.CHUSA.size(), 1);
  // A new image carries 300 at both ends, which no radio accepts.
  EXPECT_FALSE(ImageVersionMatches(image, 1));
  EXPECT_TRUE(VersionMatches(301, 301, 1));
  EXPECT_FALSE(VersionMatches(300, 300, 1));
  EXPECT_FALSE(VersionMatches(301, 300, 1));
  EXPECT_FALSE(VersionMatches(301, 301, 2));
  EXPECT_EQ(VersionAddresses(1), std::make_pair(128, 2046));
  EXPECT_EQ(VersionAddresses(2), std::make_pair(0, 2046));

  // Of another model only the header is decoded.
  image.fill(0x00);
  SettingsModel other;
  NewDefaultImage(image, other, 2);
  EXPECT_EQ(image.at(0x100), 0x00);
  EXPECT_EQ(other.common.resumeTime, 0);
}

TEST(Regions, NamesTheRegionByteAndHowTwoRegionsMeet) {
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
  EXPECT_EQ(RegionOf(image), 4);
  image.set(0x0A0, 6);
  EXPECT_EQ(RegionOf(image), UsaRegion);

  EXPECT_EQ(CompareRegions(1, 1), RegionMatch::Same);
  EXPECT_EQ(CompareRegions(255, 7), RegionMatch::Same);  // both count as the USA
  EXPECT_EQ(CompareRegions(255, 0), RegionMatch::Refused);
  EXPECT_EQ(CompareRegions(2, 9), RegionMatch::Refused);
  EXPECT_EQ(CompareRegions(0, 5), RegionMatch::Question);
}

// The whole dump, byte for byte: a letter, DEL, a control character and a blank in row 0010.
TEST(HexDump, HeaderRuleAndRows) {
  MemoryImage image;
  Fill(image, 0x010, {0x41, 0x7F, 0x1F, 0x20});
  std::string dump;
  for (const std::string& line : HexDumpLines(image)) dump += line + "\n";
  EXPECT_EQ(dump, ReadBytes(std::filesystem::path(TPW52_TEST_DATA) / "hex-dump.txt"));
}

TEST(Bits, SingleBitsAndTwoBitFields) {
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

  EXPECT_EQ(GetField(0xC0, 2, 7), 3);
  EXPECT_EQ(GetField(0x80, 2, 7), 2);
  EXPECT_EQ(GetField(0x40, 2, 7), 1);
  EXPECT_EQ(GetField(0x02, 2, 1), 2);
  EXPECT_EQ(GetField(0xFF, 0, 7), 0);

  byte = 0x10;
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

TEST(Frequencies, DecodedFromHexDigitsAsADecimalTextAndEncodedBack) {
  EXPECT_DOUBLE_EQ(DecodeFreq({0x56, 0x02, 0x50}), 156.025);
  EXPECT_DOUBLE_EQ(DecodeFreq({0x56, 0x80, 0x00}), 156.8);
  EXPECT_DOUBLE_EQ(DecodeFreq({0x99, 0x99, 0x99}), 199.9999);
  EXPECT_EQ(DecodeFreq({0x00, 0x00, 0x00}), 0);  // 100 MHz is not above 100
  EXPECT_EQ(DecodeFreq({0xFF, 0xFF, 0xFF}), 0);  // "FF.FFFF" reads as 0
  // The parse stops at the first character it cannot use.
  EXPECT_DOUBLE_EQ(DecodeFreq({0x5A, 0x12, 0x34}), 105);
  EXPECT_DOUBLE_EQ(DecodeFreq({0x56, 0x0A, 0x00}), 156.0);
  EXPECT_DOUBLE_EQ(DecodeFreq({0x56, 0x10, 0xF0}), 156.1);

  // Encoded, a frequency is rounded to four decimals and its six digits packed.
  for (double f : {0.0, 100.0, -5.0}) EXPECT_EQ(EncodeFreq(f), (FreqBytes{0x00, 0x00, 0x00})) << f;
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
  for (char c : std::string("Az7-+().*/ ,")) EXPECT_EQ(CharCode(c), static_cast<std::uint8_t>(c));
  for (char c : {'#', '_', '\xE9'}) EXPECT_EQ(CharCode(c), 255) << c;

  const std::pair<std::uint8_t, const char*> decoded[] = {{0xFF, " "}, {'*', ""},  {'-', ""},
                                                          {' ', " "},  {'q', "q"}, {0x00, ""}};
  for (auto [code, text] : decoded) EXPECT_EQ(CharFromCode(code), text) << int{code};

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
  Fill(image, 0x282, {0x12, 0xA4, 0x56, 0x78, 0x90});
  EXPECT_EQ(DecodeDigits(image, 0x282), "12");
}

TEST(Numbers, RoundHalfEven) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
}

}  // namespace
}  // namespace tpw::test
