#include "gui/editor/channel_edit_panel.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTimer>
#include <QVBoxLayout>

#include "editor/channel_grid.h"
#include "editor/channel_list_edit.h"
#include "gui/editor/connector_line.h"
#include "gui/editor/option_box.h"
#include "gui/editor/quiet_controls.h"
#include "image/display_text.h"
#include "session/message_texts.h"

namespace tpw::gui {

namespace {

QCheckBox* MakeCheckBox(const char* name, const QString& caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QComboBox* MakeListBox(const char* name, const OptionList& options, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromLatin1(name));
  FillOptions(list, options);
  return list;
}

ValidatingLineEdit* MakeTextBox(const char* name, int maxLength, bool (*accepts)(char),
                                QWidget* parent) {
  auto* box = new ValidatingLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setMaxLength(maxLength);
  box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000.00000")) + 12);
  CharacterFilter::Install(box, accepts);
  return box;
}

// A caption; with a control, the label names it for screen readers as well.
QLabel* MakeLabel(const char* name, const QString& caption, QWidget* control, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  if (control != nullptr) label->setBuddy(control);
  return label;
}

QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  button->setMinimumWidth(80);
  return button;
}

// A locked box shows the face colour of a button, an editable one the colour of a text field.
void Lock(QLineEdit* box, bool locked) {
  box->setReadOnly(locked);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base,
                   QApplication::palette().color(locked ? QPalette::Button : QPalette::Base));
  box->setPalette(palette);
}

}  // namespace

ChannelEditPanel::ChannelEditPanel(Workspace& ws, EditorState& state, Prompter& prompter,
                                   QWidget* parent)
    : EditorPage(parent),
      ws_(ws),
      state_(state),
      prompter_(prompter),
      hints_(new FocusHints(this)) {
  setObjectName(QStringLiteral("pictC"));
  connect(hints_, &FocusHints::hintChanged, this, &EditorPage::hintChanged);
  buildControls();
  resetPage();
  layOutForm(false);
}

