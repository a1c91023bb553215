#include "gui/editor/common_setup_page.h"

#include <QGridLayout>
#include <QScrollArea>
#include <QVBoxLayout>

#include "adapters/translations/qt_translations.h"
#include "editor/channel_groups.h"
#include "editor/editor_state.h"
#include "editor/setup_edits.h"
#include "gui/editor/option_box.h"
#include "gui/editor/quiet_controls.h"

namespace tpw::gui {

namespace {

struct Frame {
  QGroupBox* box;
  QGridLayout* grid;
};

// A titled frame of the page with its grid. The margins are small: the page has to fit beside
// the tree of the smallest window.
Frame NewFrame(const QString& title, const char* objectName) {
  auto* box = new QGroupBox(title);
  box->setObjectName(QString::fromLatin1(objectName));
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setHorizontalSpacing(4);
  return {box, grid};
}

// The names under the "Priority CH" heading.
constexpr const char* kPriorityLabels[GroupCount] = {"USA", "INT", "CAN", "EXP"};

}  // namespace

CommonSetupPage::CommonSetupPage(Workspace& ws, Prompter& prompter, QWidget* parent)
    : EditorPage(parent), ws_(ws), hints_(new FocusHints(this)) {
  setObjectName(QStringLiteral("pictCommon"));
  connect(hints_, &FocusHints::hintChanged, this, &EditorPage::hintChanged);

  auto* content = new QWidget;
  auto* grid = new QGridLayout(content);
  // Narrow enough for the right pane of the smallest window: the groups beside the
  // functions, ATIS below both.
  grid->setContentsMargins(6, 6, 6, 6);
  grid->addWidget(buildGroupsFrame(), 0, 0, Qt::AlignTop);
  auto* functions = new QVBoxLayout;
  functions->addWidget(buildScanFrame());
  functions->addWidget(buildWatchFrame());
  functions->addWidget(buildWeatherFrame());
  functions->addStretch(1);
  grid->addLayout(functions, 0, 1);
  atis_ = new AtisSection(ws_, prompter, *hints_, content);
  connect(atis_, &AtisSection::clearRequested, this, &CommonSetupPage::atisClearRequested);
  grid->addWidget(atis_, 1, 0, 1, 2);
  grid->setRowStretch(2, 1);
  grid->setColumnStretch(2, 1);

  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("scrollCommon"));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  // A click on the page between its controls moves the focus nowhere.
  scroll->setFocusPolicy(Qt::NoFocus);
  scroll->setWidget(content);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll);
  resetPage();
}

QGroupBox* CommonSetupPage::buildGroupsFrame() {
  const auto [frame, grid] = NewFrame(tr("Usable Channel Groups"), "fraUsable");
  auto* heading = new QLabel(tr("Priority CH"), frame);
  heading->setObjectName(QStringLiteral("lblPri"));
  grid->addWidget(heading, 0, 1, 1, 2);
  for (int g = 0; g < GroupCount; ++g) {
    const std::size_t i = static_cast<std::size_t>(g);
    usable_[i] = new QCheckBox(frame);
    NameArrayMember(usable_[i], "chkUsable", g);
    hints_->add(usable_[i], ToggleHint);
    connect(usable_[i], &QCheckBox::clicked, this,
            [this, g](bool ticked) { usableClicked(g, ticked); });

    priorityLabels_[i] = new QLabel(QString::fromLatin1(kPriorityLabels[g]), frame);
    NameArrayMember(priorityLabels_[i], "lblUsablePri", g);
    priorities_[i] = new QComboBox(frame);
    NameArrayMember(priorities_[i], "cmbUsablePri", g);
    priorityLabels_[i]->setBuddy(priorities_[i]);
    priorities_[i]->setAccessibleName(heading->text() + QLatin1Char(' ') +
                                      priorityLabels_[i]->text());
    // As wide as the longest channel name the list holds.
    priorities_[i]->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    priorities_[i]->setMinimumContentsLength(3);
    hints_->add(priorities_[i], SelectionHint);
    connect(priorities_[i], &QComboBox::activated, this, [this, g] {
      const std::optional<int> chosen = SelectedValue(priorities_[static_cast<std::size_t>(g)]);
      if (chosen) SetPriorityChannel(ws_, g, *chosen);
    });
    // The EXP group never has a priority channel: its list is not shown.
    priorityLabels_[i]->setVisible(HasPriorityChannel(g));
    priorities_[i]->setVisible(HasPriorityChannel(g));

    grid->addWidget(usable_[i], g + 1, 0);
    grid->addWidget(priorityLabels_[i], g + 1, 1);
    grid->addWidget(priorities_[i], g + 1, 2);
  }
  grid->setColumnStretch(2, 1);
  return frame;
}

void CommonSetupPage::addOption(QGridLayout* grid, int row, CommonOption option) {
  const CommonOptionBox& list = CommonOptionBoxOf(option);
  QWidget* parent = grid->parentWidget();
  auto* label = new QLabel(TranslatedText(list.label), parent);
  label->setObjectName(FromView(list.labelName));
  auto* box = new QComboBox(parent);
  box->setObjectName(FromView(list.objectName));
  label->setBuddy(box);
  hints_->add(box, SelectionHint);
  connect(box, &QComboBox::activated, this, [this, option] { optionChosen(option); });
  grid->addWidget(label, row, 1);
  grid->addWidget(box, row, 2);
  options_[option] = box;
  optionLabels_[option] = label;
}

