#pragma once
// The inline editor (TInlineEditor), docked over the main window's tabs: the
// "Manual Editor" page with the slot's manual items (CustomListing) and the
// fields of the selected one, the "Vault Grabber" page listing the vault
// search (EItems) with the chosen item's description (ItemMemo), and the
// grabber's "Filters" page. The window draws the InlineEditor and
// VaultGrabber models and hands them the user's changes.

#include <QString>
#include <array>
#include <functional>

#include "GMAIN/docked_editor.h"
#include "itemdb/vault_item.h"
#include "template/inline_editor.h"
#include "template/vault_grabber.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QListView;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace davoruzivi::ui {

class ItemFiltersWidget;
class NameListModel;
class Planner;
class StatAmountField;

// The pages, in order.
enum class InlineEditorPage { ManualEditor = 0, VaultGrabber = 1, Filters = 2 };

class InlineEditorWindow final : public DockedEditor {
  Q_OBJECT

 public:
  explicit InlineEditorWindow(Planner& planner, QWidget* parent = nullptr);
  ~InlineEditorWindow() override;

  void Done() override;
  void GrabVaultItem(int vaultPosition) override;

  const InlineEditor& Editor() const { return editor_; }
  const VaultGrabber& Grabber() const { return grabber_; }

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // One bonus row's controls: category (a1..a10), stat (c1..c10), amount (s1..s10).
  struct BonusRowControls {
    QComboBox* category = nullptr;
    QComboBox* stat = nullptr;
    StatAmountField* amount = nullptr;
    int shownCategory = -1;  // the category whose entries the stat list holds
  };
  struct ProcControls {
    QComboBox* kind = nullptr;          // cProcOne, cProcTwo
    QComboBox* effect = nullptr;        // cbExt1, cbExt2
    StatAmountField* amount = nullptr;  // Proc1Amt, Proc2Amt
  };

  // ---- building
  QWidget* BuildManualEditorPage();
  QWidget* BuildListColumn();
  QWidget* BuildFieldsColumn();
  QGroupBox* BuildBonusRows();
  QGroupBox* BuildProcs();
  QWidget* BuildManualButtons();
  QWidget* BuildGrabberPage();

  // ---- the editor's operations
  void Open();
  void SwitchSlot(int equipmentSlot);
  void SelectEntry(int entry);
  void ChangeName(const QString& text);
  void CreateNew();
  void DeleteItem();
  void ClearStatsAndProcs();
  void ExportItem();
  void ImportItem();
  void CopyToClipboard();
  // Runs a change of the editor and shows its outcome; the template changed.
  void Edit(const std::function<void()>& change);

  // ---- the grabber's operations
  void PageShown(int page);
  void ShowPage(InlineEditorPage page);
  void SearchFromButton();
  // Searches with the busy cursor and the sorting progress in the status bar.
  void RunSearch(const std::function<void()>& search);
  void SelectResult(int entry);
  void CopyStats();
  void ClearFilters();
  SortProgress StatusBarProgress();

  // ---- showing
  void RefreshManualPage();
  void RefreshList();
  void RefreshFields();
  void RefreshRow(std::size_t row);
  void RefreshEnabling();
  void RefreshGrabber();
  void RefreshMemo();

  Planner& planner_;
  InlineEditor editor_;
  VaultGrabber grabber_;
  bool refreshing_ = false;  // what the window shows itself is no change of the user's

  QTabWidget* pages_ = nullptr;
  QComboBox* slotSwitch_ = nullptr;  // SlotSwitch
  QListWidget* listing_ = nullptr;   // CustomListing
  int rowAtPress_ = -1;              // CustomListing's row when the mouse went down
  QLineEdit* name_ = nullptr;        // CustomName
  QGroupBox* bonusGroup_ = nullptr;
  QGroupBox* procGroup_ = nullptr;
  std::array<BonusRowControls, kBonusSlots> rows_{};
  std::array<ProcControls, kProcSlots> procs_{};
  QPushButton* newButton_ = nullptr;        // btnNew
  QPushButton* deleteButton_ = nullptr;     // btnDel
  QPushButton* clearButton_ = nullptr;      // btnRoG
  QPushButton* exportButton_ = nullptr;     // btnExport
  QPushButton* clipboardButton_ = nullptr;  // btnClipboard

  QGroupBox* resultGroup_ = nullptr;
  QListView* results_ = nullptr;  // EItems
  NameListModel* resultModel_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;    // ItemMemo
  QPushButton* copyStats_ = nullptr;  // btnCopyStats
  ItemFiltersWidget* filters_ = nullptr;
};

}  // namespace davoruzivi::ui
