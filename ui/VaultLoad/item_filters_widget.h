#pragma once
// The filter page of the vault loader and of the inline editor's vault
// grabber: five stat filters with their minimum amounts, the level bounds,
// "Verified Only", the item type, armour, weapon type, proc and quality
// filters, the sort order and, for the grabber, the slot filter. Every change
// the user makes is written straight into the ItemFilters the page shows.

#include <QAbstractSpinBox>
#include <QWidget>
#include <array>
#include <functional>

#include "itemdb/item_filters.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace davoruzivi::ui {

// A stat filter's minimum amount: digits and Backspace only, corrected in
// place after every change (empty "0", above the bound the bound), and spin
// buttons stepping by one within 0..bound.
class StatAmountField final : public QAbstractSpinBox {
  Q_OBJECT

 public:
  explicit StatAmountField(int bound, QWidget* parent = nullptr);

  // Shows the text without announcing a change.
  void ShowAmount(const QString& text);
  void stepBy(int steps) override;
  // As wide as a spin box of the same range, so the largest amount shows whole.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  // The user changed the amount; the text is already corrected.
  void amountChanged(const QString& text);

 protected:
  StepEnabled stepEnabled() const override;
  QValidator::State validate(QString& input, int& position) const override;

 private:
  int Amount() const;

  int bound_;
  bool showing_ = false;
};

class ItemFiltersWidget final : public QWidget {
  Q_OBJECT

 public:
  // The grabber adds SlotFilter, uses GrabberSortList() and has no level consistency rule.
  enum class Kind { Loader, Grabber };

  ItemFiltersWidget(Kind kind, ItemFilters& filters, const QueryFilterLists& lists, QWidget* parent = nullptr);

  // Shows the ItemFilters' current values (after a clear, etc.).
  void Refresh();
  // Runs a search with the "Search" button off and the mouse cursor busy.
  void RunSearch(const std::function<void()>& search);

 signals:
  void searchRequested();  // "Search" (iSearch)
  // "Clear Filters": the window clears through the model, then calls Refresh().
  void clearRequested();
  // The user changed a value; it is already written into the ItemFilters.
  void filtersChanged();

 private:
  QWidget* BuildStatFilters();
  QWidget* BuildItemFilters();
  QWidget* BuildLevelRange();
  QWidget* BuildButtons();
  QComboBox* AddCombo(const char* objectName, int ItemFilters::* field);
  void ChooseLevel(bool minimum, int level);
  void ResetLevels();
  void RefreshVocabularyCombos();
  void Write(const std::function<void()>& write);

  Kind kind_;
  ItemFilters& filters_;
  const QueryFilterLists& lists_;
  bool refreshing_ = true;  // until the first Refresh has shown the filters
  std::array<QComboBox*, kStatFilterCount> stats_{};        // StatFilt1..StatFilt5
  std::array<StatAmountField*, kStatFilterCount> amounts_{}; // stat1amt..stat5amt
  QComboBox* minimumLevel_ = nullptr;  // MinLevel
  QComboBox* maximumLevel_ = nullptr;  // MaxLevel
  QCheckBox* verifiedOnly_ = nullptr;  // VerOnly
  QComboBox* itemType_ = nullptr;      // Filt1
  QComboBox* armour_ = nullptr;        // ArmorFilt
  QComboBox* weaponType_ = nullptr;    // WeaponFilt
  QComboBox* effect_ = nullptr;        // ProcFilter
  QComboBox* quality_ = nullptr;       // QualFilter
  QComboBox* slot_ = nullptr;          // SlotFilter, the grabber's only
  QComboBox* sort_ = nullptr;          // SortBy
  QPushButton* search_ = nullptr;      // iSearch
};

}  // namespace davoruzivi::ui
