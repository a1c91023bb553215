#include "session/automatic_answers.h"

namespace tpw {

Answer AgreeingAnswer(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel:
      return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
      return Answer::Yes;
    case Buttons::RetryCancel:
      return Answer::Retry;
  }
  return Answer::Ok;
}

Answer RefusingAnswer(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return Answer::Ok;
    case Buttons::YesNo:
      return Answer::No;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel:
    case Buttons::RetryCancel:
      return Answer::Cancel;
  }
  return Answer::Cancel;
}

AutomaticAnswers::Decision AutomaticAnswers::answer(AnswerPolicy policy, std::string_view question,
                                                    Buttons buttons) {
  if (policy != AnswerPolicy::Yes) return {RefusingAnswer(buttons)};
  auto counted = agreed_.find(question);
  if (counted == agreed_.end()) counted = agreed_.emplace(std::string(question), 0).first;
  if (counted->second >= AgreementLimit) return {RefusingAnswer(buttons), true};
  ++counted->second;
  return {AgreeingAnswer(buttons)};
}

}  // namespace tpw
