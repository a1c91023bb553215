#include "gui/editor/validating_line_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

namespace tpw::gui {

namespace {

// Focus that moves between windows, into a popup or to the menu bar is not the user leaving
// the box: the command chosen there asks the box's panel.
bool IsWindowFocusChange(Qt::FocusReason reason) {
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
         reason == Qt::MenuBarFocusReason;
}

}  // namespace

void ValidatingLineEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (!IsWindowFocusChange(event->reason())) emit gotFocus();
}

void ValidatingLineEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (IsWindowFocusChange(event->reason())) return;
  // The focus has already moved: the control that took it is the application's focus widget.
  const QWidget* taker = QApplication::focusWidget();
  const QVariant causesValidation =
      taker != nullptr ? taker->property("causesValidation") : QVariant();
  const bool checked = !causesValidation.isValid() || causesValidation.toBool();
  if (checked && leaveCheck_ && !leaveCheck_()) {
    setFocus(Qt::OtherFocusReason);
    if (event->reason() == Qt::MouseFocusReason) swallowPendingPress();
    return;
  }
  emit lostFocus();
}

void ValidatingLineEdit::swallowPendingPress() {
  // A click gives the focus before the press reaches its widget; that press comes next.
  swallowing_ = true;
  qApp->installEventFilter(this);
  QTimer::singleShot(0, this, &ValidatingLineEdit::stopSwallowing);
}

void ValidatingLineEdit::stopSwallowing() {
  if (!swallowing_) return;
  swallowing_ = false;
  qApp->removeEventFilter(this);
}

bool ValidatingLineEdit::eventFilter(QObject* watched, QEvent* event) {
  const bool press =
      event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (swallowing_ && press && widget != nullptr && widget->window() == window()) {
    stopSwallowing();
    return true;
  }
  return QLineEdit::eventFilter(watched, event);
}

CharacterFilter::CharacterFilter(QLineEdit* box, bool (*accepts)(char))
    : QObject(box), box_(box), accepts_(accepts) {
  box->installEventFilter(this);
  // Connected before anyone else, so that every later receiver sees the filtered text.
  connect(box, &QLineEdit::textEdited, this, &CharacterFilter::filterEditedText);
}

void CharacterFilter::Install(QLineEdit* box, bool (*accepts)(char)) {
  new CharacterFilter(box, accepts);
}

bool CharacterFilter::accepted(QChar c) const {
  return c.unicode() < 128 && accepts_(static_cast<char>(c.unicode()));
}

void CharacterFilter::filterEditedText() {
  const QString text = box_->text();
  QString kept;
  int cursor = box_->cursorPosition();
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (accepted(text[i])) {
      kept += text[i];
    } else if (i < box_->cursorPosition()) {
      --cursor;
    }
  }
  if (kept == text) return;
  box_->setText(kept);
  box_->setCursorPosition(cursor);
}

bool CharacterFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    // A printable character the box does not take is discarded; editing and control keys
    // (Backspace, arrows, Ctrl+V) pass.
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (text.size() == 1 && text[0].isPrint() && !accepted(text[0])) return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tpw::gui
