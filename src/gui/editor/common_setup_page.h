#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <array>
#include <map>
#include <vector>

#include "editor/common_options.h"
#include "gui/editor/atis_section.h"
#include "gui/editor/connector_line.h"
#include "gui/editor/editor_page.h"
#include "gui/editor/focus_hints.h"
#include "session/workspace.h"

namespace tpw::gui {

// The page of the "Common Setup" node (pictCommon): the usable channel groups with their
// priority channels, the scanning and dual/triple watch functions, and the ATIS section.
// Every choice is stored at once and marks the data as changed; filling the controls and
// emptying them never writes into the settings.
class CommonSetupPage : public EditorPage {
  Q_OBJECT

 public:
  CommonSetupPage(Workspace& ws, Prompter& prompter, QWidget* parent = nullptr);

  bool validateBeforeLeave() override;
  void resetPage() override;
  // The usable groups and priority channels first, then the common setup, then ATIS.
  void fillControls() override;

 signals:
  // A usable group was ticked or unticked: the tree lists the usable groups.
  void usableGroupsChanged();
  // "ATIS Clear" was pressed; the counter is shown again once the handler returns.
  void atisClearRequested();

 private:
  QGroupBox* buildGroupsFrame();
  // A list with its label in a row of a frame; the first column holds connector lines.
  void addOption(QGridLayout* grid, int row, CommonOption option);
  QGroupBox* buildScanFrame();
  QGroupBox* buildWatchFrame();
  QGroupBox* buildWeatherFrame();
  void loadGroups();
  void loadCommonSetup();
  // Lists whose function is off are greyed, with their labels and connector lines.
  void applyDependencies();
  void usableClicked(int group, bool ticked);
  void optionChosen(CommonOption option);

  Workspace& ws_;
  FocusHints* hints_;
  std::array<QCheckBox*, GroupCount> usable_{};
  std::array<QLabel*, GroupCount> priorityLabels_{};
  std::array<QComboBox*, GroupCount> priorities_{};
  std::map<CommonOption, QComboBox*> options_;
  std::map<CommonOption, QLabel*> optionLabels_;
  std::vector<ConnectorLine*> scanLines_;
  ConnectorLine* watchLine_ = nullptr;
  AtisSection* atis_ = nullptr;
};

}  // namespace tpw::gui
