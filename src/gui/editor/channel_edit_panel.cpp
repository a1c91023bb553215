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
#include "image/display_text.h"
#include "session/flag_guard.h"
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
  chkCEnable_ = MakeCheckBox("chkCEnable", tr("CH Enable"), this);
  QWidget* fields = buildFieldArea();

  auto* frames = new QHBoxLayout;
  frames->addWidget(buildModeFrame());
  frames->addWidget(buildGroupsFrame());
  frames->addWidget(buildTransmitFrame());
  frames->addStretch(1);

  chkCScan_ = MakeCheckBox("chkCScan", tr("Scan Memory"), this);
  cmbScramble_ = MakeListBox("cmbScramble", ScramblerOptions(), this);
  scramblerLabel_ = MakeLabel("lblScramble", tr("Scrambler"), cmbScramble_, this);
  auto* scrambler = new QHBoxLayout;
  scrambler->addWidget(scramblerLabel_);
  scrambler->addWidget(cmbScramble_);
  scrambler->addStretch(1);

  cmdSave_ = MakeButton("cmdSave", tr("SAVE"), this);
  cmdCancel_ = MakeButton("cmdCancel", tr("CANCEL"), this);
  // CANCEL drops the edit, so a frequency being typed is not checked on the way there.
  cmdCancel_->setProperty("causesValidation", false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdSave_);
  buttons->addWidget(cmdCancel_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 8);
  layout->addWidget(chkCEnable_);
  layout->addWidget(fields);
  layout->addLayout(frames);
  layout->addWidget(chkCScan_);
  layout->addLayout(scrambler);
  layout->addStretch(1);
  layout->addLayout(buttons);

  for (QCheckBox* box : {chkCTXEnable_, chkCTXOnly_, chkCTXPower_, chkCScan_}) {
    hints_->add(box, ToggleHint);
  }
  for (QCheckBox* box : chkCBExp_) hints_->add(box, ToggleHint);
  for (QComboBox* list : {cmbBaseChNo_, cmbCDUP_, cmbStatusIcon_, cmbStatusNo_, cmbScramble_}) {
    hints_->add(list, SelectionHint);
  }
  hints_->add(txtCNN_, DisplayNameHint);
  hints_->add(cmdSave_, SaveHint);
  hints_->add(cmdCancel_, CancelHint);

  for (QCheckBox* box : {chkCTXEnable_, chkCTXOnly_}) {
    connect(box, &QCheckBox::toggled, this, [this] {
      if (!ws_.flags.TransferBusy) applyEnableRules();
    });
  }
  for (QComboBox* list : {cmbBaseChNo_, cmbCDUP_}) {
    connect(list, &QComboBox::currentIndexChanged, this, [this] {
      if (!idle() && !freeForm_) rewriteGroupFrequencies();
    });
  }
  connect(cmdSave_, &QPushButton::clicked, this, &ChannelEditPanel::save);
  connect(cmdCancel_, &QPushButton::clicked, this, &ChannelEditPanel::cancel);
}

