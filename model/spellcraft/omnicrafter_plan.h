#pragma once
// The omnicrafter's plan: a pool of gems chosen before deciding which crafted
// item carries which gem, the equipment slots given over to it, the gem
// analysis of the pool, and the moves of single gems between the plan and the
// crafted item being edited.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "itemdb/stat_catalogue.h"
#include "template/character_equip.h"
#include "template/crafted_item.h"

namespace davoruzivi {

// ---- the planned gems ----

// Appends a gem of the StatId and amount; a gem without a stat is not added.
void AddPlannedGem(OmniCrafted& plan, StatId stat, std::int32_t amount);

// Removes the gem at the position (later gems move up) and gives the position
// to pick next: the same one, or the last gem; nothing once the plan is empty.
// A position outside the plan removes nothing.
std::optional<int> RemovePlannedGem(OmniCrafted& plan, int position);

void RemoveAllPlannedGems(OmniCrafted& plan);

// The gem stat label, "+" and the amount, as "Strength+29".
std::string PlannedGemText(StatId stat, std::int32_t amount);
// One text per planned gem, in plan order.
std::vector<std::string> PlannedGemTexts(const OmniCrafted& plan);

inline constexpr std::string_view kGemImbueCostCaption = "Gem Imbue Cost : ";
// kGemImbueCostCaption and the gem's imbue points with one decimal.
std::string GemImbueCostText(StatId stat, std::int32_t amount);

// ---- the slots given over to the plan ----

inline constexpr int kPlanSlotCount = 10;  // Chest .. Ranged

// The check boxes Chest .. Ranged, as SlotFlags 8..17 hold them.
std::array<bool, kPlanSlotCount> PlanSlotChecks(const OmniCrafted& plan);
// Copies the ten check states into SlotFlags 8..17.
void SetPlanSlots(OmniCrafted& plan, const std::array<bool, kPlanSlotCount>& checks);

// ---- gem analysis ----

struct GemAnalysis {
  int GemCount = 0;
  double HighestImbue = 0.0;
  double LowestImbue = 0.0;  // the smallest positive value below 100; 0 when none
  double AverageImbue = 0.0;
  double TotalImbue = 0.0;
  int ItemsSelected = 0;
  int GemSlotsAvailable = 0;
  int GemsOverSlots = 0;  // negative while slots are free
};

GemAnalysis AnalyseGems(const OmniCrafted& plan);

// The analysis as the window's key/value list shows it, keys in order
// ("Gem Count in Omni-Item" .. "Gems over Slots Available").
std::vector<std::pair<std::string_view, std::string>> AnalysisRows(const GemAnalysis& analysis);

// ---- moving gems between the plan and a crafted item ----

// Whether the planned gem at the position can go into the item: the item has
// an empty gem slot and no gem slot holds that stat.
bool CanTakePlannedGem(const OmniCrafted& plan, int position, const CraftedItem& item);

// Moves the planned gem at the position into the item's first empty gem slot
// (stat, amount and its tier) and out of the plan; gives that gem slot
// (0..3), or nothing, changing nothing, when the gem cannot be taken.
std::optional<int> TakePlannedGem(OmniCrafted& plan, int position, CraftedItem& item);

// Whether gem slot 0..3 of the item holds a gem worth more than 0 points.
bool CanReturnGem(const CraftedItem& item, int gemSlot);

// Appends the gem of the item's gem slot to the plan and empties the slot
// (its amount and tier stay, as an emptied gem slot keeps them). Returns
// false, changing nothing, when the slot holds no gem worth points.
bool ReturnGemToPlan(OmniCrafted& plan, CraftedItem& item, int gemSlot);

}  // namespace davoruzivi
