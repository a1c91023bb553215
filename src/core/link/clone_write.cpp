#include "link/clone_write.h"

#include "image/memory_map.h"
#include "link/clone_read.h"
#include "link/frame.h"
#include "link/radio_checks.h"

namespace tpw {

namespace {

constexpr std::chrono::milliseconds SkippedBlockPause{20};

// Bytes that the single-byte rows leave out: the model words, 0x09F, the ATIS counter, and the
// ATIS code unless the radio has none and the PC brings one.
bool LeftOut(int address, bool atisNew) {
  if (address == addr::ModelVersionWord || address == addr::ModelVersionWord + 1 ||
      address == addr::ModelVersionWord2 || address == addr::ModelVersionWord2 + 1 ||
      address == addr::NotWritten09F || address == addr::AtisCount) {
    return true;
  }
  const bool code = address >= addr::AtisCode && address < addr::AtisCode + addr::AtisCodeLength;
  return code && !atisNew;
}

// The address of the block that holds address.
constexpr int BlockOf(int address) {
  return address - address % RadioLink::BlockSize;
}

// The blocks that hold a byte never written: they are written a byte at a time.
bool WrittenByteByByte(int block) {
  return block == BlockOf(addr::ModelVersionWord) || block == BlockOf(addr::NotWritten09F) ||
         block == BlockOf(addr::AtisCount) || block == BlockOf(addr::ModelVersionWord2);
}

std::vector<PlannedWrite> RowWrites(int block, bool atisNew) {
  // Nothing below the block of the first model word, nothing of the PC's own high area.
  if (block < BlockOf(addr::ModelVersionWord)) return {};
  if (block >= addr::KeptHighFirst && block <= addr::KeptHighLast) return {};
  if (!WrittenByteByByte(block)) return {{block, RadioLink::BlockSize}};
  std::vector<PlannedWrite> writes;
  for (int address = block; address < block + RadioLink::BlockSize; ++address) {
    if (!LeftOut(address, atisNew)) writes.push_back({address, 1});
  }
  return writes;
}

}  // namespace

std::vector<PlanRow> WritePlan(bool atisCodeNew) {
  std::vector<PlanRow> plan;
  for (int block = 0; block <= ImageLastIndex; block += RadioLink::BlockSize) {
    plan.push_back({block, RowWrites(block, atisCodeNew)});
  }
  return plan;
}

bool RadioBytesAllFF(RadioLink& link, int address, int length) {
  if (!link.PortOpen()) return false;
  MemoryImage scratch;
  link.ReadBlock(scratch, address, length);
  if (link.flags().CancelFlag) return false;
  if (link.flags().ErrorFlag) {
    link.Alert("CommunicatiOn Error!!");
    return false;
  }
  return scratch.allFF(address, length);
}

std::optional<std::uint8_t> ReadRadioCountPlusOne(RadioLink& link, int address) {
  if (!link.PortOpen()) return std::nullopt;
  link.Monitor("get address data(Hex" + HexDigits(address) + ")...");
  MemoryImage scratch;
  link.ReadBlock(scratch, address, 1);
  if (link.flags().ErrorFlag) {
    link.Alert("CommunicatiOn Error!!");
    return std::nullopt;
  }
  if (link.flags().CancelFlag) return std::nullopt;
  const std::uint8_t value = scratch.at(address);
  return value < 0xFF ? static_cast<std::uint8_t>(value + 1) : value;
}

void WriteData(RadioLink& link) {
  if (!link.PortOpen()) return;
  MemoryImage& image = link.context().ws.image;
  const bool radioEmpty = RadioBytesAllFF(link, addr::AtisCode, addr::AtisCodeLength);
  const bool atisNew = radioEmpty && !image.allFF(addr::AtisCode, addr::AtisCodeLength);
  link.observer().progress(0);
  bool completed = true;
  for (const PlanRow& row : WritePlan(atisNew)) {
    link.observer().progress(BlockProgress(row.block));
    if (row.writes.empty()) link.context().host.pause(SkippedBlockPause);
    if (!link.FlagsClear()) completed = false;
    for (const PlannedWrite& write : row.writes) {
      if (!completed) break;
      link.WriteBlock(write.address, write.length);
      completed = link.FlagsClear();
    }
    if (!completed) break;
  }
  if (completed && atisNew) {
    if (const auto count = ReadRadioCountPlusOne(link, addr::AtisCount)) {
      image.set(addr::AtisCount, *count);
      link.WriteBlock(addr::AtisCount, 1);
    } else if (!link.flags().CancelFlag) {
      link.flags().ErrorFlag = true;
    }
  }
  link.EndTransfer("Program to Radio");
}

TransferResult WriteProcedure(RadioLink& link) {
  bool unused = false;  // a write takes the PC's region into the radio
  if (!PassChecks(link, Checks::Full, unused)) return {};
  link.Monitor("radio writing...");
  WriteData(link);
  if (!link.FlagsClear()) return {};
  link.Monitor("");
  link.context().prompter.message(Icon::Information, link.caption(), "Complete!!");
  return {true, false};
}

}  // namespace tpw
