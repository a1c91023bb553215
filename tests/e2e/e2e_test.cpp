#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "image/memory_map.h"
#include "support/child_process.h"
#include "support/process.h"
#include "support/test_support.h"

namespace tpw::test {
namespace {

// A radio with an ATIS code, region 2, and a pattern the PC's base image does not have.
MemoryImage RadioImage() {
  MemoryImage image = ValidRadioImage(2);
  for (int a = 0x300; a < 0x7F0; ++a) image.set(a, static_cast<std::uint8_t>(a * 7));
  for (int a = 0x290; a < 0x300; ++a) image.set(a, 0x5A);
  image.set(addr::AtisCode, 0x12);
  return image;
}

MemoryImage BaseImage() {
  MemoryImage image = RadioImage();
  for (int a = 0x300; a < 0x7F0; ++a) image.set(a, 0x00);
  for (int a = 0x290; a < 0x300; ++a) image.set(a, 0xA5);
  return image;
}

// qz815-sim serving a file, stopped (and saving its memory) at the end of the test.
class Sim {
 public:
  Sim(const TempDir& dir, std::vector<std::string> options) {
    WriteBytes(dir / "radio.hex", ImageAsString(RadioImage()));
    std::vector<std::string> arguments = {QZ815_SIM,
                                          "--image",
                                          (dir / "radio.hex").string(),
                                          "--save",
                                          (dir / "saved.hex").string(),
                                          "--log",
                                          (dir / "log.jsonl").string()};
    arguments.insert(arguments.end(), options.begin(), options.end());
    process_ = std::make_unique<ChildProcess>(arguments, (dir / "sim.err").string());
    path_ = process_->readLine();
  }
  const std::string& path() const { return path_; }
  int stop() {
    process_->signal(SIGINT);
    return process_->wait();
  }

 private:
  std::unique_ptr<ChildProcess> process_;
  std::string path_;
};

std::string Cli(const std::string& arguments) {
  return std::string(TPW52_CLI) + " " + arguments;
}

struct E2e : ::testing::Test {
  TempDir dir;
  std::string file(const std::string& name) { return (dir / name).string(); }
  void SetUp() override { WriteBytes(dir / "base.hex", ImageAsString(BaseImage())); }
};

TEST_F(E2e, ReadSavesTheRadioOverTheBaseAndItsDataFileWritesBack) {
  Sim sim(dir, {});
  ASSERT_FALSE(sim.path().empty());
  const auto result = RunCommand(Cli("read --port " + sim.path() + " --base " + file("base.hex") +
                                     " --out " + file("out.hex") + " --dat " + file("out.dat")));
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "Complete!!\n");
  MemoryImage expected = RadioImage();
  expected.copyFrom(BaseImage(), 0x290, 0x70);
  EXPECT_EQ(ReadBytes(dir / "out.hex"), ImageAsString(expected));
  EXPECT_TRUE(ReadBytes(dir / "out.dat").starts_with("[MAIN]"));

  const auto write = RunCommand(
      Cli("write --port " + sim.path() + " " + file("out.dat") + " --base " + file("base.hex")));
  EXPECT_EQ(write.status, 0) << write.err;
  EXPECT_EQ(write.err, "Complete!!\n");
  EXPECT_EQ(sim.stop(), 0);
}

TEST_F(E2e, WriteProgramsTheRadioAndClearAtisErasesTheCode) {
  Sim sim(dir, {});
  const auto write = RunCommand(Cli("write --port " + sim.path() + " " + file("base.hex")));
  EXPECT_EQ(write.status, 0) << write.err;
  EXPECT_EQ(write.err, "Complete!!\n");
  const auto clear = RunCommand(Cli("clear-atis --port " + sim.path() + " --base " +
                                    file("base.hex") + " --out " + file("cleared.hex")));
  EXPECT_EQ(clear.status, 0) << clear.err;
  EXPECT_EQ(sim.stop(), 0);
  const std::string saved = ReadBytes(dir / "saved.hex");
  ASSERT_EQ(saved.size(), 2048u);
  // The blocks the write sends now hold the bytes a write starts from (what "convert" makes of
  // the file); the area the PC keeps still holds the radio's own bytes.
  ASSERT_EQ(RunCommand(Cli("convert " + file("base.hex") + " " + file("sent.hex"))).status, 0);
  const std::string sent = ReadBytes(dir / "sent.hex");
  const std::string cleared = ReadBytes(dir / "cleared.hex");
  ASSERT_EQ(sent.size(), 2048u);
  ASSERT_EQ(cleared.size(), 2048u);
  EXPECT_EQ(saved.substr(0x300, 0x4F0), sent.substr(0x300, 0x4F0));
  EXPECT_EQ(saved.substr(0x290, 0x70), std::string(0x70, '\x5A'));
  EXPECT_EQ(saved.substr(0x282, 5), std::string(5, '\xFF'));
  EXPECT_EQ(cleared.substr(0x282, 5), std::string(5, '\xFF'));
}

TEST_F(E2e, BusyRadioWithYesAndNo) {
  Sim sim(dir, {"--busy", "2"});
  const std::string clear = "clear-atis --port " + sim.path() + " --base " + file("base.hex") + " ";
  const auto refused = RunCommand(Cli(clear + "--no"));
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "Radio is busy!!\n-> refused\nRadio not ready!!\n");
  const auto retried = RunCommand(Cli(clear + "--yes"));
  EXPECT_EQ(retried.status, 0);
  EXPECT_EQ(retried.err, "Radio is busy!!\n-> agreed\nComplete!!\n");
  EXPECT_EQ(sim.stop(), 0);
}

