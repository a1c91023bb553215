#pragma once

#include <map>
#include <string>
#include <string_view>

#include "session/prompter.h"

namespace tpw {

// How questions are answered where nobody sits in front of a window: asked on a terminal, or
// answered at once with Yes or No.
enum class AnswerPolicy { Ask, Yes, No };

// Yes, OK or Retry for a question with these buttons; No or Cancel for the refusal.
Answer AgreeingAnswer(Buttons buttons);
Answer RefusingAnswer(Buttons buttons);

// Answers questions by a policy, without asking. Agreeing is bounded: the same question is
// agreed to at most AgreementLimit times, then refused, so that a radio that stays busy or
// keeps rejecting a block ends the transfer with its usual failure instead of looping for
// ever. A user who answers for themselves decides every time.
class AutomaticAnswers {
 public:
  static constexpr int AgreementLimit = 5;

  struct Decision {
    Answer answer;
    // The policy said Yes, but the question had been agreed to AgreementLimit times already.
    bool limitReached = false;
  };
  Decision answer(AnswerPolicy policy, std::string_view question, Buttons buttons);

 private:
  std::map<std::string, int, std::less<>> agreed_;
};

}  // namespace tpw
