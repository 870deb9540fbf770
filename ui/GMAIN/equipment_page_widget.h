#pragma once
// The equipment page of the main window: the nineteen slot buttons
// (EquipSlots), the candidate list of the current slot (EquipList under the
// heading SlotName), the "Add Items from..." buttons and "Unequip All Slots".
// It draws the model's equipment page and hands the user's clicks, keys and
// wheel turns to it; what they do is the page's business.

#include <QWidget>
#include <array>

#include "template/equipment_page.h"

class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class QWheelEvent;

namespace davoruzivi::ui {

class InfoPanelWidget;
class Planner;

class EquipmentPageWidget final : public QWidget {
  Q_OBJECT

 public:
  EquipmentPageWidget(Planner& planner, InfoPanelWidget& info, QWidget* parent = nullptr);

  // Re-reads the captions, the heading, the list and its selection; stores nothing.
  void Refresh();
  // The page refresh (after a sub-window closed, or on entering the page while
  // the refresh flag is set): every caption comes up to date and the current
  // slot is shown again. The weapons choice is stored again, which
  // recalculates, so it ends with modelChanged().
  void RefreshAllSlots();
  // An add button is on only while its item window exists.
  void SetItemWindowAvailable(ItemWindow window, bool available);

 signals:
  // An "Add Items from..." button was pressed.
  void itemWindowRequested(davoruzivi::ItemWindow window);
  // The template changed through this page; every page should refresh.
  void modelChanged();

 protected:
  // The mouse wheel over the slot buttons, and where a press in the list lands.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildSlotColumn();
  QWidget* BuildListSide();
  QWidget* BuildAddGroup();
  void SelectSlot(int equipmentSlot);
  void ChooseRow(int row);
  void ShowChoice();
  bool TurnWheel(QWheelEvent& wheel);
  void UnequipAll();
  void RefreshButtons();
  void RefreshList();

  Planner& planner_;
  InfoPanelWidget& info_;
  QButtonGroup* slotButtons_;   // EquipSlots
  QLabel* heading_ = nullptr;   // SlotName
  QListWidget* list_ = nullptr; // EquipList
  std::array<QPushButton*, 3> addButtons_{};
  int rowAtPress_ = -1;         // the list's current row when the mouse went down
};

}  // namespace davoruzivi::ui
