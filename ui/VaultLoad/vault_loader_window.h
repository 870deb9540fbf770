#pragma once
// The vault loader (VaultLoader, "Vault Loader"), docked over the main
// window's tabs: the "&Load Item" page with the slot selector (SlotSwitch),
// the available items (LItems) and the slot kind's vault candidates (EItems)
// with their commands, the filter page, and the "Common Tasks" page. It draws
// the model's vault loader and hands it the user's clicks and keys.

#include <array>
#include <functional>

#include "GMAIN/docked_editor.h"
#include "template/vault_loader.h"

class QComboBox;
class QGroupBox;
class QListView;
class QModelIndex;
class QPushButton;
class QTabWidget;

namespace davoruzivi::ui {

class InfoPanelWidget;
class ItemFiltersWidget;
class NameListModel;
class Planner;

class VaultLoaderWindow final : public DockedEditor {
  Q_OBJECT

 public:
  VaultLoaderWindow(Planner& planner, InfoPanelWidget& info, QWidget* parent = nullptr);

  // "&Done": the selection the user made is stored and the window undocks.
  void Done() override;
  // A level changed in the main window searches again: the bonus-level rule follows it.
  void FollowTemplate() override;
  const VaultLoader& Loader() const { return loader_; }

 protected:
  // Docking shows the window: the loader opens on the main window's slot.
  void showEvent(QShowEvent* event) override;
  // Enter on a list, and where a press in a list lands.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The two lists, and what the window does with each.
  enum class List { Available, Equipped };

  QWidget* BuildLoadPage();
  QGroupBox* BuildList(List list);
  QWidget* BuildCommands();
  QWidget* BuildCommonTasks();
  QListView* View(List list) const;

  // ---- commands
  void Open();
  void SwitchSlot(int equipmentSlot);
  void Search();
  void ClearFilters();
  void Select(List list, int row);
  void Activate(List list);
  void Add();
  void AddAll();
  void Remove();
  void RemoveAll();
  void RunCommonTask(std::size_t task);
  void ManualEdit();
  void OpenWebSearch();
  void OpenItemDatabaseSearch();
  // After a command: the window, the information panel and the main window follow.
  void Redraw();

  // ---- drawing
  void RefreshLists();
  void RefreshSelections();
  void RefreshCommands();
  void RefreshInfo();

  Planner& planner_;
  InfoPanelWidget& info_;
  VaultLoader loader_;
  bool showing_ = false;  // a selection the window makes itself runs nothing
  bool docked_ = false;   // opened and not yet done: showing it again opens nothing
  int shownLists_ = -1;   // the ListsRevision the views show
  int shownInfo_ = -1;    // the InfoRevision the panel shows
  int searchesShown_ = 0; // the searches seen; a new one shows the "&Load Item" page
  std::array<int, 2> rowAtPress_{-1, -1};

  QTabWidget* pages_ = nullptr;
  QWidget* loadPage_ = nullptr;
  ItemFiltersWidget* filters_ = nullptr;
  QComboBox* slotSwitch_ = nullptr;  // SlotSwitch
  QGroupBox* availableGroup_ = nullptr;
  QGroupBox* equippedGroup_ = nullptr;
  NameListModel* availableNames_ = nullptr;
  NameListModel* equippedNames_ = nullptr;
  QListView* available_ = nullptr;  // LItems
  QListView* equipped_ = nullptr;   // EItems
  QPushButton* add_ = nullptr;         // ItemAdd
  QPushButton* addAll_ = nullptr;      // ItemAddAll
  QPushButton* remove_ = nullptr;      // ItemRemove
  QPushButton* removeAll_ = nullptr;   // ItemRemoveAll
  QPushButton* manualEdit_ = nullptr;  // btnEdit
  QPushButton* google_ = nullptr;      // btnGoogle
  QPushButton* database_ = nullptr;    // btnSearch
};

}  // namespace davoruzivi::ui
