#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The languages the programs speak, and which of them a run uses. English is the programs' own
// language and needs no catalogue; every other one has a catalogue of its own.
namespace tpw {

struct Language {
  const char* code;  // as on the command line: "de"
  const char* name;  // in the language itself, as the menu shows it to those who read it
};

std::span<const Language> Languages();

// The code of a known language for a code as given ("DE", "de_DE", "de-CH" are German), or
// nothing.
std::optional<std::string> KnownLanguage(std::string_view code);

// The language of a run: the one asked for on the command line, else the one chosen in Options
// > Language, else the first of the system's languages with a catalogue, else English.
std::string ChooseLanguage(std::string_view asked, std::string_view remembered,
                           const std::vector<std::string>& system);

// What the user is told for a --lang the programs do not speak.
std::string UnknownLanguageMessage(std::string_view code);

}  // namespace tpw
