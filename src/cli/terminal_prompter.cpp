#include "cli/terminal_prompter.h"

#include <cctype>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "adapters/translations/qt_translations.h"
#include "cli/language.h"

namespace tpw::cli {

namespace {

// The program's texts in the user's language; they use CR LF between lines, a terminal wants
// LF.
std::string TerminalText(std::string_view text) {
  std::string out;
  for (char c : TranslatedUtf8(text)) {
    if (c != '\r') out += c;
  }
  return out;
}

const char* ChoiceHint(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return "[ok]";
    case Buttons::OkCancel:
      return "[o]k/[c]ancel";
    case Buttons::YesNo:
      return "[y]es/[n]o";
    case Buttons::YesNoCancel:
      return "[y]es/[n]o/[c]ancel";
    case Buttons::RetryCancel:
      return "[r]etry/[c]ancel";
  }
  return "";
}

std::optional<Answer> ParseChoice(Buttons buttons, const std::string& line) {
  const char c = line.empty() ? '\0' : static_cast<char>(std::tolower(line[0]));
  const bool hasYes = buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel;
  const bool hasCancel = buttons != Buttons::Ok && buttons != Buttons::YesNo;
  if (hasYes && c == 'y') return Answer::Yes;
  if (hasYes && c == 'n') return Answer::No;
  if (hasCancel && c == 'c') return Answer::Cancel;
  if ((buttons == Buttons::OkCancel || buttons == Buttons::Ok) && c == 'o') return Answer::Ok;
  if (buttons == Buttons::RetryCancel && c == 'r') return Answer::Retry;
  return std::nullopt;
}

}  // namespace

TerminalPrompter::TerminalPrompter(AnswerPolicy policy, std::istream& in, std::ostream& err,
                                   bool interactive)
    : policy_(policy), in_(in), err_(err), interactive_(interactive) {}

void TerminalPrompter::message(Icon, std::string_view, std::string_view text) {
  err_ << TerminalText(text) << '\n' << std::flush;
}

Answer TerminalPrompter::ask(Icon, std::string_view, std::string_view text, Buttons buttons,
                             Answer defaultAnswer) {
  err_ << TerminalText(text) << '\n';
  if (policy_ != AnswerPolicy::Ask || !interactive_) {
    const auto decision = automatic_.answer(policy_, text, buttons);
    err_ << "-> "
         << (decision.answer == AgreeingAnswer(buttons) ? Said(TPW_TEXT("Cli", "agreed"))
                                                        : Said(TPW_TEXT("Cli", "refused")));
    if (decision.limitReached) {
      err_ << Said(TPW_TEXT("Cli", " (--yes agreed to this question %1 times already)"),
                   {std::to_string(AutomaticAnswers::AgreementLimit)});
    }
    err_ << '\n' << std::flush;
    return decision.answer;
  }
  for (;;) {
    err_ << ChoiceHint(buttons) << "? " << std::flush;
    std::string line;
    if (!std::getline(in_, line)) return RefusingAnswer(buttons);
    if (line.empty()) return defaultAnswer;
    if (auto answer = ParseChoice(buttons, line)) return *answer;
  }
}

}  // namespace tpw::cli
