#include "link/transfer.h"

#include <system_error>

#include "image/image_codec.h"
#include "link/atis_clear.h"
#include "link/clone_read.h"
#include "link/clone_write.h"
#include "link/radio_link.h"
#include "session/flag_guard.h"

namespace tpw {

namespace {

constexpr std::chrono::milliseconds MonitorPause{500};

TransferResult RunOperation(Context& ctx, RadioLink& link, TransferMode mode) {
  switch (mode) {
    case TransferMode::Read:
      return ReadProcedure(link);
    case TransferMode::Program:
      EncodeImage(ctx.ws.model, ctx.ws.image, ctx.ws.caps.WxSupported);
      SanitiseForWrite(ctx.ws.image, ctx.ws.model, ctx.ws.caps.WxSupported);
      return WriteProcedure(link);
    case TransferMode::ClearAtis:
      return ClearProcedure(link);
  }
  return {};
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

// A failure nobody expected (the port's driver, the memory, a fault of the program) is logged
// and shown with its number and description; a read or a clear leaves the PC's data as they
// were, and the operation counts as failed so that the dialog stays open.
void ReportUnexpected(Context& ctx, TransferMode mode, const std::exception& failure,
                      const Workspace& before) {
  const auto* system = dynamic_cast<const std::system_error*>(&failure);
  const std::string number = std::to_string(system ? system->code().value() : 0);
  ctx.diagnostics.errorLog(ProcedureName(mode), number + failure.what());
  ctx.prompter.message(Icon::Critical, TransferCaption(mode), number + "\r\n\r\n" + failure.what());
  if (mode != TransferMode::Program) {
    ctx.ws.image = before.image;
    ctx.ws.model = before.model;
  }
  ctx.ws.flags.ErrorFlag = true;
}

}  // namespace

const char* TransferCaption(TransferMode mode) {
  switch (mode) {
    case TransferMode::Read:
      return "Read from Radio";
    case TransferMode::Program:
      return "Program to Radio";
    case TransferMode::ClearAtis:
      return "Clear ATIS Data";
  }
  return "";
}

void Monitor(Context& ctx, TransferObserver& observer, std::string_view text) {
  if (!ctx.ws.options.DebugMode) return;
  observer.monitor(text);
  ctx.host.pause(MonitorPause);
}

TransferResult RunTransfer(Context& ctx, SerialPort& port, TransferObserver& observer,
                           TransferMode mode) {
  FlagGuard busy(ctx.ws.flags.TransferBusy, true);
  RadioLink link(ctx, port, observer, TransferCaption(mode));
  link.Monitor("startsync...");
  if (!link.StartLink()) {
    link.Monitor("can not syncing!!");
    link.PortClose();
    ctx.ws.flags.ErrorFlag = true;
    return {};
  }
  link.Monitor("sync ok");
  TransferResult result;
  const Workspace before = ctx.ws;
  try {
    result = RunOperation(ctx, link, mode);
  } catch (const std::exception& failure) {
    ReportUnexpected(ctx, mode, failure, before);
  }
  link.PortClose();
  return result;
}

}  // namespace tpw
