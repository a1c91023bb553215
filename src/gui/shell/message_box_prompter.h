#pragma once

#include <QPointer>
#include <QWidget>

#include "session/prompter.h"

namespace tpw::gui {

// Shows every message and question of the program as a modal message box over the window
// that is active at the time (the transfer dialog while it is open, else the main window).
class MessageBoxPrompter : public Prompter {
 public:
  explicit MessageBoxPrompter(QWidget* fallbackParent = nullptr)
      : fallbackParent_(fallbackParent) {}

  void setFallbackParent(QWidget* parent) { fallbackParent_ = parent; }

  void message(Icon icon, std::string_view title, std::string_view text) override;
  Answer ask(Icon icon, std::string_view title, std::string_view text, Buttons buttons,
             Answer defaultAnswer) override;

 private:
  QWidget* parentWidget() const;

  QPointer<QWidget> fallbackParent_;
};

}  // namespace tpw::gui
