#include "gui/editor/atis_section.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "adapters/translations/qt_translations.h"
#include "editor/channel_groups.h"
#include "editor/common_options.h"
#include "editor/editor_state.h"
#include "editor/setup_edits.h"
#include "editor/typed_atis_code.h"
#include "gui/editor/option_box.h"
#include "image/atis_code.h"
#include "image/memory_map.h"
#include "session/message_texts.h"

namespace tpw::gui {

namespace {

// The EXP group sends no ATIS identification: its box is never shown.
constexpr int kShownAtisGroups = 3;

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
    connect(box, &QCheckBox::clicked, this,
            [this, i](bool ticked) { SetAtisGroup(ws_, i, ticked); });
    groups_[static_cast<std::size_t>(i)] = box;
  }
  groupRow->addStretch(1);

  auto* grid = new QGridLayout(this);
  grid->addWidget(groupFrame, 0, 0, 1, 3);
  const CommonOptionBox& modes = CommonOptionBoxOf(CommonOption::AtisMode);
  mode_ = new QComboBox(this);
  auto* modeLabel = new QLabel(TranslatedText(modes.label), this);
  modeLabel->setObjectName(FromView(modes.labelName));
  modeLabel->setBuddy(mode_);
  mode_->setObjectName(FromView(modes.objectName));
  hints.add(mode_, SelectionHint);
  connect(mode_, &QComboBox::activated, this, [this] {
    const std::optional<int> chosen = SelectedValue(mode_);
    if (chosen) ChooseCommonOption(ws_, CommonOption::AtisMode, *chosen);
  });
  grid->addWidget(modeLabel, 1, 0);
  grid->addWidget(mode_, 1, 1);

  codeLabel_ = new QLabel(tr("ATIS Code"), this);
  code_ = new ValidatingLineEdit(this);
  codeLabel_->setObjectName(QStringLiteral("lblATISCode"));
  codeLabel_->setBuddy(code_);
  code_->setObjectName(QStringLiteral("txtATIScode"));
  code_->setPlaceholderText(tr("10 digits"));
  hints.add(code_, AtisCodeHint);
  // Only digits get in, whether typed, pasted or dropped.
  CharacterFilter::Install(code_, IsAtisCodeCharacter);
  connect(code_, &QLineEdit::textEdited, this, &AtisSection::codeEdited);
  connect(code_, &ValidatingLineEdit::gotFocus, code_, &QLineEdit::selectAll);
  code_->setLeaveCheck([this] { return takeTypedCode(true); });
  // Left without the check (towards "ATIS Clear"): a refused code gives way to the stored one.
  connect(code_, &ValidatingLineEdit::lostFocus, this, [this] { takeTypedCode(false); });
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
  // Clearing the radio's code needs no code typed here: the box lets the focus go unchecked.
  clear_->setProperty("causesValidation", false);
  clear_->setToolTip(
      tr("Erase the ATIS code in the radio: the only way to change a code the "
         "radio already holds."));
  connect(clear_, &QPushButton::clicked, this, [this] {
    emit clearRequested();
    showCount();
  });
  grid->addWidget(clear_, 3, 2, Qt::AlignLeft);

  FillOptions(mode_, modes.options);
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
    box->setChecked(model.atis.groups[static_cast<std::size_t>(i)]);
    box->setText(QString::fromStdString(model.groups[static_cast<std::size_t>(i)].label));
    box->setEnabled(IsAtisGroupEnabled(model, i));
  }
  SelectValue(mode_, CommonOptionBoxOf(CommonOption::AtisMode).options,
              ShownValue(model, CommonOption::AtisMode));
  showCode(model.atis.code);
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

void AtisSection::codeEdited() {
  // The filter has already taken out what is no digit: a text without a digit is no change.
  const QString digits = code_->text();
  if (digits == shownCode_) return;
  shownCode_ = digits;
  if (!isEnabled()) return;
  codeTyped_ = true;
  MarkTypingUnsaved(ws_);
}

bool AtisSection::takeTypedCode(bool tellUser) {
  if (!codeTyped_) return true;
  const TypedAtisCode typed = CheckTypedAtisCode(code_->text().toStdString());
  if (typed.verdict != TypedAtisCode::Verdict::Refused) {
    if (tellUser && !MayKeepTypedAtisCode(prompter_, typed)) return false;
    SetAtisCode(ws_, typed.code);
    showCode(typed.code);
    return true;
  }
  if (tellUser) {
    prompter_.message(Icon::Exclamation, AtisCodeTitle, msg::DataError);
    return false;
  }
  showCode(ws_.model.atis.code);
  return true;
}

bool AtisSection::codeHasFocus() const {
  return isEnabled() && isVisible() && code_->window()->focusWidget() == code_;
}

bool AtisSection::acceptBeforeLeave() {
  return !codeHasFocus() || takeTypedCode(true);
}

}  // namespace tpw::gui
