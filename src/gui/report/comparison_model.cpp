#include "gui/report/comparison_model.h"

#include "adapters/translations/qt_translations.h"

namespace tpw::gui {

ComparisonModel::ComparisonModel(std::vector<Difference> differences, QString otherName,
                                 QObject* parent)
    : QAbstractTableModel(parent),
      differences_(std::move(differences)),
      otherName_(std::move(otherName)) {}

const Difference& ComparisonModel::differenceAt(int row) const {
  return differences_.at(static_cast<std::size_t>(row));
}

int ComparisonModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(differences_.size());
}

int ComparisonModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant ComparisonModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != SortRole)) return {};
  const Difference& d = differenceAt(index.row());
  if (role == SortRole && index.column() == Where) return d.order;
  switch (index.column()) {
    case Where:
      return TranslatedText(d.name.where);
    case Setting:
      return TranslatedText(d.name.setting);
    case ThisValue:
      return QString::fromStdString(d.thisValue);
    case OtherValue:
      return QString::fromStdString(d.otherValue);
    default:
      return {};
  }
}

QVariant ComparisonModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case Where:
      return tr("Where");
    case Setting:
      return tr("Setting");
    case ThisValue:
      return thisName_.isEmpty() ? tr("This data set") : thisName_;
    case OtherValue:
      return otherName_;
    default:
      return {};
  }
}

}  // namespace tpw::gui
