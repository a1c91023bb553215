#include "link/port_selection.h"

#include <gtest/gtest.h>

namespace tpw {
namespace {

TEST(PortSelection, NumbersFromFriendlyNames) {
  EXPECT_EQ(ComNumberOf("USB Serial Port (COM1)"), 1);
  EXPECT_EQ(ComNumberOf("Prolific USB-to-Serial Comm Port (com12)"), 12);
  EXPECT_EQ(ComNumberOf("Printer Port (LPT1)"), std::nullopt);
  EXPECT_EQ(ComNumberOf("Odd (COM)"), std::nullopt);
  EXPECT_EQ(ComNumberOf("Odd (COM0)"), std::nullopt);
  EXPECT_EQ(ComNumberOf("Odd (COMX)"), std::nullopt);
}

}  // namespace
}  // namespace tpw
