// The setup pages of the editor and the ATIS clear they start.
#include "gui/editor/common_setup_page.h"
#include "gui/editor/weather_page.h"
#include "gui/shell/main_window.h"

namespace tpw::gui {

void MainWindow::installSetupPages() {
  auto* common = new CommonSetupPage(ws_, services_.prompter, editor_->panels());
  connect(common, &CommonSetupPage::usableGroupsChanged, editor_, &EditorPane::rebuildTree);
  connect(common, &CommonSetupPage::atisClearRequested, this, &MainWindow::clearAtis);
  editor_->setPage(PanelId::Common, common);
  editor_->setPage(PanelId::Weather, new WeatherPage(ws_, editor_->panels()));
}

void MainWindow::clearAtis() {
  if (!validateBeforeLeave()) return;
  // The code goes from the radio and from the PC's data set, which then has a change to save.
  DataSetStep clearing(ws_, "ATIS Clear", StepKind::Edit);
  if (!runTransfer(TransferMode::ClearAtis).TransferDone) return;
  clearing.commit();
  editor_->refreshCurrentNode();
}

}  // namespace tpw::gui
