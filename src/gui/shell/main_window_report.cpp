// The report commands of the main window: printing, the print preview and the report window.
#include "gui/report/report_printing.h"
#include "gui/report/report_window.h"
#include "gui/shell/main_window.h"

namespace tpw::gui {

void MainWindow::filePrint() {
  if (!validateBeforeLeave()) return;
  ReportPrinting(context(), services_.printers).print(this);
}

void MainWindow::filePrintPreview() {
  if (!validateBeforeLeave()) return;
  ReportPrinting(context(), services_.printers).preview(this);
}

void MainWindow::filePrintToFile() {
  if (!validateBeforeLeave()) return;
  ReportWindow window(context(), services_.dialogs, dialogFolder(), this);
  window.exec();
}

}  // namespace tpw::gui
