#include "cli/cli_session.h"

namespace tpw::cli {

void AddAnswerOptions(CLI::App& command, CliSession& session) {
  auto* yes = command.add_flag_callback(
      "--yes", [&session] { session.prompter.setPolicy(AnswerPolicy::Yes); },
      TPW_TEXT("Cli",
               "answer every question with Yes, OK or Retry (the region question, a busy radio)"));
  command
      .add_flag_callback(
          "--no", [&session] { session.prompter.setPolicy(AnswerPolicy::No); },
          TPW_TEXT("Cli",
                   "answer every question with No or Cancel (the default without a terminal)"))
      ->excludes(yes);
}

}  // namespace tpw::cli
