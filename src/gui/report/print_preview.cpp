#include "gui/report/print_preview.h"

#include <algorithm>

#include <QAction>
#include <QGraphicsView>
#include <QToolBar>
#include <QVBoxLayout>

#include "adapters/print/report_painter.h"
#include "gui/shell/toolbar_extension.h"

namespace tpw::gui {

namespace {

// A button of the preview's toolbar. Unlike the buttons of a main window's toolbar, whose
// commands are in its menus too, these are reached by Tab.
QAction* AddButton(QToolBar* bar, const QString& caption, const char* name,
                   const QKeySequence& keys = {}) {
  QAction* action = bar->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(keys);
  bar->widgetForAction(action)->setFocusPolicy(Qt::TabFocus);
  return action;
}

}  // namespace

PrintPreview::PrintPreview(QPrinter& printer, std::vector<PrintPage> layout, QWidget* parent)
    : QDialog(parent), layout_(std::move(layout)) {
  setObjectName(QStringLiteral("frmPreview"));
  setWindowTitle(tr("Print Preview"));
  auto* bar = new QToolBar(this);
  bar->setObjectName(QStringLiteral("tbPreview"));
  bar->setAccessibleName(tr("Print Preview"));
  NameExtensionButton(*bar);
  view_ = new QPrintPreviewWidget(&printer, this);
  view_->setObjectName(QStringLiteral("pictPreview"));
  view_->setAccessibleName(tr("Pages"));
  // The pages are shown by a view inside the preview widget: that view takes the focus.
  auto* pages = view_->findChild<QGraphicsView*>();
  if (pages != nullptr) pages->setAccessibleName(tr("Pages"));
  connect(view_, &QPrintPreviewWidget::paintRequested, this,
          [this](QPrinter* target) { PaintReport(*target, layout_); });
  connect(view_, &QPrintPreviewWidget::previewChanged, this, &PrintPreview::showPageNumber);

  connect(AddButton(bar, tr("&Print..."), "cmdPrint", QKeySequence::Print), &QAction::triggered,
          this, &PrintPreview::printRequested);
  bar->addSeparator();
  connect(AddButton(bar, tr("Pre&vious Page"), "cmdPreviousPage", QKeySequence::MoveToPreviousPage),
          &QAction::triggered, this, [this] { showPage(view_->currentPage() - 1); });
  connect(AddButton(bar, tr("&Next Page"), "cmdNextPage", QKeySequence::MoveToNextPage),
          &QAction::triggered, this, [this] { showPage(view_->currentPage() + 1); });
  pageNumber_ = new QLabel(this);
  pageNumber_->setObjectName(QStringLiteral("lblPage"));
  pageNumber_->setContentsMargins(8, 0, 8, 0);
  // The number is set once the pages are laid out; the toolbar keeps room for two digits each.
  const QMargins margins = pageNumber_->contentsMargins();
  pageNumber_->setMinimumWidth(
      pageNumber_->fontMetrics().horizontalAdvance(pageNumberText(99, 99)) + margins.left() +
      margins.right());
  bar->addWidget(pageNumber_);
  bar->addSeparator();
  connect(AddButton(bar, tr("Zoom &In"), "cmdZoomIn", QKeySequence::ZoomIn), &QAction::triggered,
          view_, [this] { view_->zoomIn(); });
  connect(AddButton(bar, tr("Zoom &Out"), "cmdZoomOut", QKeySequence::ZoomOut), &QAction::triggered,
          view_, [this] { view_->zoomOut(); });
  connect(AddButton(bar, tr("Fit &Width"), "cmdFitWidth"), &QAction::triggered, view_,
          &QPrintPreviewWidget::fitToWidth);
  connect(AddButton(bar, tr("&Whole Page"), "cmdWholePage"), &QAction::triggered, view_,
          &QPrintPreviewWidget::fitInView);
  bar->addSeparator();
  connect(AddButton(bar, tr("&Close"), "cmdClose"), &QAction::triggered, this, &QDialog::reject);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(bar);
  column->addWidget(view_, 1);
  view_->fitInView();
  // Wide enough for every button of the toolbar in the longer languages too, so that none hides
  // behind the toolbar's extension button.
  resize(std::max(720, bar->sizeHint().width()), 860);
  // The pages have the focus first: the arrow and page keys scroll them.
  if (pages != nullptr) pages->setFocus();
}

void PrintPreview::showPage(int page) {
  view_->setCurrentPage(page);
  showPageNumber();
}

void PrintPreview::showPageNumber() {
  pageNumber_->setText(pageNumberText(view_->currentPage(), view_->pageCount()));
}

QString PrintPreview::pageNumberText(int page, int pages) const {
  return tr("Page %1 of %2").arg(page).arg(pages);
}

}  // namespace tpw::gui
