#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

#include <sys/stat.h>

#include "files/csv_text.h"
#include "image/memory_map.h"
#include "sim/pseudo_terminal.h"
#include "support/child_process.h"
#include "support/process.h"
#include "support/test_support.h"

namespace tpw::test {
namespace {

// A radio with an ATIS code, region 2, and a pattern the PC's base image does not have. Its
// lists are as long as a radio's: ten weather channels, no RG and no EXP channels.
MemoryImage RadioImage() {
  MemoryImage image = WithRadioListLengths(ValidRadioImage(2));
  for (int a = 0x300; a < 0x7F0; ++a) image.set(a, static_cast<std::uint8_t>(a * 7));
  for (int a = 0x290; a < 0x300; ++a) image.set(a, 0x5A);
  const std::uint8_t code[] = {0x12, 0x34, 0x56, 0x78, 0x90};
  for (int i = 0; i < addr::AtisCodeLength; ++i) image.set(addr::AtisCode + i, code[i]);
  return image;
}

// A radio without an ATIS code yet (so it takes the one written), twice programmed before.
MemoryImage RadioWithoutCode() {
  MemoryImage radio = RadioImage();
  for (int a = addr::AtisCode; a < addr::AtisCode + addr::AtisCodeLength; ++a) radio.set(a, 0xFF);
  radio.set(addr::AtisCount, 2);
  return radio;
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
  Sim(const TempDir& dir, std::vector<std::string> options,
      const MemoryImage& memory = RadioImage()) {
    WriteBytes(dir / "radio.hex", ImageAsString(memory));
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

// What the command line says of a radio that does not report ready.
std::string NotReady(const std::string& port) {
  return "Radio not ready!!\nThe radio on " + port +
         " did not report ready, so nothing was read or written. Wait until the radio shows PC "
         "CONTROL, then try again.\n";
}

// "Complete!!" of a write or clear that the read-back verified.
std::string CompleteAndVerified(const std::string& port) {
  return "Complete!!\nVerified: the radio on " + port + " holds everything written.\n";
}

// Waits (at most 20 s) until the simulator's log shows the PC sending this text.
void WaitUntilTheLogShows(const std::filesystem::path& log, const std::string& text) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (ReadBytes(log).find(text) == std::string::npos &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

struct E2e : ::testing::Test {
  TempDir dir;
  std::string file(const std::string& name) { return (dir / name).string(); }
  // The command with its own user data folder, where its backups go.
  std::string CliWithUserData(const std::string& arguments) {
    return "env XDG_DATA_HOME=" + file("home") + " " + Cli(arguments);
  }
  std::filesystem::path backups() { return dir / "home" / "TPW52" / "backups"; }
  void SetUp() override { WriteBytes(dir / "base.hex", ImageAsString(BaseImage())); }
};

// How long a command ran and how much processor time it took.
struct Timed {
  int status = -1;
  double seconds = 0;
  double cpuSeconds = 0;
};
Timed RunTimed(ChildProcess& process) {
  const auto start = std::chrono::steady_clock::now();
  Timed timed;
  timed.status = process.wait(&timed.cpuSeconds);
  timed.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return timed;
}

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
  EXPECT_EQ(write.err, CompleteAndVerified(sim.path()));
  EXPECT_EQ(sim.stop(), 0);
}

// A busy radio under --no, under --yes, and under --yes when it stays busy: five retries, then
// the usual failure. The radio keeps its memory whenever the clear did not run.
TEST_F(E2e, BusyRadioWithYesAndNo) {
  std::string fiveTimes;
  for (int i = 0; i < 5; ++i) fiveTimes += "Radio is busy!!\n-> agreed\n";
  const struct {
    const char* busy;
    const char* answer;
    int status;
    std::string said;  // before what the radio's port is named in
  } cases[] = {
      {"1", " --no", 1, "Radio is busy!!\n-> refused\n"},
      {"1", " --yes", 0, "Radio is busy!!\n-> agreed\n"},
      {"100", " --yes", 1,
       fiveTimes + "Radio is busy!!\n-> refused (--yes agreed to this question 5 times already)\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.busy) + c.answer);
    Sim sim(dir, {"--busy", c.busy});
    const auto result = RunCommand(
        Cli("clear-atis --port " + sim.path() + " --base " + file("base.hex") + c.answer));
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.err,
              c.said + (c.status == 0 ? CompleteAndVerified(sim.path()) : NotReady(sim.path())));
    EXPECT_EQ(sim.stop(), 0);
    if (c.status != 0) {
      EXPECT_EQ(ReadBytes(dir / "saved.hex"), ImageAsString(RadioImage()));
    }
  }
}

TEST_F(E2e, CtrlCCancelsARead) {
  Sim sim(dir, {});
  ChildProcess cli({TPW52_CLI, "read", "--port", sim.path(), "--base", file("base.hex"), "--out",
                    file("out.hex")},
                   file("cli.err"));
  WaitUntilTheLogShows(dir / "log.jsonl", "#CEPRD\\u00090400");
  cli.signal(SIGINT);
  EXPECT_EQ(cli.wait(), 130);
  EXPECT_EQ(ReadBytes(dir / "cli.err"), "The transfer was cancelled by Ctrl-C (SIGINT).\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "out.hex"));
  EXPECT_EQ(sim.stop(), 0);
  const std::string log = ReadBytes(dir / "log.jsonl");
  // The abort byte went out and the radio's acknowledgement came back before the port closed.
  EXPECT_NE(log.find("{\"ms\":"), std::string::npos);
  EXPECT_NE(log.find("\"from\":\"pc\",\"bytes\":\"\\u0018\""), std::string::npos);
  EXPECT_NE(log.find("\"from\":\"radio\",\"bytes\":\"\\u0006\""), std::string::npos);
}

// Each kind of output that cannot be saved, refused before the radio hears a byte (the other
// reasons a file cannot be saved are the file failures' tests).
TEST_F(E2e, OutputsThatCannotBeSavedAreRefusedBeforeTheRadioIsRead) {
  Sim sim(dir, {});
  const std::string missing = file("no-such-folder") + "/out.hex";
  const std::string read = "read --port " + sim.path() + " --base " + file("base.hex");
  const std::vector<std::pair<std::string, std::string>> cases = {
      {read + " --out " + missing,
       "Cannot save " + missing + ": the folder " + file("no-such-folder") +
           " does not exist. Create it, or give a path in another folder.\n"},
      {read + " --out " + file("out.hx"),
       "Cannot save " + file("out.hx") +
           ": --out takes an image file (.hex). Give a name ending in .hex.\n"},
      {read + " --out " + file("out.hex") + " --dat " + file("out.hex"),
       "Cannot save " + file("out.hex") +
           ": --dat takes a channel data file (.dat). Give a name ending in .dat.\n"},
  };
  for (const auto& [command, message] : cases) {
    const auto result = RunCommand(Cli(command));
    EXPECT_EQ(result.status, 1) << command;
    EXPECT_EQ(result.err, message);
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "out.hex"));
  EXPECT_EQ(sim.stop(), 0);
  EXPECT_EQ(ReadBytes(dir / "log.jsonl"), "");  // the radio heard nothing
  EXPECT_EQ(ReadBytes(dir / "saved.hex"), ImageAsString(RadioImage()));
}

// A radio that is not in PC-control mode (or a port without one) never answers: the command
// says what it waits for, then what to check, without keeping the processor busy.
TEST_F(E2e, ARadioThatDoesNotAnswer) {
  sim::PseudoTerminal silent;
  ChildProcess cli({TPW52_CLI, "read", "--port", silent.path(), "--base", file("base.hex"), "--out",
                    file("out.hex")},
                   file("cli.err"));
  const Timed run = RunTimed(cli);
  EXPECT_EQ(run.status, 1);
  const std::string said = ReadBytes(dir / "cli.err");
  EXPECT_TRUE(said.starts_with("Still waiting on " + silent.path())) << said;
  EXPECT_NE(said.find("The radio did not answer on " + silent.path() + "."), std::string::npos);
  EXPECT_LT(run.seconds, 50);  // one synchronisation pass, not two
  EXPECT_LT(run.cpuSeconds, 5);
  EXPECT_FALSE(std::filesystem::exists(dir / "out.hex"));
}

// A line that hangs up (the radio switched off, the cable pulled out) ends the transfer at
// once, with no busy loop, and says that nothing was read or written yet.
TEST_F(E2e, APortThatHangsUpIsLostAtOnce) {
  for (const bool write : {false, true}) {
    auto peer = std::make_unique<sim::PseudoTerminal>();
    const std::string port = peer->path();
    ChildProcess cli(
        write
            ? std::vector<std::string>{TPW52_CLI, "write", "--port", port, file("base.hex")}
            : std::vector<std::string>{TPW52_CLI, "read", "--port", port, "--out", file("out.hex")},
        file("cli.err"));
    EXPECT_EQ(peer->read(std::chrono::seconds(10)), "P");  // the first ping
    peer.reset();
    const Timed run = RunTimed(cli);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(ReadBytes(dir / "cli.err")
                    .starts_with("The connection to the radio on " + port +
                                 " was lost: the line hung up.\nNothing was "));
    EXPECT_LT(run.seconds, 5);
    EXPECT_LT(run.cpuSeconds, 2);
  }
}

// SIGTERM and SIGHUP cancel like Ctrl-C, and a write cancelled half way says so.
TEST_F(E2e, StopSignalsCancelAWriteAndSayWhatTheRadioHolds) {
  for (const auto& [number, name] :
       {std::pair{SIGTERM, std::string("a request to end the program (SIGTERM)")},
        std::pair{SIGHUP, std::string("the terminal hanging up (SIGHUP)")}}) {
    TempDir run;
    Sim sim(run, {});
    const std::string port = sim.path();
    ChildProcess cli({TPW52_CLI, "write", "--port", port, file("base.hex")},
                     (run / "cli.err").string());
    WaitUntilTheLogShows(run / "log.jsonl", "#CEPWR\\u00090400");
    cli.signal(number);
    EXPECT_EQ(cli.wait(), 130) << name;
    EXPECT_EQ(sim.stop(), 0);
    // The write frame under way at the signal was answered and taken: the message ends the
    // write at its last byte.
    const std::string log = ReadBytes(run / "log.jsonl");
    const std::string frame = "\"from\":\"pc\",\"bytes\":\"#CEPWR\\u0009";
    const std::size_t last = log.rfind(frame);
    ASSERT_NE(last, std::string::npos);
    const int address = std::stoi(log.substr(last + frame.size(), 4), nullptr, 16);
    const int length = std::stoi(log.substr(last + frame.size() + 10, 2), nullptr, 16);
    EXPECT_NE(log.find("\"from\":\"radio\",\"bytes\":\"#CMDOK", last), std::string::npos);
    char taken[8];
    std::snprintf(taken, sizeof taken, "0x%03X", address + length - 1);
    EXPECT_EQ(ReadBytes(run / "cli.err"), "The radio on " + port +
                                              " is only partly programmed: it took the write up to "
                                              "address " +
                                              taken +
                                              ", then the write stopped. Program the radio again "
                                              "before you use it.\nThe transfer was cancelled by " +
                                              name + ".\n");
  }
}

TEST_F(E2e, PortsListsWhatThereIs) {
  const auto result = RunCommand(Cli("ports"));
  if (result.status == 0) {
    EXPECT_TRUE(result.out.starts_with("/dev/") || result.out.starts_with("COM")) << result.out;
  } else {
    EXPECT_EQ(result.status, 1);
    // What to check follows, as tested with the port hints.
    EXPECT_TRUE(
        result.err.starts_with("There is no port that can be used!!\nCheck that the "
                               "programming cable is plugged in"))
        << result.err;
  }
}

// Every read and write keeps a backup a user can program back: the radio's exact prior state
// comes back from the backup read before a write.
TEST_F(E2e, BackupsOfReadsAndWritesPutTheRadioBack) {
  const std::filesystem::path programs = std::filesystem::path(TPW52_CLI).parent_path();
  const std::string belgium = ReadBytes(programs / "QZ815_BE_012D.ini");
  ASSERT_EQ(belgium.size(), 2048u);
  MemoryImage factory;
  for (int a = 0; a <= ImageLastIndex; ++a) {
    factory.set(a, static_cast<std::uint8_t>(belgium[static_cast<std::size_t>(a)]));
  }
  Sim sim(dir, {}, factory);
  const std::string port = " --port " + sim.path() + " ";
  const auto read =
      RunCommand(CliWithUserData("read" + port + "--destination be --out " + file("out.hex")));
  ASSERT_EQ(read.status, 0) << read.err;
  const std::vector<std::string> afterRead = FolderNames(backups());
  ASSERT_EQ(afterRead.size(), 1u);
  EXPECT_TRUE(afterRead[0].ends_with("-read-BE.hex")) << afterRead[0];
  EXPECT_EQ(ReadBytes(backups() / afterRead[0]), belgium);
  const auto listed = RunCommand(CliWithUserData("backups"));
  EXPECT_EQ(listed.status, 0);
  EXPECT_EQ(listed.out, (backups() / afterRead[0]).string() + "\n");

  // The radio programmed for another region, read first.
  const auto write = RunCommand(CliWithUserData("write" + port + "--read-first --yes " +
                                                (programs / "QZ815_UK_012D.ini").string()));
  ASSERT_EQ(write.status, 0) << write.err;
  std::string before;
  std::string written;
  for (const std::string& name : FolderNames(backups())) {
    if (name.ends_with("-before-write-BE.hex")) before = (backups() / name).string();
    if (name.ends_with("-write-UK.hex")) written = (backups() / name).string();
  }
  ASSERT_FALSE(before.empty());
  ASSERT_FALSE(written.empty());
  EXPECT_EQ(FolderNames(backups()).size(), 3u);
  EXPECT_EQ(ReadBytes(before), belgium);

  // Programming the backup back, without a backup this time, puts back every byte.
  const auto restore = RunCommand(CliWithUserData("write" + port + "--no-backup --yes " + before));
  EXPECT_EQ(restore.status, 0) << restore.err;
  EXPECT_EQ(FolderNames(backups()).size(), 3u);
  EXPECT_EQ(sim.stop(), 0);
  EXPECT_EQ(ReadBytes(dir / "saved.hex"), belgium);
}

#ifdef __linux__
// When the radio is read first, its backup must be saved before anything is written: on a full
// disk (a small tmpfs, where the test may mount one) the write stops and says why, and a read
// whose image cannot be saved there fails.
TEST_F(E2e, AReadFirstWhoseBackupCannotBeSavedWritesNothing) {
  const std::filesystem::path home = dir / "home";
  std::filesystem::create_directories(home);
  if (std::system(
          ("mount -t tmpfs -o size=16k tpw52 '" + home.string() + "' 2>/dev/null").c_str()) != 0) {
    GTEST_SKIP() << "no tmpfs can be mounted here";
  }
  // Unmounted however the test ends.
  const std::unique_ptr<const std::filesystem::path, void (*)(const std::filesystem::path*)>
      mounted(&home, [](auto* m) { std::system(("umount '" + m->string() + "'").c_str()); });
  std::filesystem::create_directories(backups());
  WriteBytes(home / "filler", std::string(1 << 20, '\0'));  // as much as fits
  Sim sim(dir, {});
  const auto write = RunCommand(
      CliWithUserData("write --port " + sim.path() + " --read-first --yes " + file("base.hex")));
  EXPECT_EQ(write.status, 1);
  const std::string said =
      "Nothing was written: the radio's data as they were before "
      "programming could not be kept, and reading the radio first is for "
      "keeping them. The radio on " +
      sim.path() + " is as it was.\n" + backups().string() + "/";
  EXPECT_TRUE(write.err.starts_with(said)) << write.err;
  EXPECT_TRUE(write.err.ends_with("-before-write-BE.hex: the disk is full. Free some space.\n"))
      << write.err;
  EXPECT_EQ(ReadBytes(dir / "log.jsonl").find("#CEPWR"), std::string::npos);
  // A read whose image cannot be saved on that disk fails, and says so.
  const std::string out = (home / "out.hex").string();
  const auto read = RunCommand(CliWithUserData(
      "read --port " + sim.path() + " --no-backup --base " + file("base.hex") + " --out " + out));
  EXPECT_EQ(read.status, 1);
  EXPECT_TRUE(read.err.ends_with("The radio's data were not saved to " + out +
                                 "; run the command again once that file can be saved.\n"))
      << read.err;
  EXPECT_EQ(sim.stop(), 0);
  EXPECT_EQ(ReadBytes(dir / "saved.hex"), ImageAsString(RadioImage()));
}
#endif

// diff reads the radio as read does, with its backup: the image of a read is the same as the
// radio; its data file keeps the settings, not the bytes of the slots no channel holds.
TEST_F(E2e, DiffComparesAFileWithTheRadioAsAReadReadsIt) {
  Sim sim(dir, {});
  const std::string port = " --port " + sim.path() + " --base " + file("base.hex") + " ";
  ASSERT_EQ(RunCommand(CliWithUserData("read" + port + "--out " + file("radio.hex") + " --dat " +
                                       file("radio.dat")))
                .status,
            0);
  const auto same = RunCommand(CliWithUserData("diff " + file("radio.hex") + port));
  EXPECT_EQ(same.status, 0) << same.err;
  EXPECT_EQ(same.out, "");
  EXPECT_EQ(same.err, "Complete!!\n");
  EXPECT_EQ(FolderNames(backups()).size(), 2u);
  const auto settings = RunCommand(Cli("diff " + file("radio.dat") + port + "--no-backup"));
  EXPECT_EQ(settings.status, 1) << settings.err;  // the wording: core DataSetComparison
  EXPECT_EQ(settings.out.find("Channel"), std::string::npos) << settings.out;
  const auto other = RunCommand(Cli("diff " + file("base.hex") + port + "--no-backup --json"));
  EXPECT_EQ(other.status, 1) << other.err;
  EXPECT_TRUE(other.out.starts_with("[\n  {\"where\": \"Group1(USA) ")) << other.out;
  // The PC's own bytes differ, but they are no difference of the radio.
  EXPECT_EQ(other.out.find("\"0x29"), std::string::npos);
  EXPECT_EQ(sim.stop(), 0);
}

// A radio that acknowledges a write but keeps another byte fails it, naming the address and the
// setting there; --no-verify trusts the acknowledgements.
TEST_F(E2e, WriteIsVerifiedUnlessTurnedOff) {
  Sim sim(dir, {"--wrong-byte", "094"});
  const std::string write = "write --port " + sim.path() + " " + file("base.hex");
  const auto differs = RunCommand(Cli(write));
  EXPECT_EQ(differs.status, 1);
  EXPECT_TRUE(differs.err.starts_with("Not verified: ")) << differs.err;
  const auto trusted = RunCommand(Cli(write + " --no-verify"));
  EXPECT_EQ(trusted.status, 0) << trusted.err;
  EXPECT_EQ(trusted.err, "Complete!!\n");
  EXPECT_EQ(sim.stop(), 0);
}

// With --read-first the changes are confirmed like any question (their listing and wording are
// the link tests', ChangesBeforeWrite): declined, the radio keeps all it had; agreed, it is
// written; a radio that holds everything is not written again.
TEST_F(E2e, ReadFirstListsTheChangesToConfirm) {
  {
    Sim declined(dir, {});
    const auto no = RunCommand(
        Cli("write --read-first --no --port " + declined.path() + " " + file("base.hex")));
    EXPECT_EQ(no.status, 1);
    EXPECT_NE(no.err.find("?\n-> refused\nNothing was written: "), std::string::npos) << no.err;
    EXPECT_EQ(declined.stop(), 0);
    EXPECT_EQ(ReadBytes(dir / "saved.hex"), ImageAsString(RadioImage()));
  }
  Sim sim(dir, {});
  const std::string write =
      "write --read-first --yes --port " + sim.path() + " " + file("base.hex");
  const auto yes = RunCommand(Cli(write));
  EXPECT_EQ(yes.status, 0) << yes.err;
  EXPECT_TRUE(yes.err.ends_with("-> agreed\n" + CompleteAndVerified(sim.path()))) << yes.err;
  const auto again = RunCommand(Cli(write));
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_TRUE(again.err.starts_with("Nothing was written: ")) << again.err;
  EXPECT_EQ(sim.stop(), 0);
}

// What is not a port is named for what it is, without the system's numbers or ioctl words.
TEST_F(E2e, WhatIsNoPortIsExplained) {
  WriteBytes(dir / "regular", "x");
  std::filesystem::create_directory(dir / "folder");
  const bool fifo = mkfifo(file("fifo").c_str(), 0600) == 0;
  const std::string notSerial =
      " is not a serial port. Give the port of the programming cable (\"tpw52-cli ports\" lists "
      "the serial ports).\n";
  std::vector<std::pair<std::string, std::string>> cases = {
      {"/dev/null", "The port /dev/null" + notSerial},
      {file("regular"), "The port " + file("regular") + notSerial},
      {file("folder"), "The port " + file("folder") + notSerial},
  };
  if (fifo) cases.push_back({file("fifo"), "The port " + file("fifo") + notSerial});
  for (const auto& [port, expected] : cases) {
    const auto result = RunCommand(
        Cli("read --port '" + port + "' --base " + file("base.hex") + " --out " + file("out.hex")));
    EXPECT_EQ(result.status, 1) << port;
    EXPECT_EQ(result.err, expected);
  }
  const auto none = RunCommand(Cli("read --port '' --out " + file("out.hex")));
  EXPECT_EQ(none.status, 2);
  EXPECT_TRUE(
      none.err.starts_with("--port: no port given: give the serial port of the "
                           "programming cable (\"tpw52-cli ports\" lists them)\n"))
      << none.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "out.hex"));
}

// The test of the cable and the port: the exact words for each kind of line, in bounded time;
// the radio is told to leave the transfer, and nothing is written.
TEST_F(E2e, CheckPortSaysWhatAnswers) {
  const auto radio = [](const std::string& port) {
    return "The radio on " + port +
           " answered: a QZ815 (model words 012D and 012D), region BE.\nIt holds an ATIS code; "
           "an ATIS code has been programmed into it 1 time.\nThe cable and the port work: "
           "the radio can be read and programmed.\n";
  };
  const auto echo = [](const std::string& port) {
    return "The cable on " + port +
           " returns every byte it is sent (a cable with echo). Transfers through it need the "
           "echo check: --echo-check on the command line, or start the desktop application "
           "with /NT.\n";
  };
  const struct {
    std::vector<std::string> options;
    int status;
    std::function<std::string(const std::string&)> said;
  } radios[] = {
      {{}, 0, radio},
      {{"--echo"}, 0, [&](const std::string& port) { return echo(port) + radio(port); }},
      {{"--busy", "100"},
       1,
       [](const std::string& port) {
         return "The radio on " + port +
                " answered but did not report ready (it may be busy). Wait until it shows PC "
                "CONTROL, then test again.\n";
       }},
  };
  MemoryImage held = RadioImage();
  held.set(addr::AtisCount, 1);
  for (const auto& r : radios) {
    TempDir run;
    Sim sim(run, r.options, held);
    ChildProcess cli({TPW52_CLI, "check-port", sim.path()}, (run / "cli.err").string());
    const Timed timed = RunTimed(cli);
    EXPECT_EQ(timed.status, r.status);
    EXPECT_EQ(ReadBytes(run / "cli.err"), r.said(sim.path()));
    EXPECT_LT(timed.seconds, 10);
    EXPECT_EQ(sim.stop(), 0);
    const std::string log = ReadBytes(run / "log.jsonl");
    EXPECT_EQ(log.find("#CEPWR"), std::string::npos);
    EXPECT_NE(log.find("\"from\":\"radio\",\"bytes\":\"\\u0006\""), std::string::npos);
    EXPECT_EQ(ReadBytes(run / "saved.hex"), ImageAsString(held));
  }
  sim::PseudoTerminal silent;
  ChildProcess quiet({TPW52_CLI, "check-port", silent.path()}, file("quiet.err"));
  const Timed nothing = RunTimed(quiet);
  EXPECT_EQ(nothing.status, 1);
  EXPECT_EQ(ReadBytes(dir / "quiet.err"),
            "Nothing answered on " + silent.path() +
                ". The radio is switched off, or it is not in PC-control mode (switch it on while "
                "holding [PRESET] until it shows PC CONTROL), or its cable is on another port "
                "than " +
                silent.path() + ".\n");
  EXPECT_LT(nothing.seconds, 8);
  EXPECT_LT(nothing.cpuSeconds, 2);
}

// ---- Programming a fleet ----

struct FleetE2e : E2e {
  // Simulated radios, each in its own folder, and the plan that names them with their codes.
  std::vector<std::unique_ptr<TempDir>> folders;
  std::vector<std::unique_ptr<Sim>> radios;
  void startRadios(const std::vector<std::vector<std::string>>& faults) {
    std::string plan = "label,port,atis_code\n";
    for (const auto& options : faults) {
      folders.push_back(std::make_unique<TempDir>());
      radios.push_back(std::make_unique<Sim>(*folders.back(), options, RadioWithoutCode()));
      plan += label(radios.size() - 1) + "," + port(radios.size() - 1) + "," +
              code(radios.size() - 1) + "\n";
    }
    WriteBytes(dir / "plan.csv", plan);
  }
  std::string label(std::size_t i) const { return "Boat " + std::to_string(i + 1); }
  std::string port(std::size_t i) const { return radios[i]->path(); }
  std::string code(std::size_t i) const { return "92112345" + std::to_string(10 + i); }
  std::string saved(std::size_t i) const { return ReadBytes(*folders[i] / "saved.hex"); }
  std::string log(std::size_t i) const { return ReadBytes(*folders[i] / "log.jsonl"); }
  void stopRadios() {
    for (auto& radio : radios) EXPECT_EQ(radio->stop(), 0);
  }
};

// Four radios at once: two verify, one with a bad memory cell does not, one hangs up half way.
// Each takes its own code and keeps its own backup; the summary and the report say so.
TEST_F(FleetE2e, EveryRadioTakesItsOwnCodeAndOneFailureStopsNoOther) {
  startRadios({{}, {}, {"--wrong-byte", "094"}, {"--hang-up", "400"}});
  const auto fleet =
      RunCommand(CliWithUserData("fleet " + file("plan.csv") + " " + file("base.hex") +
                                 " --yes --report " + file("fleet.csv")));
  EXPECT_EQ(fleet.status, 1) << fleet.err;
  const std::vector<std::string> outcomes = {"verified", "verified",
                                             "not verified: Common Setup: Resume Time",
                                             "partly written \u2014 program again"};
  CsvFault fault;
  const CsvTable report = ParseCsv(ReadBytes(dir / "fleet.csv"), fault).value_or(CsvTable{});
  ASSERT_EQ(report.rows.size(), radios.size() + 1) << fault.text;
  EXPECT_EQ(report.rows[0].cells,
            (std::vector<std::string>{"label", "port", "outcome", "atis_code", "backup"}));
  for (std::size_t i = 0; i < radios.size(); ++i) {
    SCOPED_TRACE(label(i));
    const std::vector<std::string>& row = report.rows[i + 1].cells;
    ASSERT_EQ(row.size(), 5u);
    EXPECT_EQ(row[0], label(i));
    EXPECT_EQ(row[1], port(i));
    EXPECT_EQ(row[2], outcomes[i]);
    EXPECT_EQ(row[3], i < 3 ? code(i) : "unknown");
    EXPECT_TRUE(row[4].starts_with(backups().string() + "/")) << row[4];
    EXPECT_TRUE(row[4].ends_with(".hex")) << row[4];
    EXPECT_NE(fleet.out.find(label(i) + "  " + port(i) + "  " + outcomes[i]), std::string::npos)
        << fleet.out;
    EXPECT_NE(fleet.err.find(label(i) + " (" + port(i) + "):\nThe radio on " + port(i) +
                             " has no ATIS code yet and will take the code " + code(i) + "."),
              std::string::npos);
  }
  EXPECT_TRUE(fleet.out.starts_with("Label   Port")) << fleet.out;
  // What went wrong follows the table, radio by radio; a plain completion is the table's.
  EXPECT_EQ(fleet.err.find("): Complete!!"), std::string::npos) << fleet.err;
  EXPECT_NE(fleet.err.find(label(2) + " (" + port(2) + "): Not verified: read back, the radio on " +
                           port(2) + " holds other bytes than were sent at 0x094"),
            std::string::npos)
      << fleet.err;
  EXPECT_NE(fleet.err.find(label(3) + " (" + port(3) + "): The radio on " + port(3) +
                           " is only partly programmed"),
            std::string::npos)
      << fleet.err;
  stopRadios();
  for (std::size_t i = 0; i < 3; ++i) {
    const std::string bcd = saved(i).substr(addr::AtisCode, addr::AtisCodeLength + 1);
    EXPECT_EQ(bcd, std::string("\x92\x11\x23\x45") + char(0x10 + i) + '\x03');
  }
}

// Ctrl-C cancels every radio, and each one's state is told.
TEST_F(FleetE2e, CtrlCCancelsEveryRadio) {
  startRadios({{}, {}});
  ChildProcess cli({"/usr/bin/env", "XDG_DATA_HOME=" + file("home"), TPW52_CLI, "fleet",
                    file("plan.csv"), file("base.hex"), "--yes"},
                   file("cli.err"));
  for (const auto& folder : folders)
    WaitUntilTheLogShows(*folder / "log.jsonl", "#CEPWR\\u00090400");
  cli.signal(SIGINT);
  EXPECT_EQ(cli.wait(), 130);
  std::string out;
  for (std::string line; !(line = cli.readLine()).empty();) out += line + "\n";
  for (std::size_t i = 0; i < radios.size(); ++i) {
    EXPECT_NE(
        out.find(label(i) + "  " + port(i) + "  cancelled, partly written \u2014 program again"),
        std::string::npos)
        << out;
  }
  EXPECT_TRUE(
      ReadBytes(dir / "cli.err").ends_with("The fleet was cancelled by Ctrl-C (SIGINT).\n"));
  stopRadios();
}

// A plan whose port is not there is refused with its line before any radio hears a byte (the
// plan's other refusals are the fleet plan's own tests).
TEST_F(FleetE2e, RefusedPlansTouchNoRadio) {
  startRadios({{}});
  WriteBytes(dir / "plan.csv", "port\n" + port(0) + "\n/dev/tpw52-no-such-port\n");
  const auto fleet =
      RunCommand(Cli("fleet " + file("plan.csv") + " " + file("base.hex") + " --yes"));
  EXPECT_EQ(fleet.status, 1);
  EXPECT_EQ(fleet.err, file("plan.csv") +
                           ", line 3: the port /dev/tpw52-no-such-port does not exist. Check that "
                           "the radio's cable is plugged in (\"tpw52-cli ports\" lists the "
                           "ports). No radio was touched.\n");
  stopRadios();
  EXPECT_EQ(log(0), "");
  EXPECT_EQ(saved(0), ImageAsString(RadioWithoutCode()));
}

// A radio without an ATIS code takes one only when the user agrees: without a terminal or --yes,
// or with --no, nothing is written; --atis-code's own refusals come before the port opens. What
// the questions say is the link tests' (CloneWrite).
TEST_F(E2e, ANewAtisCodeNeedsYes) {
  Sim sim(dir, {}, RadioWithoutCode());
  const std::string write = "write --port " + sim.path() + " " + file("base.hex");
  // What the radio's log must not show: the refusals of --atis-code leave it empty.
  const struct {
    std::string arguments;
    int status;
    std::string endsWith;
    const char* unheard;
  } cases[] = {
      {" --atis-code 12345 --yes", 2,
       "Data Error!!\n--atis-code: \"12345\" is not an ATIS code, which is ten digits. Give the "
       "code of the boat's licence, or leave --atis-code out to program the data's own code. "
       "Nothing was written.\n",
       "{"},
      {" --atis-code 1234567890 --no", 1,
       "Nothing was written: the ATIS code 1234567890 was not kept. Give the boat's own code "
       "with --atis-code.\n",
       "{"},
      {"", 1, "then program again.\n", "#CEPWR"},
      {" --no", 1, "then program again.\n", "#CEPWR"},
      {" --atis-code 9211234567 --yes", 0, "-> agreed\n" + CompleteAndVerified(sim.path()), ""},
  };
  for (const auto& c : cases) {
    const auto result = RunCommand(Cli(write + c.arguments));
    EXPECT_EQ(result.status, c.status) << c.arguments;
    EXPECT_TRUE(result.err.ends_with(c.endsWith)) << result.err;
    if (c.status != 0) {
      EXPECT_EQ(ReadBytes(dir / "log.jsonl").find(c.unheard), std::string::npos) << c.arguments;
    }
  }
  EXPECT_EQ(sim.stop(), 0);
  EXPECT_EQ(ReadBytes(dir / "saved.hex").substr(addr::AtisCode, addr::AtisCodeLength + 1),
            "\x92\x11\x23\x45\x67\x03");
}

}  // namespace
}  // namespace tpw::test
