#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "image/memory_image.h"
#include "link/protocol.h"

namespace tpw::sim {

// A fault that hits requests for one address: `times` requests (or every one when negative).
struct AddressFault {
  int address = -1;
  int times = -1;
};

// What can be made to go wrong, as seen from the wire.
struct SimFaults {
  int busyStatusReplies = 0;                      // the first N status requests answer busy
  std::optional<std::pair<int, int>> modelWords;  // served at 0x080 and 0x7FE
  std::optional<std::string> productCode;         // six characters served at 0x270
  std::optional<int> region;                      // served at 0x0A0
  std::optional<int> badChecksumAddress;          // one data reply with a wrong checksum
  std::optional<AddressFault> silentAddress;      // requests left without acknowledgement
  std::optional<AddressFault> errorAddress;       // requests answered "ERROR"
  bool echo = false;                              // the cable returns every byte sent
  bool silentSpeedCommand = false;                // "ACMD:002" is obeyed but not answered
  std::optional<int> hangUpAddress;               // a request for it: the line goes dead
  std::optional<int> wrongByteAddress;  // writes are acknowledged, but it keeps another byte
};

// The radio's side of the clone protocol, serving a 2048-byte memory: it takes the bytes the
// PC sends and produces the bytes the radio answers, with nothing of its own about time.
class RadioSimulator {
 public:
  struct Write {
    int address;
    int length;
    bool operator==(const Write&) const = default;
  };

  explicit RadioSimulator(const MemoryImage& memory, SimFaults faults = {});

  // Takes one received byte; the answer, if any, is waiting in output().
  void feed(char byte);
  // Everything produced since the last call.
  std::string takeOutput();

  // The speed the radio listens and answers at: 19200 until the speed command, then 57600.
  int baud() const { return baud_; }
  const MemoryImage& memory() const { return memory_; }
  // Every acknowledged write, in order.
  const std::vector<Write>& writes() const { return writes_; }
  int statusRequests() const { return statusRequests_; }
  int aborts() const { return aborts_; }
  // The radio was switched off (or its cable pulled out) by the hang-up fault: it hears and
  // answers nothing more, and whoever runs it closes the line.
  bool hungUp() const { return hungUp_; }

  // Sees every line (or single byte) in each direction: "pc" or "radio", and its bytes.
  std::function<void(std::string_view from, std::string_view bytes)> log;

 private:
  void handleLine(const std::string& line);
  void handleFrame(const std::string& line);
  void answerRead(int address, int length);
  void answerWrite(int address, int length, std::string_view data);
  // True when the fault hits this request (and counts it).
  bool faultStrikes(std::optional<AddressFault>& fault, int address);
  void reply(std::string_view bytes);

  MemoryImage memory_;
  SimFaults faults_;
  std::string line_;
  std::string output_;
  int baud_ = protocol::StartBaud;
  std::vector<Write> writes_;
  int statusRequests_ = 0;
  int aborts_ = 0;
  bool hungUp_ = false;
};

// A radio's memory as it leaves the factory: the given bytes (blank by default) with the
// model words and the product code of a QZ815.
MemoryImage FactoryMemory(MemoryImage memory = MemoryImage());

// One JSON object per line: time in milliseconds since the start, the line speed, the sender
// ("pc" or "radio") and the bytes.
std::string JsonLogLine(double milliseconds, int baud, std::string_view from,
                        std::string_view bytes);

}  // namespace tpw::sim
