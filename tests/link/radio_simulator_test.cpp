#include "sim/radio_simulator.h"

#include <gtest/gtest.h>

#include "link/frame.h"
#include "link/protocol.h"
#include "link_test_support.h"

namespace tpw::test {
namespace {

std::string Feed(sim::RadioSimulator& radio, std::string_view bytes) {
  for (char c : bytes) radio.feed(c);
  return radio.takeOutput();
}

TEST(RadioSimulator, AnswersLikeTheRadio) {
  sim::RadioSimulator radio(RadioMemory(), sim::SimFaults{.busyStatusReplies = 1});
  EXPECT_EQ(Feed(radio, "P"), "P");
  EXPECT_EQ(Feed(radio, "0"), "");
  EXPECT_EQ(radio.baud(), 19200);
  EXPECT_EQ(Feed(radio, "ACMD:002\r\n"), "OK\r\n");
  EXPECT_EQ(radio.baud(), 57600);
  EXPECT_EQ(Feed(radio, "#CMDSY\r\n"), "#CMDOK\r\n");
  EXPECT_EQ(Feed(radio, BuildFrame("#CEPSR", "00")), "#CMDOK\r\n" + BuildFrame("#CEPSD", "01"));
  EXPECT_EQ(Feed(radio, BuildFrame("#CEPSR", "00")), "#CMDOK\r\n" + BuildFrame("#CEPSD", "00"));
  EXPECT_EQ(Feed(radio, BuildFrame("#CEPRD", "0080", "02")),
            "#CMDOK\r\n" + BuildFrame("#CEPDT", "0080", "02", "012D"));
  EXPECT_EQ(Feed(radio, BuildFrame("#CEPWR", "0100", "02", "A55A")), "#CMDOK\r\n");
  EXPECT_EQ(radio.memory().at(0x100), 0xA5);
  EXPECT_EQ(radio.memory().at(0x101), 0x5A);
  EXPECT_EQ(Feed(radio, std::string(1, protocol::Abort)),
            std::string(1, protocol::AbortAcknowledged));
  EXPECT_EQ(radio.aborts(), 1);
}

TEST(RadioSimulator, RejectsWhatItCannotServe) {
  sim::RadioSimulator radio(RadioMemory());
  EXPECT_EQ(Feed(radio, "#CEPRD\t0000\t10\t00\r\n"), "ERROR\r\n");  // bad checksum
  EXPECT_EQ(Feed(radio, BuildFrame("#CEPRD", "07F8", "10")), "ERROR\r\n");
  EXPECT_EQ(Feed(radio, BuildFrame("#CEPRD", "0000", "11")), "ERROR\r\n");
  EXPECT_EQ(Feed(radio, BuildFrame("#CEPWR", "0000", "02", "0G00")), "ERROR\r\n");
  EXPECT_EQ(Feed(radio, BuildFrame("#CEPXX", "0000", "01")), "ERROR\r\n");
  EXPECT_EQ(Feed(radio, "HELLO\r\n"), "ERROR\r\n");
  EXPECT_EQ(Feed(radio, "#CMDOK\r\n"), "");
  EXPECT_TRUE(radio.writes().empty());
  EXPECT_EQ(radio.memory(), RadioMemory());
}

TEST(RadioSimulator, FaultsStrikeTheirAddressAsOftenAsAsked) {
  sim::RadioSimulator radio(RadioMemory(),
                            sim::SimFaults{.badChecksumAddress = 0x030,
                                           .silentAddress = sim::AddressFault{0x010, 1},
                                           .errorAddress = sim::AddressFault{0x020, 1},
                                           .echo = true});
  const std::string read10 = BuildFrame("#CEPRD", "0010", "01");
  EXPECT_EQ(Feed(radio, read10), read10);  // only the echo
  EXPECT_EQ(Feed(radio, read10).substr(read10.size(), 8), "#CMDOK\r\n");
  const std::string read20 = BuildFrame("#CEPRD", "0020", "01");
  EXPECT_EQ(Feed(radio, read20), read20 + "ERROR\r\n");
  const std::string read30 = BuildFrame("#CEPRD", "0030", "01");
  const std::string spoiled = Feed(radio, read30).substr(read30.size() + 8);
  EXPECT_FALSE(VerifyFrame(spoiled.substr(0, spoiled.size() - 2)));
  const std::string clean = Feed(radio, read30).substr(read30.size() + 8);
  EXPECT_TRUE(VerifyFrame(clean.substr(0, clean.size() - 2)));
}

TEST(RadioSimulator, LogLinesAreJson) {
  EXPECT_EQ(sim::JsonLogLine(1.5, 57600, "pc", "#CMDOK\r\n"),
            R"({"ms":1.500,"baud":57600,"from":"pc","bytes":"#CMDOK\u000d\u000a"})");
  EXPECT_EQ(sim::JsonLogLine(0, 19200, "radio", std::string("\"\\\x18\xFF", 4)),
            R"({"ms":0.000,"baud":19200,"from":"radio","bytes":"\"\\\u0018\u00ff"})");
}

}  // namespace
}  // namespace tpw::test