QGroupBox* CommonSetupPage::buildScanFrame() {
  const auto [frame, grid] = NewFrame(tr("Scanning Function"), "fraScan");
  grid->setVerticalSpacing(0);
  const CommonOption rows[] = {CommonOption::Scan, CommonOption::ResumeTime,
                               CommonOption::PttScanClear};
  const ConnectorLine::Shape shapes[] = {ConnectorLine::Shape::Start, ConnectorLine::Shape::Branch,
                                         ConnectorLine::Shape::Corner};
  for (int i = 0; i < 3; ++i) {
    addOption(grid, i, rows[i]);
    auto* line = new ConnectorLine(shapes[i], frame);
    NameArrayMember(line, "linScan", i);
    grid->addWidget(line, i, 0);
    scanLines_.push_back(line);
  }
  grid->setColumnStretch(2, 1);
  return frame;
}

QGroupBox* CommonSetupPage::buildWatchFrame() {
  const auto [frame, grid] = NewFrame(tr("DW/TW Function"), "fraDwtw");
  grid->setVerticalSpacing(0);
  addOption(grid, 0, CommonOption::DwTw);
  addOption(grid, 1, CommonOption::ModeSelect);
  watchLine_ = new ConnectorLine(ConnectorLine::Shape::Bracket, frame);
  watchLine_->setObjectName(QStringLiteral("linDwtw"));
  grid->addWidget(watchLine_, 0, 0, 2, 1);
  grid->setColumnStretch(2, 1);
  return frame;
}

QGroupBox* CommonSetupPage::buildWeatherFrame() {
  // The radio's weather alert and the dual watch list are kept out of sight: the alert is
  // loaded and stored like every other list, "Dual Watch" is neither.
  const auto [frame, grid] = NewFrame(tr("Weather CH Function"), "pictCommonWeater");
  addOption(grid, 0, CommonOption::WeatherAlert);
  addOption(grid, 1, CommonOption::DualWatch);
  frame->hide();
  return frame;
}

void CommonSetupPage::resetPage() {
  QuietControls quiet(this);
  for (const CommonOptionBox& list : CommonOptionBoxes()) {
    if (list.option != CommonOption::AtisMode) FillOptions(options_.at(list.option), list.options);
  }
  for (int g = 0; g < GroupCount; ++g) {
    usable_[static_cast<std::size_t>(g)]->setChecked(false);
    priorities_[static_cast<std::size_t>(g)]->clear();
  }
  atis_->clear();
  atis_->setVisible(ws_.caps.AtisSupported);
}

void CommonSetupPage::fillControls() {
  QuietControls quiet(this);
  // The lists show each priority channel among the enabled records of its group; one that is
  // none of them is replaced, a change of the data like any other.
  SettlePriorityChannels(ws_);
  loadGroups();
  loadCommonSetup();
  atis_->load();
}

void CommonSetupPage::loadGroups() {
  const SettingsModel& model = ws_.model;
  for (int g = 0; g < GroupCount; ++g) {
    const std::size_t i = static_cast<std::size_t>(g);
    const ChannelGroup& group = model.groups[i];
    QComboBox* list = priorities_[i];
    const OptionList entries = PriorityEntries(model, g);
    FillOptions(list, entries);
    SelectValue(list, entries, ShownPriority(entries, group.priorityChannel));
    usable_[i]->setText(QString::fromStdString(group.label));
    usable_[i]->setChecked(group.usable);
    list->setEnabled(group.usable);
    priorityLabels_[i]->setEnabled(group.usable);
  }
}

void CommonSetupPage::loadCommonSetup() {
  for (auto& [option, box] : options_) {
    SelectValue(box, CommonOptionBoxOf(option).options, ShownValue(ws_.model, option));
  }
  applyDependencies();
}

void CommonSetupPage::applyDependencies() {
  for (auto& [option, box] : options_) {
    const bool enabled = IsOptionEnabled(ws_.model, option);
    box->setEnabled(enabled);
    optionLabels_.at(option)->setEnabled(enabled);
  }
  for (ConnectorLine* line : scanLines_) {
    line->setOn(IsOptionEnabled(ws_.model, CommonOption::ResumeTime));
  }
  watchLine_->setOn(IsOptionEnabled(ws_.model, CommonOption::ModeSelect));
}

void CommonSetupPage::usableClicked(int group, bool ticked) {
  const std::size_t i = static_cast<std::size_t>(group);
  SetGroupUsable(ws_, group, ticked);
  priorities_[i]->setEnabled(ticked);
  priorityLabels_[i]->setEnabled(ticked);
  if (isEnabled()) {
    QuietControls quiet(atis_);
    atis_->load();
    emit usableGroupsChanged();
  }
}

void CommonSetupPage::optionChosen(CommonOption option) {
  const std::optional<int> chosen = SelectedValue(options_.at(option));
  if (chosen) ChooseCommonOption(ws_, option, *chosen);
  applyDependencies();
}

bool CommonSetupPage::validateBeforeLeave() {
  return atis_->acceptBeforeLeave();
}

}  // namespace tpw::gui
