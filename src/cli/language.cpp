#include <QCoreApplication>
#include <iostream>
#include <string>
#include <string_view>

#include "adapters/translations/qt_translations.h"
#include "cli/cli_session.h"
#include "shell/program_language.h"

namespace tpw::cli {

namespace {

// The code after --lang ("--lang de" or "--lang=de"), wherever it stands before "--"; read
// before the commands are parsed, because the messages of parsing already speak it.
std::optional<std::string> AskedLanguage(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--") break;
    if (argument == "--lang") return i + 1 < argc ? std::string(argv[i + 1]) : std::string();
    if (argument.starts_with("--lang=")) return std::string(argument.substr(7));
  }
  return std::nullopt;
}

// The words of the help around the descriptions; CLI11 looks each up as a label.
constexpr const char* kHelpLabels[] = {
    TPW_TEXT("Cli", "Usage"),       TPW_TEXT("Cli", "OPTIONS"),  TPW_TEXT("Cli", "SUBCOMMAND"),
    TPW_TEXT("Cli", "SUBCOMMANDS"), TPW_TEXT("Cli", "REQUIRED"), TPW_TEXT("Cli", "Positionals"),
    TPW_TEXT("Cli", "Needs"),       TPW_TEXT("Cli", "Excludes")};
constexpr const char* kOptionsGroup = TPW_TEXT("Cli", "Options");
constexpr const char* kCommandsGroup = TPW_TEXT("Cli", "Subcommands");

void TranslateDescriptions(CLI::App& app) {
  app.description(Said(app.get_description().c_str()));
  for (CLI::Option* option : app.get_options()) {
    option->description(Said(option->get_description().c_str()));
    if (option->get_group() == kOptionsGroup) option->group(Said(kOptionsGroup));
  }
  for (CLI::App* command : app.get_subcommands({})) {
    TranslateDescriptions(*command);
    if (command->get_group() == kCommandsGroup) command->group(Said(kCommandsGroup));
  }
}

// A usage error as CLI11 tells it, with the pointer to the help in the language of the run
// (the program has no --help-all).
std::string UsageFailure(const CLI::App* app, const CLI::Error& error) {
  std::string text = std::string(error.what()) + "\n";
  if (const CLI::Option* help = app->get_help_ptr()) {
    text += Said(TPW_TEXT("Cli", "Run with %1 for more information."), {help->get_name()}) + "\n";
  }
  return text;
}

}  // namespace

std::string Said(const char* pattern, std::initializer_list<std::string_view> names) {
  return Fill(QCoreApplication::translate("Cli", pattern).toStdString(), names);
}

void TranslateHelp(CLI::App& app) {
  for (const char* label : kHelpLabels) app.get_formatter()->label(label, Said(label));
  app.failure_message(UsageFailure);
  TranslateDescriptions(app);
}

bool InstallLanguage(int argc, char** argv, const ProgramFolders& folders,
                     ProgramTranslations& translations) {
  const std::optional<std::string> asked = AskedLanguage(argc, argv);
  if (asked && !KnownLanguage(*asked)) {
    std::cerr << "tpw52-cli: " << UnknownLanguageMessage(*asked) << '\n';
    return false;
  }
  // A script gets the language it asks for, or the system's: the window's choice in Options >
  // Language is the window's.
  const std::string language = ChooseLanguage(asked.value_or(""), "", SystemLanguages());
  if (language == Languages().front().code || folders.data.empty()) return true;
  if (!translations.load(folders.data, language)) {
    std::cerr << "tpw52-cli: the " << language << " texts are missing ("
              << translations.file().string() << "); the messages are in English.\n";
  }
  translations.install();
  return true;
}

void AddLanguageOption(CLI::App& app) {
  // Read by InstallLanguage before the parse; declared so that it is accepted and listed.
  app.add_option("--lang",
                 TPW_TEXT("Cli",
                          "The language of the messages: en, de, nl or fr (the system's by "
                          "default)"))
      ->type_name("CODE");
}

}  // namespace tpw::cli
