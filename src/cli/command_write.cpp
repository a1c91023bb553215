#include "cli/cli_session.h"
#include "cli/data_set.h"
#include "cli/transfer_terminal.h"

namespace tpw::cli {

void AddWriteCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "write",
      "Program the radio from an image file (.hex) or a channel data file (.dat), as "
      "the desktop application does after opening that file and choosing Program to "
      "Radio. A data file is opened over the base (default: the first destination); "
      "an image file is its own base unless --base or --destination is given.");
  auto options = std::make_shared<TransferOptions>();
  auto base = std::make_shared<BaseOptions>();
  auto in = std::make_shared<std::string>();
  AddTransferOptions(*command, *options, session);
  AddVerifyOption(*command, *options);
  command->add_flag("--read-first", options->readFirst,
                    "read the whole radio before programming it and keep that as a backup, so "
                    "its exact prior state can be put back");
  AddBaseOptions(*command, *base);
  command->add_option("IN", *in, "image file (.hex) or channel data file (.dat)")->required();
  command->callback([&session, options, base, in] {
    if (!InputKindAccepted(session, *in)) {
      session.exitStatus = Failed;
      return;
    }
    const bool ownBase =
        FileKindOf(*in) != FileKind::DataFile && base->image.empty() && base->destination.empty();
    const bool loaded = ownBase ? LoadBaseDataSet(session, {*in, ""})
                                : LoadBaseDataSet(session, *base) && OpenFileOverBase(session, *in);
    if (!loaded) {
      session.exitStatus = Failed;
      return;
    }
    TransferResult result;
    session.exitStatus = RunTerminalTransfer(session, *options, TransferMode::Program, result);
  });
}

}  // namespace tpw::cli
