#include "adapters/translations/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

#include "editor/channel_fit.h"
#include "editor/channel_list_edit.h"
#include "editor/channel_rows_text.h"
#include "editor/setup_edits.h"
#include "files/channel_csv.h"
#include "files/data_file_reader.h"
#include "files/field_text.h"
#include "files/file_failure.h"
#include "image/atis_code.h"
#include "image/regions.h"
#include "image/translatable.h"
#include "link/port_check_messages.h"
#include "link/transfer_messages.h"
#include "session/workspace.h"
#include "shell/channel_table_file.h"

namespace tpw {

namespace {

// The core's own words are ASCII; the file and port names it puts in them are the system's
// (UTF-8), and a byte that is no UTF-8 is read as Latin-1 rather than lost.
QString Decoded(std::string_view text) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString decoded = utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  if (!utf8.hasError()) return decoded;
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A catalogued text, under each context the core's texts use; a null string where no catalogue
// has it.
QString Catalogued(const char* text) {
  for (const char* context : CoreTextContexts) {
    const QString translated = QCoreApplication::translate(context, text);
    if (translated != QString::fromUtf8(text)) return translated;
  }
  return {};
}

// A template of the core's composed messages as a pattern that finds the names put into it: each
// placeholder's first place catches its name, a later place must hold the same. A name never
// spans lines, so that a message of several lines is taken line by line.
struct ComposedText {
  const char* source;
  QRegularExpression pattern;
  std::vector<int> groupOf;  // the pattern's group of %1, %2, ...
};

ComposedText Composed(const char* source) {
  ComposedText composed{source, {}, {}};
  const QString text = QString::fromUtf8(source);
  static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
  QString pattern = QStringLiteral("^");
  qsizetype done = 0;
  int groups = 0;
  for (const QRegularExpressionMatch& found : placeholder.globalMatch(text)) {
    pattern += QRegularExpression::escape(text.mid(done, found.capturedStart() - done));
    const auto number = static_cast<std::size_t>(found.captured(1).toInt());
    if (composed.groupOf.size() < number) composed.groupOf.resize(number, 0);
    int& group = composed.groupOf[number - 1];
    if (group == 0) {
      group = ++groups;
      pattern += QStringLiteral("([^\\r\\n]+?)");
    } else {
      pattern += QStringLiteral("\\g{%1}").arg(group);
    }
    done = found.capturedEnd();
  }
  pattern += QRegularExpression::escape(text.mid(done)) + QStringLiteral("$");
  composed.pattern = QRegularExpression(pattern);
  return composed;
}

// The literal part of a template: the more of it, the fewer texts the template makes.
qsizetype LiteralLength(const char* source) {
  static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
  return QString::fromUtf8(source).remove(placeholder).size();
}

const std::vector<ComposedText>& ComposedTexts() {
  static const std::vector<ComposedText> composed = [] {
    std::vector<const char*> sources;
    for (const auto& unit :
         {TransferMessageTemplates(), PortCheckMessageTemplates(), DataFileNoteTemplates(),
          ChannelEditTemplates(), ChannelCsvTemplates(), GridRowsTextTemplates(),
          ChannelFitTemplates(), FieldExpectationTemplates(), SetupStepTemplates(),
          ChannelTableTemplates(), FileMessageTemplates()}) {
      sources.insert(sources.end(), unit.begin(), unit.end());
    }
    for (const char* source :
         {NeverMixedAdviceTemplate, ImplausibleAtisCodeTemplate, MainTitleTemplate}) {
      sources.push_back(source);
    }
    // A text two templates could have made ("line 3: skipped, ..." and "line %1: %2") is taken
    // as made by the one with more words of its own.
    std::stable_sort(sources.begin(), sources.end(), [](const char* a, const char* b) {
      return LiteralLength(a) > LiteralLength(b);
    });
    std::vector<ComposedText> all;
    for (const char* source : sources) all.push_back(Composed(source));
    return all;
  }();
  return composed;
}

QString TranslatedPiece(const QString& text);

// A text filled from a catalogued template: the template translated and filled with the same
// names, each of them translated in turn where it is a text of its own (an advice in a
// message). A null string where no template made the text.
QString TranslatedComposed(const QString& text) {
  for (const ComposedText& composed : ComposedTexts()) {
    const QRegularExpressionMatch match = composed.pattern.match(text);
    if (!match.hasMatch()) continue;
    // A template the catalogue keeps as it is ("%1: %2") still has names to translate.
    const QString catalogued = Catalogued(composed.source);
    const QString pattern = catalogued.isNull() ? QString::fromUtf8(composed.source) : catalogued;
    QString translated;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
      const int number = i + 1 < pattern.size() && pattern[i] == QLatin1Char('%')
                             ? pattern[i + 1].digitValue()
                             : -1;
      const bool filled = number >= 1 &&
                          static_cast<std::size_t>(number) <= composed.groupOf.size() &&
                          composed.groupOf[static_cast<std::size_t>(number - 1)] > 0;
      if (!filled) {
        translated += pattern[i];
        continue;
      }
      translated +=
          TranslatedPiece(match.captured(composed.groupOf[static_cast<std::size_t>(number - 1)]));
      ++i;
    }
    return translated;
  }
  return {};
}

// One piece of text through the catalogues: as it stands, or as a filled template.
QString TranslatedPiece(const QString& text) {
  const QString catalogued = Catalogued(text.toUtf8().constData());
  if (!catalogued.isNull()) return catalogued;
  const QString composed = TranslatedComposed(text);
  return composed.isNull() ? text : composed;
}

}  // namespace

std::vector<std::string> SystemLanguages() {
  std::vector<std::string> languages;
  const QLocale system = QLocale::system();
  if (system.language() == QLocale::C) return languages;
  for (const QString& language : system.uiLanguages()) languages.push_back(language.toStdString());
  return languages;
}

bool ProgramTranslations::load(const std::filesystem::path& dataFolder, std::string_view language) {
  const QString code =
      QString::fromLatin1(language.data(), static_cast<qsizetype>(language.size()));
  file_ = dataFolder / TranslationsFolderName / ("tpw52_" + std::string(language) + ".qm");
  [[maybe_unused]] const bool qtFound = qt_.load(
      QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return program_.load(QString::fromStdU16String(file_.u16string()));
}

void ProgramTranslations::install() {
  if (!qt_.isEmpty()) QCoreApplication::installTranslator(&qt_);
  if (!program_.isEmpty()) QCoreApplication::installTranslator(&program_);
}

QString ProgramTranslations::translate(const char* context, const char* text) const {
  const QString translated = program_.translate(context, text);
  return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

QString TranslatedText(std::string_view text) {
  const QString whole = Decoded(text);
  const QString translated = TranslatedPiece(whole);
  if (translated != whole || !whole.contains(QStringLiteral("\r\n"))) return translated;
  QStringList lines = whole.split(QStringLiteral("\r\n"));
  for (QString& line : lines) line = TranslatedPiece(line);
  return lines.join(QStringLiteral("\r\n"));
}

std::string TranslatedUtf8(std::string_view text) {
  const QString translated = TranslatedText(text);
  // Untranslated, the text goes out byte for byte as the core made it.
  return translated == Decoded(text) ? std::string(text) : translated.toStdString();
}

}  // namespace tpw
