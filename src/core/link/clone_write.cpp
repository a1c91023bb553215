#include "link/clone_write.h"

#include "image/encodings.h"
#include "image/memory_map.h"
#include "image/text_values.h"
#include "link/clone_read.h"
#include "link/frame.h"
#include "link/radio_checks.h"
#include "link/transfer_messages.h"
#include "session/message_texts.h"

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

// The ATIS code as its five bytes read in hex: the ten digits of a whole code, and what a
// partly cleared code holds ("FF34567890") as it stands.
std::string AtisCodeDigits(const MemoryImage& image) {
  std::string digits;
  for (int i = 0; i < addr::AtisCodeLength; ++i) {
    digits += HexPad(image.at(addr::AtisCode + i), 2);
  }
  return digits;
}

// The radio keeps a new code for good: the user sees it and agrees before it is sent. Declined,
// the write stops before its first frame.
Outcome ConfirmNewAtisCode(RadioLink& link) {
  Context& ctx = link.context();
  const std::string code = DecodeDigits(ctx.ws.image, addr::AtisCode);
  const Answer answer =
      ctx.prompter.ask(Icon::Question, link.caption(), NewAtisCodeQuestion(link.portName(), code),
                       Buttons::YesNo, Answer::No);
  if (answer == Answer::Yes) return Outcome::Done;
  ctx.prompter.message(Icon::Exclamation, link.caption(), NewAtisCodeDeclinedText(link.portName()));
  return Outcome::Cancelled;
}

// Reads the radio's whole memory before it is programmed, for the record. A read that does
// not complete, or whose image cannot be kept, ends the write: nothing has been written yet.
Outcome ReadBeforeWrite(RadioLink& link) {
  link.monitor("radio reading...");
  if (!link.reopenPort()) return Outcome::Failed;
  MemoryImage radio = link.context().ws.image;
  const Outcome read = ReadBlocks(link, radio);
  if (read != Outcome::Done) {
    return link.endOperation(read, msg::ProgramCaption, TransferMode::Program);
  }
  if (!link.observer().imageCaptured(CapturedImage::BeforeWrite, radio)) {
    link.closePort();
    return Outcome::Failed;
  }
  return Outcome::Done;
}

}  // namespace

std::vector<PlanRow> WritePlan(bool atisCodeNew) {
  std::vector<PlanRow> plan;
  for (int block = 0; block <= ImageLastIndex; block += RadioLink::BlockSize) {
    plan.push_back({block, RowWrites(block, atisCodeNew)});
  }
  return plan;
}

Outcome ReadRadioBytes(RadioLink& link, int address, int length, MemoryImage& radio) {
  if (!link.reopenPort()) return Outcome::Failed;
  const Outcome read =
      link.honourCancel(link.readBlock(radio, address, length, "frmRadio.GetChkNullData"));
  if (read == Outcome::Failed) link.showFailure(msg::CommunicationError);
  return read;
}

Outcome ReadRadioCountPlusOne(RadioLink& link, int address, std::uint8_t& next) {
  if (!link.reopenPort()) return Outcome::Failed;
  link.monitor("get address data(Hex" + HexDigits(address) + ")...");
  MemoryImage scratch;
  const Outcome read = link.readBlock(scratch, address, 1, "frmRadio.GetIncrimentData");
  if (read == Outcome::Failed) link.showFailure(msg::CommunicationError);
  if (read != Outcome::Done) return link.honourCancel(read);
  const std::uint8_t value = scratch.at(address);
  next = value < 0xFF ? static_cast<std::uint8_t>(value + 1) : value;
  return Outcome::Done;
}

Outcome WriteByPlan(RadioLink& link, std::string& keptCode) {
  constexpr const char* Procedure = "frmRadio.WriteData";
  keptCode.clear();
  if (!link.reopenPort()) return Outcome::Failed;
  MemoryImage& image = link.context().ws.image;
  MemoryImage radio;
  // A failed or cancelled look at the radio's code stops the plan at its first block.
  Outcome outcome = ReadRadioBytes(link, addr::AtisCode, addr::AtisCodeLength, radio);
  const bool radioEmpty =
      outcome == Outcome::Done && radio.allFF(addr::AtisCode, addr::AtisCodeLength);
  const bool pcEmpty = image.allFF(addr::AtisCode, addr::AtisCodeLength);
  const bool atisNew = radioEmpty && !pcEmpty;
  if (outcome == Outcome::Done && atisNew) outcome = ConfirmNewAtisCode(link);
  if (outcome == Outcome::Done) link.observer().imageCaptured(CapturedImage::ToWrite, image);
  link.observer().progress(0);
  for (const PlanRow& row : WritePlan(atisNew)) {
    link.observer().progress(BlockProgress(row.block));
    if (row.writes.empty()) link.context().host.pause(SkippedBlockPause);
    outcome = link.honourCancel(outcome);
    for (const PlannedWrite& write : row.writes) {
      if (outcome != Outcome::Done) break;
      outcome = link.honourCancel(link.writeBlock(write.address, write.length, Procedure));
    }
    if (outcome != Outcome::Done) break;
  }
  if (outcome == Outcome::Done && atisNew) {
    std::uint8_t count = 0;
    outcome = ReadRadioCountPlusOne(link, addr::AtisCount, count);
    if (outcome == Outcome::Done) {
      image.set(addr::AtisCount, count);
      outcome = link.writeBlock(addr::AtisCount, 1, Procedure);
    }
  }
  outcome = link.endOperation(outcome, msg::ProgramCaption, TransferMode::Program);
  const std::string radioCode = AtisCodeDigits(radio);
  if (outcome == Outcome::Done && !radioEmpty && !pcEmpty && radioCode != AtisCodeDigits(image)) {
    keptCode = radioCode;
  }
  return outcome;
}

Outcome ProgramRadio(RadioLink& link, bool readFirst) {
  // The region check's consent is not needed: a write takes the PC's region into the radio.
  const Outcome checked = RunChecks(link, Checks::Full).outcome;
  if (checked != Outcome::Done) return checked;
  if (readFirst) {
    if (const Outcome read = ReadBeforeWrite(link); read != Outcome::Done) return read;
  }
  link.monitor("radio writing...");
  std::string keptCode;
  const Outcome written = WriteByPlan(link, keptCode);
  if (written != Outcome::Done) return written;
  // The PC's code as the user saw it.
  const std::string& pcCode = link.context().ws.model.atis.code;
  link.showComplete(keptCode.empty() ? std::string()
                                     : KeptAtisCodeText(link.portName(), keptCode, pcCode));
  return Outcome::Done;
}

}  // namespace tpw
