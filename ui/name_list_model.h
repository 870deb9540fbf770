#pragma once
// A list of names for a list view, read from a window's model when the view
// draws them, so that a list of many thousand items costs no widget per
// entry. The names are the model's texts (Windows-1252).

#include <QAbstractListModel>
#include <functional>
#include <string_view>

namespace davoruzivi::ui {

class NameListModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  using RowCount = std::function<int()>;
  using NameOfRow = std::function<std::string_view(int row)>;
  NameListModel(RowCount rowCount, NameOfRow nameOfRow, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  // The name, as the entry's text and its tool tip (a long name may be cut short).
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // Runs a change of the names (or none); the views show them anew.
  void Change(const std::function<void()>& change = {});

 private:
  RowCount rowCount_;
  NameOfRow nameOfRow_;
};

}  // namespace davoruzivi::ui
