#include "link/clone_read.h"

#include <cmath>

#include "image/image_codec.h"
#include "image/memory_map.h"
#include "link/radio_checks.h"

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

LinkOutcome ReadBlocks(RadioLink& link, MemoryImage& scratch) {
  link.observer().progress(0);
  LinkOutcome outcome = LinkOutcome::done();
  for (int address = 0; address <= ImageLastIndex && outcome.isDone();
       address += RadioLink::BlockSize) {
    if (link.cancelRequested()) {
      outcome = LinkOutcome::cancelled();
      break;
    }
    link.observer().progress(BlockProgress(address));
    outcome = link.honourCancel(
        link.readBlock(scratch, address, RadioLink::BlockSize, "frmRadio.ReadData"));
  }
  if (outcome.outcome == Outcome::Cancelled) link.sendAbort();
  return outcome;
}

LinkOutcome ReadAllBlocks(RadioLink& link, MemoryImage& scratch) {
  LinkOutcome outcome = link.reopenPort();
  if (outcome.isDone()) outcome = ReadBlocks(link, scratch);
  return link.endOperation(std::move(outcome));
}

TransferResult ReadRadio(RadioLink& link) {
  TransferResult checked = RunChecks(link, Checks::Full);
  if (!checked.done()) return checked;

  link.monitor("radio reading...");
  Workspace& ws = link.context().ws;
  MemoryImage scratch = ws.image;
  const LinkOutcome read = ReadAllBlocks(link, scratch);
  if (!read.isDone()) return EndedIn(TransferStep::Reading, read);

  link.observer().imageCaptured(CapturedImage::Read, scratch);
  TakeRadioBytes(ws.image, scratch);
  DecodeImage(ws.image, ws.model, ws.caps.WxSupported);
  return checked;
}

}  // namespace tpw
