#pragma once
// The Dazizuvoror window (Vault): the shared vault query's filters, its
// result list, the item file commands and the commit. The item editor shows
// it modally; closing it by any means hands the selected entry back.

#include <QDialog>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

#include "itemdb/vault_query.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListView;
class QMenuBar;
class QPushButton;

namespace davoruzivi {
class Dazizuvoror;
}

namespace davoruzivi::ui {

class NameListModel;
class Planner;
class StatAmountField;

class DazizuvororWindow final : public QDialog {
  Q_OBJECT

 public:
  explicit DazizuvororWindow(Planner& planner, QWidget* parent = nullptr);

  // Shows the window modally on the chosen position; returns when it closed.
  void Run();
  // The selected result entry; -1 for none.
  int SelectedEntry() const;

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QMenuBar* BuildMenu();
  QWidget* BuildListing();
  QWidget* BuildFilters();
  QWidget* BuildStatFilters();
  QWidget* BuildOptions();
  QWidget* BuildButtons();
  QComboBox* AddFilter(const char* objectName, const char* hint, int VaultQuerySettings::*setting,
                       std::function<QStringList()> entries);
  void ShowLists();
  void ShowSettings();
  void ShowResult(int selectedEntry);
  void SelectEntry(int entry);
  void RunQuery();
  void ClearAllFilters();
  void RunFileCommand(bool (Dazizuvoror::*command)());
  void Choose(int entry);
  void WatchHover();

  Planner& planner_;
  Dazizuvoror& model_;
  NameListModel* names_ = nullptr;
  QListView* list_ = nullptr;
  QLineEdit* nameFilter_ = nullptr;
  struct FilterBox {
    QComboBox* combo;
    int VaultQuerySettings::*setting;
    std::function<QStringList()> entries;
  };
  std::vector<FilterBox> filters_;
  std::array<QComboBox*, kStatFilterCount> statFilters_{};
  std::array<StatAmountField*, kStatFilterCount> statAmounts_{};
  QCheckBox* verified_ = nullptr;
  QCheckBox* unverified_ = nullptr;
  QCheckBox* hideQuestionMarks_ = nullptr;
  QPushButton* run_ = nullptr;
  bool showing_ = false;
};

}  // namespace davoruzivi::ui
