#include "InlineEdit/grabber_list_model.h"

#include "platform/qt/qt_text.h"
#include "template/vault_grabber.h"

namespace davoruzivi::ui {

GrabberListModel::GrabberListModel(const VaultGrabber& grabber, QObject* parent)
    : QAbstractListModel(parent), grabber_(grabber) {}

int GrabberListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(grabber_.EntryCount());
}

QVariant GrabberListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
  return platform::ToQString(grabber_.EntryName(static_cast<std::size_t>(index.row())));
}

void GrabberListModel::Change(const std::function<void()>& change) {
  beginResetModel();
  change();
  endResetModel();
}

}  // namespace davoruzivi::ui
