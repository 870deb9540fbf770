#pragma once
// The spellcraft calculator (TSpellcraft), docked over the main window's
// tabs. Its "&Spellcraft" page lists the crafted items of the slot's kind
// (CustomListing) and edits the picked one: level, armour kind, name, four
// gems, fifth-slot bonus and alchemy proc, with the charge against the imbue
// capacity; the omnicrafter's planned gems can be taken into it. Its
// "Omnicrafter" page plans a pool of gems over chosen slots. The window draws
// the SpellcraftCalculator and OmnicrafterPage models and hands them the
// user's changes.

#include <QString>
#include <array>
#include <functional>

#include "GMAIN/docked_editor.h"
#include "spellcraft/omnicrafter_page.h"
#include "spellcraft/spellcraft_calculator.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTabWidget;
class QToolButton;

namespace davoruzivi {
struct Settings;
}

namespace davoruzivi::ui {

class Planner;

class SpellcraftWindow final : public DockedEditor {
  Q_OBJECT

 public:
  explicit SpellcraftWindow(Planner& planner, QWidget* parent = nullptr);
  ~SpellcraftWindow() override;

  void Done() override;
  void FollowTemplate() override { Refresh(); }

  const SpellcraftCalculator& Calculator() const { return calculator_; }
  const OmnicrafterPage& Omnicrafter() const { return omnicrafter_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // One gem slot's controls.
  struct GemRowControls {
    QComboBox* archetype = nullptr;  // archtype1..4
    QComboBox* stat = nullptr;       // scFake1..4
    QComboBox* amount = nullptr;     // cs1..4
    QLabel* points = nullptr;        // g1..g4
    QToolButton* toPlan = nullptr;   // SpeedButton1..4
  };
  // The charge block's figures.
  struct FigureLabels {
    QLabel* highGem = nullptr;     // highgem
    QLabel* charge = nullptr;      // charge
    QLabel* capacity = nullptr;    // imbuecap
    QLabel* overcharge = nullptr;  // maxoc
    QLabel* bonusLevel = nullptr;  // bonusLV
  };

  // ---- building
  QWidget* BuildSpellcraftPage();
  QWidget* BuildEntryColumn();
  QWidget* BuildSuggestionRow();
  QGroupBox* BuildPlannedGems();
  QGroupBox* BuildItemGroup();
  void AddNameRows(QGridLayout& grid, QWidget* group);
  void AddGemRows(QGridLayout& grid, QWidget* group);
  void AddFifthSlotRows(QGridLayout& grid, QWidget* group);
  QGroupBox* BuildFigures();
  QWidget* BuildOmnicrafterPage();
  QGroupBox* BuildPlanGems();
  QGroupBox* BuildPlanSlots();

  // ---- commands
  void Open();
  void PageShown(int page);
  // Runs a change of the calculator or the plan and shows its outcome; the
  // main window's totals follow.
  void Edit(const std::function<void()>& change);
  // Shows the suggestion for review and applies it when the user accepts.
  void ReviewAndApply(const GemSuggestion& suggestion);
  // A push button whose click is such a change.
  QPushButton* EditButton(const char* caption, const char* objectName, std::function<void()> change);

  // ---- showing
  void Refresh();
  void RefreshEntries();
  void RefreshItemFields();
  void RefreshGemRow(int gem);
  void RefreshFigures();
  void RefreshPlannedGems();
  void RefreshEnabling();
  void RefreshOmnicrafter();

  const Settings& settings_;  // the hover focus option
  SpellcraftCalculator calculator_;
  OmnicrafterPage omnicrafter_;
  bool refreshing_ = false;  // what the window shows itself is no change of the user's

  QTabWidget* pages_ = nullptr;            // holditem
  QComboBox* slotSwitch_ = nullptr;        // SlotSwitch
  QListWidget* listing_ = nullptr;         // CustomListing
  QPushButton* newButton_ = nullptr;       // btnNew
  QPushButton* copyButton_ = nullptr;      // btnCopyItem
  QPushButton* deleteButton_ = nullptr;    // btnDel
  QPushButton* clearButton_ = nullptr;     // btnClearSC
  QListWidget* available_ = nullptr;       // GemBox1
  QLabel* imbueCost_ = nullptr;            // ImbueCost
  QPushButton* take_ = nullptr;            // SpeedButton6
  QPushButton* suggest_ = nullptr;         // btnSuggest
  QPushButton* suggestAll_ = nullptr;      // btnSuggestAll
  QPushButton* undoSuggestion_ = nullptr;  // btnUndoSuggestion
  QLineEdit* name_ = nullptr;              // eItemName
  QCheckBox* autoName_ = nullptr;          // AutoName
  QComboBox* level_ = nullptr;             // sLevel
  QComboBox* armour_ = nullptr;            // cAbs
  std::array<GemRowControls, kGemSlots> gems_{};
  QComboBox* fifthSlot_ = nullptr;   // cbFifthSlot
  QCheckBox* forceFifth_ = nullptr;  // FifthForced
  QComboBox* alchemy_ = nullptr;     // AlchProcList
  FigureLabels figures_{};
  QPushButton* done_ = nullptr;  // btnReturn

  QComboBox* planStat_ = nullptr;                       // oc1
  QComboBox* planAmount_ = nullptr;                     // os1
  QPushButton* addGem_ = nullptr;                       // SpeedButton5
  QListWidget* planned_ = nullptr;                      // GemBox2
  QPushButton* removeGem_ = nullptr;                    // btnRemoveGem
  QPushButton* removeAllGems_ = nullptr;                // btnRemoveAllGems
  std::array<QCheckBox*, kPlanSlotCount> planSlots_{};  // SlotsUsed
  QTableWidget* analysis_ = nullptr;                    // ValueListEditor1
};

}  // namespace davoruzivi::ui