QWidget* ChannelEditPanel::buildFieldArea() {
  auto* area = new QWidget(this);
  cmbBaseChNo_ = MakeListBox("cmbBaseChNo", BaseChannelOptions(), area);
  txtCNN_ = MakeTextBox("txtCNN", DisplayNameLength, IsDisplayNameCharacter, area);
  positionLabel_ = MakeLabel("lblCNN", tr("BASE CH No."), cmbBaseChNo_, area);
  txtCRF_ = MakeTextBox("txtCRF", FrequencyLength, IsFrequencyCharacter, area);
  rxLabel_ = MakeLabel("lblCRF", tr("Rx Frequency"), txtCRF_, area);
  rxUnit_ = MakeLabel("lblCRFUnit", tr("MHz"), nullptr, area);
  txtCTF_ = MakeTextBox("txtCTF", FrequencyLength, IsFrequencyCharacter, area);
  txLabel_ = MakeLabel("lblCTF", tr("Tx Frequency"), txtCTF_, area);
  txUnit_ = MakeLabel("lblCTFUnit", tr("MHz"), nullptr, area);

  const std::pair<ValidatingLineEdit*, std::pair<const char*, std::string_view>> boxes[] = {
      {txtCRF_, {RxFrequencyTitle, RxFrequencyHint}},
      {txtCTF_, {TxFrequencyTitle, TxFrequencyHint}}};
  for (const auto& [box, texts] : boxes) {
    const auto [title, hint] = texts;
    box->setAccessibleDescription(FromView(hint));
    connect(box, &ValidatingLineEdit::gotFocus, this,
            [this, box, hint] { frequencyGotFocus(box, hint); });
    connect(box, &ValidatingLineEdit::lostFocus, this, [this, box] { frequencyLostFocus(box); });
    connect(box, &QLineEdit::textEdited, this, [this, box] {
      if (!idle() && !box->isReadOnly()) state_.FieldEdited = true;
    });
    box->setLeaveCheck([this, box, title] { return frequencyMayBeLeft(box, title); });
  }

  auto* grid = new QGridLayout(area);
  grid->setContentsMargins(0, 8, 0, 8);
  grid->addWidget(positionLabel_, 0, 0);
  grid->addWidget(cmbBaseChNo_, 0, 1);
  grid->addWidget(txtCNN_, 0, 1, Qt::AlignLeft);
  grid->addWidget(rxLabel_, 1, 0);
  grid->addWidget(txtCRF_, 1, 1);
  grid->addWidget(rxUnit_, 1, 2);
  grid->addWidget(txLabel_, 2, 0);
  grid->addWidget(txtCTF_, 2, 1);
  grid->addWidget(txUnit_, 2, 2);
  grid->setColumnStretch(3, 1);
  return area;
}

QGroupBox* ChannelEditPanel::buildModeFrame() {
  modeFrame_ = new QGroupBox(tr("Channel Mode"), this);
  modeFrame_->setObjectName(QStringLiteral("fraCDUP"));
  cmbCDUP_ = MakeListBox("cmbCDUP", DuplexOptions(), modeFrame_);
  cmbStatusIcon_ = MakeListBox("cmbStatusIcon", StatusIconOptions(), modeFrame_);
  cmbStatusNo_ = MakeListBox("cmbStatusNo", StatusNoOptions(), modeFrame_);
  auto* grid = new QGridLayout(modeFrame_);
  grid->addWidget(MakeLabel("lblCDUP", tr("SIMP/DUP"), cmbCDUP_, modeFrame_), 0, 0);
  grid->addWidget(cmbCDUP_, 0, 1);
  grid->addWidget(MakeLabel("lblStatusIcon", tr("Status Icon"), cmbStatusIcon_, modeFrame_), 1, 0);
  grid->addWidget(cmbStatusIcon_, 1, 1);
  grid->addWidget(MakeLabel("lblStatusNo", tr("CH Status No."), cmbStatusNo_, modeFrame_), 2, 0);
  grid->addWidget(cmbStatusNo_, 2, 1);
  return modeFrame_;
}

QGroupBox* ChannelEditPanel::buildGroupsFrame() {
  groupsFrame_ = new QGroupBox(tr("Channel Groups"), this);
  groupsFrame_->setObjectName(QStringLiteral("fraCBExp"));
  auto* column = new QVBoxLayout(groupsFrame_);
  const QString defaults[] = {tr("[USA]"), tr("[INT]"), tr("[CAN]")};
  for (std::size_t k = 0; k < chkCBExp_.size(); ++k) {
    // One control name for the three boxes, told apart by their index.
    chkCBExp_[k] = new QCheckBox(defaults[k], groupsFrame_);
    NameArrayMember(chkCBExp_[k], "chkCBExp", static_cast<int>(k));
    column->addWidget(chkCBExp_[k]);
  }
  column->addStretch(1);
  return groupsFrame_;
}

