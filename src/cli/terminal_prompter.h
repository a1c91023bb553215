#pragma once

#include <iosfwd>

#include "session/automatic_answers.h"
#include "session/prompter.h"

namespace tpw::cli {

// Messages go to stderr in the program's own words; questions are answered by --yes/--no
// (agreeing to one question at most AutomaticAnswers::AgreementLimit times), asked on the
// terminal, or, with no terminal to ask on, given the safe answer (No/Cancel).
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
  AutomaticAnswers automatic_;
};

}  // namespace tpw::cli
