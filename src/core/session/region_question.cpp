#include "session/region_question.h"

namespace tpw {

bool AgreesToRegionChange(Prompter& prompter, std::string_view title) {
  return prompter.ask(Icon::Exclamation, title, RegionQuestion, Buttons::YesNo, Answer::No) ==
         Answer::Yes;
}

}  // namespace tpw
