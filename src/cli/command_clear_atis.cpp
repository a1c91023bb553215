#include "cli/cli_session.h"
#include "cli/data_set.h"
#include "cli/transfer_terminal.h"
#include "files/hex_image_file.h"

namespace tpw::cli {

void AddClearAtisCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "clear-atis",
      TPW_TEXT("Cli",
               "Erase the ATIS code in the radio, so that the next write can program a new "
               "one. The radio's ATIS counter takes the base's value."));
  auto options = std::make_shared<TransferOptions>();
  auto base = std::make_shared<BaseOptions>();
  auto out = std::make_shared<std::string>();
  AddTransferOptions(*command, *options, session);
  AddVerifyOption(*command, *options);
  AddBaseOptions(*command, *base);
  command->add_option("--out", *out,
                      TPW_TEXT("Cli", "save the PC's data, without the code, to this image file"));
  command->callback([&session, options, base, out] {
    if ((!out->empty() && !OutputCanBeSaved(session, *out, FileKind::Image, "--out")) ||
        !LoadBaseDataSet(session, *base)) {
      session.exitStatus = Failed;
      return;
    }
    TransferResult result;
    session.exitStatus = RunTerminalTransfer(session, *options, TransferMode::ClearAtis, result);
    if (result.done() && !out->empty() &&
        !SavedAfterTransfer(session, SaveImageBytes(session.ctx, *out), *out)) {
      session.exitStatus = Failed;
    }
  });
}

}  // namespace tpw::cli
