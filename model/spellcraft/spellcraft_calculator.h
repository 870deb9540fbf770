#pragma once
// The spellcraft calculator: the crafted items (CraftedItems) of the current
// armour or weapon slot's kind, the item being edited gem by gem, its charge
// against the imbue capacity, and the commands that create, copy, delete and
// clear crafted items. Every accepted change is written straight into the
// template's item and recalculated; an overcharged item is never written, and
// while it is on screen the calculator cannot leave it.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "spellcraft/crafted_tables.h"
#include "spellcraft/gem_suggestion.h"
#include "spellcraft/omnicrafter_plan.h"
#include "spellcraft/spellcraft_rules.h"
#include "template/crafted_item.h"

namespace davoruzivi {

class TemplateWorkflow;

namespace platform {
class MessageBox;
}  // namespace platform

inline constexpr std::string_view kNewCraftedItemName = "Crafted Item";
inline constexpr std::string_view kOverchargedCloseMessage =
    "The spellcraft calculator cannot be closed while any item is over it's imbue capacity.";

// The pages of the calculator.
enum class CalculatorPage { Spellcraft = 0, Omnicrafter = 1 };

// One gem slot as its three boxes show it.
struct GemControls {
  int archetype = kFullListing;  // "6. Full Listing"
  int entry = 0;                 // the gem stat list entry, 0 "<Empty>"
  int tier = -1;                 // the amount box's selection; -1 none

  friend bool operator==(const GemControls&, const GemControls&) = default;
};

// The results the calculator shows beside the gems.
struct ChargeTexts {
  std::array<std::string, kGemSlots> gems;  // "Gem 1 :" .. "Gem 4 :"
  std::string highGem;                      // "High Gem :"
  std::string charge;                       // "Current Charge :"
  std::string capacity;                     // "Imbue Capacity :"
  std::string maxOvercharge;                // "Max Overcharge :"
  std::string bonusLevel;                   // "Bonus Level : "
};

class SpellcraftCalculator {
 public:
  SpellcraftCalculator(TemplateWorkflow& workflow, platform::MessageBox& messages);

  // ---- showing and closing
  // Shown on the current slot, or on the chest when that is no armour or
  // weapon slot, on the first page with no entry picked.
  void Open();
  // "&Done" (also closing the window): refused with a message while the item
  // is overcharged; otherwise the omnicrafter is switched off and the totals
  // recalculated. True when the calculator closed.
  bool Done();
  bool IsOpen() const { return open_; }
  // The page tabs: refused while overcharged. True when the page is shown.
  bool ShowPage(CalculatorPage page);
  CalculatorPage Page() const { return page_; }

  // ---- slot and entries
  // The slot selector, Chest (8) .. Ranged (17).
  void SwitchSlot(int equipmentSlot);
  int CurrentSlot() const;
  // "Empty Slot", then the name of each crafted item of the slot's kind.
  const std::vector<std::string>& Entries() const { return entries_; }
  // "e0", "c0", "c1", ... beside the entries.
  std::vector<std::string> EntryRefs() const;
  int PickedEntry() const { return picked_; }  // -1 none, 0 "Empty Slot"
  // The user picks an entry: it is equipped in the current configuration.
  void PickEntry(int entry);

  // ---- commands
  void NewItem();     // "Create &New"
  void CopyItem();    // "Co&py Item"
  void DeleteItem();  // "Delete Item"
  void ClearStats();  // "&Clear Stats"

  // ---- the item's controls; each accepted change is stored
  void ChangeArmourKind(int absorption);  // 0 "0%" .. 5 "Non-Armor"
  void ChangeLevel(int level);            // 1 .. 51
  void ChooseFifthSlot(int offerPosition);
  void ChangeArchetype(int gem, int archetype);
  // A position in the gem's stat box as its archetype narrows it.
  void ChangeGemStat(int gem, int position);
  void ChangeGemAmount(int gem, int tier);
  void TypeName(std::string_view text);
  void SetAutoName(bool on);
  void ChooseAlchemyProc(int index);
  // "Force Fifth Slot Calc": on at every start, kept for the run.
  void SetForceFifthSlot(bool on);

  // ---- the omnicrafter's planned gems on the first page (GemBox1)
  std::vector<std::string> PlannedGems() const;
  // Picking a planned gem shows its imbue cost.
  void PickPlannedGem(int position);
  int PickedPlannedGem() const;  // -1 none
  // "Gem Imbue Cost : " and the picked planned gem's points; the caption alone without one.
  std::string PlannedGemCostText() const;
  // The picked planned gem fits the edited item: a gem slot is empty and none holds its stat.
  bool TakeEnabled() const;
  // Moves the picked planned gem into the item's first empty gem slot and out of the plan.
  void TakePlannedGem();
  // Whether gem slot 0..3 holds a gem worth points, which can go back to the plan.
  bool ReturnEnabled(int gem) const;
  // Appends the gem slot's gem to the plan and empties the slot.
  void ReturnGem(int gem);

