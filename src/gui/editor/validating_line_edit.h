#pragma once

#include <QLineEdit>
#include <functional>

namespace tpw::gui {

// A text box that checks its text when the focus leaves it for another control of its
// window (by Tab, a click or a shortcut): when the check refuses (it has told the user why),
// the focus comes back and the click that took it does nothing. A control whose property
// "causesValidation" is false (CANCEL) takes the focus unchecked. Menus, the toolbar and
// other windows take no focus from the box; the commands they run ask its panel instead.
class ValidatingLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  using QLineEdit::QLineEdit;

  // The check; true lets the focus go.
  void setLeaveCheck(std::function<bool()> check) { leaveCheck_ = std::move(check); }

 signals:
  // The focus came from or went to another control of the window (not a menu or a window).
  void gotFocus();
  void lostFocus();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Swallows the mouse press that moved the focus away once the check has kept it here.
  void swallowPendingPress();
  void stopSwallowing();

  std::function<bool()> leaveCheck_;
  bool swallowing_ = false;
};

// Keeps a box to the characters it accepts: other character keys are discarded as they are
// typed, and text the user pastes or drops loses them. Text the program writes (the dashes
// of "---.----") is shown as it is.
class CharacterFilter : public QObject {
  Q_OBJECT

 public:
  // Filters the box for as long as it lives.
  static void Install(QLineEdit* box, bool (*accepts)(char));

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CharacterFilter(QLineEdit* box, bool (*accepts)(char));
  bool accepted(QChar c) const;
  void filterEditedText();

  QLineEdit* box_;
  bool (*accepts_)(char);
};

}  // namespace tpw::gui