QGroupBox* ChannelEditPanel::buildTransmitFrame() {
  auto* frame = new QGroupBox(tr("Transmit"), this);
  frame->setObjectName(QStringLiteral("fraCTXEnable"));
  chkCTXEnable_ = MakeCheckBox("chkCTXEnable", tr("Tx Enable"), frame);
  chkCTXOnly_ = MakeCheckBox("chkCTXOnly", tr("Low Power Only"), frame);
  chkCTXPower_ = MakeCheckBox("chkCTXPower", tr("Power Up"), frame);
  lowPowerLine_ = new ConnectorLine(ConnectorLine::Shape::Corner, frame);
  lowPowerLine_->setObjectName(QStringLiteral("linCTXOnly"));
  powerUpLine_ = new ConnectorLine(ConnectorLine::Shape::Corner, frame);
  powerUpLine_->setObjectName(QStringLiteral("linCTXPower"));
  auto* grid = new QGridLayout(frame);
  grid->setHorizontalSpacing(2);
  grid->addWidget(chkCTXEnable_, 0, 0, 1, 3);
  grid->addWidget(lowPowerLine_, 1, 0);
  grid->addWidget(chkCTXOnly_, 1, 1, 1, 2);
  grid->addWidget(powerUpLine_, 2, 1);
  grid->addWidget(chkCTXPower_, 2, 2);
  grid->setRowStretch(3, 1);
  return frame;
}

bool ChannelEditPanel::idle() const {
  return ws_.flags.TransferBusy || !isEnabled();
}

void ChannelEditPanel::resetPage() {
  FlagGuard busy(ws_.flags.TransferBusy, true);
  shown_ = ChannelRecord();
  for (QCheckBox* box : chkCBExp_) box->setChecked(false);
  for (QLineEdit* box : std::initializer_list<QLineEdit*>{txtCNN_, txtCRF_, txtCTF_}) {
    box->clear();
  }
  // The record's own box: it shows that the channel is in use, the user never changes it.
  chkCEnable_->setChecked(false);
  chkCEnable_->setEnabled(false);
  for (QCheckBox* box : {chkCTXEnable_, chkCTXOnly_, chkCTXPower_, chkCScan_}) {
    box->setChecked(false);
  }
  for (QComboBox* list : {cmbBaseChNo_, cmbCDUP_, cmbStatusIcon_, cmbStatusNo_, cmbScramble_}) {
    list->setCurrentIndex(-1);
  }
}

void ChannelEditPanel::layOutForm(bool freeForm) {
  freeForm_ = freeForm;
  for (QLineEdit* box : std::initializer_list<QLineEdit*>{txtCNN_, txtCRF_, txtCTF_}) {
    Lock(box, !freeForm);
  }
  txtCNN_->setVisible(freeForm);
  cmbBaseChNo_->setVisible(!freeForm);
  groupsFrame_->setVisible(freeForm);
  modeFrame_->setVisible(!freeForm);
  positionLabel_->setText(freeForm ? tr("CH Display") : tr("BASE CH No."));
  positionLabel_->setBuddy(freeForm ? static_cast<QWidget*>(txtCNN_) : cmbBaseChNo_);
}

void ChannelEditPanel::showChannel(ListId list, const ChannelRecord& record) {
  list_ = list;
  shown_ = record;
  layOutForm(!IsGroupLayout(list));
  {
    FlagGuard busy(ws_.flags.TransferBusy, true);
    if (freeForm_) {
      fillFreeForm(record);
    } else {
      fillGroupForm(record);
    }
    chkCEnable_->setChecked(record.enabled);
    chkCTXEnable_->setChecked(record.txEnabled);
    chkCTXOnly_->setChecked(record.lowPower);
    chkCTXPower_->setChecked(record.powerUp);
    chkCScan_->setChecked(record.scanMemory);
    scramblerLabel_->setVisible(ws_.caps.ScrambleSupported);
    cmbScramble_->setVisible(ws_.caps.ScrambleSupported);
  }
  applyEnableRules();
}

