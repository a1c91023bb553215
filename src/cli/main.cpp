#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>
#include <string_view>

#include "adapters/folders/qt_program_folders.h"
#include "cli/cli_session.h"
#include "cli/console.h"
#include "program_info.h"

namespace tpw::cli {

CliSession::CliSession() : prompter(AnswerPolicy::Ask, std::cin, std::cerr, IsTerminal(0)) {}

namespace {

// Only Qt's critical messages reach the user; its remarks on the session (no runtime folder,
// when run without a desktop login) are no concern of a command, which reports its own
// failures.
void ShowQtFailures(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

// Qt's application object for the whole run. Printing needs fonts, hence the graphical one, on
// the platform that needs no display; every other command makes do with the core one.
std::unique_ptr<QCoreApplication> QtApplication(int& argc, char** argv) {
  if (argc > 1 && std::string_view(argv[1]) == "print") {
    qInstallMessageHandler(ShowQtFailures);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
  }
  return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace
}  // namespace tpw::cli

int main(int argc, char** argv) {
  using namespace tpw::cli;
  // Qt tells where the executable and the system's data folders are, and drives the serial
  // ports; both need the application object for the whole run.
  const std::unique_ptr<QCoreApplication> qt = QtApplication(argc, argv);
  CliSession session;
  session.folders = tpw::LocateProgramFolders();
  LoadModelDefinition(session);
  CLI::App app{"Programs the QZ815 marine VHF radio: image files, channel data files, reports.",
               "tpw52-cli"};
  app.require_subcommand(1);
  app.set_version_flag("--version", std::string("tpw52-cli ") + tpw::ProgramVersion,
                       "Print the version and exit");
  AddHexdumpCommand(app, session);
  AddConvertCommand(app, session);
  AddReportCommand(app, session);
  AddPrintCommand(app, session);
  AddDestinationsCommand(app, session);
  AddPortsCommand(app, session);
  AddBackupsCommand(app, session);
  AddReadCommand(app, session);
  AddWriteCommand(app, session);
  AddDiffCommand(app, session);
  AddClearAtisCommand(app, session);
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& e) {
    return app.exit(e);  // --help and --version
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return UsageError;
  } catch (const std::bad_alloc&) {
    std::cerr << "tpw52-cli: the program ran out of memory and stopped. Close other programs, "
                 "then run the command again.\n";
    return Failed;
  } catch (const std::exception& e) {
    std::cerr << "tpw52-cli: the program stopped on an unexpected failure: " << e.what() << '\n';
    return Failed;
  }
  return session.exitStatus;
}
