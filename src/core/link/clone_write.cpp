#include "link/clone_write.h"

#include <optional>

#include "image/encodings.h"
#include "image/memory_map.h"
#include "image/text_values.h"
#include "link/clone_read.h"
#include "link/frame.h"
#include "link/radio_checks.h"
#include "link/write_verification.h"

namespace tpw {

namespace {

constexpr std::chrono::milliseconds SkippedBlockPause{20};
constexpr const char* WriteProcedure = "frmRadio.WriteData";

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

// The code a radio that holds one keeps when it differs from the image's; empty otherwise.
std::string KeptAtisCode(const MemoryImage& radio, const MemoryImage& image) {
  const bool radioEmpty = radio.allFF(addr::AtisCode, addr::AtisCodeLength);
  if (radioEmpty || AtisCodeDigits(radio) == AtisCodeDigits(image)) return {};
  return AtisCodeDigits(radio);
}

// The end of a write in a step: the port closes.
TransferResult EndWrite(RadioLink& link, TransferStep step, LinkOutcome outcome) {
  return EndedIn(step, link.endOperation(std::move(outcome)));
}

// Reads the radio's whole memory into radio before it is programmed, for the record: the write
// goes on only once the observer has kept it. Nothing has been written yet when it stops.
TransferResult ReadBeforeWrite(RadioLink& link, MemoryImage& radio) {
  link.monitor("radio reading...");
  if (LinkOutcome opened = link.reopenPort(); !opened.isDone()) {
    return EndedIn(TransferStep::Reading, std::move(opened));
  }
  radio = link.context().ws.image;
  const LinkOutcome read = ReadBlocks(link, radio);
  if (!read.isDone()) return EndedIn(TransferStep::Reading, link.endOperation(read));
  if (!link.observer().imageCaptured(CapturedImage::BeforeWrite, radio)) {
    link.closePort();
    return EndedIn(TransferStep::KeepingReadFirst, {Outcome::Failed, std::nullopt});
  }
  return EndedIn(TransferStep::Reading, read);
}

bool AtisCodeNew(const MemoryImage& radio, const MemoryImage& image) {
  return radio.allFF(addr::AtisCode, addr::AtisCodeLength) &&
         !image.allFF(addr::AtisCode, addr::AtisCodeLength);
}

// What the radio would hold after the write: the bytes the plan sends, its own elsewhere.
MemoryImage AfterWrite(const MemoryImage& radio, const MemoryImage& image) {
  const bool atisNew = AtisCodeNew(radio, image);
  MemoryImage after = radio;
  for (const PlanRow& row : WritePlan(atisNew)) {
    for (const PlannedWrite& write : row.writes) after.copyFrom(image, write.address, write.length);
  }
  const std::uint8_t count = radio.at(addr::AtisCount);
  if (atisNew && count < 0xFF) after.set(addr::AtisCount, static_cast<std::uint8_t>(count + 1));
  return after;
}

// The radio read first already holds everything: nothing is written. Otherwise the user sees
// what the write changes and agrees, or nothing is written.
std::optional<TransferResult> ReviewChanges(RadioLink& link, const MemoryImage& radio,
                                            WriteReview* review) {
  const MemoryImage& image = link.context().ws.image;
  const MemoryImage after = AfterWrite(radio, image);
  if (after == radio) {
    TransferResult result = EndWrite(link, TransferStep::NothingToWrite, LinkOutcome::done());
    // A write never sends the code: the user still learns that the radio keeps its own.
    result.keptAtisCode = KeptAtisCode(radio, image);
    return result;
  }
  if (review && !review->agreesToChanges(radio, after)) {
    return EndWrite(link, TransferStep::ChangesDeclined, LinkOutcome::cancelled());
  }
  return std::nullopt;
}

// The rows of the plan, each write only while the user has not cancelled.
LinkOutcome WritePlanned(RadioLink& link, const MemoryImage& image, bool atisNew) {
  const std::span<const std::uint8_t> bytes(image.bytes());
  link.observer().progress(0);
  for (const PlanRow& row : WritePlan(atisNew)) {
    link.observer().progress(BlockProgress(row.block));
    if (row.writes.empty()) link.context().host.pause(SkippedBlockPause);
    for (const PlannedWrite& write : row.writes) {
      if (link.cancelRequested()) return LinkOutcome::cancelled();
      const auto data = bytes.subspan(static_cast<std::size_t>(write.address),
                                      static_cast<std::size_t>(write.length));
      const LinkOutcome written =
          link.honourCancel(link.writeBlock(write.address, data, WriteProcedure));
      if (!written.isDone()) return written;
    }
  }
  return LinkOutcome::done();
}

// A new ATIS code is counted in the radio: its counter plus one, which the image then holds.
LinkOutcome CountNewAtisCode(RadioLink& link, MemoryImage& image) {
  std::uint8_t count = 0;
  const LinkOutcome read = ReadRadioCountPlusOne(link, addr::AtisCount, count);
  if (!read.isDone()) return read;
  const LinkOutcome written =
      link.honourCancel(link.writeBlock(addr::AtisCount, {&count, 1}, WriteProcedure));
  if (written.isDone()) image.set(addr::AtisCount, count);
  return written;
}

}  // namespace

std::vector<PlanRow> WritePlan(bool atisCodeNew) {
  std::vector<PlanRow> plan;
  for (int block = 0; block <= ImageLastIndex; block += RadioLink::BlockSize) {
    plan.push_back({block, RowWrites(block, atisCodeNew)});
  }
  return plan;
}

LinkOutcome ReadRadioBytes(RadioLink& link, int address, int length, MemoryImage& radio) {
  if (LinkOutcome opened = link.reopenPort(); !opened.isDone()) return opened;
  return link.honourCancel(link.readBlock(radio, address, length, "frmRadio.GetChkNullData"));
}

LinkOutcome ReadRadioCountPlusOne(RadioLink& link, int address, std::uint8_t& next) {
  if (LinkOutcome opened = link.reopenPort(); !opened.isDone()) return opened;
  link.monitor("get address data(Hex" + HexDigits(address) + ")...");
  MemoryImage scratch;
  const LinkOutcome read =
      link.honourCancel(link.readBlock(scratch, address, 1, "frmRadio.GetIncrimentData"));
  if (!read.isDone()) return read;
  const std::uint8_t value = scratch.at(address);
  next = value < 0xFF ? static_cast<std::uint8_t>(value + 1) : value;
  return read;
}

TransferResult WriteByPlan(RadioLink& link, MemoryImage& image, bool verify) {
  MemoryImage radio;
  // A look at the radio's code that does not complete stops the write before its first frame.
  LinkOutcome outcome = ReadRadioBytes(link, addr::AtisCode, addr::AtisCodeLength, radio);
  if (!outcome.isDone()) return EndWrite(link, TransferStep::AtisCodeLook, std::move(outcome));
  const bool atisNew = AtisCodeNew(radio, image);
  // The radio keeps a new code for good: the user sees it and agrees before it is sent.
  if (atisNew && !link.questions().programNewAtisCode(DecodeDigits(image, addr::AtisCode))) {
    return EndWrite(link, TransferStep::AtisCodeConfirm, LinkOutcome::cancelled());
  }
  link.observer().imageCaptured(CapturedImage::ToWrite, image);
  outcome = WritePlanned(link, image, atisNew);
  if (!outcome.isDone()) return EndWrite(link, TransferStep::Writing, std::move(outcome));
  if (atisNew) {
    outcome = CountNewAtisCode(link, image);
    if (!outcome.isDone()) return EndWrite(link, TransferStep::AtisCount, std::move(outcome));
  }
  WriteVerification verification;
  if (verify) outcome = VerifyAcknowledgedWrites(link, verification);
  TransferResult result = outcome.isDone()
                              ? EndVerified(link, verification)
                              : EndWrite(link, TransferStep::Verifying, std::move(outcome));
  // The plan ran to its end, so what the radio holds of its ATIS code is known, verified or not.
  result.keptAtisCode = KeptAtisCode(radio, image);
  return result;
}

TransferResult EndVerified(RadioLink& link, const WriteVerification& verification) {
  const bool differs = verification.state == VerificationState::Differs;
  TransferResult result =
      differs ? EndedIn(TransferStep::Verifying, link.endOperation({Outcome::Failed, std::nullopt}))
              : EndedIn(TransferStep::Finished, link.endOperation(LinkOutcome::done()));
  result.verification = verification;
  return result;
}

TransferResult ProgramRadio(RadioLink& link, const WriteChecks& checks) {
  // The region check's consent is not needed: a write takes the PC's region into the radio.
  const TransferResult checked = RunChecks(link, Checks::Full);
  if (!checked.done()) return checked;
  if (checks.readFirst) {
    MemoryImage radio;
    if (TransferResult read = ReadBeforeWrite(link, radio); !read.done()) return read;
    if (auto reviewed = ReviewChanges(link, radio, checks.review)) return *reviewed;
  }
  link.monitor("radio writing...");
  return WriteByPlan(link, link.context().ws.image, checks.verify);
}

}  // namespace tpw
