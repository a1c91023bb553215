#include "link/atis_clear.h"

#include "image/memory_map.h"
#include "link/radio_checks.h"
#include "session/message_texts.h"

namespace tpw {

Outcome EraseAtisCodeInRadio(RadioLink& link) {
  if (!link.reopenPort()) return Outcome::Failed;
  link.observer().progress(0);
  Outcome outcome = Outcome::Done;
  for (int address = addr::AtisCode; address <= addr::AtisCount && outcome == Outcome::Done;
       ++address) {
    outcome = link.honourCancel(link.writeBlock(address, 1, "frmRadio.ClearDataATIS"));
  }
  if (outcome == Outcome::Done) link.observer().progress(100);
  return link.endOperation(outcome, msg::ClearAtisFailureTitle, TransferMode::ClearAtis);
}

Outcome ClearRadioAtis(RadioLink& link) {
  const Outcome checked = RunChecks(link, Checks::StatusAndModel).outcome;
  if (checked != Outcome::Done) return checked;

  link.monitor("radio clear ATIS...");
  Workspace& ws = link.context().ws;
  const MemoryImage before = ws.image;
  for (int i = 0; i < addr::AtisCodeLength; ++i) ws.image.set(addr::AtisCode + i, 0xFF);
  const Outcome erased = EraseAtisCodeInRadio(link);
  if (erased != Outcome::Done) {
    ws.image.copyFrom(before, addr::AtisCode, addr::AtisCodeLength);
    return erased;
  }
  link.showComplete();
  ws.model.atis.code.clear();
  return Outcome::Done;
}

}  // namespace tpw
