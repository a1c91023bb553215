#include "cli/cli_session.h"
#include "cli/data_set.h"

namespace tpw::cli {

void AddConvertCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "convert",
      TPW_TEXT(
          "Cli",
          "Convert IN (.hex image or .dat data file) to OUT (.hex, .dat or .txt report). An image "
          "is decoded, encoded and corrected as before a write to the radio, so an OUT image holds "
          "exactly the bytes a write starts from. A data file is read over a base data set, with "
          "its "
          "model and region checks."));
  auto in = std::make_shared<std::string>();
  auto out = std::make_shared<std::string>();
  auto base = std::make_shared<BaseOptions>();
  command->add_option("IN", *in, TPW_TEXT("Cli", "input: image file (.hex) or data file (.dat)"))
      ->required();
  command
      ->add_option("OUT", *out,
                   TPW_TEXT("Cli", "output: image (.hex), data file (.dat) or report (.txt)"))
      ->required();
  AddBaseOptions(*command, *base);
  AddAnswerOptions(*command, session);
  command->callback([&session, in, out, base] {
    if (!InputKindAccepted(session, *in)) {
      session.exitStatus = Failed;
      return;
    }
    if (FileKindOf(*out) == FileKind::Unknown) {
      session.prompter.message(Icon::Critical, "",
                               Said(TPW_TEXT("Cli", "OUT must end in .hex, .dat or .txt")));
      session.exitStatus = UsageError;
      return;
    }
    if (!OpenInputFile(session, *in, *base) || !SaveOutputFile(session, *out)) {
      session.exitStatus = Failed;
    }
  });
}

}  // namespace tpw::cli
