#include "gui/editor/atis_section.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>

#include "editor/channel_groups.h"
#include "editor/common_options.h"
#include "editor/editor_state.h"
#include "gui/editor/option_box.h"
#include "image/atis_code.h"
#include "image/memory_map.h"
#include "session/message_texts.h"

namespace tpw::gui {

namespace {

constexpr const char* kCodeRefusedTitle = "ATISNo";
// The EXP group sends no ATIS identification: its box is never shown.
constexpr int kShownAtisGroups = 3;

// The control a mouse press gives the focus to, as the window picks it: the first enabled
// widget from the one pressed up to its window that takes the focus by a click.
QWidget* FocusTakerOfPress(QWidget* pressed) {
  for (QWidget* w = pressed; w != nullptr && !w->isWindow(); w = w->parentWidget()) {
    if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) return w;
  }
  return nullptr;
}

}  // namespace

AtisSection::AtisSection(Workspace& ws, Prompter& prompter, FocusHints& hints, QWidget* parent)
    : QGroupBox(tr("ATIS Function"), parent), ws_(ws), prompter_(prompter) {
  setObjectName(QStringLiteral("pictATIS_2"));
  // The controls are made in the order the Tab key visits them.

  auto* groupFrame = new QGroupBox(tr("Usable ATIS CH Group"), this);
  groupFrame->setObjectName(QStringLiteral("fraATISChGroup"));
  auto* groupRow = new QHBoxLayout(groupFrame);
  for (int i = 0; i < GroupCount; ++i) {
    QCheckBox* box = new QCheckBox(groupFrame);
    NameArrayMember(box, "chkATISChGroup", i);
    box->setVisible(i < kShownAtisGroups);
    groupRow->addWidget(box);
    hints.add(box, ToggleHint);
    connect(box, &QCheckBox::clicked, this, [this, i](bool ticked) {
      if (ws_.flags.TransferBusy) return;
      ws_.model.atis.AtisChGroup[static_cast<std::size_t>(i)] = ticked;
      ws_.flags.DataChanged = true;
    });
    groups_[static_cast<std::size_t>(i)] = box;
  }
  groupRow->addStretch(1);

  auto* grid = new QGridLayout(this);
  grid->addWidget(groupFrame, 0, 0, 1, 3);
  const CommonOptionBox& modes = CommonOptionBoxOf(CommonOption::AtisMode);
  mode_ = new QComboBox(this);
  auto* modeLabel = new QLabel(FromView(modes.label), this);
  modeLabel->setObjectName(FromView(modes.labelName));
  modeLabel->setBuddy(mode_);
  mode_->setObjectName(FromView(modes.objectName));
  hints.add(mode_, SelectionHint);
  connect(mode_, &QComboBox::activated, this, [this] {
    if (ws_.flags.TransferBusy) return;
    const std::optional<int> chosen = SelectedValue(mode_);
    if (chosen && StoreChoice(ws_.model, CommonOption::AtisMode, *chosen)) {
      ws_.flags.DataChanged = true;
    }
  });
  grid->addWidget(modeLabel, 1, 0);
  grid->addWidget(mode_, 1, 1);

  codeLabel_ = new QLabel(tr("ATIS Code"), this);
  code_ = new QLineEdit(this);
  codeLabel_->setObjectName(QStringLiteral("lblATISCode"));
  codeLabel_->setBuddy(code_);
  code_->setObjectName(QStringLiteral("txtATIScode"));
  code_->setPlaceholderText(tr("10 digits"));
  hints.add(code_, AtisCodeHint);
  connect(code_, &QLineEdit::textEdited, this, &AtisSection::codeEdited);
  grid->addWidget(codeLabel_, 2, 0);
  grid->addWidget(code_, 2, 1);

  auto* countLabel = new QLabel(tr("Times programmed"), this);
  count_ = new QLineEdit(this);
  countLabel->setObjectName(QStringLiteral("lblACount"));
  countLabel->setBuddy(count_);
  count_->setObjectName(QStringLiteral("txtACount"));
  count_->setReadOnly(true);
  count_->setMaximumWidth(60);
  grid->addWidget(countLabel, 3, 0);
  grid->addWidget(count_, 3, 1, Qt::AlignLeft);
  grid->setColumnStretch(2, 1);

  clear_ = new QPushButton(tr("ATIS Clear"), this);
  clear_->setObjectName(QStringLiteral("cmdAtisClear"));
  clear_->setToolTip(
      tr("Erase the ATIS code in the radio: the only way to change a code the "
         "radio already holds."));
  connect(clear_, &QPushButton::clicked, this, [this] {
    emit clearRequested();
    showCount();
  });
  grid->addWidget(clear_, 3, 2, Qt::AlignLeft);

  FillOptions(mode_, modes.options);
  // Sees the focus events of the code box and the mouse presses on every other control.
  qApp->installEventFilter(this);
}

