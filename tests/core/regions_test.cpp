#include "image/regions.h"

#include <gtest/gtest.h>

namespace tpw {
namespace {

TEST(Regions, NamesAndTheRegionByte) {
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
}

TEST(Regions, HowTwoRegionsMeet) {
  EXPECT_EQ(CompareRegions(1, 1), RegionMatch::Same);
  EXPECT_EQ(CompareRegions(255, 7), RegionMatch::Same);  // both count as the USA
  EXPECT_EQ(CompareRegions(255, 0), RegionMatch::Refused);
  EXPECT_EQ(CompareRegions(2, 9), RegionMatch::Refused);
  EXPECT_EQ(CompareRegions(0, 5), RegionMatch::Question);
}

}  // namespace
}  // namespace tpw
