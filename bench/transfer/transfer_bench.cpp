// Wall time of a transfer against the protocol's own minimum (every byte on the wire at 10
// bits a byte, plus the pauses the protocol requires, with a radio that answers at once), and
// the command line's CPU time as a share of the wall time. For a write, the same for the
// read-back that verifies it, timed from the radio's log.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "image/memory_map.h"
#include "support/child_process.h"
#include "support/test_support.h"

namespace {

using namespace tpw;
using Clock = std::chrono::steady_clock;

constexpr double SendPause = 0.010;        // before every transmission of the PC
constexpr double FixedPauses = 1.0 + 0.5;  // after the speed switch; after the transfer
constexpr double SkippedBlocks = 15 * 0.020;

int NumberAfter(const std::string& line, const std::string& key) {
  return std::stoi(line.substr(line.find(key) + key.size()));
}

// Bytes of the "bytes" string of a log line, escapes counted as the byte they stand for.
std::size_t LoggedBytes(const std::string& line) {
  const std::string key = "\"bytes\":\"";
  std::size_t count = 0;
  for (std::size_t i = line.find(key) + key.size(); i < line.size() && line[i] != '"'; ++count) {
    i += line[i] != '\\' ? 1 : line[i + 1] == 'u' ? 6 : 2;
  }
  return count;
}

// The minimum time of the exchanges in a qz815-sim log.
double ProtocolMinimum(const std::string& logPath, bool write) {
  std::ifstream log(logPath);
  double seconds = FixedPauses + (write ? SkippedBlocks : 0);
  for (std::string line; std::getline(log, line);) {
    seconds += LoggedBytes(line) * 10.0 / NumberAfter(line, "\"baud\":");
    if (line.find("\"from\":\"pc\"") != std::string::npos) seconds += SendPause;
  }
  return seconds;
}

bool Contains(const std::string& line, const std::string& text) {
  return line.find(text) != std::string::npos;
}

// The read-back after a write: from the radio's acknowledgement of the last write frame to
// the end of the log, against the minimum of the lines it is made of.
struct ReadBack {
  double seconds = 0;
  double minimum = 0;
};

ReadBack ReadBackOf(const std::string& logPath) {
  std::ifstream log(logPath);
  std::vector<std::string> lines;
  for (std::string line; std::getline(log, line);) lines.push_back(line);
  std::size_t first = lines.size();
  for (std::size_t i = lines.size(); i-- > 0;) {
    if (Contains(lines[i], "\"bytes\":\"#CEPWR")) break;
    if (Contains(lines[i], "\"bytes\":\"#CEPRD")) first = i;
  }
  ReadBack readBack;
  if (first == 0 || first == lines.size()) return readBack;
  const auto ms = [](const std::string& line) {
    return std::stod(line.substr(line.find("\"ms\":") + 5));
  };
  readBack.seconds = (ms(lines.back()) - ms(lines[first - 1])) / 1000;
  for (std::size_t i = first; i < lines.size(); ++i) {
    readBack.minimum += LoggedBytes(lines[i]) * 10.0 / NumberAfter(lines[i], "\"baud\":");
    if (Contains(lines[i], "\"from\":\"pc\"")) readBack.minimum += SendPause;
  }
  return readBack;
}

// A paced qz815-sim serving a radio that already holds an ATIS code, logging to NAME.jsonl.
std::unique_ptr<test::ChildProcess> StartRadio(const test::TempDir& dir, const std::string& name,
                                               std::string& port) {
  MemoryImage radio = test::ValidRadioImage();
  for (int a = 0x300; a < 0x7F0; ++a) radio.set(a, static_cast<std::uint8_t>(a));
  radio.set(addr::AtisCode, 0x12);
  test::WriteBytes(dir / (name + ".hex"), test::ImageAsString(radio));
  auto sim = std::make_unique<test::ChildProcess>(
      std::vector<std::string>{QZ815_SIM, "--pace", "--image", (dir / (name + ".hex")).string(),
                               "--log", (dir / (name + ".jsonl")).string()},
      (dir / (name + ".err")).string());
  port = sim->readLine();
  return sim;
}

// Runs the command line, timed; false when it failed.
bool RunTimed(const std::vector<std::string>& arguments, const test::TempDir& dir, double& wall,
              double& cpu) {
  const Clock::time_point start = Clock::now();
  test::ChildProcess cli(arguments, (dir / "cli.err").string());
  const int status = cli.wait(&cpu);
  wall = std::chrono::duration<double>(Clock::now() - start).count();
  return status == 0;
}

void RunTransfer(benchmark::State& state, const std::string& command) {
  for (auto _ : state) {
    test::TempDir dir;
    test::WriteBytes(dir / "base.hex", test::ImageAsString(test::ValidRadioImage()));
    std::string port;
    const auto sim = StartRadio(dir, "radio", port);
    const std::string log = (dir / "radio.jsonl").string();

    // The bench keeps no backups in the user's data folder.
    std::vector<std::string> arguments = {TPW52_CLI, command, "--port", port, "--no-backup"};
    if (command == "read") {
      for (const char* a : {"--base", "base.hex", "--out", "out.hex"}) arguments.push_back(a);
    } else {
      arguments.push_back("base.hex");
    }
    for (std::string& a : arguments) {
      if (a.ends_with(".hex")) a = (dir / a).string();
    }
    double wall = 0;
    double cpu = 0;
    const bool done = RunTimed(arguments, dir, wall, cpu);
    sim->signal(SIGINT);
    sim->wait();
    if (!done) {
      state.SkipWithError(("tpw52-cli " + command + " failed").c_str());
      return;
    }
    const double minimum = ProtocolMinimum(log, command == "write");
    state.SetIterationTime(wall);
    state.counters["minimum_s"] = minimum;
    state.counters["wall_s"] = wall;
    state.counters["ratio"] = wall / minimum;
    state.counters["cpu_share_pct"] = 100 * cpu / wall;
    if (command == "write") {
      const ReadBack readBack = ReadBackOf(log);
      state.counters["readback_s"] = readBack.seconds;
      state.counters["readback_minimum_s"] = readBack.minimum;
      state.counters["readback_ratio"] = readBack.seconds / readBack.minimum;
    }
  }
}

// Six radios programmed and verified by one fleet command: about the time of one write.
void BM_FleetOfSixAt57600(benchmark::State& state) {
  constexpr int Radios = 6;
  for (auto _ : state) {
    test::TempDir dir;
    test::WriteBytes(dir / "base.hex", test::ImageAsString(test::ValidRadioImage()));
    std::vector<std::unique_ptr<test::ChildProcess>> sims;
    std::string plan = "port\n";
    for (int i = 0; i < Radios; ++i) {
      std::string port;
      sims.push_back(StartRadio(dir, "radio" + std::to_string(i), port));
      plan += port + "\n";
    }
    test::WriteBytes(dir / "plan.csv", plan);
    double wall = 0;
    double cpu = 0;
    const bool done = RunTimed({TPW52_CLI, "fleet", (dir / "plan.csv").string(),
                                (dir / "base.hex").string(), "--no-backup", "--yes"},
                               dir, wall, cpu);
    for (auto& sim : sims) {
      sim->signal(SIGINT);
      sim->wait();
    }
    if (!done) {
      state.SkipWithError("tpw52-cli fleet failed");
      return;
    }
    double slowest = 0;
    for (int i = 0; i < Radios; ++i) {
      slowest = std::max(
          slowest,
          ProtocolMinimum((dir / ("radio" + std::to_string(i) + ".jsonl")).string(), true));
    }
    state.SetIterationTime(wall);
    state.counters["radios"] = Radios;
    state.counters["minimum_s"] = slowest;
    state.counters["wall_s"] = wall;
    state.counters["ratio"] = wall / slowest;
    state.counters["cpu_share_pct"] = 100 * cpu / wall;
  }
}

void BM_ReadAt57600(benchmark::State& state) {
  RunTransfer(state, "read");
}
void BM_WriteAt57600(benchmark::State& state) {
  RunTransfer(state, "write");
}

BENCHMARK(BM_ReadAt57600)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_WriteAt57600)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_FleetOfSixAt57600)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