void AtisSection::clear() {
  for (QCheckBox* box : groups_) box->setChecked(false);
  FillOptions(mode_, CommonOptionBoxOf(CommonOption::AtisMode).options);
  showCode({});
  count_->clear();
}

void AtisSection::load() {
  const SettingsModel& model = ws_.model;
  for (int i = 0; i < GroupCount; ++i) {
    QCheckBox* box = groups_[static_cast<std::size_t>(i)];
    box->setChecked(model.atis.AtisChGroup[static_cast<std::size_t>(i)]);
    box->setText(QString::fromStdString(model.groups[static_cast<std::size_t>(i)].GroupLabel));
    box->setEnabled(IsAtisGroupEnabled(model, i));
  }
  SelectValue(mode_, CommonOptionBoxOf(CommonOption::AtisMode).options,
              ShownValue(model, CommonOption::AtisMode));
  showCode(model.atis.AtisCode);
  showCount();
  code_->setEnabled(IsAtisCodeEnabled(model));
  codeLabel_->setEnabled(IsAtisCodeEnabled(model));
}

void AtisSection::showCount() {
  count_->setText(QString::number(ws_.image.at(addr::AtisCount)));
}

void AtisSection::showCode(const std::string& code) {
  shownCode_ = QString::fromStdString(code);
  code_->setText(shownCode_);
  codeTyped_ = false;
}

void AtisSection::codeEdited(const QString& typed) {
  // Only digits get in, whether typed, pasted or dropped.
  const QString digits = QString::fromStdString(AtisCodeKeys(typed.toStdString()));
  if (digits != typed) {
    const auto cursor = AtisCodeKeys(typed.left(code_->cursorPosition()).toStdString()).size();
    code_->setText(digits);
    code_->setCursorPosition(static_cast<int>(cursor));
  }
  if (digits == shownCode_) return;
  shownCode_ = digits;
  if (!isEnabled() || ws_.flags.TransferBusy) return;
  codeTyped_ = true;
  ws_.flags.DataChanged = true;
}

bool AtisSection::takeTypedCode(bool tellUser) {
  if (!codeTyped_) return true;
  if (const std::optional<std::string> accepted = AcceptedAtisCode(code_->text().toStdString())) {
    ws_.model.atis.AtisCode = *accepted;
    showCode(*accepted);
    return true;
  }
  if (tellUser) {
    prompter_.message(Icon::Exclamation, kCodeRefusedTitle, msg::DataError);
    code_->setFocus(Qt::OtherFocusReason);
    return false;
  }
  showCode(ws_.model.atis.AtisCode);
  return true;
}

bool AtisSection::codeHasFocus() const {
  return isEnabled() && isVisible() && code_->window()->focusWidget() == code_;
}

bool AtisSection::acceptBeforeLeave() {
  return !codeHasFocus() || takeTypedCode(true);
}

bool AtisSection::asksForValidation(const QWidget* next) const {
  return next != nullptr && next != clear_ && next->window() == code_->window();
}

bool AtisSection::eventFilter(QObject* watched, QEvent* event) {
  if (watched == code_ && event->type() == QEvent::FocusIn) {
    code_->selectAll();
  } else if (watched == code_ && event->type() == QEvent::FocusOut && codeTyped_) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    // Another window or a menu only borrows the focus; the typed code waits for the user.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
        reason != Qt::MenuBarFocusReason) {
      QWidget* next = QApplication::focusWidget();
      takeTypedCode(asksForValidation(next));
    }
  } else if (event->type() == QEvent::MouseButtonPress && codeTyped_ && codeHasFocus()) {
    // The press has already tried to move the focus, and the typed code was refused: the
    // click on the control that asked for validation is not carried out either.
    QWidget* next = FocusTakerOfPress(qobject_cast<QWidget*>(watched));
    if (next != nullptr && next != code_ && asksForValidation(next)) return true;
  }
  return QGroupBox::eventFilter(watched, event);
}

}  // namespace tpw::gui
