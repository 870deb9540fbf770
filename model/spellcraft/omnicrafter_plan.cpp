#include "spellcraft/omnicrafter_plan.h"

#include <algorithm>
#include <cstddef>

#include "core/decimal_text.h"
#include "spellcraft/crafted_tables.h"
#include "spellcraft/spellcraft_rules.h"
#include "template/slots.h"

namespace davoruzivi {
namespace {

constexpr StatId kHitPointsStat = 10;
// Imbue values of 100 or more never count as the lowest.
constexpr double kLowestImbueBound = 100.0;

std::size_t Index(int position) { return static_cast<std::size_t>(position); }

int PlanSize(const OmniCrafted& plan) {
  return static_cast<int>(std::min(plan.GemStats.size(), plan.GemAmounts.size()));
}

bool InPlan(const OmniCrafted& plan, int position) { return position >= 0 && position < PlanSize(plan); }

bool InGemSlots(int gemSlot) { return gemSlot >= 0 && gemSlot < kGemSlots; }

// The points a planned gem counts in the analysis: hit point gems count their
// amount / 4 rounded, every other gem its imbue points.
double AnalysedPoints(StatId stat, std::int32_t amount) {
  if (stat == kHitPointsStat) return NearestEven(amount / 4.0);
  return GemImbuePoints(stat, amount);
}

bool ItemHoldsStat(const CraftedItem& item, StatId stat) {
  return std::find(item.StatIds.begin(), item.StatIds.begin() + kGemSlots, stat) != item.StatIds.begin() + kGemSlots;
}

std::optional<int> FirstEmptyGemSlot(const CraftedItem& item) {
  for (int gemSlot = 0; gemSlot < kGemSlots; ++gemSlot)
    if (item.StatIds[Index(gemSlot)] == 0) return gemSlot;
  return std::nullopt;
}

std::string CountText(int value) { return std::to_string(value); }

}  // namespace

// ---- the planned gems ----

void AddPlannedGem(OmniCrafted& plan, StatId stat, std::int32_t amount) {
  if (stat == 0) return;
  plan.GemStats.push_back(stat);
  plan.GemAmounts.push_back(amount);
}

std::optional<int> RemovePlannedGem(OmniCrafted& plan, int position) {
  if (InPlan(plan, position)) {
    plan.GemStats.erase(plan.GemStats.begin() + position);
    plan.GemAmounts.erase(plan.GemAmounts.begin() + position);
  }
  const int size = PlanSize(plan);
  if (size == 0) return std::nullopt;
  return std::clamp(position, 0, size - 1);
}

void RemoveAllPlannedGems(OmniCrafted& plan) {
  plan.GemStats.clear();
  plan.GemAmounts.clear();
}

std::string PlannedGemText(StatId stat, std::int32_t amount) {
  return std::string(GemStatLabel(GemStatEntryOf(stat))) + "+" + std::to_string(amount);
}

std::vector<std::string> PlannedGemTexts(const OmniCrafted& plan) {
  std::vector<std::string> texts;
  for (int position = 0; position < PlanSize(plan); ++position)
    texts.push_back(PlannedGemText(plan.GemStats[Index(position)], plan.GemAmounts[Index(position)]));
  return texts;
}

std::string GemImbueCostText(StatId stat, std::int32_t amount) {
  return std::string(kGemImbueCostCaption) + ImbueText(GemImbuePoints(stat, amount));
}

// ---- the slots given over to the plan ----

std::array<bool, kPlanSlotCount> PlanSlotChecks(const OmniCrafted& plan) {
  std::array<bool, kPlanSlotCount> checks{};
  for (int check = 0; check < kPlanSlotCount; ++check)
    checks[Index(check)] = plan.SlotFlags[Index(slot::Chest + check)] != 0;
  return checks;
}

void SetPlanSlots(OmniCrafted& plan, const std::array<bool, kPlanSlotCount>& checks) {
  for (int check = 0; check < kPlanSlotCount; ++check)
    plan.SlotFlags[Index(slot::Chest + check)] = checks[Index(check)] ? 1 : 0;
}

// ---- gem analysis ----

GemAnalysis AnalyseGems(const OmniCrafted& plan) {
  GemAnalysis analysis;
  analysis.GemCount = PlanSize(plan);
  for (int position = 0; position < analysis.GemCount; ++position) {
    const double points = AnalysedPoints(plan.GemStats[Index(position)], plan.GemAmounts[Index(position)]);
    analysis.TotalImbue += points;
    analysis.HighestImbue = std::max(analysis.HighestImbue, points);
    if (points > 0 && points < kLowestImbueBound && (analysis.LowestImbue == 0 || points < analysis.LowestImbue))
      analysis.LowestImbue = points;
  }
  if (analysis.GemCount > 0) analysis.AverageImbue = analysis.TotalImbue / analysis.GemCount;
  analysis.ItemsSelected = static_cast<int>(
      std::count_if(plan.SlotFlags.begin(), plan.SlotFlags.end(), [](std::uint8_t f) { return f != 0; }));
  analysis.GemSlotsAvailable = kGemSlots * analysis.ItemsSelected;
  analysis.GemsOverSlots = analysis.GemCount - analysis.GemSlotsAvailable;
  return analysis;
}

std::vector<std::pair<std::string_view, std::string>> AnalysisRows(const GemAnalysis& analysis) {
  return {
      {"Gem Count in Omni-Item", CountText(analysis.GemCount)},
      {"Highest Imbue Value", ImbueText(analysis.HighestImbue)},
      {"Lowest Imbue Value", ImbueText(analysis.LowestImbue)},
      {"Average Imbue Value", ImbueText(analysis.AverageImbue)},
      {"Total Imbue Cost", ImbueText(analysis.TotalImbue)},
      {"Total Items Selected", CountText(analysis.ItemsSelected)},
      {"Gem Slots Available", CountText(analysis.GemSlotsAvailable)},
      {"Gems over Slots Available", CountText(analysis.GemsOverSlots)},
  };
}

// ---- moving gems between the plan and a crafted item ----

bool CanTakePlannedGem(const OmniCrafted& plan, int position, const CraftedItem& item) {
  return InPlan(plan, position) && FirstEmptyGemSlot(item).has_value() &&
         !ItemHoldsStat(item, plan.GemStats[Index(position)]);
}

std::optional<int> TakePlannedGem(OmniCrafted& plan, int position, CraftedItem& item) {
  if (!CanTakePlannedGem(plan, position, item)) return std::nullopt;
  const int gemSlot = *FirstEmptyGemSlot(item);
  const StatId stat = plan.GemStats[Index(position)];
  const std::int32_t amount = plan.GemAmounts[Index(position)];
  item.StatIds[Index(gemSlot)] = stat;
  item.StatValues[Index(gemSlot)] = amount;
  item.GemTiers[Index(gemSlot)] = static_cast<std::uint16_t>(std::max(0, GemTierOf(stat, amount)));
  RemovePlannedGem(plan, position);
  return gemSlot;
}

bool CanReturnGem(const CraftedItem& item, int gemSlot) {
  return InGemSlots(gemSlot) && GemImbuePoints(item.StatIds[Index(gemSlot)], item.StatValues[Index(gemSlot)]) > 0;
}

bool ReturnGemToPlan(OmniCrafted& plan, CraftedItem& item, int gemSlot) {
  if (!CanReturnGem(item, gemSlot)) return false;
  AddPlannedGem(plan, item.StatIds[Index(gemSlot)], item.StatValues[Index(gemSlot)]);
  item.StatIds[Index(gemSlot)] = 0;
  return true;
}

}  // namespace davoruzivi
