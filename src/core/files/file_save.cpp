#include "files/file_save.h"

#include "files/atomic_file.h"
#include "files/file_failure.h"
#include "image/translatable.h"
#include "session/flag_guard.h"

namespace tpw {

Outcome SaveDocument(Context& ctx, const std::filesystem::path& path, std::string_view content,
                     std::string_view procedure) {
  Workspace& ws = ctx.ws;
  std::error_code error;
  {
    FlagGuard busy(ws.flags.TransferBusy, true);
    error = WriteFileAtomically(ctx.files, path, content);
    ctx.host.settleAfterFile();
  }
  if (!error) return Outcome::Done;
  ctx.diagnostics.errorLog(procedure, NumberedDescription(error));
  ctx.prompter.message(Icon::Exclamation, MainTitle(ws.caps),
                       FileMessage(TPW_TEXT("Messages", "FileSave Error!!"), path,
                                   FileFailureFinding(path, error, FileAction::Save)));
  return Outcome::Failed;
}

}  // namespace tpw
