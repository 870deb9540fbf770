#pragma once
// The item editor window (frmItemEdit): the vault listing of the shared
// query, every field of the item being edited, the server and class check
// lists, the "Database" and "Auto Changer" menus, and the commands that
// save, commit and search. Every control calls the item editor model and
// then shows the model again.

#include <QDialog>
#include <array>
#include <functional>
#include <map>

#include "itemdb/item_editor.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QMenuBar;
class QPushButton;
class QSpinBox;

namespace davoruzivi::ui {

class DazizuvororWindow;
class NameListModel;
class Planner;
class StatAmountField;

class ItemEditorWindow final : public QDialog {
  Q_OBJECT

 public:
  explicit ItemEditorWindow(Planner& planner, QWidget* parent = nullptr);

  // Runs the query, shows a new item and the window modally; returns when it closed.
  void Run();
  // Shows every control as the model has it.
  void ShowModel();
  DazizuvororWindow& Dazizuvoror();

  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct BonusRowControls {
    QComboBox* category;
    QComboBox* stat;
    StatAmountField* amount;
  };
  struct ProcRowControls {
    QComboBox* kind;
    QComboBox* effect;
    StatAmountField* amount;
  };

  QMenuBar* BuildMenu();
  QWidget* BuildListing();
  QWidget* BuildFields();
  QWidget* BuildBonuses();
  QWidget* BuildChecks();
  QWidget* BuildButtons();
  QComboBox* AddCombo(const char* objectName, void (ItemEditor::*change)(int));
  QComboBox* AddTypedCombo(QComboBox* combo, GrowingList list, int effectBox = 0);
  QLabel* AddLabel(const QString& caption, const char* objectName, std::function<void()> doubleClick = {});
  QPushButton* AddButton(const QString& caption, const char* objectName, std::function<void()> command);
  void Apply(const std::function<void()>& change);
  void ShowLists();
  void ShowFields();
  void ShowListing();
  void ShowCaptions();
  void ShowModelAndFocus(QWidget* control);
  void AddTypedText(GrowingList list, QComboBox* box, int effectBox = 0);
  void ActivateSelected();
  void NewItem();
  void Save();
  void Vaultkeeper();
  void TryClose();

  Planner& planner_;
  ItemEditor& model_;
  DazizuvororWindow* dazizuvoror_ = nullptr;
  NameListModel* names_ = nullptr;
  QListView* listing_ = nullptr;
  QGroupBox* listGroup_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLineEdit* notes_ = nullptr;
  QComboBox* realm_ = nullptr;
  QComboBox* itemType_ = nullptr;
  QComboBox* slot_ = nullptr;
  QComboBox* expansion_ = nullptr;
  QComboBox* weaponType_ = nullptr;
  QComboBox* absorb_ = nullptr;
  QComboBox* source_ = nullptr;
  QComboBox* level_ = nullptr;
  QComboBox* quality_ = nullptr;
  QComboBox* speed_ = nullptr;
  QSpinBox* bonusLevel_ = nullptr;
  QCheckBox* bonusLevelAuto_ = nullptr;
  QCheckBox* verified_ = nullptr;
  QCheckBox* researched_ = nullptr;
  QCheckBox* autoChecking_ = nullptr;
  QListWidget* realmSelector_ = nullptr;
  QListWidget* servers_ = nullptr;
  QListWidget* classes_ = nullptr;
  std::array<BonusRowControls, kBonusSlots> rows_{};
  std::array<ProcRowControls, kProcSlots> procs_{};
  std::map<QObject*, std::function<void()>> labelDoubleClicks_;
  int listingShown_ = -1;  // the model's listing generation the listing view shows
  bool showing_ = false;
};

}  // namespace davoruzivi::ui
