#include "name_list_model.h"

#include "platform/qt/qt_text.h"

namespace davoruzivi::ui {

NameListModel::NameListModel(RowCount rowCount, NameOfRow nameOfRow, QObject* parent)
    : QAbstractListModel(parent), rowCount_(std::move(rowCount)), nameOfRow_(std::move(nameOfRow)) {}

int NameListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rowCount_(); }

QVariant NameListModel::data(const QModelIndex& index, int role) const {
  if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || !index.isValid() || index.row() >= rowCount_())
    return {};
  return platform::ToQString(nameOfRow_(index.row()));
}

void NameListModel::Change(const std::function<void()>& change) {
  beginResetModel();
  if (change) change();
  endResetModel();
}

}  // namespace davoruzivi::ui
