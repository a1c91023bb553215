#include "link/transfer.h"

#include <new>
#include <system_error>

#include "image/image_codec.h"
#include "link/atis_clear.h"
#include "link/clone_read.h"
#include "link/clone_write.h"
#include "link/radio_checks.h"
#include "link/radio_link.h"
#include "link/transfer_messages.h"
#include "session/flag_guard.h"
#include "session/message_texts.h"

namespace tpw {

namespace {

constexpr std::chrono::milliseconds MonitorPause{500};

Outcome RunOperation(RadioLink& link, TransferMode mode, bool readFirst, bool& regionChange) {
  switch (mode) {
    case TransferMode::Read:
      return ReadRadio(link, regionChange);
    case TransferMode::Program:
      return ProgramRadio(link, readFirst);
    case TransferMode::ClearAtis:
      return ClearRadioAtis(link);
  }
  return Outcome::Failed;
}

// A write sends the settings as encoded into the image; the image is checked before the radio
// is touched, so data the radio must not take are refused without a wait.
Outcome PrepareToWrite(Context& ctx) {
  Workspace& ws = ctx.ws;
  EncodeForWrite(ws.model, ws.image, ws.caps.WxSupported);
  return CheckProductCodeToWrite(ctx);
}

const char* ProcedureName(TransferMode mode) {
  switch (mode) {
    case TransferMode::Read:
      return "frmRadio.ReadData";
    case TransferMode::Program:
      return "frmRadio.WriteData";
    case TransferMode::ClearAtis:
      return "frmRadio.ClearDataATIS";
  }
  return "";
}

// A failure nobody expected (the port's driver, the memory, a fault of the program) is logged,
// with the block under way if there was one, and shown with its number and description; a read
// or a clear leaves the PC's data as they were.
void ReportUnexpected(Context& ctx, const RadioLink& link, TransferMode mode,
                      const std::exception& failure, const Workspace& before) {
  const auto* system = dynamic_cast<const std::system_error*>(&failure);
  const std::string number = std::to_string(system ? system->code().value() : 0);
  // The library's own word for running out of memory means nothing to the user.
  const std::string description = dynamic_cast<const std::bad_alloc*>(&failure)
                                      ? "The computer ran out of memory."
                                      : failure.what();
  const auto block = link.blockInProgress();
  ctx.diagnostics.errorLog(ProcedureName(mode),
                           number + description + (block ? "; " + *block : std::string()));
  ctx.prompter.message(Icon::Critical, TransferCaption(mode), number + "\r\n\r\n" + description);
  const std::string left =
      UnfinishedOperationText(mode, link.portName(), link.writeProgress(), false);
  if (!left.empty()) ctx.prompter.message(Icon::Exclamation, TransferCaption(mode), left);
  if (mode != TransferMode::Program) {
    ctx.ws.image = before.image;
    ctx.ws.model = before.model;
  }
}

// Starts the link and, once it stands, runs the operation.
Outcome StartAndRun(Context& ctx, RadioLink& link, TransferMode mode, bool readFirst,
                    bool& regionChange) {
  link.monitor("startsync...");
  if (const Outcome started = link.startLink(); started != Outcome::Done) {
    link.monitor("can not syncing!!");
    return started;
  }
  link.monitor("sync ok");
  const Workspace before = ctx.ws;
  try {
    return RunOperation(link, mode, readFirst, regionChange);
  } catch (const std::exception& failure) {
    ReportUnexpected(ctx, link, mode, failure, before);
    return Outcome::Failed;
  }
}

}  // namespace

const char* TransferCaption(TransferMode mode) {
  switch (mode) {
    case TransferMode::Read:
      return msg::ReadCaption;
    case TransferMode::Program:
      return msg::ProgramCaption;
    case TransferMode::ClearAtis:
      return msg::ClearAtisCaption;
  }
  return "";
}

void Monitor(Context& ctx, TransferObserver& observer, std::string_view text) {
  if (!ctx.ws.options.DebugMode) return;
  observer.monitor(text);
  ctx.host.pause(MonitorPause);
}

TransferResult RunTransfer(Context& ctx, SerialPort& port, TransferObserver& observer,
                           TransferMode mode, bool readFirst) {
  ProgramFlags& flags = ctx.ws.flags;
  FlagGuard busy(flags.TransferBusy, true);
  flags.CancelFlag = false;  // a cancel of an earlier transfer does not stop this one
  RadioLink link(ctx, port, observer, TransferCaption(mode));
  bool regionChange = false;
  Outcome outcome = mode == TransferMode::Program ? PrepareToWrite(ctx) : Outcome::Done;
  if (outcome == Outcome::Done) outcome = StartAndRun(ctx, link, mode, readFirst, regionChange);
  link.closePort();
  // The window and the dialog read how the transfer ended from the flags.
  flags.ErrorFlag = outcome != Outcome::Done;
  flags.CancelFlag = outcome == Outcome::Cancelled;
  return {outcome == Outcome::Done, outcome == Outcome::Done && regionChange};
}

}  // namespace tpw
