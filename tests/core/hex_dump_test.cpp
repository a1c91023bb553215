#include "link/hex_dump.h"

#include <gtest/gtest.h>

namespace tpw {
namespace {

TEST(HexDump, HeaderRuleAndRows) {
  MemoryImage image;
  image.set(0x010, 0x41);
  image.set(0x011, 0x7F);
  image.set(0x012, 0x1F);
  image.set(0x013, 0x20);
  const std::vector<std::string> lines = HexDumpLines(image);
  ASSERT_EQ(lines.size(), 130u);
  EXPECT_EQ(lines[0], "       00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F");
  EXPECT_EQ(lines[1], " ----  -- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --");
  EXPECT_EQ(lines[2],
            " 0000: FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF     ................");
  EXPECT_EQ(lines[3],
            " 0010: 41 7F 1F 20 FF FF FF FF FF FF FF FF FF FF FF FF     A.. ............");
  EXPECT_EQ(lines[129].substr(0, 7), " 07F0: ");
}

}  // namespace
}  // namespace tpw