void ChannelEditPanel::fillGroupForm(const ChannelRecord& record) {
  // A stored value the list does not offer (a position of 100 or more, a status code of 3)
  // shows no item, and SAVE keeps the record's own value.
  SelectValue(cmbBaseChNo_, BaseChannelOptions(), record.position);
  SelectValue(cmbCDUP_, DuplexOptions(), record.duplex);
  SelectValue(cmbStatusIcon_, StatusIconOptions(), record.statusIcon);
  SelectValue(cmbStatusNo_, StatusNoOptions(),
              ShownStatusNo(record.statusNo, SelectedValue(cmbStatusNo_)));
  // The table's frequencies, the transmit one shown even while Tx Enable is off.
  const FrequencyTexts texts = GroupFormFrequencies(record.position, record.duplex, false);
  txtCRF_->setText(QString::fromStdString(texts.rx));
  txtCTF_->setText(QString::fromStdString(texts.tx));
  if (ws_.caps.ScrambleSupported) {
    SelectValue(cmbScramble_, ScramblerOptions(), record.scramble);
  }
}

void ChannelEditPanel::fillFreeForm(const ChannelRecord& record) {
  txtCNN_->setText(QString::fromStdString(record.displayLeft));
  txtCRF_->setText(QString::fromStdString(FormatFreq4(record.rxFrequency)));
  txtCTF_->setText(QString::fromStdString(FormatFreq4(record.txFrequency)));
  if (ws_.caps.ScrambleSupported) {
    SelectValue(cmbScramble_, ScramblerOptions(), FreeFormScramblerValue(record.scramble));
  }
  const std::array<bool, 3> ticks = {record.inUsaGroup, record.inIntGroup, record.inRegionGroup};
  for (std::size_t k = 0; k < chkCBExp_.size(); ++k) {
    chkCBExp_[k]->setChecked(ticks[k]);
    const std::string& label = ws_.model.groups[k].label;
    if (!label.empty()) chkCBExp_[k]->setText(QString::fromStdString("[" + label + "]"));
  }
}

void ChannelEditPanel::applyEnableRules() {
  if (ws_.flags.TransferBusy) return;
  const ChannelEnables enables =
      EnablesFor(chkCEnable_->isChecked(), chkCTXEnable_->isChecked(), chkCTXOnly_->isChecked());
  for (QWidget* control :
       std::initializer_list<QWidget*>{positionLabel_, txtCNN_, rxLabel_, txtCRF_, rxUnit_,
                                       txLabel_, txtCTF_, txUnit_, chkCTXEnable_, chkCScan_}) {
    control->setEnabled(enables.channelControls);
  }
  if (freeForm_) {
    for (QCheckBox* box : chkCBExp_) box->setEnabled(enables.channelControls);
  }
  chkCTXOnly_->setEnabled(enables.lowPowerOnly);
  lowPowerLine_->setOn(enables.lowPowerOnly);
  chkCTXPower_->setEnabled(enables.powerUp);
  powerUpLine_->setOn(enables.powerUp);
}

void ChannelEditPanel::rewriteGroupFrequencies() {
  const FrequencyTexts texts = ChosenFrequencies(shown_, groupFormEntry());
  txtCRF_->setText(QString::fromStdString(texts.rx));
  txtCTF_->setText(QString::fromStdString(texts.tx));
}

void ChannelEditPanel::focusFirstControl() {
  if (freeForm_) {
    txtCNN_->setFocus(Qt::OtherFocusReason);
  } else {
    cmbBaseChNo_->setFocus(Qt::OtherFocusReason);
  }
}

void ChannelEditPanel::frequencyGotFocus(ValidatingLineEdit* box, std::string_view hint) {
  if (idle() || box->isReadOnly()) return;
  box->selectAll();
  // A click places the cursor after the focus has come: select once it has.
  QTimer::singleShot(0, box, &QLineEdit::selectAll);
  state_.FieldEdited = false;
  emit hintChanged(FromView(hint));
}

