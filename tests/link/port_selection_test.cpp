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

  std::vector<std::string> names = {"A (COM12)", "B", "C (COM1)"};
  EXPECT_EQ(PortMenuNumbers(names), (std::vector<int>{1, 12}));
  names.clear();
  for (int n = 18; n >= 1; --n) names.push_back("Port (COM" + std::to_string(n) + ")");
  const std::vector<int> menu = PortMenuNumbers(names);
  ASSERT_EQ(menu.size(), 16u);
  EXPECT_EQ(menu.front(), 1);
  EXPECT_EQ(menu.back(), 16);
}

}  // namespace
}  // namespace tpw
