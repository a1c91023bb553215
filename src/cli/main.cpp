#include "cli/cli_session.h"
#include "cli/console.h"

namespace tpw::cli {

CliSession::CliSession() : prompter(AnswerPolicy::Ask, std::cin, std::cerr, IsTerminal(0)) {}
}  // namespace tpw::cli

int main(int argc, char** argv) {
  using namespace tpw::cli;
  CliSession session;
  session.programFolder = ProgramFolder(argv[0]);
  LoadModelDefinition(session);
  CLI::App app{"Programs the QZ815 marine VHF radio: image files, channel data files, reports.",
               "tpw52-cli"};
  app.require_subcommand(1);
  AddHexdumpCommand(app, session);
  AddConvertCommand(app, session);
  AddReportCommand(app, session);
  AddDestinationsCommand(app, session);
  AddPortsCommand(app, session);
  AddReadCommand(app, session);
  AddWriteCommand(app, session);
  AddClearAtisCommand(app, session);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return UsageError;
  }
  return session.exitStatus;
}
