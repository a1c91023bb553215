#include "gui/shell/message_box_prompter.h"

#include <QApplication>
#include <QMessageBox>

#include "adapters/translations/qt_translations.h"
#include "session/automatic_answers.h"

namespace tpw::gui {

namespace {

// The program's texts separate lines with CR LF; a message box wants LF.
QString BoxText(std::string_view text) {
  QString result = TranslatedText(text);
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return result;
}

QString BoxTitle(std::string_view title) {
  return TranslatedText(title);
}

QMessageBox::Icon BoxIcon(Icon icon) {
  switch (icon) {
    case Icon::Critical:
      return QMessageBox::Critical;
    case Icon::Exclamation:
      return QMessageBox::Warning;
    case Icon::Information:
      return QMessageBox::Information;
    case Icon::Question:
      return QMessageBox::Question;
    case Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return QMessageBox::Ok;
    case Buttons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::RetryCancel:
      return QMessageBox::Retry | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButton BoxButton(Answer answer) {
  switch (answer) {
    case Answer::Ok:
      return QMessageBox::Ok;
    case Answer::Cancel:
      return QMessageBox::Cancel;
    case Answer::Yes:
      return QMessageBox::Yes;
    case Answer::No:
      return QMessageBox::No;
    case Answer::Retry:
      return QMessageBox::Retry;
  }
  return QMessageBox::Ok;
}

Answer AnswerOf(int button, Answer escapeAnswer) {
  switch (button) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Retry:
      return Answer::Retry;
    default:
      return escapeAnswer;
  }
}

}  // namespace

QWidget* MessageBoxPrompter::parentWidget() const {
  if (QWidget* active = QApplication::activeModalWidget()) return active;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return fallbackParent_.data();
}

void MessageBoxPrompter::message(Icon icon, std::string_view title, std::string_view text) {
  QMessageBox box(BoxIcon(icon), BoxTitle(title), BoxText(text), QMessageBox::Ok, parentWidget());
  box.exec();
}

Answer MessageBoxPrompter::ask(Icon icon, std::string_view title, std::string_view text,
                               Buttons buttons, Answer defaultAnswer) {
  QMessageBox box(BoxIcon(icon), BoxTitle(title), BoxText(text), BoxButtons(buttons),
                  parentWidget());
  box.setDefaultButton(BoxButton(defaultAnswer));
  // Closing a question box without a button counts as its refusing answer.
  return AnswerOf(box.exec(), RefusingAnswer(buttons));
}

}  // namespace tpw::gui
