#pragma once

#include <QDialog>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <vector>

#include "report/print_layout.h"

namespace tpw::gui {

// The print preview: the sheets of the printed report on the printer's paper, painted by the
// same loop as the printer, with page and zoom controls and the print command.
class PrintPreview : public QDialog {
  Q_OBJECT

 public:
  PrintPreview(QPrinter& printer, std::vector<PrintPage> layout, QWidget* parent = nullptr);

  QPrintPreviewWidget* pages() const { return view_; }

 signals:
  // The user wants the previewed report printed.
  void printRequested();

 private:
  // Goes to a sheet (counted from 1) where there is one.
  void showPage(int page);
  void showPageNumber();
  QString pageNumberText(int page, int pages) const;

  std::vector<PrintPage> layout_;
  QPrintPreviewWidget* view_ = nullptr;
  QLabel* pageNumber_ = nullptr;
};

}  // namespace tpw::gui
