// The texts of the link: its frames, the port settings and the ports' friendly names.
#include "link/frame.h"

#include <gtest/gtest.h>

#include "link/port_selection.h"
#include "link/serial_port.h"

namespace tpw {
namespace {

// The status request and a write frame as sent: RadioLinkSend and RadioLinkExchange.
TEST(Frame, BuildsFramesWithTheirChecksums) {
  EXPECT_EQ(BuildFrame("#CEPRD", "0000", "10"), "#CEPRD\t0000\t10\t6B\r\n");
  EXPECT_EQ(BuildFrame("#CEPRD", "07F0", "10"), "#CEPRD\t07F0\t10\t1A\r\n");
  // An empty field is left out together with its TAB.
  EXPECT_EQ(BuildFrame("#CEPSR", "", "00"), "#CEPSR\t00\t74\r\n");
  EXPECT_EQ(FrameChecksum(std::string(1, '\x05')), "05");
  EXPECT_EQ(FrameChecksum(""), "00");
}

TEST(Frame, VerifiesReceivedLines) {
  EXPECT_TRUE(VerifyFrame("#CEPSD\t00\t62"));
  for (const char* bad : {"#CEPSD\t00\t63", "62", "#CEPSD\t00\tZZ"}) EXPECT_FALSE(VerifyFrame(bad));
  // A lower-case checksum is read as the number it is.
  EXPECT_TRUE(VerifyFrame("#CEPRD\t07F0\t10\t1a"));
  EXPECT_TRUE(
      VerifyFrame("A\x41"
                  "00"));
}

TEST(Frame, ReadsFieldsAndHex) {
  const auto fields = SplitFields("#CEPDT\t0010\t01\tAB\t00");
  ASSERT_EQ(fields.size(), 5u);
  EXPECT_EQ(fields[1], "0010");
  EXPECT_EQ(fields[4], "00");
  EXPECT_EQ(HexNumber("07f0"), 0x7F0);
  for (const char* bad : {"", "-1", "1G", "0x10"}) EXPECT_EQ(HexNumber(bad), std::nullopt) << bad;
  EXPECT_EQ(HexBytes("00FFa5"), std::string("\x00\xFF\xA5", 3));
  for (const char* bad : {"0G", "ABC", " 1"}) EXPECT_EQ(HexBytes(bad), std::nullopt) << bad;
  EXPECT_EQ(HexDigits(0x270), "270");
  EXPECT_EQ(HexDigits(0x0A), "A");
  EXPECT_EQ(HexDigits(0), "0");
}

TEST(PortSettings, ParsesTheProgramsSettingStrings) {
  const auto settings = ParsePortSettings("57600,N,8,1");
  ASSERT_TRUE(settings);
  EXPECT_EQ(settings->baud, 57600);
  EXPECT_EQ(PortSettingsText(*settings), "57600,N,8,1");
  for (const char* bad : {"57600,N,8", "fast,N,8,1", "19200,X,8,1", "19200,N,9,1", "19200,N,8,3"}) {
    EXPECT_FALSE(ParsePortSettings(bad)) << bad;
  }
  EXPECT_EQ(LineSettings(19200), "19200,N,8,1");
}

TEST(PortSelection, NumbersFromFriendlyNames) {
  EXPECT_EQ(ComNumberOf("USB Serial Port (COM1)"), 1);
  EXPECT_EQ(ComNumberOf("Prolific USB-to-Serial Comm Port (com12)"), 12);
  for (const char* odd : {"Printer Port (LPT1)", "Odd (COM)", "Odd (COM0)", "Odd (COMX)"}) {
    EXPECT_EQ(ComNumberOf(odd), std::nullopt) << odd;
  }
}

}  // namespace
}  // namespace tpw
