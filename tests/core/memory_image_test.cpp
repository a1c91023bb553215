#include <gtest/gtest.h>

#include "image/image_codec.h"
#include "image/memory_map.h"
#include "image/model_identity.h"
#include "image/settings_model.h"

namespace tpw {
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

TEST(MemoryImage, NewDefaultImageIsFFExceptTheDefaultBytes) {
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
}

TEST(MemoryImage, NewDefaultImageOfAnotherModelOnlyDecodesTheHeader) {
  MemoryImage image;
  image.fill(0x00);
  SettingsModel model;
  NewDefaultImage(image, model, 2);
  EXPECT_EQ(image.at(0x100), 0x00);
  EXPECT_EQ(model.common.resumeTime, 0);
}

TEST(MemoryImage, VersionWordsAndTheirAddresses) {
  EXPECT_TRUE(VersionMatches(301, 301, 1));
  EXPECT_FALSE(VersionMatches(300, 300, 1));
  EXPECT_FALSE(VersionMatches(301, 300, 1));
  EXPECT_FALSE(VersionMatches(301, 301, 2));
  EXPECT_EQ(VersionAddresses(1), std::make_pair(128, 2046));
  EXPECT_EQ(VersionAddresses(2), std::make_pair(0, 2046));
}

}  // namespace
}  // namespace tpw
