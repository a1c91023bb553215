#pragma once

#include <string_view>

namespace tpw {

// Every message box and question the user sees goes through this one seam: the desktop
// application shows a dialog, the command line prints and answers, tests record.
enum class Icon { None, Critical, Exclamation, Information, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };

class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual void message(Icon icon, std::string_view title, std::string_view text) = 0;
  virtual Answer ask(Icon icon, std::string_view title, std::string_view text, Buttons buttons,
                     Answer defaultAnswer) = 0;
};

}  // namespace tpw
