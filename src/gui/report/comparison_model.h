#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "report/data_set_comparison.h"

namespace tpw::gui {

// The differences of a comparison as a table: where, setting, this data set's value and the
// other's. The sort role gives the comparison's own order for "Where" (the tree's, rows in
// order) and the texts for the other columns.
class ComparisonModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { Where, Setting, ThisValue, OtherValue, ColumnCount };
  static constexpr int SortRole = Qt::UserRole;

  // otherName heads the last column: the file's name, or "Radio".
  ComparisonModel(std::vector<Difference> differences, QString otherName,
                  QObject* parent = nullptr);

  // Heads the column of this side's values instead of "This data set".
  void setThisName(QString thisName) { thisName_ = std::move(thisName); }

  const std::vector<Difference>& differences() const { return differences_; }
  const Difference& differenceAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<Difference> differences_;
  QString otherName_;
  QString thisName_;
};

}  // namespace tpw::gui
