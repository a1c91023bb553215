// qz815-sim: a simulated QZ815 on a pseudo-terminal. Prints the terminal's path as its first
// line, serves until it is stopped (Ctrl-C or SIGTERM), then saves the memory if asked.
#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>
#include <thread>

#include "adapters/files/native_file_system.h"
#include "files/atomic_file.h"
#include "files/hex_image_file.h"
#include "program_info.h"
#include "session/workspace.h"
#include "sim/pseudo_terminal.h"
#include "sim/radio_simulator.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace tpw;

// "ADDR" or "ADDR:TIMES", numbers in hex for the address.
sim::AddressFault ParseAddressFault(const std::string& text) {
  const std::size_t colon = text.find(':');
  sim::AddressFault fault;
  fault.address = std::stoi(text.substr(0, colon), nullptr, 16);
  if (colon != std::string::npos) fault.times = std::stoi(text.substr(colon + 1));
  return fault;
}

// Paces the radio's answers as a line of the radio's current speed would (10 bits a byte):
// what the PC sends takes its time to arrive, and each answer takes its time to leave.
class LinePacer {
 public:
  explicit LinePacer(bool enabled) : enabled_(enabled) {}
  void received(Clock::time_point now, int baud) {
    if (!enabled_) return;
    inFree_ = std::max(now, inFree_) + ByteTime(baud);
  }
  void answer(std::size_t bytes, int baud) {
    if (!enabled_) return;
    outFree_ = std::max(inFree_, outFree_) + ByteTime(baud) * static_cast<long>(bytes);
    std::this_thread::sleep_until(outFree_);
  }

 private:
  static std::chrono::nanoseconds ByteTime(int baud) {
    return std::chrono::nanoseconds(10'000'000'000LL / baud);
  }
  bool enabled_;
  Clock::time_point inFree_{};
  Clock::time_point outFree_{};
};

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "A simulated QZ815 radio on a pseudo-terminal, for trying tpw52 and tpw52-cli "
      "without a radio. Prints the terminal's path first; stop it with Ctrl-C.",
      "qz815-sim"};
  std::string imagePath, savePath, logPath, modelWords, productCode, badChecksum, noAck, errorReply,
      hangUp, wrongByte;
  int busy = 0, region = -1;
  bool pace = false, echo = false, silentSpeed = false;
  app.set_version_flag("--version", std::string("qz815-sim ") + ProgramVersion,
                       "Print the version and exit");
  app.add_option("--image", imagePath, "image file (.hex) to serve (default: a blank radio)");
  app.add_option("--save", savePath, "save the radio's memory to this file when stopped");
  app.add_option("--log", logPath, "write every exchange to this file, one JSON object a line");
  app.add_flag("--pace", pace, "answer at the real line speed (19200, then 57600 baud)");
  app.add_option("--busy", busy, "answer the first N status requests with busy");
  app.add_option("--model-words", modelWords, "serve other model words: FIRST,SECOND (hex)");
  app.add_option("--product-code", productCode, "serve another six-character product code");
  app.add_option("--region", region, "serve another region byte (0-255)");
  app.add_option("--bad-checksum", badChecksum,
                 "spoil the checksum of one data reply (hex address)");
  app.add_option("--no-ack", noAck, "leave requests for ADDR unanswered: ADDR[:TIMES] (hex)");
  app.add_option("--error-reply", errorReply, "answer requests for ADDR with ERROR: ADDR[:TIMES]");
  app.add_flag("--echo", echo, "return every byte like a cable with echo");
  app.add_flag("--silent-speed", silentSpeed, "obey the speed command without answering it");
  app.add_option("--hang-up", hangUp,
                 "hang up the line, as a radio switched off, at a request for ADDR (hex)");
  app.add_option("--wrong-byte", wrongByte,
                 "acknowledge writes but keep another byte than written at ADDR (hex)");
  CLI11_PARSE(app, argc, argv);

  sim::SimFaults faults;
  try {
    faults.busyStatusReplies = busy;
    if (!modelWords.empty()) {
      const std::size_t comma = modelWords.find(',');
      faults.modelWords = {std::stoi(modelWords.substr(0, comma), nullptr, 16),
                           std::stoi(modelWords.substr(comma + 1), nullptr, 16)};
    }
    if (!productCode.empty()) faults.productCode = productCode;
    if (region >= 0) faults.region = region;
    if (!badChecksum.empty()) faults.badChecksumAddress = std::stoi(badChecksum, nullptr, 16);
    if (!noAck.empty()) faults.silentAddress = ParseAddressFault(noAck);
    if (!errorReply.empty()) faults.errorAddress = ParseAddressFault(errorReply);
    faults.echo = echo;
    faults.silentSpeedCommand = silentSpeed;
    if (!hangUp.empty()) faults.hangUpAddress = std::stoi(hangUp, nullptr, 16);
    if (!wrongByte.empty()) faults.wrongByteAddress = std::stoi(wrongByte, nullptr, 16);
  } catch (const std::exception&) {
    std::cerr << "qz815-sim: a fault option has a number it cannot read\n";
    return 2;
  }

  MemoryImage memory = sim::FactoryMemory();
  if (!imagePath.empty()) {
    // An image with other model words is served as it is: that is a fault worth trying.
    const ImageFileStatus status = ReadImageFile(imagePath, QZ815ModelType, memory);
    if (status == ImageFileStatus::Unreadable || status == ImageFileStatus::BadSize) {
      std::cerr << "qz815-sim: " << imagePath << " is not a readable image of 2048 bytes\n";
      return 1;
    }
  }

  sim::StopRequest stop;
  sim::PseudoTerminal terminal;
  sim::RadioSimulator radio(memory, faults);
  const Clock::time_point start = Clock::now();
  std::ofstream log;
  if (!logPath.empty()) {
    log.open(logPath, std::ios::app);
    radio.log = [&](std::string_view from, std::string_view bytes) {
      const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
      log << sim::JsonLogLine(ms, radio.baud(), from, bytes) << '\n' << std::flush;
    };
  }
  std::cout << terminal.path() << std::endl;

  LinePacer pacer(pace);
  while (!stop.requested()) {
    const std::string received = terminal.read(std::chrono::milliseconds(50));
    const Clock::time_point now = Clock::now();
    for (char byte : received) {
      const int baud = radio.baud();
      pacer.received(now, baud);
      radio.feed(byte);
      const std::string answer = radio.takeOutput();
      if (answer.empty()) continue;
      pacer.answer(answer.size(), baud);
      terminal.write(answer);
    }
    // Switched off: the line goes dead, and the memory waits for the stop to be saved.
    if (radio.hungUp()) terminal.hangUp();
  }

  if (!savePath.empty()) {
    const ImageBytes& bytes = radio.memory().bytes();
    NativeFileSystem files;
    const std::error_code error = WriteFileAtomically(
        files, savePath,
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (error) {
      std::cerr << "qz815-sim: cannot save " << savePath << ": " << error.message() << '\n';
      return 1;
    }
  }
  return 0;
}
