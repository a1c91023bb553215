// Wall time of a transfer against the protocol's own minimum (every byte on the wire at 10
// bits a byte, plus the pauses the protocol requires, with a radio that answers at once), and
// the command line's CPU time as a share of the wall time. For a write, the same for the
// read-back that verifies it, timed from the radio's log.
#include <benchmark/benchmark.h>

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

void RunTransfer(benchmark::State& state, const std::string& command) {
  for (auto _ : state) {
    test::TempDir dir;
    MemoryImage radio = test::ValidRadioImage();
    for (int a = 0x300; a < 0x7F0; ++a) radio.set(a, static_cast<std::uint8_t>(a));
    radio.set(addr::AtisCode, 0x12);  // a radio that already holds an ATIS code
    test::WriteBytes(dir / "radio.hex", test::ImageAsString(radio));
    test::WriteBytes(dir / "base.hex", test::ImageAsString(test::ValidRadioImage()));
    const std::string log = (dir / "log.jsonl").string();
    test::ChildProcess sim(
        {QZ815_SIM, "--pace", "--image", (dir / "radio.hex").string(), "--log", log},
        (dir / "sim.err").string());
    const std::string port = sim.readLine();

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
    const Clock::time_point start = Clock::now();
    test::ChildProcess cli(arguments, (dir / "cli.err").string());
    double cpu = 0;
    const int status = cli.wait(&cpu);
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    sim.signal(SIGINT);
    sim.wait();
    if (status != 0) {
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

void BM_ReadAt57600(benchmark::State& state) {
  RunTransfer(state, "read");
}
void BM_WriteAt57600(benchmark::State& state) {
  RunTransfer(state, "write");
}

BENCHMARK(BM_ReadAt57600)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_WriteAt57600)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
