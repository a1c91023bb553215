#include "cli/atis_code_option.h"
#include "cli/cli_session.h"
#include "cli/data_set.h"
#include "cli/transfer_terminal.h"

namespace tpw::cli {

void AddWriteCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "write",
      TPW_TEXT("Cli",
               "Program the radio from an image file (.hex) or a channel data file (.dat), as "
               "the desktop application does after opening that file and choosing Program to "
               "Radio. A data file is opened over the base (default: the first destination); "
               "an image file is its own base unless --base or --destination is given."));
  auto options = std::make_shared<TransferOptions>();
  auto base = std::make_shared<BaseOptions>();
  auto in = std::make_shared<std::string>();
  AddTransferOptions(*command, *options, session);
  AddVerifyOption(*command, *options);
  command->add_flag(
      "--read-first", options->readFirst,
      TPW_TEXT("Cli",
               "read the whole radio before programming it and keep that as a backup, so "
               "its exact prior state can be put back"));
  AddBaseOptions(*command, *base);
  auto code = std::make_shared<std::optional<std::string>>();
  AddAtisCodeOption(*command, *code);
  command->add_option("IN", *in, TPW_TEXT("Cli", "image file (.hex) or channel data file (.dat)"))
      ->required();
  command->callback([&session, options, base, in, code] {
    if (!TypedAtisCodeAccepted(session, *code) || !LoadDataToWrite(session, *in, *base)) {
      if (session.exitStatus == Success) session.exitStatus = Failed;
      return;
    }
    TakeAtisCodeOption(session, *code);
    TransferResult result;
    session.exitStatus = RunTerminalTransfer(session, *options, TransferMode::Program, result);
  });
}

}  // namespace tpw::cli
