#include "cli/cli_session.h"
#include "cli/data_set.h"
#include "report/text_report.h"

namespace tpw::cli {

void AddReportCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "report",
      TPW_TEXT(
          "Cli",
          "Print the text report of IN (.hex image or .dat data file). `convert IN OUT.txt` saves "
          "it as a file with CR LF line ends."));
  auto in = std::make_shared<std::string>();
  auto base = std::make_shared<BaseOptions>();
  command->add_option("IN", *in, TPW_TEXT("Cli", "image file (.hex) or data file (.dat)"))
      ->required();
  AddBaseOptions(*command, *base);
  AddAnswerOptions(*command, session);
  command->callback([&session, in, base] {
    if (!InputKindAccepted(session, *in) || !OpenInputFile(session, *in, *base)) {
      session.exitStatus = Failed;
      return;
    }
    std::string text = BuildTextReport(session.ws.model, session.ws.caps);
    std::erase(text, '\r');
    if (!PrintOut(session, text + '\n')) session.exitStatus = Failed;
  });
}

}  // namespace tpw::cli
