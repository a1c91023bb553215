#include "gui/editor/channel_grid_widget.h"

#include <algorithm>

#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "editor/editor_state.h"
#include "gui/shell/twips.h"

namespace tpw::gui {

namespace {

constexpr int kWheelStep = 120;  // one notch of a wheel, in eighths of a degree

QString GridHintText() {
  return QString::fromLatin1(GridHint.data(), static_cast<qsizetype>(GridHint.size()));
}

}  // namespace

ChannelGridWidget::ChannelGridWidget(QWidget* parent) : QTableWidget(parent) {
  setObjectName(QStringLiteral("MSFlexGrid1"));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  // Whole rows are selected: Tab leaves the grid for the buttons instead of stepping through
  // the cells of a row.
  setTabKeyNavigation(false);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setAlternatingRowColors(true);
  setWordWrap(false);
  verticalHeader()->setVisible(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(true);
  setItemDelegate(new CheckMarkDelegate(this));
  setAccessibleDescription(GridHintText());
}

void ChannelGridWidget::fill(const ChannelGrid& grid) {
  setUpdatesEnabled(false);
  clearContents();
  setColumnCount(static_cast<int>(grid.columns.size()));
  QStringList headers;
  for (int c = 0; c < columnCount(); ++c) {
    const GridColumn& column = grid.columns[static_cast<std::size_t>(c)];
    headers << QString::fromStdString(column.header);
    setColumnWidth(c, TwipsToPixels(column.widthTwips));
  }
  setHorizontalHeaderLabels(headers);
  setRowCount(static_cast<int>(grid.rows.size()));
  for (int r = 0; r < rowCount(); ++r) {
    const auto& cells = grid.rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < columnCount(); ++c) {
      const GridCell& cell = cells[static_cast<std::size_t>(c)];
      auto* item = new QTableWidgetItem(QString::fromStdString(cell.text));
      item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      if (cell.check) item->setData(Qt::CheckStateRole, *cell.check ? Qt::Checked : Qt::Unchecked);
      setItem(r, c, item);
    }
  }
  setUpdatesEnabled(true);
}

void ChannelGridWidget::selectRecord(int record, bool scrollToTop) {
  if (record < 0 || record >= rowCount()) {
    clearSelection();
    return;
  }
  setCurrentCell(record, 0);
  selectRow(record);
  if (scrollToTop) scrollToItem(item(record, 0), QAbstractItemView::PositionAtTop);
}

int ChannelGridWidget::selectedRecord() const {
  const int row = currentRow();
  return row >= 0 && row < rowCount() ? row : -1;
}

std::vector<int> ChannelGridWidget::selectedRecords() const {
  std::vector<int> records;
  for (const QModelIndex& index : selectionModel()->selectedRows()) records.push_back(index.row());
  std::sort(records.begin(), records.end());
  return records;
}

void ChannelGridWidget::selectRecords(int first, int count) {
  if (first < 0 || count < 1 || first + count > rowCount()) return;
  setCurrentCell(first + count - 1, 0);
  const QItemSelection rows(model()->index(first, 0),
                            model()->index(first + count - 1, columnCount() - 1));
  selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
}

void ChannelGridWidget::setRowsMovable(bool movable) {
  setDragEnabled(movable);
  setAcceptDrops(movable);
  setDragDropMode(movable ? QAbstractItemView::InternalMove : QAbstractItemView::NoDragDrop);
  setDropIndicatorShown(movable);
}

void ChannelGridWidget::dropEvent(QDropEvent* event) {
  if (event->source() != this) {
    event->ignore();
    return;
  }
  const QModelIndex target = indexAt(event->position().toPoint());
  int before = target.isValid() ? target.row() : rowCount();
  if (target.isValid() && dropIndicatorPosition() == QAbstractItemView::BelowItem) ++before;
  // Copy, not move: the view would otherwise take the dragged cells out itself.
  event->setDropAction(Qt::CopyAction);
  event->accept();
  emit rowsDropped(before);
}

void ChannelGridWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit editRequested();
    event->accept();
    return;
  }
  QTableWidget::keyPressEvent(event);
}

void ChannelGridWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  QTableWidget::mouseDoubleClickEvent(event);
  if (indexAt(event->position().toPoint()).isValid()) emit editRequested();
}

void ChannelGridWidget::wheelEvent(QWheelEvent* event) {
  if (!oneLineWheel_) {
    QTableWidget::wheelEvent(event);
    return;
  }
  // Fine-grained wheels and touchpads deliver fractions of a step; a line moves per whole step.
  wheelRemainder_ += event->angleDelta().y();
  QScrollBar* bar = verticalScrollBar();
  while (wheelRemainder_ >= kWheelStep) {
    bar->setValue(bar->value() - 1);
    wheelRemainder_ -= kWheelStep;
  }
  while (wheelRemainder_ <= -kWheelStep) {
    bar->setValue(bar->value() + 1);
    wheelRemainder_ += kWheelStep;
  }
  event->accept();
}

void ChannelGridWidget::focusInEvent(QFocusEvent* event) {
  QTableWidget::focusInEvent(event);
  emit hintRequested(GridHintText());
}

void CheckMarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  const QVariant mark = index.data(Qt::CheckStateRole);
  QStyledItemDelegate::paint(painter, option, index);
  if (!mark.isValid()) return;
  const bool selected = option.state.testFlag(QStyle::State_Selected);
  const QColor ink = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
  const int side = qMin(option.rect.height() - 6, 13);
  QRect box(0, 0, side, side);
  box.moveCenter(option.rect.center());
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, true);
  painter->setPen(QPen(ink, 1.2));
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
  if (mark.toInt() == Qt::Checked) {
    QPen tick(ink, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter->setPen(tick);
    const QRectF r = QRectF(box).adjusted(2.5, 2.5, -2.5, -2.5);
    const QPointF points[] = {
        {r.left(), r.center().y()}, {r.left() + r.width() * 0.4, r.bottom()}, {r.right(), r.top()}};
    painter->drawPolyline(points, 3);
  }
  painter->restore();
}

void CheckMarkDelegate::initStyleOption(QStyleOptionViewItem* option,
                                        const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  option->features &= ~QStyleOptionViewItem::HasCheckIndicator;
}

}  // namespace tpw::gui
