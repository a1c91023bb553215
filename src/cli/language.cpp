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

}  // namespace

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
                 "The language of the messages: en, de, nl or fr (the system's by "
                 "default)")
      ->type_name("CODE");
}

}  // namespace tpw::cli
