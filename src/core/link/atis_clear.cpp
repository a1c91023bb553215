#include "link/atis_clear.h"

#include "image/memory_map.h"
#include "link/clone_write.h"
#include "link/radio_checks.h"
#include "link/write_verification.h"

namespace tpw {

LinkOutcome EraseAtisCodeInRadio(RadioLink& link, std::uint8_t count) {
  LinkOutcome outcome = link.reopenPort();
  if (outcome.isDone()) link.observer().progress(0);
  for (int address = addr::AtisCode; address <= addr::AtisCount && outcome.isDone(); ++address) {
    if (link.cancelRequested()) {
      outcome = LinkOutcome::cancelled();
      break;
    }
    const std::uint8_t byte = address == addr::AtisCount ? count : std::uint8_t{0xFF};
    outcome = link.honourCancel(link.writeBlock(address, {&byte, 1}, "frmRadio.ClearDataATIS"));
  }
  if (outcome.isDone()) link.observer().progress(100);
  return outcome;
}

TransferResult ClearRadioAtis(RadioLink& link, bool verify) {
  const TransferResult checked = RunChecks(link, Checks::StatusAndModel);
  if (!checked.done()) return checked;

  link.monitor("radio clear ATIS...");
  Workspace& ws = link.context().ws;
  // The radio's counter takes the PC's value, so a clear does not count as a programming.
  LinkOutcome outcome = EraseAtisCodeInRadio(link, ws.image.at(addr::AtisCount));
  if (!outcome.isDone()) {
    return EndedIn(TransferStep::Erasing, link.endOperation(std::move(outcome)));
  }
  WriteVerification verification;
  if (verify) outcome = VerifyAcknowledgedWrites(link, verification);
  if (!outcome.isDone()) {
    return EndedIn(TransferStep::Verifying, link.endOperation(std::move(outcome)));
  }
  TransferResult result = EndVerified(link, verification);
  // A radio that still holds part of its code keeps the PC's code too, for the next clear.
  if (!result.done()) return result;
  for (int i = 0; i < addr::AtisCodeLength; ++i) ws.image.set(addr::AtisCode + i, 0xFF);
  ws.model.atis.code.clear();
  return result;
}

}  // namespace tpw
