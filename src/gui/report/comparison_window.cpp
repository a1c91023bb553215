#include "gui/report/comparison_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "gui/shell/busy_window.h"
#include "report/text_report.h"

namespace tpw::gui {

namespace {

constexpr QSize kSize{720, 420};
constexpr int kRowPadding = 6;

}  // namespace

ComparisonWindow::ComparisonWindow(Context ctx, FileDialogs& dialogs, QString folder,
                                   std::vector<Difference> differences, const QString& otherName,
                                   QWidget* parent)
    : QDialog(parent), ctx_(ctx), dialogs_(dialogs), folder_(std::move(folder)) {
  setObjectName(QStringLiteral("frmCompare"));
  setWindowTitle(tr("Compare With %1").arg(otherName));
  const std::size_t count = differences.size();
  model_ = new ComparisonModel(std::move(differences), otherName, this);
  sorted_ = new QSortFilterProxyModel(this);
  sorted_->setSourceModel(model_);
  sorted_->setSortRole(ComparisonModel::SortRole);

  summary_ = new QLabel(QString::fromStdString(DifferenceCount(count)), this);
  summary_->setObjectName(QStringLiteral("lblSummary"));
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("grdDifferences"));
  table_->setAccessibleName(tr("Differences"));
  table_->setAccessibleDescription(tr("[Double click],[Enter]: go to the setting."));
  table_->setModel(sorted_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setWordWrap(false);
  // Tab goes on to the buttons; the arrow keys move through the rows.
  table_->setTabKeyNavigation(false);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPadding);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setSortingEnabled(true);
  table_->sortByColumn(ComparisonModel::Where, Qt::AscendingOrder);
  table_->resizeColumnsToContents();
  summary_->setBuddy(table_);
  connect(table_, &QAbstractItemView::activated, this, &ComparisonWindow::choose);

  save_ = new QPushButton(tr("&Save As..."), this);
  save_->setObjectName(QStringLiteral("cmdSave"));
  connect(save_, &QPushButton::clicked, this, &ComparisonWindow::saveAs);
  close_ = new QPushButton(tr("Close"), this);
  close_->setObjectName(QStringLiteral("cmdClose"));
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(table_);
  layout->addLayout(buttons);
  resize(kSize);
}

std::string ComparisonWindow::text() const {
  if (sorted_->rowCount() == 0) return DifferenceCount(0);
  std::string text;
  for (int row = 0; row < sorted_->rowCount(); ++row) {
    const QModelIndex shown = sorted_->mapToSource(sorted_->index(row, 0));
    text += (row == 0 ? "" : "\r\n") + DifferenceLine(model_->differenceAt(shown.row()));
  }
  return text;
}

void ComparisonWindow::choose(const QModelIndex& index) {
  const EditorPlace& place = model_->differenceAt(sorted_->mapToSource(index).row()).name.place;
  if (place.nodeKey.empty()) return;
  emit settingChosen(QString::fromStdString(place.nodeKey), place.row);
}

void ComparisonWindow::saveAs() {
  const QString path = dialogs_.saveReportFile(this, folder_);
  if (path.isEmpty()) return;
  BusyWindow busy(this);
  SaveReportAs(ctx_, path.toStdString(), text());
}

}  // namespace tpw::gui
