#pragma once

#include <iosfwd>

#include "session/prompter.h"

namespace tpw::cli {

// How questions are answered without a window.
enum class AnswerPolicy { Ask, Yes, No };

// Messages go to stderr in the program's own words; questions are answered by --yes/--no,
// asked on the terminal, or, with no terminal to ask on, given the safe answer (No/Cancel).
class TerminalPrompter : public Prompter {
 public:
  TerminalPrompter(AnswerPolicy policy, std::istream& in, std::ostream& err, bool interactive);

  void message(Icon icon, std::string_view title, std::string_view text) override;
  Answer ask(Icon icon, std::string_view title, std::string_view text, Buttons buttons,
             Answer defaultAnswer) override;

  void setPolicy(AnswerPolicy policy) { policy_ = policy; }

 private:
  AnswerPolicy policy_;
  std::istream& in_;
  std::ostream& err_;
  bool interactive_;
};

// Yes, OK or Retry for a question with these buttons; No or Cancel for the refusal.
Answer AgreeingAnswer(Buttons buttons);
Answer RefusingAnswer(Buttons buttons);

}  // namespace tpw::cli
