// Transfer > Test Connection: the test of the cable and the chosen port.
#include "gui/shell/busy_window.h"
#include "gui/shell/main_window.h"
#include "link/port_check_messages.h"

namespace tpw::gui {

void MainWindow::testConnection() {
  std::unique_ptr<SerialPort> device;
  SerialPort& port = chosenPort(device);
  SilentTransferObserver observer;
  Context ctx = context();
  PortCheckResult result;
  {
    const BusyWindow busy(this);
    result = CheckPort(ctx, port, observer);
  }
  ShowMessages(services_.prompter, PortCheckMessages(result, port.name(), ws_.caps.ModelName));
}

}  // namespace tpw::gui
