#pragma once

#include <CLI/CLI.hpp>
#include <initializer_list>
#include <string>
#include <string_view>

#include "adapters/translations/qt_translations.h"
#include "image/translatable.h"
#include "shell/program_folders.h"

// The language the command line speaks: its own lines, its help and the core's messages.
namespace tpw::cli {

// The language of the run's messages (--lang, else the system's), its catalogues installed;
// false, with a message, for a language the program does not speak.
bool InstallLanguage(int argc, char** argv, const ProgramFolders& folders,
                     ProgramTranslations& translations);
// --lang, accepted before and after the command.
void AddLanguageOption(CLI::App& app);
// A text of the command line's own (marked TPW_TEXT("Cli", ...)) in the language of the run,
// its "%1", "%2", ... filled with the names.
std::string Said(const char* pattern, std::initializer_list<std::string_view> names = {});
// The help of the application and of each command in the language of the run: the
// descriptions (marked TPW_TEXT("Cli", ...)) and the help's own words ("Usage", "Options").
void TranslateHelp(CLI::App& app);

}  // namespace tpw::cli