TEST_F(E2e, CtrlCCancelsARead) {
  Sim sim(dir, {});
  ChildProcess cli({TPW52_CLI, "read", "--port", sim.path(), "--base", file("base.hex"), "--out",
                    file("out.hex")},
                   file("cli.err"));
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (ReadBytes(dir / "log.jsonl").find("#CEPRD\\u00090400") == std::string::npos &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  cli.signal(SIGINT);
  EXPECT_EQ(cli.wait(), 130);
  EXPECT_FALSE(std::filesystem::exists(dir / "out.hex"));
  EXPECT_EQ(sim.stop(), 0);
  const std::string log = ReadBytes(dir / "log.jsonl");
  // The abort byte went out and the radio's acknowledgement came back before the port closed.
  EXPECT_NE(log.find("{\"ms\":"), std::string::npos);
  EXPECT_NE(log.find("\"from\":\"pc\",\"bytes\":\"\\u0018\""), std::string::npos);
  EXPECT_NE(log.find("\"from\":\"radio\",\"bytes\":\"\\u0006\""), std::string::npos);
}

TEST_F(E2e, ReadStartsFromADestinationBesideTheProgram) {
  Sim sim(dir, {"--region", "255"});
  const auto result =
      RunCommand(Cli("read --port " + sim.path() + " --destination usa --out " + file("out.hex")));
  EXPECT_EQ(result.status, 0) << result.err;
  const std::string out = ReadBytes(dir / "out.hex");
  ASSERT_EQ(out.size(), 2048u);
  EXPECT_EQ(out.substr(0x300, 16), ImageAsString(RadioImage()).substr(0x300, 16));
  const auto unknown = RunCommand(
      Cli("read --port " + sim.path() + " --destination MARS --out " + file("mars.hex")));
  EXPECT_EQ(unknown.status, 1);
  EXPECT_TRUE(unknown.err.starts_with("There is no destination \"MARS\". The destinations are: "))
      << unknown.err;
  EXPECT_EQ(sim.stop(), 0);
}

TEST_F(E2e, OutputIntoAMissingFolderIsRefusedBeforeTheRadioIsRead) {
  Sim sim(dir, {});
  const std::string missing = file("no-such-folder") + "/out.hex";
  const auto read = RunCommand(
      Cli("read --port " + sim.path() + " --base " + file("base.hex") + " --out " + missing));
  EXPECT_EQ(read.status, 1);
  EXPECT_EQ(read.err, "Cannot save " + missing + ": the folder " + file("no-such-folder") +
                          " does not exist. Create it or give a file in another folder.\n");
  const auto clear = RunCommand(
      Cli("clear-atis --port " + sim.path() + " --base " + file("base.hex") + " --out " + missing));
  EXPECT_EQ(clear.status, 1);
  EXPECT_EQ(clear.err, read.err);
  EXPECT_EQ(sim.stop(), 0);
  EXPECT_EQ(ReadBytes(dir / "log.jsonl"), "");  // the radio heard nothing
  EXPECT_EQ(ReadBytes(dir / "saved.hex"), ImageAsString(RadioImage()));
}

TEST_F(E2e, PortsListsWhatThereIs) {
  const auto result = RunCommand(Cli("ports"));
  if (result.status == 0) {
    EXPECT_TRUE(result.out.starts_with("/dev/") || result.out.starts_with("COM")) << result.out;
  } else {
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "There is no port that can be used!!\n");
  }
}

TEST_F(E2e, MissingPortIsExplained) {
  const auto result = RunCommand(Cli("read --port /dev/tpw52-no-such-port --base " +
                                     file("base.hex") + " --out " + file("out.hex")));
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("The port /dev/tpw52-no-such-port does not exist."), std::string::npos)
      << result.err;
}

}  // namespace
}  // namespace tpw::test