void ChannelEditPanel::buildControls() {
  // The controls are made top to bottom, left to right: the order the Tab key visits them.
  channelEnabledBox_ = MakeCheckBox("chkCEnable", tr("CH Enable"), this);
  QWidget* fields = buildFieldArea();

  auto* frames = new QHBoxLayout;
  frames->addWidget(buildModeFrame());
  frames->addWidget(buildGroupsFrame());
  frames->addWidget(buildTransmitFrame());
  frames->addStretch(1);

  scanMemoryBox_ = MakeCheckBox("chkCScan", tr("Scan Memory"), this);
  scramblerList_ = MakeListBox("cmbScramble", ScramblerOptions(), this);
  scramblerLabel_ = MakeLabel("lblScramble", tr("Scrambler"), scramblerList_, this);
  auto* scrambler = new QHBoxLayout;
  scrambler->addWidget(scramblerLabel_);
  scrambler->addWidget(scramblerList_);
  scrambler->addStretch(1);

  saveButton_ = MakeButton("cmdSave", tr("SAVE"), this);
  cancelButton_ = MakeButton("cmdCancel", tr("CANCEL"), this);
  // CANCEL drops the edit, so a frequency being typed is not checked on the way there.
  cancelButton_->setProperty("causesValidation", false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(saveButton_);
  buttons->addWidget(cancelButton_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 8);
  layout->addWidget(channelEnabledBox_);
  layout->addWidget(fields);
  layout->addLayout(frames);
  layout->addWidget(scanMemoryBox_);
  layout->addLayout(scrambler);
  layout->addStretch(1);
  layout->addLayout(buttons);

  for (QCheckBox* box : {txEnableBox_, lowPowerBox_, powerUpBox_, scanMemoryBox_}) {
    hints_->add(box, ToggleHint);
  }
  for (QCheckBox* box : groupBoxes_) hints_->add(box, ToggleHint);
  for (QComboBox* list :
       {baseChannelList_, duplexList_, statusIconList_, statusNumberList_, scramblerList_}) {
    hints_->add(list, SelectionHint);
  }
  hints_->add(displayNameBox_, DisplayNameHint);
  hints_->add(saveButton_, SaveHint);
  hints_->add(cancelButton_, CancelHint);

  for (QCheckBox* box : {txEnableBox_, lowPowerBox_}) {
    connect(box, &QCheckBox::toggled, this, &ChannelEditPanel::applyEnableRules);
  }
  for (QComboBox* list : {baseChannelList_, duplexList_}) {
    connect(list, &QComboBox::currentIndexChanged, this, [this] {
      if (!idle() && !freeForm_) rewriteGroupFrequencies();
    });
  }
  connect(saveButton_, &QPushButton::clicked, this, &ChannelEditPanel::save);
  connect(cancelButton_, &QPushButton::clicked, this, &ChannelEditPanel::cancel);
}

QWidget* ChannelEditPanel::buildFieldArea() {
  auto* area = new QWidget(this);
  baseChannelList_ = MakeListBox("cmbBaseChNo", BaseChannelOptions(), area);
  displayNameBox_ = MakeTextBox("txtCNN", DisplayNameLength, IsDisplayNameCharacter, area);
  positionLabel_ = MakeLabel("lblCNN", tr("BASE CH No."), baseChannelList_, area);
  rxFrequencyBox_ = MakeTextBox("txtCRF", FrequencyLength, IsFrequencyCharacter, area);
  rxLabel_ = MakeLabel("lblCRF", tr("Rx Frequency"), rxFrequencyBox_, area);
  rxUnit_ = MakeLabel("lblCRFUnit", tr("MHz"), nullptr, area);
  txFrequencyBox_ = MakeTextBox("txtCTF", FrequencyLength, IsFrequencyCharacter, area);
  txLabel_ = MakeLabel("lblCTF", tr("Tx Frequency"), txFrequencyBox_, area);
  txUnit_ = MakeLabel("lblCTFUnit", tr("MHz"), nullptr, area);

  const std::pair<ValidatingLineEdit*, std::pair<const char*, std::string_view>> boxes[] = {
      {rxFrequencyBox_, {RxFrequencyTitle, RxFrequencyHint}},
      {txFrequencyBox_, {TxFrequencyTitle, TxFrequencyHint}}};
  for (const auto& [box, texts] : boxes) {
    const auto [title, hint] = texts;
    box->setAccessibleDescription(FromView(hint));
    connect(box, &ValidatingLineEdit::gotFocus, this,
            [this, box, hint] { frequencyGotFocus(box, hint); });
    connect(box, &ValidatingLineEdit::lostFocus, this, [this, box] { frequencyLostFocus(box); });
    connect(box, &QLineEdit::textEdited, this, [this, box] {
      if (!idle() && !box->isReadOnly()) state_.frequencyEdited = true;
    });
    box->setLeaveCheck([this, box, title] { return frequencyMayBeLeft(box, title); });
  }

  auto* grid = new QGridLayout(area);
  grid->setContentsMargins(0, 8, 0, 8);
  grid->addWidget(positionLabel_, 0, 0);
  grid->addWidget(baseChannelList_, 0, 1);
  grid->addWidget(displayNameBox_, 0, 1, Qt::AlignLeft);
  grid->addWidget(rxLabel_, 1, 0);
  grid->addWidget(rxFrequencyBox_, 1, 1);
  grid->addWidget(rxUnit_, 1, 2);
  grid->addWidget(txLabel_, 2, 0);
  grid->addWidget(txFrequencyBox_, 2, 1);
  grid->addWidget(txUnit_, 2, 2);
  grid->setColumnStretch(3, 1);
  return area;
}

QGroupBox* ChannelEditPanel::buildModeFrame() {
  modeFrame_ = new QGroupBox(tr("Channel Mode"), this);
  modeFrame_->setObjectName(QStringLiteral("fraCDUP"));
  duplexList_ = MakeListBox("cmbCDUP", DuplexOptions(), modeFrame_);
  statusIconList_ = MakeListBox("cmbStatusIcon", StatusIconOptions(), modeFrame_);
  statusNumberList_ = MakeListBox("cmbStatusNo", StatusNoOptions(), modeFrame_);
  auto* grid = new QGridLayout(modeFrame_);
  grid->addWidget(MakeLabel("lblCDUP", tr("SIMP/DUP"), duplexList_, modeFrame_), 0, 0);
  grid->addWidget(duplexList_, 0, 1);
  grid->addWidget(MakeLabel("lblStatusIcon", tr("Status Icon"), statusIconList_, modeFrame_), 1, 0);
  grid->addWidget(statusIconList_, 1, 1);
  grid->addWidget(MakeLabel("lblStatusNo", tr("CH Status No."), statusNumberList_, modeFrame_), 2,
                  0);
  grid->addWidget(statusNumberList_, 2, 1);
  return modeFrame_;
}

QGroupBox* ChannelEditPanel::buildGroupsFrame() {
  groupsFrame_ = new QGroupBox(tr("Channel Groups"), this);
  groupsFrame_->setObjectName(QStringLiteral("fraCBExp"));
  auto* column = new QVBoxLayout(groupsFrame_);
  const QString defaults[] = {tr("[USA]"), tr("[INT]"), tr("[CAN]")};
  for (std::size_t k = 0; k < groupBoxes_.size(); ++k) {
    // One control name for the three boxes, told apart by their index.
    groupBoxes_[k] = new QCheckBox(defaults[k], groupsFrame_);
    NameArrayMember(groupBoxes_[k], "chkCBExp", static_cast<int>(k));
    column->addWidget(groupBoxes_[k]);
  }
  column->addStretch(1);
  return groupsFrame_;
}

QGroupBox* ChannelEditPanel::buildTransmitFrame() {
  auto* frame = new QGroupBox(tr("Transmit"), this);
  frame->setObjectName(QStringLiteral("fraCTXEnable"));
  txEnableBox_ = MakeCheckBox("chkCTXEnable", tr("Tx Enable"), frame);
  lowPowerBox_ = MakeCheckBox("chkCTXOnly", tr("Low Power Only"), frame);
  powerUpBox_ = MakeCheckBox("chkCTXPower", tr("Power Up"), frame);
  lowPowerLine_ = new ConnectorLine(ConnectorLine::Shape::Corner, frame);
  lowPowerLine_->setObjectName(QStringLiteral("linCTXOnly"));
  powerUpLine_ = new ConnectorLine(ConnectorLine::Shape::Corner, frame);
  powerUpLine_->setObjectName(QStringLiteral("linCTXPower"));
  auto* grid = new QGridLayout(frame);
  grid->setHorizontalSpacing(2);
  grid->addWidget(txEnableBox_, 0, 0, 1, 3);
  grid->addWidget(lowPowerLine_, 1, 0);
  grid->addWidget(lowPowerBox_, 1, 1, 1, 2);
  grid->addWidget(powerUpLine_, 2, 1);
  grid->addWidget(powerUpBox_, 2, 2);
  grid->setRowStretch(3, 1);
  return frame;
}

bool ChannelEditPanel::idle() const {
  return !isEnabled();
}

void ChannelEditPanel::resetPage() {
  QuietControls quiet(this);
  shown_ = ChannelRecord();
  for (QCheckBox* box : groupBoxes_) box->setChecked(false);
  for (QLineEdit* box :
       std::initializer_list<QLineEdit*>{displayNameBox_, rxFrequencyBox_, txFrequencyBox_}) {
    box->clear();
  }
  // The record's own box: it shows that the channel is in use, the user never changes it.
  channelEnabledBox_->setChecked(false);
  channelEnabledBox_->setEnabled(false);
  for (QCheckBox* box : {txEnableBox_, lowPowerBox_, powerUpBox_, scanMemoryBox_}) {
    box->setChecked(false);
  }
  for (QComboBox* list :
       {baseChannelList_, duplexList_, statusIconList_, statusNumberList_, scramblerList_}) {
    list->setCurrentIndex(-1);
  }
}

void ChannelEditPanel::layOutForm(bool freeForm) {
  freeForm_ = freeForm;
  for (QLineEdit* box :
       std::initializer_list<QLineEdit*>{displayNameBox_, rxFrequencyBox_, txFrequencyBox_}) {
    Lock(box, !freeForm);
  }
  displayNameBox_->setVisible(freeForm);
  baseChannelList_->setVisible(!freeForm);
  groupsFrame_->setVisible(freeForm);
  modeFrame_->setVisible(!freeForm);
  positionLabel_->setText(freeForm ? tr("CH Display") : tr("BASE CH No."));
  positionLabel_->setBuddy(freeForm ? static_cast<QWidget*>(displayNameBox_) : baseChannelList_);
}

void ChannelEditPanel::showChannel(ListId list, const ChannelRecord& record) {
  list_ = list;
  shown_ = record;
  layOutForm(!IsGroupLayout(list));
  {
    QuietControls quiet(this);
    if (freeForm_) {
      fillFreeForm(record);
    } else {
      fillGroupForm(record);
    }
    channelEnabledBox_->setChecked(record.enabled);
    txEnableBox_->setChecked(record.txEnabled);
    lowPowerBox_->setChecked(record.lowPower);
    powerUpBox_->setChecked(record.powerUp);
    scanMemoryBox_->setChecked(record.scanMemory);
    scramblerLabel_->setVisible(ws_.caps.ScrambleSupported);
    scramblerList_->setVisible(ws_.caps.ScrambleSupported);
  }
  applyEnableRules();
}

void ChannelEditPanel::fillGroupForm(const ChannelRecord& record) {
  // A stored value the list does not offer (a position of 100 or more, a status code of 3)
  // shows no item, and SAVE keeps the record's own value.
  SelectValue(baseChannelList_, BaseChannelOptions(), record.position);
  SelectValue(duplexList_, DuplexOptions(), record.duplex);
  SelectValue(statusIconList_, StatusIconOptions(), record.statusIcon);
  SelectValue(statusNumberList_, StatusNoOptions(),
              ShownStatusNo(record.statusNo, SelectedValue(statusNumberList_)));
  // The table's frequencies, the transmit one shown even while Tx Enable is off.
  const FrequencyTexts texts = GroupFormFrequencies(record.position, record.duplex, false);
  rxFrequencyBox_->setText(QString::fromStdString(texts.rx));
  txFrequencyBox_->setText(QString::fromStdString(texts.tx));
  if (ws_.caps.ScrambleSupported) {
    SelectValue(scramblerList_, ScramblerOptions(), record.scramble);
  }
}

void ChannelEditPanel::fillFreeForm(const ChannelRecord& record) {
  displayNameBox_->setText(QString::fromStdString(record.displayLeft));
  rxFrequencyBox_->setText(QString::fromStdString(FormatFreq4(record.rxFrequency)));
  txFrequencyBox_->setText(QString::fromStdString(FormatFreq4(record.txFrequency)));
  if (ws_.caps.ScrambleSupported) {
    SelectValue(scramblerList_, ScramblerOptions(), FreeFormScramblerValue(record.scramble));
  }
  const std::array<bool, 3> ticks = {record.inUsaGroup, record.inIntGroup, record.inRegionGroup};
  for (std::size_t k = 0; k < groupBoxes_.size(); ++k) {
    groupBoxes_[k]->setChecked(ticks[k]);
    const std::string& label = ws_.model.groups[k].label;
    if (!label.empty()) groupBoxes_[k]->setText(QString::fromStdString("[" + label + "]"));
  }
}

void ChannelEditPanel::applyEnableRules() {
  const ChannelEnables enables = EnablesFor(channelEnabledBox_->isChecked(),
                                            txEnableBox_->isChecked(), lowPowerBox_->isChecked());
  for (QWidget* control : std::initializer_list<QWidget*>{
           positionLabel_, displayNameBox_, rxLabel_, rxFrequencyBox_, rxUnit_, txLabel_,
           txFrequencyBox_, txUnit_, txEnableBox_, scanMemoryBox_}) {
    control->setEnabled(enables.channelControls);
  }
  if (freeForm_) {
    for (QCheckBox* box : groupBoxes_) box->setEnabled(enables.channelControls);
  }
  lowPowerBox_->setEnabled(enables.lowPowerOnly);
  lowPowerLine_->setOn(enables.lowPowerOnly);
  powerUpBox_->setEnabled(enables.powerUp);
  powerUpLine_->setOn(enables.powerUp);
}

void ChannelEditPanel::rewriteGroupFrequencies() {
  const FrequencyTexts texts = ChosenFrequencies(shown_, groupFormEntry());
  rxFrequencyBox_->setText(QString::fromStdString(texts.rx));
  txFrequencyBox_->setText(QString::fromStdString(texts.tx));
}

void ChannelEditPanel::focusFirstControl() {
  if (freeForm_) {
    displayNameBox_->setFocus(Qt::OtherFocusReason);
  } else {
    baseChannelList_->setFocus(Qt::OtherFocusReason);
  }
}

void ChannelEditPanel::frequencyGotFocus(ValidatingLineEdit* box, std::string_view hint) {
  if (idle() || box->isReadOnly()) return;
  box->selectAll();
  // A click places the cursor after the focus has come: select once it has.
  QTimer::singleShot(0, box, &QLineEdit::selectAll);
  state_.frequencyEdited = false;
  emit hintChanged(FromView(hint));
}

bool ChannelEditPanel::frequencyMayBeLeft(ValidatingLineEdit* box, const char* title) {
  if (idle() || box->isReadOnly()) return true;
  if (!state_.frequencyEdited || !ChecksFrequencyOnLeave(list_)) return true;
  const FrequencyEntry entry = ReadFrequencyEntry(box->text().toStdString());
  if (entry.accepted) {
    box->setText(QString::fromStdString(entry.shown));
    return true;
  }
  prompter_.message(Icon::Exclamation, title, msg::DataError);
  state_.frequencyEdited = false;
  return false;
}

void ChannelEditPanel::frequencyLostFocus(ValidatingLineEdit* box) {
  if (idle() || box->isReadOnly() || !state_.frequencyEdited) return;
  box->setText(QString::fromStdString(ReadFrequencyEntry(box->text().toStdString()).shown));
  state_.frequencyEdited = false;
}

bool ChannelEditPanel::validateBeforeLeave() {
  if (!isEnabled()) return true;
  const QWidget* focused = QApplication::focusWidget();
  if (focused == rxFrequencyBox_ && !frequencyMayBeLeft(rxFrequencyBox_, RxFrequencyTitle))
    return false;
  if (focused == txFrequencyBox_ && !frequencyMayBeLeft(txFrequencyBox_, TxFrequencyTitle))
    return false;
  if (!channelEnabledBox_->isChecked() || rxFrequencyBox_->isReadOnly()) return true;
  const MissingEntry missing =
      FreeFormMissing(rxFrequencyBox_->text().toStdString(), displayNameBox_->text().toStdString());
  if (missing == MissingEntry::None) return true;
  prompter_.message(Icon::Exclamation, AppTitle, msg::InputCorrectData);
  // Back to what needs correcting.
  (missing == MissingEntry::Name ? displayNameBox_ : rxFrequencyBox_)
      ->setFocus(Qt::OtherFocusReason);
  return false;
}

GroupFormEntry ChannelEditPanel::groupFormEntry() const {
  GroupFormEntry entry;
  entry.positionItem = baseChannelList_->currentIndex();
  entry.duplexItem = duplexList_->currentIndex();
  entry.statusNoItem = statusNumberList_->currentIndex();
  entry.statusIconItem = statusIconList_->currentIndex();
  entry.shared = sharedEntry();
  return entry;
}

FreeFormEntry ChannelEditPanel::freeFormEntry() const {
  FreeFormEntry entry;
  entry.name = displayNameBox_->text().toStdString();
  entry.rxText = rxFrequencyBox_->text().toStdString();
  entry.txText = txFrequencyBox_->text().toStdString();
  for (std::size_t k = 0; k < groupBoxes_.size(); ++k)
    entry.groups[k] = groupBoxes_[k]->isChecked();
  entry.shared = sharedEntry();
  return entry;
}

SharedEntry ChannelEditPanel::sharedEntry() const {
  SharedEntry entry;
  entry.txEnable = txEnableBox_->isChecked();
  entry.lowPower = lowPowerBox_->isChecked();
  entry.powUp = powerUpBox_->isChecked();
  entry.scanMemory = scanMemoryBox_->isChecked();
  entry.scramblerItem = ws_.caps.ScrambleSupported ? scramblerList_->currentIndex() : -1;
  return entry;
}

void ChannelEditPanel::save() {
  if (idle()) return;
  ChannelRecord record;
  if (freeForm_) {
    const FreeFormSave save = FreeFormRecord(shown_, freeFormEntry());
    rxFrequencyBox_->setText(QString::fromStdString(save.rxShown));
    txFrequencyBox_->setText(QString::fromStdString(save.txShown));
    if (!save.complete) {
      prompter_.message(Icon::Exclamation, AppTitle, msg::InputCorrectData);
      return;
    }
    record = save.record;
  } else {
    record = GroupFormRecord(shown_, groupFormEntry());
  }
  const ListEditResult result = state_.channelMode == ChannelEditMode::New
                                    ? InsertChannel(ws_, list_, record, state_.currentRow)
                                    : OverwriteChannel(ws_, list_, record, state_.currentRow);
  if (result.outcome == ListEdit::Done) emit saved();
}

void ChannelEditPanel::cancel() {
  if (!idle()) emit cancelled();
}

}  // namespace tpw::gui
