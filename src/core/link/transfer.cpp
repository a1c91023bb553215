#include "link/transfer.h"

#include <algorithm>
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

TransferResult RunOperation(RadioLink& link, TransferMode mode, const WriteChecks& checks) {
  switch (mode) {
    case TransferMode::Read:
      return ReadRadio(link);
    case TransferMode::Program:
      return ProgramRadio(link, checks);
    case TransferMode::ClearAtis:
      return ClearRadioAtis(link, checks.verify);
  }
  return EndedIn(TransferStep::Starting, {Outcome::Failed, std::nullopt});
}

// A write sends the settings as encoded into the image; the image is checked before the radio
// is touched, so data the radio must not take are refused without a wait.
TransferResult PrepareToWrite(Workspace& ws) {
  EncodeForWrite(ws.model, ws.image, ws.caps.WxSupported);
  return CheckProductCodeToWrite(ws.image);
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

// The PC's data as they were when the operation began: only the data set, not the session's
// undo history or settings, which a read or a clear never changes.
struct DataSetBefore {
  MemoryImage image;
  SettingsModel model;
};

// A failure nobody expected (the port's driver, the memory, a fault of the program) is logged,
// with the block under way if there was one; a read or a clear leaves the PC's data as they
// were.
TransferResult Unexpected(Context& ctx, const RadioLink& link, TransferMode mode,
                          const std::exception& failure, const DataSetBefore& before) {
  const auto* system = dynamic_cast<const std::system_error*>(&failure);
  // The library's own word for running out of memory means nothing to the user.
  const UnexpectedFailure unexpected{system ? system->code().value() : 0,
                                     dynamic_cast<const std::bad_alloc*>(&failure)
                                         ? "The computer ran out of memory."
                                         : failure.what()};
  ctx.diagnostics.errorLog(ProcedureName(mode),
                           UnexpectedFailureLogText(unexpected, link.blockInProgress()));
  if (mode != TransferMode::Program) {
    ctx.ws.image = before.image;
    ctx.ws.model = before.model;
  }
  // Its messages are its own, wherever it happened.
  TransferResult result = EndedIn(TransferStep::Starting, {Outcome::Failed, std::nullopt});
  result.unexpected = unexpected;
  return result;
}

// Starts the link and, once it stands, runs the operation.
TransferResult StartAndRun(Context& ctx, RadioLink& link, TransferMode mode,
                           const WriteChecks& checks, const TransferSetting& setting) {
  link.monitor("startsync...");
  const LinkOutcome started = link.startLink();
  if (!started.isDone()) {
    link.monitor("can not syncing!!");
    return EndedIn(TransferStep::Starting, started);
  }
  // A garbled answer to the speed command is told at once; the transfer goes on.
  if (started.failure) ShowMessages(ctx.prompter, LinkFailureMessages(*started.failure, setting));
  link.monitor("sync ok");
  const DataSetBefore before{ctx.ws.image, ctx.ws.model};
  try {
    TransferResult result = RunOperation(link, mode, checks);
    if (result.done()) link.monitor("");
    return result;
  } catch (const std::exception& failure) {
    return Unexpected(ctx, link, mode, failure, before);
  }
}

// The settings at the first addresses that did not verify, as the review names them.
void NameDifferingSettings(WriteVerification& verification, WriteReview* review,
                           const MemoryImage& written) {
  if (!review) return;
  const std::size_t named = std::min(verification.differing.size(), MaxNamedDifferences);
  for (std::size_t i = 0; i < named; ++i) {
    verification.settings.push_back(review->settingsAt(written, verification.differing[i]));
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

TransferResult EndedIn(TransferStep step, LinkOutcome link) {
  TransferResult result;
  result.outcome = link.outcome;
  result.step = step;
  result.failure = std::move(link.failure);
  return result;
}

TransferResult RunTransfer(Context& ctx, SerialPort& port, TransferObserver& observer,
                           TransferMode mode, const WriteChecks& checks) {
  FlagGuard busy(ctx.ws.flags.TransferBusy, true);
  const TransferSetting setting{mode, port.name(), ctx.ws.caps.ModelName, ctx.ws.model.atis.code,
                                ctx.ws.options.DebugMode};
  RadioLink link(ctx, port, observer, TransferCaption(mode));
  TransferResult result =
      mode == TransferMode::Program ? PrepareToWrite(ctx.ws) : EndedIn(TransferStep::Preparing, {});
  if (result.done()) result = StartAndRun(ctx, link, mode, checks, setting);
  link.closePort();
  NameDifferingSettings(result.verification, checks.review, ctx.ws.image);
  result.writes = link.writeProgress();
  ShowMessages(ctx.prompter, TransferEndMessages(result, setting));
  return result;
}

}  // namespace tpw
