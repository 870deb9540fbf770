// The omnicrafter's plan: planned gems, slots given over, the gem analysis,
// and moving gems between the plan and a crafted item.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "spellcraft/spellcraft.h"
#include "template/slots.h"

namespace davoruzivi {
namespace {

constexpr StatId kStrength = 1, kConstitution = 2, kHitPoints = 10, kCrushResist = 11, kMaulerStaff = 185;

OmniCrafted PlanOf(std::vector<std::pair<StatId, std::int32_t>> gems) {
  OmniCrafted plan;
  for (const auto& [stat, amount] : gems) AddPlannedGem(plan, stat, amount);
  return plan;
}

std::string Row(const OmniCrafted& plan, std::string_view key) {
  for (const auto& [k, value] : AnalysisRows(AnalyseGems(plan)))
    if (k == key) return value;
  return "missing";
}

CraftedItem ItemWith(std::vector<std::pair<StatId, std::int32_t>> gems) {
  CraftedItem item;
  item.ItemLevel = 51;
  for (std::size_t g = 0; g < gems.size(); ++g) {
    item.StatIds[g] = gems[g].first;
    item.StatValues[g] = gems[g].second;
  }
  return item;
}

TEST(PlannedGems, AddRemoveAndPickNext) {
  OmniCrafted plan = PlanOf({{kStrength, 29}, {0, 5}, {kCrushResist, 17}, {kHitPoints, 76}});
  ASSERT_EQ(plan.GemStats, (std::vector<StatId>{kStrength, kCrushResist, kHitPoints}));  // no stat: not added
  EXPECT_EQ(RemovePlannedGem(plan, 1), 1);
  EXPECT_EQ(plan.GemAmounts, (std::vector<std::int32_t>{29, 76}));
  EXPECT_EQ(RemovePlannedGem(plan, 1), 0);  // the last gem went: pick the new last
  EXPECT_EQ(RemovePlannedGem(plan, 5), 0);  // nothing there: nothing removed
  EXPECT_EQ(RemovePlannedGem(plan, 0), std::nullopt);
  EXPECT_TRUE(plan.GemStats.empty() && plan.GemAmounts.empty());
}

TEST(PlannedGems, TextsUseTheGemStatLabels) {
  const OmniCrafted plan = PlanOf({{kStrength, 29}, {kMaulerStaff, 3}, {21, 1}});
  EXPECT_EQ(PlannedGemTexts(plan), (std::vector<std::string>{"Strength+29", "Mauler Staff+3", "All Casting +1"}));
  EXPECT_EQ(GemImbueCostText(kHitPoints, 76), "Gem Imbue Cost : 19.0");
}

TEST(PlanSlots, ChecksMirrorFlagsEightToSeventeen) {
  OmniCrafted plan;
  std::array<bool, kPlanSlotCount> checks{};
  checks[0] = checks[4] = checks[9] = true;  // Chest, Legs, Ranged
  SetPlanSlots(plan, checks);
  EXPECT_EQ(plan.SlotFlags[slot::Chest] + plan.SlotFlags[slot::Legs] + plan.SlotFlags[slot::Ranged], 3);
  EXPECT_EQ(plan.SlotFlags[slot::Head] + plan.SlotFlags[slot::Mythirians], 0);
  EXPECT_EQ(PlanSlotChecks(plan), checks);
}

TEST(GemAnalysis, FourGemsOverTwoItems) {
  OmniCrafted plan = PlanOf({{kStrength, 29}, {kStrength, 29}, {kStrength, 29}, {kCrushResist, 17}});
  plan.SlotFlags[slot::Chest] = plan.SlotFlags[slot::Legs] = 1;
  const std::vector<std::pair<std::string_view, std::string>> expected = {
      {"Gem Count in Omni-Item", "4"}, {"Highest Imbue Value", "32.0"},    {"Lowest Imbue Value", "16.0"},
      {"Average Imbue Value", "20.0"}, {"Total Imbue Cost", "80.0"},       {"Total Items Selected", "2"},
      {"Gem Slots Available", "8"},    {"Gems over Slots Available", "-4"}};
  EXPECT_EQ(AnalysisRows(AnalyseGems(plan)), expected);
}

TEST(GemAnalysis, EmptyPlanAndFractionalValues) {
  const OmniCrafted empty;
  EXPECT_EQ(Row(empty, "Lowest Imbue Value"), "0.0");
  EXPECT_EQ(Row(empty, "Average Imbue Value"), "0.0");

  // 1 + 19 + 8 points: the lowest is the smallest, the average has a fraction.
  const OmniCrafted plan = PlanOf({{kConstitution, 2}, {kHitPoints, 76}, {kCrushResist, 5}});
  EXPECT_EQ(Row(plan, "Lowest Imbue Value"), "1.0");
  EXPECT_EQ(Row(plan, "Highest Imbue Value"), "19.0");
  EXPECT_EQ(Row(plan, "Average Imbue Value"), "9.3");
  EXPECT_EQ(Row(plan, "Gems over Slots Available"), "3");

  // Hit point gems count their amount / 4 rounded, halves to even: 2.5 counts 2, 3.5 counts 4.
  EXPECT_DOUBLE_EQ(AnalyseGems(PlanOf({{kHitPoints, 10}})).TotalImbue, 2.0);
  EXPECT_DOUBLE_EQ(AnalyseGems(PlanOf({{kHitPoints, 14}})).TotalImbue, 4.0);
}

TEST(TakeGem, IntoTheFirstEmptyGemSlotOrRefused) {
  OmniCrafted plan = PlanOf({{kStrength, 29}, {kCrushResist, 17}});
  CraftedItem item = ItemWith({{kConstitution, 29}, {0, 8}, {kHitPoints, 76}});
  ASSERT_TRUE(CanTakePlannedGem(plan, 1, item));
  EXPECT_EQ(TakePlannedGem(plan, 1, item), 1);
  EXPECT_EQ(item.StatIds[1], kCrushResist);
  EXPECT_EQ(item.StatValues[1], 17);
  EXPECT_EQ(item.GemTiers[1], 9);
  EXPECT_EQ(plan.GemStats, (std::vector<StatId>{kStrength}));
  EXPECT_EQ(TakePlannedGem(plan, 0, item), 3);
  EXPECT_EQ(item.GemTiers[3], 9);
  EXPECT_TRUE(plan.GemStats.empty());

  // Refused for a held stat, a full item or no gem.
  plan = PlanOf({{kStrength, 29}, {kCrushResist, 17}});
  CraftedItem holdsStrength = ItemWith({{kStrength, 5}});
  EXPECT_FALSE(CanTakePlannedGem(plan, 0, holdsStrength));
  const CraftedItem before = holdsStrength;
  EXPECT_EQ(TakePlannedGem(plan, 0, holdsStrength), std::nullopt);
  EXPECT_EQ(holdsStrength, before);
  EXPECT_EQ(plan.GemStats.size(), 2u);

  CraftedItem full = ItemWith({{3, 5}, {4, 5}, {5, 5}, {6, 5}});
  EXPECT_FALSE(CanTakePlannedGem(plan, 1, full));
  EXPECT_FALSE(CanTakePlannedGem(plan, 2, holdsStrength));
}

TEST(ReturnGem, EmptiesOnlyItsSlotAndGrowsThePlan) {
  OmniCrafted plan = PlanOf({{kStrength, 29}});
  CraftedItem item = ItemWith({{3, 29}, {kCrushResist, 17}, {kHitPoints, 76}, {kMaulerStaff, 8}});
  item.GemTiers = {9, 9, 9, 7};
  ASSERT_TRUE(CanReturnGem(item, 1));
  EXPECT_TRUE(ReturnGemToPlan(plan, item, 1));
  EXPECT_EQ(plan.GemStats, (std::vector<StatId>{kStrength, kCrushResist}));
  EXPECT_EQ(plan.GemAmounts.back(), 17);
  EXPECT_EQ(item.StatIds, (std::array<StatId, kBonusSlots>{3, 0, kHitPoints, kMaulerStaff}));
  EXPECT_EQ(item.StatValues[1], 17);  // an emptied gem slot keeps its amount and tier
  EXPECT_EQ(item.GemTiers[1], 9);

  EXPECT_FALSE(CanReturnGem(item, 1));
  EXPECT_FALSE(ReturnGemToPlan(plan, item, 1));
  EXPECT_FALSE(ReturnGemToPlan(plan, item, 4));
  EXPECT_EQ(plan.GemStats.size(), 2u);
}

}  // namespace
}  // namespace davoruzivi