  // ---- gem suggestion
  // "Suggest &Gems": the best gems of the picked item, the others as they are;
  // only for an item the configuration's totals count.
  bool SuggestEnabled() const;
  GemSuggestion SuggestForItem() const;
  // "Suggest for All Crafted Pieces": every crafted item the configuration counts.
  bool SuggestAllEnabled() const;
  GemSuggestion SuggestForAll() const;
  // What the suggestion dialog shows of a suggestion.
  SuggestionReview ReviewOf(const GemSuggestion& suggestion) const;
  // Writes the suggested gems item by item through the controls and Store, as
  // the user would set them, and keeps the items as they were for one undo.
  void ApplySuggestion(const GemSuggestion& suggestion);
  bool UndoEnabled() const { return !undo_.empty() && !Overcharged(); }
  // "Undo Suggestion": the items the last suggestion changed, as they were.
  void UndoSuggestion();

  // ---- what the window shows
  // The item as the controls make it: what a store writes.
  const CraftedItem& Working() const { return working_; }
  const std::string& Name() const { return name_; }
  bool AutoName() const { return autoName_; }
  int Level() const { return level_; }
  int ArmourKind() const { return absorption_; }
  const GemControls& Gem(int gem) const;
  // The labels of the gem's stat box and the position of its stat there (-1 none).
  std::vector<std::string_view> GemStatLabels(int gem) const;
  int GemStatPosition(int gem) const;
  // The amounts of the gem's stat category, as the amount box lists them.
  std::vector<std::string> GemAmountTexts(int gem) const;
  std::vector<std::string_view> FifthSlotOfferTexts() const;
  int FifthSlotPosition() const { return offerPosition_; }
  int AlchemyProcIndex() const { return procIndex_; }
  bool ForceFifthSlot() const { return forceFifthSlot_; }
  ChargeTexts Figures() const;
  double Charge() const { return charge_.charge; }
  // Charge above the maximum overcharge: the charge shows in red bold.
  bool Overcharged() const;

  // ---- what is enabled
  bool DoneEnabled() const { return !Overcharged(); }
  bool SlotSwitchEnabled() const { return !Overcharged(); }
  bool EntryListEnabled() const { return !Overcharged(); }
  bool NewEnabled() const { return !Overcharged(); }
  bool CopyEnabled() const { return ItemPicked() && !Overcharged(); }
  // Fewer than two configurations use the picked item.
  bool DeleteEnabled() const;
  bool ClearEnabled() const { return ItemPicked(); }
  bool AlchemyEnabled() const { return ItemPicked(); }
  bool ArmourKindEnabled() const;
  bool NameEnabled() const { return !autoName_; }
  bool AmountEnabled(int gem) const;
  bool FifthSlotEnabled() const { return FifthSlotAvailable(level_); }
  // The omnicrafter gem list of the first page and its take button.
  bool PlannedGemsEnabled() const;

 private:
  std::vector<CraftedItem>& Items() const;
  bool ItemPicked() const { return picked_ >= 1; }
  bool IsArmourSlot() const;
  int ClassArmour() const;
  static std::string RefOfEntry(int entry);
  void RefreshEntries();
  void ShowEmptySlot();
  void Pick(int entry);
  void Load();
  void ResetPicked();
  void ResetControls(int absorption);
  void ApplyArmourKind(int absorption);
  void RebuildOffers();
  void ApplyGemStat(int gem, int entry);
  StatId GemStat(int gem) const;
  void Update();
  CraftedItem ItemFromControls() const;
  void Store();
  OmniCrafted& Plan() const;
  void ShowGems(const SuggestedItem& suggested);

  TemplateWorkflow& workflow_;
  platform::MessageBox& messages_;
  bool open_ = false;
  CalculatorPage page_ = CalculatorPage::Spellcraft;
  int realm_ = 0;
  std::vector<std::string> entries_;
  int picked_ = -1;
  CraftedItem working_;
  std::vector<FifthSlotOffer> offers_;
  std::string name_;
  bool autoName_ = false;
  int level_ = kMaxItemLevel;
  int absorption_ = kClothAbsorption;
  std::array<GemControls, kGemSlots> gems_{};
  std::array<int, kGemSlots> previous_{};  // the gem stat list entries last accepted
  int offerPosition_ = 0;
  int procIndex_ = 0;
  std::string procText_{kNoAlchemyProc};  // what the item keeps, known to the list or not
  bool forceFifthSlot_ = true;
  bool loading_ = false;
  int plannedPick_ = -1;  // GemBox1
  // An item as it was before a suggestion was applied to it.
  struct UndoEntry {
    int equipmentSlot;
    int position;
    CraftedItem item;
  };
  std::vector<UndoEntry> undo_;
  ChargeFigures charge_{};
};

}  // namespace davoruzivi
