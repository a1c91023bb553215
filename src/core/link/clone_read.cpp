#include "link/clone_read.h"

#include <cmath>

#include "image/image_codec.h"
#include "image/memory_map.h"
#include "link/radio_checks.h"
#include "session/message_texts.h"

namespace tpw {

namespace {

// The image takes the radio's bytes except those the PC keeps for itself.
void TakeRadioBytes(MemoryImage& image, const MemoryImage& radio) {
  image.copyFrom(radio, addr::KeptLowLast + 1, addr::KeptHighFirst - addr::KeptLowLast - 1);
  image.copyFrom(radio, addr::KeptHighLast + 1, ImageLastIndex - addr::KeptHighLast);
}

}  // namespace

int BlockProgress(int address) {
  return static_cast<int>(std::lround(address * 100.0 / ImageLastIndex));
}

Outcome ReadBlocks(RadioLink& link, MemoryImage& scratch) {
  link.observer().progress(0);
  Outcome outcome = Outcome::Done;
  for (int address = 0; address <= ImageLastIndex && outcome == Outcome::Done;
       address += RadioLink::BlockSize) {
    link.observer().progress(BlockProgress(address));
    outcome = link.honourCancel(
        link.readBlock(scratch, address, RadioLink::BlockSize, "frmRadio.ReadData"));
  }
  if (outcome == Outcome::Cancelled) link.sendAbort();
  return outcome;
}

Outcome ReadAllBlocks(RadioLink& link, MemoryImage& scratch) {
  if (!link.reopenPort()) return Outcome::Failed;
  return link.endOperation(ReadBlocks(link, scratch), msg::ReadCaption, TransferMode::Read);
}

Outcome ReadRadio(RadioLink& link, bool& regionChangeAccepted) {
  const CheckResult checked = RunChecks(link, Checks::Full);
  if (checked.outcome != Outcome::Done) return checked.outcome;

  link.monitor("radio reading...");
  Workspace& ws = link.context().ws;
  MemoryImage scratch = ws.image;
  const Outcome read = ReadAllBlocks(link, scratch);
  if (read != Outcome::Done) return read;

  link.observer().imageCaptured(CapturedImage::Read, scratch);
  TakeRadioBytes(ws.image, scratch);
  DecodeImage(ws.image, ws.model, ws.caps.WxSupported);
  regionChangeAccepted = checked.regionChangeAccepted;
  link.showComplete();
  return Outcome::Done;
}

}  // namespace tpw
