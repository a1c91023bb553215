#pragma once

#include <QString>
#include <QTranslator>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tpw {

// The folder of the program's catalogues inside its data folder.
inline constexpr const char* TranslationsFolderName = "translations";

// The languages the system asks for, the first preferred (LANG, LC_MESSAGES and LANGUAGE on
// Linux); the C locale asks for none.
std::vector<std::string> SystemLanguages();

// The catalogues of one language: the program's own ("tpw52_de.qm" in the data folder's
// translations folder) and Qt's (standard buttons, file dialogs). English needs neither.
class ProgramTranslations {
 public:
  // Loads the catalogues of language; false when the program's own is missing or unreadable.
  // Qt's are taken where the system has them and silently left out where it has not.
  bool load(const std::filesystem::path& dataFolder, std::string_view language);
  // Puts the loaded catalogues in front of the application's texts.
  void install();
  // A text of the program's catalogue, without an application object.
  QString translate(const char* context, const char* text) const;
  // Where the program's catalogue was looked for.
  const std::filesystem::path& file() const { return file_; }

 private:
  QTranslator program_;
  QTranslator qt_;
  std::filesystem::path file_;
};

// A text of the core as the user reads it: the whole text translated where the catalogue has
// it, otherwise each of its lines. The core's texts are Latin-1; the catalogues are Unicode.
QString TranslatedText(std::string_view text);
// The same for a terminal, in UTF-8; an untranslated text exactly as it came.
std::string TranslatedUtf8(std::string_view text);

}  // namespace tpw
