#pragma once
// The omnicrafter page of the spellcraft calculator: the gem to plan (a stat
// of the gem stat list and an amount of its category), the planned gems with
// the one picked, the slots given over to the plan and the gem analysis.
// Every change of the plan is recalculated; the plan lives in memory only,
// so changing it never marks the template modified.

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "spellcraft/omnicrafter_plan.h"

namespace davoruzivi {

class TemplateWorkflow;

class OmnicrafterPage {
 public:
  explicit OmnicrafterPage(TemplateWorkflow& workflow) : workflow_(workflow) {}

  // ---- the gem to add (oc1, os1)
  // The stat box lists the whole gem stat list.
  static std::vector<std::string_view> StatLabels();
  // A gem stat list entry, 0 "<Empty>"; the amount box takes the first
  // amount of the stat's category.
  void ChooseStat(int entry);
  int StatEntry() const { return entry_; }
  std::vector<std::string> AmountTexts() const;
  void ChooseAmount(int tier);
  int Tier() const { return tier_; }
  bool AmountEnabled() const { return !AmountTexts().empty(); }
  bool AddEnabled() const;
  // "Add Gem": the new gem is appended and picked.
  void AddGem();

  // ---- the planned gems (GemBox2)
  std::vector<std::string> GemTexts() const;
  int PickedGem() const;  // -1 none
  // Shows the gem's stat and amount in the boxes above.
  void PickGem(int position);
  bool RemoveEnabled() const { return PickedGem() >= 0; }
  bool RemoveAllEnabled() const { return PlanSize() > 0; }
  // "Remove Gem": the gem now at the same position is picked, or the last one.
  void RemoveGem();
  void RemoveAllGems();  // "Remove ALL Gems"

  // ---- the slots given over to the plan (SlotsUsed)
  std::array<bool, kPlanSlotCount> SlotChecks() const;
  void CheckSlot(int index, bool on);  // 0 Chest .. 9 Ranged

  // ---- the gem analysis (ValueListEditor1)
  std::vector<std::pair<std::string_view, std::string>> Analysis() const;

 private:
  OmniCrafted& Plan() const;
  int PlanSize() const;
  void PlanChanged();

  TemplateWorkflow& workflow_;
  int entry_ = 0;
  int tier_ = -1;
  int picked_ = -1;
};

}  // namespace davoruzivi
