#include "shell/program_language.h"

#include <array>
#include <cctype>

namespace tpw {

namespace {

constexpr std::array<Language, 4> kLanguages{{
    {"en", "English"},
    {"de", "Deutsch"},
    {"nl", "Nederlands"},
    {"fr",
     "Fran\xC3\xA7"
     "ais"},
}};

}  // namespace

std::span<const Language> Languages() {
  return kLanguages;
}

std::optional<std::string> KnownLanguage(std::string_view code) {
  std::string language;
  for (const char c : code.substr(0, code.find_first_of("_-.@"))) {
    language += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  for (const Language& known : kLanguages) {
    if (language == known.code) return language;
  }
  return std::nullopt;
}

std::string ChooseLanguage(std::string_view asked, std::string_view remembered,
                           const std::vector<std::string>& system) {
  if (auto language = KnownLanguage(asked)) return *language;
  if (auto language = KnownLanguage(remembered)) return *language;
  for (const std::string& code : system) {
    if (auto language = KnownLanguage(code)) return *language;
  }
  return kLanguages.front().code;
}

std::string UnknownLanguageMessage(std::string_view code) {
  std::string known;
  for (const Language& language : kLanguages) {
    known += (known.empty() ? "" : ", ") + std::string(language.code);
  }
  return "--lang " + std::string(code) + ": there is no such language; choose one of " + known +
         ".";
}

}  // namespace tpw
