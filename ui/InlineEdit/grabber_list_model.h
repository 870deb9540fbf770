#pragma once
// The vault grabber's result list for a list view: one row per entry of the
// grabber's result, each showing its item's name. The rows are read from the
// grabber when the view draws them, so a result of the whole vault costs no
// more to show than the rows on screen.

#include <QAbstractListModel>
#include <functional>

namespace davoruzivi {
class VaultGrabber;
}

namespace davoruzivi::ui {

class GrabberListModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit GrabberListModel(const VaultGrabber& grabber, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  // Runs a change of the grabber's result; the views show the new result.
  void Change(const std::function<void()>& change);

 private:
  const VaultGrabber& grabber_;
};

}  // namespace davoruzivi::ui
