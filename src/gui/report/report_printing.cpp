#include "gui/report/report_printing.h"

#include <QCoreApplication>
#include <QPrintDialog>

#include "adapters/print/report_painter.h"
#include "gui/report/print_preview.h"
#include "gui/shell/busy_window.h"
#include "report/print_layout.h"

namespace tpw::gui {

namespace {

// A printer that writes a PDF file; Qt also stands one in, without a file, where the system
// has no printer.
bool WritesFile(const QPrinter& printer) {
  return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

// What the report was sent to, as the user knows it.
QString TargetName(const QPrinter& printer) {
  if (WritesFile(printer)) {
    return QCoreApplication::translate("ReportPrinting", "the PDF file %1")
        .arg(printer.outputFileName());
  }
  return QCoreApplication::translate("ReportPrinting", "the printer \"%1\"")
      .arg(printer.printerName());
}

// A printing message, translated and filled with what the report was sent to.
QString AboutTarget(const QPrinter& printer, const char* text) {
  return QCoreApplication::translate("ReportPrinting", text).arg(TargetName(printer));
}

std::string PrintFailure(const QPrinter& printer, const PaintResult& result) {
  if (!WritesFile(printer) && printer.printerName().isEmpty()) {
    return QCoreApplication::translate(
               "ReportPrinting",
               "The report was not printed: no printer is set up on this computer.\r\n"
               "Set up a printer in the system's settings, then print again. File > Print "
               "Preview shows the pages without a printer.")
        .toStdString();
  }
  if (result.outcome == PaintOutcome::NotStarted && WritesFile(printer)) {
    return AboutTarget(printer, QT_TRANSLATE_NOOP("ReportPrinting",
                                                  "The report was not printed: %1 could not be "
                                                  "written.\r\nChoose a folder you may write to, "
                                                  "then print again."))
        .toStdString();
  }
  if (result.outcome == PaintOutcome::NotStarted) {
    return AboutTarget(printer,
                       QT_TRANSLATE_NOOP("ReportPrinting",
                                         "The report was not printed: %1 could not be "
                                         "started.\r\nCheck that it is switched on, connected "
                                         "and ready, or choose another printer, then print again."))
        .toStdString();
  }
  return AboutTarget(printer, QT_TRANSLATE_NOOP("ReportPrinting",
                                                "Printing stopped on %1 after %2 sheet(s): the "
                                                "report is not complete.\r\nCheck the printer, "
                                                "then print the report again."))
      .arg(result.sheets)
      .toStdString();
}

}  // namespace

std::unique_ptr<QPrinter> QtPrinterChoice::choosePrinter(QWidget* parent) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dialog(printer.get(), parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return printer;
}

std::unique_ptr<QPrinter> QtPrinterChoice::previewPrinter() {
  return std::make_unique<QPrinter>(QPrinter::HighResolution);
}

bool ReportPrinting::print(QWidget* window) {
  const std::unique_ptr<QPrinter> printer = printers_.choosePrinter(window);
  if (!printer) return false;
  PaintResult result;
  if (printer->isValid()) {
    BusyWindow busy(window);
    result = PaintReport(*printer, BuildPrintLayout(ctx_.ws.model, ctx_.ws.caps));
  }
  if (result.outcome == PaintOutcome::Printed && printer->printerState() != QPrinter::Error) {
    return true;
  }
  ctx_.prompter.message(Icon::Exclamation, MainTitle(ctx_.ws.caps), PrintFailure(*printer, result));
  return false;
}

void ReportPrinting::preview(QWidget* window) {
  const std::unique_ptr<QPrinter> printer = printers_.previewPrinter();
  PrintPreview dialog(*printer, BuildPrintLayout(ctx_.ws.model, ctx_.ws.caps), window);
  QObject::connect(&dialog, &PrintPreview::printRequested, &dialog, [this, &dialog] {
    if (print(&dialog)) dialog.accept();
  });
  dialog.exec();
}

}  // namespace tpw::gui