bool ChannelEditPanel::frequencyMayBeLeft(ValidatingLineEdit* box, const char* title) {
  if (idle() || box->isReadOnly()) return true;
  if (!state_.FieldEdited || !ChecksFrequencyOnLeave(list_)) return true;
  const FrequencyEntry entry = ReadFrequencyEntry(box->text().toStdString());
  if (entry.accepted) {
    box->setText(QString::fromStdString(entry.shown));
    return true;
  }
  prompter_.message(Icon::Exclamation, title, msg::DataError);
  state_.FieldEdited = false;
  return false;
}

void ChannelEditPanel::frequencyLostFocus(ValidatingLineEdit* box) {
  if (idle() || box->isReadOnly() || !state_.FieldEdited) return;
  box->setText(QString::fromStdString(ReadFrequencyEntry(box->text().toStdString()).shown));
  state_.FieldEdited = false;
}

bool ChannelEditPanel::validateBeforeLeave() {
  if (!isEnabled()) return true;
  const QWidget* focused = QApplication::focusWidget();
  if (focused == txtCRF_ && !frequencyMayBeLeft(txtCRF_, RxFrequencyTitle)) return false;
  if (focused == txtCTF_ && !frequencyMayBeLeft(txtCTF_, TxFrequencyTitle)) return false;
  if (!chkCEnable_->isChecked() || txtCRF_->isReadOnly()) return true;
  const MissingEntry missing =
      FreeFormMissing(txtCRF_->text().toStdString(), txtCNN_->text().toStdString());
  if (missing == MissingEntry::None) return true;
  prompter_.message(Icon::Exclamation, AppTitle, msg::InputCorrectData);
  // Back to what needs correcting.
  (missing == MissingEntry::Name ? txtCNN_ : txtCRF_)->setFocus(Qt::OtherFocusReason);
  return false;
}

GroupFormEntry ChannelEditPanel::groupFormEntry() const {
  GroupFormEntry entry;
  entry.positionItem = cmbBaseChNo_->currentIndex();
  entry.duplexItem = cmbCDUP_->currentIndex();
  entry.statusNoItem = cmbStatusNo_->currentIndex();
  entry.statusIconItem = cmbStatusIcon_->currentIndex();
  entry.shared = sharedEntry();
  return entry;
}

FreeFormEntry ChannelEditPanel::freeFormEntry() const {
  FreeFormEntry entry;
  entry.name = txtCNN_->text().toStdString();
  entry.rxText = txtCRF_->text().toStdString();
  entry.txText = txtCTF_->text().toStdString();
  for (std::size_t k = 0; k < chkCBExp_.size(); ++k) entry.groups[k] = chkCBExp_[k]->isChecked();
  entry.shared = sharedEntry();
  return entry;
}

SharedEntry ChannelEditPanel::sharedEntry() const {
  SharedEntry entry;
  entry.txEnable = chkCTXEnable_->isChecked();
  entry.lowPower = chkCTXOnly_->isChecked();
  entry.powUp = chkCTXPower_->isChecked();
  entry.scanMemory = chkCScan_->isChecked();
  entry.scramblerItem = ws_.caps.ScrambleSupported ? cmbScramble_->currentIndex() : -1;
  return entry;
}

void ChannelEditPanel::save() {
  if (idle()) return;
  ChannelRecord record;
  if (freeForm_) {
    const FreeFormSave save = FreeFormRecord(shown_, freeFormEntry());
    txtCRF_->setText(QString::fromStdString(save.rxShown));
    txtCTF_->setText(QString::fromStdString(save.txShown));
    if (!save.complete) {
      prompter_.message(Icon::Exclamation, AppTitle, msg::InputCorrectData);
      return;
    }
    record = save.record;
  } else {
    record = GroupFormRecord(shown_, groupFormEntry());
  }
  const ListEdit result = state_.NewChannelMode == 1
                              ? InsertChannel(ws_, list_, record, state_.CurrentRow)
                              : OverwriteChannel(ws_, list_, record, state_.CurrentRow);
  if (result == ListEdit::Done) emit saved();
}

void ChannelEditPanel::cancel() {
  if (!idle()) emit cancelled();
}

}  // namespace tpw::gui
