#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

#include <sys/stat.h>

#include "files/csv_text.h"
#include "files/hex_image_file.h"
#include "image/memory_map.h"
#include "sim/pseudo_terminal.h"
#include "support/child_process.h"
#include "support/command_cases.h"
#include "support/process.h"
#include "support/test_support.h"

namespace tpw::test {
namespace {

using ::testing::AllOf;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

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
    const auto at = [&dir](const char* name) { return (dir / name).string(); };
    options.insert(options.begin(), {QZ815_SIM, "--image", at("radio.hex"), "--save",
                                     at("saved.hex"), "--log", at("log.jsonl")});
    process_ = std::make_unique<ChildProcess>(options, at("sim.err"));
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

ProcessResult RunCli(const std::string& arguments) {
  return RunCommand(std::string(TPW52_CLI) + " " + arguments);
}

// A case file of tests/data/command-cases (see CommandCase).
std::filesystem::path Data(const std::string& name) {
  return std::filesystem::path(TPW52_TEST_DATA) / name;
}

// tpw52-cli started in the background, its stderr in a file.
ChildProcess StartCli(const std::string& arguments, const std::filesystem::path& err) {
  return {{"/bin/sh", "-c", "exec " + std::string(TPW52_CLI) + " " + arguments}, err.string()};
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

// Every command of a test has the test's own user data folder, where its backups go.
struct E2e : ::testing::Test {
  TempDir dir;
  std::string file(const std::string& name) { return (dir / name).string(); }
  std::filesystem::path backups() { return dir / "home" / "TPW52" / "backups"; }
  void SetUp() override {
    WriteBytes(dir / "base.hex", ImageAsString(BaseImage()));
    setenv("XDG_DATA_HOME", file("home").c_str(), 1);
  }
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

// A read saves the radio over the base, and its data file writes back. diff reads the radio as
// read does, with its backup: the image of a read is the same as the radio; its data file keeps
// the settings, not the bytes of the slots no channel holds.
TEST_F(E2e, ReadSavesTheRadioOverTheBaseAndDiffAndWriteTakeWhatItSaved) {
  Sim sim(dir, {});
  ASSERT_FALSE(sim.path().empty());
  const std::string port = " --port " + sim.path() + " --base " + file("base.hex") + " ";
  const auto read =
      RunCli("read" + port + "--out " + file("out.hex") + " --dat " + file("out.dat"));
  EXPECT_EQ(read.status, 0) << read.err;
  EXPECT_EQ(read.err, "Complete!!\n");
  MemoryImage expected = RadioImage();
  expected.copyFrom(BaseImage(), 0x290, 0x70);
  EXPECT_EQ(ReadBytes(dir / "out.hex"), ImageAsString(expected));
  EXPECT_THAT(ReadBytes(dir / "out.dat"), StartsWith("[MAIN]"));

  const auto same = RunCli("diff " + file("out.hex") + port);
  EXPECT_EQ(same.status, 0) << same.err;
  EXPECT_EQ(same.out, "");
  EXPECT_EQ(same.err, "Complete!!\n");
  EXPECT_EQ(FolderNames(backups()).size(), 2u);
  const auto settings = RunCli("diff " + file("out.dat") + port + "--no-backup");
  EXPECT_EQ(settings.status, 1) << settings.err;  // the wording: core DataSetComparison
  EXPECT_THAT(settings.out, Not(HasSubstr("Channel")));
  const auto other = RunCli("diff " + file("base.hex") + port + "--no-backup --json");
  EXPECT_EQ(other.status, 1) << other.err;
  EXPECT_THAT(other.out, StartsWith("[\n  {\"where\": \"Group1(USA) "));
  // The PC's own bytes differ, but they are no difference of the radio.
  EXPECT_THAT(other.out, Not(HasSubstr("\"0x29")));

  const auto write = RunCli("write" + port + file("out.dat"));
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
    const auto result =
        RunCli("clear-atis --port " + sim.path() + " --base " + file("base.hex") + c.answer);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.err,
              c.said + (c.status == 0 ? CompleteAndVerified(sim.path()) : NotReady(sim.path())));
    EXPECT_EQ(sim.stop(), 0);
    if (c.status != 0) {
      EXPECT_EQ(ReadBytes(dir / "saved.hex"), ImageAsString(RadioImage()));
    }
  }
}

// Each kind of output that cannot be saved, and what is not a port, are refused before the
// radio hears a byte.
TEST_F(E2e, OutputsAndPortsThatCannotBeUsedAreRefusedFirst) {
  Sim sim(dir, {});
  WriteBytes(dir / "regular", "x");
  std::filesystem::create_directory(dir / "folder");
  ASSERT_EQ(mkfifo(file("fifo").c_str(), 0600), 0);
  ExpectCommandCases(TPW52_CLI, Data("refused-before-the-radio-is-read.txt"),
                     {{"dir", dir.path().string()}, {"sim", sim.path()}});
  EXPECT_FALSE(std::filesystem::exists(dir / "out.hex"));
  EXPECT_EQ(sim.stop(), 0);
  EXPECT_EQ(ReadBytes(dir / "log.jsonl"), "");  // the radio heard nothing
  EXPECT_EQ(ReadBytes(dir / "saved.hex"), ImageAsString(RadioImage()));
}

// A radio that is not in PC-control mode (or a port without one) never answers: the command
// says what it waits for, then what to check, without keeping the processor busy.
TEST_F(E2e, ARadioThatDoesNotAnswer) {
  sim::PseudoTerminal silent;
  ChildProcess cli = StartCli(
      "read --port " + silent.path() + " --base " + file("base.hex") + " --out " + file("out.hex"),
      dir / "cli.err");
  const Timed run = RunTimed(cli);
  EXPECT_EQ(run.status, 1);
  const std::string said = ReadBytes(dir / "cli.err");
  EXPECT_THAT(said, StartsWith("Still waiting on " + silent.path()));
  EXPECT_THAT(said, HasSubstr("The radio did not answer on " + silent.path() + "."));
  EXPECT_LT(run.seconds, 50);  // one synchronisation pass, not two
  EXPECT_LT(run.cpuSeconds, 5);
  EXPECT_FALSE(std::filesystem::exists(dir / "out.hex"));
}

// A line that hangs up (the radio switched off, the cable pulled out) ends the transfer at
// once, with no busy loop, and says that nothing was read or written yet.
TEST_F(E2e, APortThatHangsUpIsLostAtOnce) {
  for (const std::string& command :
       {"read --out " + file("out.hex"), "write " + file("base.hex")}) {
    sim::PseudoTerminal peer;
    ChildProcess cli = StartCli(command + " --port " + peer.path(), dir / "cli.err");
    EXPECT_EQ(peer.read(std::chrono::seconds(10)), "P");  // the first ping
    peer.hangUp();
    const Timed run = RunTimed(cli);
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(ReadBytes(dir / "cli.err"),
                StartsWith("The connection to the radio on " + peer.path() +
                           " was lost: the line hung up.\nNothing was "));
    EXPECT_LT(run.seconds, 5);
    EXPECT_LT(run.cpuSeconds, 2);
  }
}

// Ctrl-C, SIGTERM and SIGHUP cancel a transfer under way: a read saves nothing, and a write
// cancelled half way says so.
TEST_F(E2e, StopSignalsCancelATransfer) {
  const struct {
    int number;
    std::string name;
    std::string command;
  } cases[] = {
      {SIGINT, "Ctrl-C (SIGINT)", "read --base " + file("base.hex") + " --out " + file("out.hex")},
      {SIGTERM, "a request to end the program (SIGTERM)", "write " + file("base.hex")},
      {SIGHUP, "the terminal hanging up (SIGHUP)", "write " + file("base.hex")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir run;
    Sim sim(run, {});
    const std::string port = sim.path();
    const bool write = c.command.starts_with("write");
    ChildProcess cli = StartCli(c.command + " --port " + port, run / "cli.err");
    WaitUntilTheLogShows(run / "log.jsonl", write ? "#CEPWR\\u00090400" : "#CEPRD\\u00090400");
    cli.signal(c.number);
    EXPECT_EQ(cli.wait(), 130);
    EXPECT_EQ(sim.stop(), 0);
    const std::string log = ReadBytes(run / "log.jsonl");
    const std::string cancelled = "The transfer was cancelled by " + c.name + ".\n";
    if (!write) {
      EXPECT_EQ(ReadBytes(run / "cli.err"), cancelled);
      EXPECT_FALSE(std::filesystem::exists(dir / "out.hex"));
      // The abort byte went out and the radio's acknowledgement came back before the port
      // closed.
      EXPECT_THAT(log, HasSubstr("{\"ms\":"));
      EXPECT_THAT(log, HasSubstr("\"from\":\"pc\",\"bytes\":\"\\u0018\""));
      EXPECT_THAT(log, HasSubstr("\"from\":\"radio\",\"bytes\":\"\\u0006\""));
      continue;
    }
    // The write frame under way at the signal was answered and taken: the message ends the
    // write at its last byte.
    const std::string frame = "\"from\":\"pc\",\"bytes\":\"#CEPWR\\u0009";
    const std::size_t last = log.rfind(frame);
    ASSERT_NE(last, std::string::npos);
    const int address = std::stoi(log.substr(last + frame.size(), 4), nullptr, 16);
    const int length = std::stoi(log.substr(last + frame.size() + 10, 2), nullptr, 16);
    EXPECT_NE(log.find("\"from\":\"radio\",\"bytes\":\"#CMDOK", last), std::string::npos);
    char taken[8];
    std::snprintf(taken, sizeof taken, "0x%03X", address + length - 1);
    EXPECT_EQ(ReadBytes(run / "cli.err"),
              "The radio on " + port + " is only partly programmed: it took the write up to " +
                  "address " + taken + ", then the write stopped. Program the radio again " +
                  "before you use it.\n" + cancelled);
  }
}

TEST_F(E2e, PortsListsWhatThereIs) {
  const auto result = RunCli("ports");
  if (result.status == 0) {
    EXPECT_THAT(result.out, ::testing::AnyOf(StartsWith("/dev/"), StartsWith("COM")));
  } else {
    EXPECT_EQ(result.status, 1);
    // What to check follows, as tested with the port hints.
    EXPECT_THAT(result.err, StartsWith("There is no port that can be used!!\nCheck that the "
                                       "programming cable is plugged in"));
  }
}

// Every read and write keeps a backup a user can program back: the radio's exact prior state
// comes back from the backup read before a write.
TEST_F(E2e, BackupsOfReadsAndWritesPutTheRadioBack) {
  const std::filesystem::path programs = std::filesystem::path(TPW52_CLI).parent_path();
  const std::string belgium = ReadBytes(programs / "QZ815_BE_012D.ini");
  MemoryImage factory;
  ASSERT_EQ(ReadImageFile(programs / "QZ815_BE_012D.ini", QZ815ModelType, factory),
            ImageFileStatus::Ok);
  Sim sim(dir, {}, factory);
  const std::string port = " --port " + sim.path() + " ";
  const auto read = RunCli("read" + port + "--destination be --out " + file("out.hex"));
  ASSERT_EQ(read.status, 0) << read.err;
  const std::vector<std::string> afterRead = FolderNames(backups());
  ASSERT_THAT(afterRead, ::testing::ElementsAre(EndsWith("-read-BE.hex")));
  EXPECT_EQ(ReadBytes(backups() / afterRead[0]), belgium);
  const auto listed = RunCli("backups");
  EXPECT_EQ(listed.status, 0);
  EXPECT_EQ(listed.out, (backups() / afterRead[0]).string() + "\n");

  // The radio programmed for another region, read first.
  const auto write =
      RunCli("write" + port + "--read-first --yes " + (programs / "QZ815_UK_012D.ini").string());
  ASSERT_EQ(write.status, 0) << write.err;
  const std::vector<std::string> names = FolderNames(backups());
  ASSERT_THAT(names, ::testing::UnorderedElementsAre(afterRead[0], EndsWith("-write-UK.hex"),
                                                     EndsWith("-before-write-BE.hex")));
  std::string before;
  for (const std::string& name : names) {
    if (name.ends_with("-before-write-BE.hex")) before = (backups() / name).string();
  }
  EXPECT_EQ(ReadBytes(before), belgium);

  // Programming the backup back, without a backup this time, puts back every byte.
  const auto restore = RunCli("write" + port + "--no-backup --yes " + before);
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
  const auto write =
      RunCli("write --port " + sim.path() + " --read-first --yes " + file("base.hex"));
  EXPECT_EQ(write.status, 1);
  const std::string said =
      "Nothing was written: the radio's data as they were before "
      "programming could not be kept, and reading the radio first is for "
      "keeping them. The radio on " +
      sim.path() + " is as it was.\n" + backups().string() + "/";
  EXPECT_THAT(write.err, StartsWith(said));
  EXPECT_THAT(write.err, EndsWith("-before-write-BE.hex: the disk is full. Free some space.\n"));
  EXPECT_THAT(ReadBytes(dir / "log.jsonl"), Not(HasSubstr("#CEPWR")));
  // A read whose image cannot be saved on that disk fails, and says so.
  const std::string out = (home / "out.hex").string();
  const auto read = RunCli("read --port " + sim.path() + " --no-backup --base " + file("base.hex") +
                           " --out " + out);
  EXPECT_EQ(read.status, 1);
  EXPECT_THAT(read.err, EndsWith("The radio's data were not saved to " + out +
                                 "; run the command again once that file can be saved.\n"));
  EXPECT_EQ(sim.stop(), 0);
  EXPECT_EQ(ReadBytes(dir / "saved.hex"), ImageAsString(RadioImage()));
}
#endif

// A radio that acknowledges a write but keeps another byte fails it, naming the address and the
// setting there; --no-verify trusts the acknowledgements.
TEST_F(E2e, WriteIsVerifiedUnlessTurnedOff) {
  Sim sim(dir, {"--wrong-byte", "094"});
  const std::string write = "write --port " + sim.path() + " " + file("base.hex");
  const auto differs = RunCli(write);
  EXPECT_EQ(differs.status, 1);
  EXPECT_THAT(differs.err, StartsWith("Not verified: "));
  const auto trusted = RunCli(write + " --no-verify");
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
    const auto no =
        RunCli("write --read-first --no --port " + declined.path() + " " + file("base.hex"));
    EXPECT_EQ(no.status, 1);
    EXPECT_THAT(no.err, HasSubstr("?\n-> refused\nNothing was written: "));
    EXPECT_EQ(declined.stop(), 0);
    EXPECT_EQ(ReadBytes(dir / "saved.hex"), ImageAsString(RadioImage()));
  }
  Sim sim(dir, {});
  const std::string write =
      "write --read-first --yes --port " + sim.path() + " " + file("base.hex");
  const auto yes = RunCli(write);
  EXPECT_EQ(yes.status, 0) << yes.err;
  EXPECT_THAT(yes.err, EndsWith("-> agreed\n" + CompleteAndVerified(sim.path())));
  const auto again = RunCli(write);
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_THAT(again.err, StartsWith("Nothing was written: "));
  EXPECT_EQ(sim.stop(), 0);
}

// The test of the cable and the port: the exact words for each kind of line, in bounded time;
// the radio is told to leave the transfer, and nothing is written.
TEST_F(E2e, CheckPortSaysWhatAnswers) {
  const std::string radio =
      "The radio on {port} answered: a QZ815 (model words 012D and 012D), region BE.\nIt holds an "
      "ATIS code; an ATIS code has been programmed into it 1 time.\nThe cable and the port work: "
      "the radio can be read and programmed.\n";
  const std::string echo =
      "The cable on {port} returns every byte it is sent (a cable with echo). Transfers through it "
      "need the echo check: --echo-check on the command line, or start the desktop application "
      "with /NT.\n";
  const std::string busy =
      "The radio on {port} answered but did not report ready (it may be busy). Wait until it "
      "shows PC CONTROL, then test again.\n";
  const struct {
    std::vector<std::string> options;
    int status;
    std::string said;  // {port}: the radio's
  } radios[] = {{{}, 0, radio}, {{"--echo"}, 0, echo + radio}, {{"--busy", "100"}, 1, busy}};
  MemoryImage held = RadioImage();
  held.set(addr::AtisCount, 1);
  for (const auto& r : radios) {
    TempDir run;
    Sim sim(run, r.options, held);
    ChildProcess cli = StartCli("check-port " + sim.path(), run / "cli.err");
    const Timed timed = RunTimed(cli);
    EXPECT_EQ(timed.status, r.status);
    EXPECT_EQ(ReadBytes(run / "cli.err"), WithNames(r.said, {{"port", sim.path()}}));
    EXPECT_LT(timed.seconds, 10);
    EXPECT_EQ(sim.stop(), 0);
    const std::string log = ReadBytes(run / "log.jsonl");
    EXPECT_THAT(log, Not(HasSubstr("#CEPWR")));
    EXPECT_THAT(log, HasSubstr("\"from\":\"radio\",\"bytes\":\"\\u0006\""));
    EXPECT_EQ(ReadBytes(run / "saved.hex"), ImageAsString(held));
  }
  sim::PseudoTerminal silent;
  ChildProcess quiet = StartCli("check-port " + silent.path(), dir / "quiet.err");
  const Timed nothing = RunTimed(quiet);
  EXPECT_EQ(nothing.status, 1);
  EXPECT_EQ(ReadBytes(dir / "quiet.err"),
            WithNames("Nothing answered on {port}. The radio is switched off, or it is not in "
                      "PC-control mode (switch it on while holding [PRESET] until it shows PC "
                      "CONTROL), or its cable is on another port than {port}.\n",
                      {{"port", silent.path()}}));
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
  const auto fleet = RunCli("fleet " + file("plan.csv") + " " + file("base.hex") +
                            " --yes --report " + file("fleet.csv"));
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
    EXPECT_THAT(
        report.rows[i + 1].cells,
        ::testing::ElementsAre(label(i), port(i), outcomes[i], i < 3 ? code(i) : "unknown",
                               AllOf(StartsWith(backups().string() + "/"), EndsWith(".hex"))));
    EXPECT_THAT(fleet.out, HasSubstr(label(i) + "  " + port(i) + "  " + outcomes[i]));
    EXPECT_THAT(fleet.err,
                HasSubstr(label(i) + " (" + port(i) + "):\nThe radio on " + port(i) +
                          " has no ATIS code yet and will take the code " + code(i) + "."));
  }
  EXPECT_THAT(fleet.out, StartsWith("Label   Port"));
  // What went wrong follows the table, radio by radio; a plain completion is the table's.
  EXPECT_THAT(fleet.err, Not(HasSubstr("): Complete!!")));
  EXPECT_THAT(fleet.err,
              HasSubstr(label(2) + " (" + port(2) + "): Not verified: read back, the radio on " +
                        port(2) + " holds other bytes than were sent at 0x094"));
  EXPECT_THAT(fleet.err, HasSubstr(label(3) + " (" + port(3) + "): The radio on " + port(3) +
                                   " is only partly programmed"));
  stopRadios();
  for (std::size_t i = 0; i < 3; ++i) {
    const std::string bcd = saved(i).substr(addr::AtisCode, addr::AtisCodeLength + 1);
    EXPECT_EQ(bcd, std::string("\x92\x11\x23\x45") + char(0x10 + i) + '\x03');
  }
}

// Ctrl-C cancels every radio, and each one's state is told.
TEST_F(FleetE2e, CtrlCCancelsEveryRadio) {
  startRadios({{}, {}});
  ChildProcess cli =
      StartCli("fleet " + file("plan.csv") + " " + file("base.hex") + " --yes", dir / "cli.err");
  for (const auto& folder : folders)
    WaitUntilTheLogShows(*folder / "log.jsonl", "#CEPWR\\u00090400");
  cli.signal(SIGINT);
  EXPECT_EQ(cli.wait(), 130);
  std::string out;
  for (std::string line; !(line = cli.readLine()).empty();) out += line + "\n";
  for (std::size_t i = 0; i < radios.size(); ++i) {
    EXPECT_THAT(out, HasSubstr(label(i) + "  " + port(i) +
                               "  cancelled, partly written \u2014 program again"));
  }
  EXPECT_THAT(ReadBytes(dir / "cli.err"),
              EndsWith("The fleet was cancelled by Ctrl-C (SIGINT).\n"));
  stopRadios();
}

// A plan whose port is not there is refused with its line before any radio hears a byte (the
// plan's other refusals are the fleet plan's own tests).
TEST_F(FleetE2e, RefusedPlansTouchNoRadio) {
  startRadios({{}});
  WriteBytes(dir / "plan.csv", "port\n" + port(0) + "\n/dev/tpw52-no-such-port\n");
  const auto fleet = RunCli("fleet " + file("plan.csv") + " " + file("base.hex") + " --yes");
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
  const std::map<std::string, std::string> names = {{"dir", dir.path().string()},
                                                    {"sim", sim.path()}};
  ExpectCommandCases(TPW52_CLI, Data("atis-code-refusals.txt"), names);
  EXPECT_EQ(ReadBytes(dir / "log.jsonl"), "");
  ExpectCommandCases(TPW52_CLI, Data("atis-code-not-agreed.txt"), names);
  EXPECT_THAT(ReadBytes(dir / "log.jsonl"), Not(HasSubstr("#CEPWR")));
  const auto agreed = RunCli("write --port " + sim.path() + " " + file("base.hex") +
                             " --atis-code 9211234567 --yes");
  EXPECT_EQ(agreed.status, 0);
  EXPECT_THAT(agreed.err, EndsWith("-> agreed\n" + CompleteAndVerified(sim.path())));
  EXPECT_EQ(sim.stop(), 0);
  EXPECT_EQ(ReadBytes(dir / "saved.hex").substr(addr::AtisCode, addr::AtisCodeLength + 1),
            "\x92\x11\x23\x45\x67\x03");
}

}  // namespace
}  // namespace tpw::test
