#include "link/transfer.h"

#include "image/image_codec.h"
#include "link/atis_clear.h"
#include "link/clone_read.h"
#include "link/clone_write.h"
#include "link/radio_link.h"

namespace tpw {

namespace {

constexpr std::chrono::milliseconds MonitorPause{500};

// TransferBusy for the time a transfer runs.
class TransferBusyScope {
 public:
  explicit TransferBusyScope(ProgramFlags& flags) : flags_(flags) { flags_.TransferBusy = true; }
  ~TransferBusyScope() { flags_.TransferBusy = false; }
  TransferBusyScope(const TransferBusyScope&) = delete;
  TransferBusyScope& operator=(const TransferBusyScope&) = delete;

 private:
  ProgramFlags& flags_;
};

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
  TransferBusyScope busy(ctx.ws.flags);
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
  switch (mode) {
    case TransferMode::Read:
      result = ReadProcedure(link);
      break;
    case TransferMode::Program:
      EncodeImage(ctx.ws.model, ctx.ws.image, ctx.ws.caps.WxSupported);
      SanitiseForWrite(ctx.ws.image, ctx.ws.model, ctx.ws.caps.WxSupported);
      result = WriteProcedure(link);
      break;
    case TransferMode::ClearAtis:
      result = ClearProcedure(link);
      break;
  }
  link.PortClose();
  return result;
}

}  // namespace tpw
