#pragma once

#include <QStyledItemDelegate>
#include <QTableWidget>
#include <vector>

#include "editor/channel_grid.h"

namespace tpw::gui {

// The read-only channel grid (MSFlexGrid1): one row per record, a header row, whole-row
// selection. Enter and a double click ask for the selected record to be edited; each wheel
// step scrolls exactly one line (the usual several lines outside debug mode would skip past
// channels). Screen readers see a table: its rows, columns, headers, cell texts, the selected
// row, and a check-mark cell as checked or not (its Qt::CheckStateRole); its key hint is its
// description.
class ChannelGridWidget : public QTableWidget {
  Q_OBJECT

 public:
  explicit ChannelGridWidget(QWidget* parent = nullptr);

  void setOneLineWheel(bool enabled) { oneLineWheel_ = enabled; }
  // Replaces every row with the grid's, with painting off until the grid is complete.
  void fill(const ChannelGrid& grid);
  // Selects a record across all columns, or nothing for -1.
  void selectRecord(int record, bool scrollToTop);
  // The record of the current row, or -1.
  int selectedRecord() const;
  // The records of every selected row (Shift and Ctrl select several), in list order.
  std::vector<int> selectedRecords() const;
  // Selects count records from first, the last of them current.
  void selectRecords(int first, int count);
  // Rows may be dragged to another place of the list (the free lists); a drop only asks for
  // the move, the list is shown anew from the settings.
  void setRowsMovable(bool movable);

 signals:
  void editRequested();
  void hintRequested(const QString& hint);
  // The selected rows were dropped before the row `before` (rowCount() for the end).
  void rowsDropped(int before);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  bool oneLineWheel_ = true;
  int wheelRemainder_ = 0;
};

// Draws the check-mark cells as a clear box, ticked or empty, centred in the cell, instead of
// the style's check indicator at the cell's left.
class CheckMarkDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace tpw::gui
