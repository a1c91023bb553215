#pragma once

#include <QPrinter>
#include <QWidget>
#include <memory>

#include "session/workspace.h"

namespace tpw::gui {

// Where the printed report goes. The desktop asks the user with the print dialog; tests hand
// over printers of their own (a PDF file, a printer that cannot start).
class PrinterChoice {
 public:
  virtual ~PrinterChoice() = default;
  // The printer and settings chosen in the print dialog (no printing to a file, no selection),
  // or none when the user cancelled.
  virtual std::unique_ptr<QPrinter> choosePrinter(QWidget* parent) = 0;
  // The printer whose paper and margins the print preview shows: the system's default one.
  virtual std::unique_ptr<QPrinter> previewPrinter() = 0;
};

class QtPrinterChoice : public PrinterChoice {
 public:
  std::unique_ptr<QPrinter> choosePrinter(QWidget* parent) override;
  std::unique_ptr<QPrinter> previewPrinter() override;
};

// File > Print and File > Print Preview: the settings of the data set on paper.
class ReportPrinting {
 public:
  ReportPrinting(Context ctx, PrinterChoice& printers) : ctx_(ctx), printers_(printers) {}

  // The print dialog, then the pages on the chosen printer under the wait cursor. A cancelled
  // dialog prints nothing and says nothing; a printer that cannot start, or stops part way,
  // is reported with what to do. True when the report was printed.
  bool print(QWidget* window);
  // The pages as they will print, with the print command at hand.
  void preview(QWidget* window);

 private:
  Context ctx_;
  PrinterChoice& printers_;
};

}  // namespace tpw::gui
