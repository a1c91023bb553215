#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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

// A file name given where the command line expects one, which begins with a dash ("-x.dat"):
// it reads as an option, so the command misses a file or has an option it does not know.
struct DashedName {
  std::string command;
  std::string name;
};

// The arguments that read as options the command does not have and look like file names (a
// folder or an extension in them); values of the command's own options are left alone.
std::vector<DashedName> DashedFileNames(CLI::App& app, int argc, char** argv) {
  CLI::App* command = nullptr;
  std::vector<DashedName> names;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--") break;
    if (!command) {
      try {
        command = app.get_subcommand(argument);
      } catch (const CLI::OptionNotFound&) {
      }
      continue;
    }
    if (argument.size() < 2 || argument.front() != '-') continue;
    const std::size_t equals = argument.find('=');
    if (const CLI::Option* option = command->get_option_no_throw(argument.substr(0, equals))) {
      if (equals == std::string::npos && option->get_expected_min() > 0) ++i;  // its value
    } else if (argument.find_first_of("./") != std::string::npos) {
      names.push_back({command->get_name(), argument});
    }
  }
  return names;
}

// Says how to give a file name that begins with a dash, after the usage error it caused.
void ExplainDashedNames(const std::vector<DashedName>& names) {
  for (const DashedName& dashed : names) {
    std::cerr << "tpw52-cli: "
              << Said(TPW_TEXT("Cli",
                               "%1 reads as an option. A file name that begins with a dash is "
                               "given as ./%1, or after -- (tpw52-cli %2 ... -- %1)."),
                      {dashed.name, dashed.command})
              << '\n';
  }
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
  tpw::ProgramTranslations translations;
  if (!InstallLanguage(argc, argv, session.folders, translations)) return UsageError;
  LoadModelDefinition(session);
  CLI::App app{
      TPW_TEXT("Cli",
               "Programs the QZ815 marine VHF radio: image files, channel data files, reports."),
      "tpw52-cli"};
  app.set_help_flag("-h,--help", TPW_TEXT("Cli", "Print this help message and exit"));
  app.require_subcommand(1);
  app.fallthrough();
  AddLanguageOption(app);
  app.set_version_flag("--version", std::string("tpw52-cli ") + tpw::ProgramVersion,
                       TPW_TEXT("Cli", "Print the version and exit"));
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
  AddExportCsvCommand(app, session);
  AddImportCsvCommand(app, session);
  AddCheckPortCommand(app, session);
  AddFleetCommand(app, session);
  TranslateHelp(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& e) {
    return app.exit(e);  // --help and --version
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    ExplainDashedNames(DashedFileNames(app, argc, argv));
    return UsageError;
  } catch (const std::bad_alloc&) {
    std::cerr << "tpw52-cli: "
              << Said(TPW_TEXT("Cli",
                               "the program ran out of memory and stopped. Close other programs, "
                               "then run the command again."))
              << '\n';
    return Failed;
  } catch (const std::exception& e) {
    std::cerr << "tpw52-cli: "
              << Said(TPW_TEXT("Cli", "the program stopped on an unexpected failure: %1"),
                      {e.what()})
              << '\n';
    return Failed;
  }
  return session.exitStatus;
}
