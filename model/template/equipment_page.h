#pragma once
// The equipment page: the nineteen slot buttons, the candidate list of the
// current slot and the information panel. Choosing an entry equips it in the
// current configuration, recalculates and describes the item.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "template/template_model.h"

namespace davoruzivi {

class MasterVault;
class TemplateWorkflow;

// Where a slot selection or a choice comes from.
enum class PageOrigin { SlotButtons, List, PageRefresh, OtherControl };

inline constexpr std::string_view kNoItemSelected = "No Item Selected";

// The item windows that dock over the main window's tabs (OpenEditor).
enum class ItemWindow { None = 0, VaultLoader = 1, InlineEditor = 2, SpellcraftCalculator = 3 };

// The slot an item window starts on: the inline editor cannot make a
// Mythirian, so it starts on slot 0; the spellcraft calculator makes armour
// and weapons, so from a jewellery slot or the Mythirian it starts on the chest.
int StartingSlotOf(ItemWindow window, int currentSlot);

class EquipmentPage {
 public:
  EquipmentPage(TemplateWorkflow& workflow, const MasterVault& vault);

  // "Automatically Choose Weapon Slot": a slot button also chooses the weapons.
  void SetAutomaticWeapons(bool on) { automaticWeapons_ = on; }

  // Makes the slot current and shows its list, choosing the entry the
  // configuration names; nothing happens for the slot that is current already.
  void SelectSlot(int equipmentSlot, PageOrigin origin);
  // The user picked an entry of the list (or moved the selection to it); it
  // is equipped and the stats recalculated. Only an entry other than the
  // equipped one marks the template modified. A page refresh stores nothing.
  void ChooseEntry(int entry, PageOrigin origin);
  // Moves the list selection one entry up or down (Shift and the mouse wheel);
  // false when it is at the end already.
  bool MoveSelection(int step);
  // Selects the slot an item window starts on, before it is docked.
  void PrepareFor(ItemWindow window);
  // Brings every button caption up to date and shows the current slot again,
  // keeping the weapons choice.
  void RefreshAllSlots();
  // Fills the information panel for a reference of the current slot's kind.
  void DescribeSlotItem(std::string_view ref);

  int CurrentSlot() const;
  const std::vector<Candidate>& Entries() const { return entries_; }
  int SelectedEntry() const { return selected_; }  // -1 when none
  // "Chest Slot Selections :"
  std::string SlotHeading() const;
  const std::array<std::string, kEquipmentSlotCount>& ButtonCaptions() const { return captions_; }
  // The title of the described item; nothing when the panel keeps its own
  // ("No Item Selected" leaves the title as it was).
  const std::optional<std::string>& InfoTitle() const { return infoTitle_; }
  const std::vector<std::string>& InfoLines() const { return infoLines_; }

 private:
  void ShowSlot(int equipmentSlot, PageOrigin origin);
  bool ShowsStaleList() const;
  Configuration* Current() const;

  TemplateWorkflow& workflow_;
  const MasterVault& vault_;
  bool automaticWeapons_ = true;
  std::vector<Candidate> entries_;
  int selected_ = -1;
  int shownConfiguration_ = -1;  // the configuration whose choice the list shows
  std::array<std::string, kEquipmentSlotCount> captions_;
  std::optional<std::string> infoTitle_;
  std::vector<std::string> infoLines_;
};

}  // namespace davoruzivi
