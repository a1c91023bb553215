#include "cli/cli_session.h"
#include "cli/data_set.h"
#include "cli/transfer_terminal.h"
#include "files/data_file.h"
#include "files/hex_image_file.h"

namespace tpw::cli {

void AddReadCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "read",
      TPW_TEXT("Cli",
               "Read the radio's memory into the PC's data set and save it as an image file "
               "(.hex), a channel data file (.dat), or both. The bytes the radio does not own "
               "(0x000-0x001, 0x290-0x2FF) and the region check come from the base."));
  auto options = std::make_shared<TransferOptions>();
  auto base = std::make_shared<BaseOptions>();
  auto out = std::make_shared<std::string>();
  auto dat = std::make_shared<std::string>();
  AddTransferOptions(*command, *options, session);
  AddBaseOptions(*command, *base);
  command->add_option("--out", *out, TPW_TEXT("Cli", "image file (.hex) to save what was read"));
  command->add_option("--dat", *dat,
                      TPW_TEXT("Cli", "channel data file (.dat) to save what was read"));
  command->callback([&session, options, base, out, dat] {
    if (out->empty() && dat->empty())
      throw CLI::ValidationError("read", Said(TPW_TEXT("Cli", "--out or --dat is needed")));
    if ((!out->empty() && !OutputCanBeSaved(session, *out, FileKind::Image, "--out")) ||
        (!dat->empty() && !OutputCanBeSaved(session, *dat, FileKind::DataFile, "--dat"))) {
      session.exitStatus = Failed;
      return;
    }
    if (!LoadBaseDataSet(session, *base)) {
      session.exitStatus = Failed;
      return;
    }
    TransferResult result;
    session.exitStatus = RunTerminalTransfer(session, *options, TransferMode::Read, result);
    if (!result.done()) return;
    if (!out->empty() && !SavedAfterTransfer(session, SaveImageBytes(session.ctx, *out), *out)) {
      session.exitStatus = Failed;
    }
    if (!dat->empty() && !SavedAfterTransfer(session, SaveDataFile(session.ctx, *dat), *dat)) {
      session.exitStatus = Failed;
    }
  });
}

}  // namespace tpw::cli
