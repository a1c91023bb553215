#include "shell/window_title.h"

#include <gtest/gtest.h>

namespace tpw {
namespace {

TEST(WindowTitle, ShowsTheDocumentNameInLowerCase) {
  ModelCaps caps;
  EXPECT_EQ(WindowTitle(caps, ""), "TPW52  PC Program for QZ815");
  EXPECT_EQ(WindowTitle(caps, "/home/Skipper/Boats/COAST.Dat"),
            "TPW52  PC Program for QZ815 - coast.dat");
  caps.ModelName = "Unknown model";
  EXPECT_EQ(WindowTitle(caps, "a.dat"), "TPW52  PC Program for Unknown model - a.dat");
}

}  // namespace
}  // namespace tpw
