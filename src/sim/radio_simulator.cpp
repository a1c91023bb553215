#include "sim/radio_simulator.h"

#include <cstdio>

#include "image/memory_map.h"
#include "image/model_identity.h"
#include "image/text_values.h"
#include "link/frame.h"
#include "link/protocol.h"
#include "session/workspace.h"

namespace tpw::sim {

namespace {

constexpr std::size_t MaxLine = 512;

std::string Line(std::string_view text) {
  return std::string(text) + CrLf;
}

}  // namespace

RadioSimulator::RadioSimulator(const MemoryImage& memory, SimFaults faults)
    : memory_(memory), faults_(std::move(faults)) {
  if (faults_.modelWords) {
    const auto [first, second] = *faults_.modelWords;
    memory_.set(addr::ModelVersionWord, static_cast<std::uint8_t>(first >> 8));
    memory_.set(addr::ModelVersionWord + 1, static_cast<std::uint8_t>(first));
    memory_.set(addr::ModelVersionWord2, static_cast<std::uint8_t>(second >> 8));
    memory_.set(addr::ModelVersionWord2 + 1, static_cast<std::uint8_t>(second));
  }
  if (faults_.productCode) {
    for (int i = 0;
         i < addr::ProductCodeLength && i < static_cast<int>(faults_.productCode->size()); ++i) {
      memory_.set(addr::ProductCode + i, static_cast<std::uint8_t>((*faults_.productCode)[i]));
    }
  }
  if (faults_.region) memory_.set(addr::RegionCode, static_cast<std::uint8_t>(*faults_.region));
}

std::string RadioSimulator::takeOutput() {
  return std::exchange(output_, {});
}

void RadioSimulator::reply(std::string_view bytes) {
  output_ += bytes;
  if (log) log("radio", bytes);
}

void RadioSimulator::feed(char byte) {
  if (hungUp_) return;
  if (faults_.echo) output_ += byte;
  if (byte == protocol::Abort) {
    // The PC gave up: whatever was under way is dropped.
    line_.clear();
    ++aborts_;
    if (log) log("pc", std::string_view(&byte, 1));
    reply(std::string(1, protocol::AbortAcknowledged));
    return;
  }
  if (line_.empty() && (byte == protocol::Ping || byte == protocol::PingFollowUp)) {
    if (log) log("pc", std::string_view(&byte, 1));
    if (byte == protocol::Ping) reply(std::string(1, protocol::Ping));
    return;
  }
  line_ += byte;
  if (line_.size() >= 2 && line_.compare(line_.size() - 2, 2, CrLf) == 0) {
    std::string line = line_.substr(0, line_.size() - 2);
    line_.clear();
    if (log) log("pc", line + CrLf);
    handleLine(line);
  } else if (line_.size() > MaxLine) {
    line_.clear();
  }
}

void RadioSimulator::handleLine(const std::string& line) {
  if (line == protocol::SpeedCommand) {
    if (!faults_.silentSpeedCommand) reply(Line(protocol::SpeedAccepted));
    baud_ = protocol::WorkingBaud;
  } else if (line == protocol::SyncRequest) {
    reply(Line(protocol::Acknowledge));
  } else if (line == protocol::Acknowledge || line == protocol::ChecksumWrong ||
             line == protocol::NotDataReply || line == protocol::Unknown) {
    // The PC's verdict on a reply: nothing to answer.
  } else if (line.starts_with(protocol::FramePrefix)) {
    handleFrame(line);
  } else {
    reply(Line(protocol::Rejected));
  }
}

void RadioSimulator::handleFrame(const std::string& line) {
  if (!VerifyFrame(line)) {
    reply(Line(protocol::Rejected));
    return;
  }
  const auto fields = SplitFields(line);
  const std::string_view word = fields[0];
  if (word == protocol::StatusRequest) {
    ++statusRequests_;
    const bool busy = statusRequests_ <= faults_.busyStatusReplies;
    reply(Line(protocol::Acknowledge));
    reply(BuildFrame(protocol::StatusReply, busy ? protocol::StatusBusy : protocol::StatusReady));
    return;
  }
  const auto address = fields.size() > 2 ? HexNumber(fields[1]) : std::nullopt;
  const auto length = fields.size() > 2 ? HexNumber(fields[2]) : std::nullopt;
  if (!address || !length || *length < 1 || *length > protocol::MaxBlockLength ||
      *address + *length > ImageLastIndex + 1) {
    reply(Line(protocol::Rejected));
    return;
  }
  if (faults_.hangUpAddress == *address) {
    hungUp_ = true;
    return;
  }
  if (faultStrikes(faults_.silentAddress, *address)) return;
  if (faultStrikes(faults_.errorAddress, *address)) {
    reply(Line(protocol::Rejected));
    return;
  }
  if (word == protocol::ReadRequest && fields.size() == 4) {
    answerRead(*address, *length);
  } else if (word == protocol::WriteRequest && fields.size() == 5) {
    answerWrite(*address, *length, fields[3]);
  } else {
    reply(Line(protocol::Rejected));
  }
}

bool RadioSimulator::faultStrikes(std::optional<AddressFault>& fault, int address) {
  if (!fault || fault->address != address || fault->times == 0) return false;
  if (fault->times > 0) --fault->times;
  return true;
}

void RadioSimulator::answerRead(int address, int length) {
  std::string data;
  for (int i = 0; i < length; ++i) data += HexPad(memory_.at(address + i), 2);
  std::string frame = BuildFrame(protocol::DataReply, HexPad(address, 4), HexPad(length, 2), data);
  if (faults_.badChecksumAddress == address) {
    faults_.badChecksumAddress.reset();
    frame[frame.size() - 3] = frame[frame.size() - 3] == '0' ? '1' : '0';
  }
  reply(Line(protocol::Acknowledge));
  reply(frame);
}

void RadioSimulator::answerWrite(int address, int length, std::string_view data) {
  const auto bytes = HexBytes(data);
  if (!bytes || static_cast<int>(bytes->size()) != length) {
    reply(Line(protocol::Rejected));
    return;
  }
  for (int i = 0; i < length; ++i) {
    const auto byte = static_cast<std::uint8_t>((*bytes)[static_cast<std::size_t>(i)]);
    // A memory cell that no longer takes what it is given: every bit of it stays the other way.
    const bool faulty = faults_.wrongByteAddress == address + i;
    memory_.set(address + i, faulty ? static_cast<std::uint8_t>(~byte) : byte);
  }
  writes_.push_back({address, length});
  reply(Line(protocol::Acknowledge));
}

MemoryImage FactoryMemory(MemoryImage memory) {
  for (int a : {addr::ModelVersionWord, addr::ModelVersionWord2}) {
    memory.set(a, ModelVersion >> 8);
    memory.set(a + 1, ModelVersion & 0xFF);
  }
  for (int i = 0; i < addr::ProductCodeLength; ++i) {
    memory.set(addr::ProductCode + i, static_cast<std::uint8_t>(ProductCodeText[i]));
  }
  return memory;
}

std::string JsonLogLine(double milliseconds, int baud, std::string_view from,
                        std::string_view bytes) {
  char time[32];
  std::snprintf(time, sizeof time, "%.3f", milliseconds);
  std::string line = std::string("{\"ms\":") + time + ",\"baud\":" + std::to_string(baud) +
                     ",\"from\":\"" + std::string(from) + "\",\"bytes\":\"";
  for (char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      line += '\\';
      line += c;
    } else if (u < 0x20 || u >= 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
      line += escaped;
    } else {
      line += c;
    }
  }
  return line + "\"}";
}

}  // namespace tpw::sim
