// The radio commands of the main window: read, program, and the transfer dialog they open.
#include <QApplication>

#include "gui/link/transfer_dialog.h"
#include "gui/link/write_changes_dialog.h"
#include "gui/shell/main_window.h"
#include "report/write_review.h"

namespace tpw::gui {

TransferResult MainWindow::runTransfer(TransferMode mode) {
  return runTransfer(mode, ws_);
}

SerialPort& MainWindow::chosenPort(std::unique_ptr<SerialPort>& device) {
  const PortChoice chosen = portMenu_->choice();
  if (!chosen.demo) {
    device = services_.ports.make(chosen.device);
    return *device;
  }
  // The simulated radio is made once, from the factory data set of this start, and keeps
  // what is written to it until the program ends.
  if (!demo_) demo_ = std::make_unique<DemoRadio>(ws_.image);
  return demo_->switchOn();
}

TransferResult MainWindow::runTransfer(TransferMode mode, Workspace& target) {
  std::unique_ptr<SerialPort> device;
  SerialPort* port = &chosenPort(device);
  SafetyNet net{services_.userDataFolder, true,
                mode == TransferMode::Program && menus_.readFirst->isChecked()};
  net.verify = menus_.verify->isChecked();
  // The changes are shown over the transfer dialog, which is then the active window.
  const QString portName = QString::fromStdString(port->name());
  ComparingWriteReview review(ws_.caps, [this, portName](const std::vector<Difference>& changes) {
    QWidget* over = QApplication::activeModalWidget();
    return AgreesToWriteChanges(changes, portName, over ? over : this);
  });
  net.review = &review;
  TransferDialog dialog(contextOn(target), *port, mode, net, this);
  dialog.exec();
  return dialog.result();
}

void MainWindow::transferRead() {
  if (!validateBeforeLeave()) return;
  DataSetStep reading(ws_, "Read from Radio", StepKind::Load);
  const TransferResult result = runTransfer(TransferMode::Read);
  if (!result.done()) return;
  reading.commit();
  ws_.documentPath.clear();
  showReplacedImage(result.regionChangeAccepted);
}

void MainWindow::transferProgram() {
  if (!validateBeforeLeave()) return;
  runTransfer(TransferMode::Program);
}

}  // namespace tpw::gui
