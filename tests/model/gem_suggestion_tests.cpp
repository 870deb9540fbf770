// Gem suggestion: the one-item optimum against every gem set the engine can
// tell apart, stats at cap left alone, the budgets, all-skill gems,
// determinism, and several items never below the one-at-a-time reference.

#include <gtest/gtest.h>

#include <algorithm>

#include "itemdb/master_vault.h"
#include "model/test_support.h"
#include "spellcraft/spellcraft.h"
#include "stats/stat_engine.h"
#include "template/template.h"

namespace davoruzivi {
namespace {

constexpr int kArmsman = 0;
constexpr StatId kStrength = 1, kAllMelee = 20;

class GemSuggestionTest : public ::testing::Test {
 protected:
  GemSuggestionTest() {
    model_.ClassIndex = kArmsman;
    model_.Configurations = {NewConfiguration("Highlander")};
    model_.CurrentConfiguration = 0;
    Current().Level = 50;
  }

  Configuration& Current() { return model_.Configurations[0]; }

  // A crafted item of the level in the slot, plate in armour slots, equipped.
  CraftedItem& Craft(int equipmentSlot, int level) {
    auto& items = model_.ListsOf(SlotKindOf(equipmentSlot)).CraftedItems;
    CraftedItem item;
    item.Name = "Crafted";
    item.ItemLevel = static_cast<std::uint8_t>(level);
    item.Absorption = equipmentSlot <= slot::Feet ? 4 : kNonArmorAbsorption;
    items.push_back(item);
    Current().Slots[static_cast<std::size_t>(equipmentSlot)] = "c" + std::to_string(items.size() - 1);
    return items.back();
  }

  // An inline item with the bonuses, equipped in the slot.
  void Wear(int equipmentSlot, std::initializer_list<std::pair<int, int>> bonuses) {
    InlineItem item;
    item.Name = "Worn";
    std::size_t j = 0;
    for (const auto& [stat, amount] : bonuses) {
      item.StatIds[j] = static_cast<StatId>(stat);
      item.StatValues[j++] = amount;
    }
    auto& items = model_.ListsOf(SlotKindOf(equipmentSlot)).InlineItems;
    items.push_back(item);
    Current().Slots[static_cast<std::size_t>(equipmentSlot)] =
        MakeSlotRef(ItemList::Inline, static_cast<int>(items.size()) - 1);
  }

  double Utility(const Template& model) const {
    return CappedUtility(CalcStats(model, vault_, applied_, model.Configurations[0]), applied_);
  }

  GemSuggestion Suggest(std::vector<int> slots, GemBudget budget = GemBudget::Capacity) const {
    return SuggestGems(model_, vault_, applied_, model_.Configurations[0], slots, budget);
  }

  MasterVault vault_;
  AppliedClass applied_ = ApplyClass(kArmsman);
  Template model_;
};

std::vector<SuggestedGem> GemsWithPoints(int maxPoints) {
  std::vector<SuggestedGem> gems;
  for (int entry = 1; entry < kGemStatEntryCount; ++entry) {
    const StatId stat = GemStatOfEntry(entry);
    for (int tier = 0; tier < GemTierCount(stat); ++tier)
      if (GemTierImbuePoints(stat, tier) <= maxPoints)
        gems.push_back({stat, GemAmount(stat, tier), static_cast<std::uint16_t>(tier)});
  }
  return gems;
}

TEST_F(GemSuggestionTest, OneItemIsTheBestOfEveryGemSetWithinItsCapacity) {
  Craft(slot::Chest, 2);  // capacity 2: one gem of two points, or up to three of one point
  ASSERT_EQ(ImbueCapacity(2, 4), 2);
  const double base = Utility(model_);
  // Only gems that raise the utility alone can raise it beside others.
  std::vector<SuggestedGem> useful;
  for (const SuggestedGem& gem : GemsWithPoints(2)) {
    Template trial = model_;
    SuggestedItem item{slot::Chest, {gem}, 0};
    ApplySuggestedGems(item, CraftedItemIn(trial, trial.Configurations[0], slot::Chest));
    if (Utility(trial) > base + 1e-9) useful.push_back(gem);
  }
  ASSERT_FALSE(useful.empty());
  double best = base;
  const auto tryGems = [&](std::vector<SuggestedGem> gems) {
    std::array<double, kGemSlots> points{};
    for (std::size_t n = 0; n < gems.size(); ++n) {
      for (std::size_t m = 0; m < n; ++m)
        if (gems[m].stat == gems[n].stat) return;
      points[n] = GemImbuePoints(gems[n].stat, gems[n].amount);
    }
    if (ItemCharge(points).charge > 2) return;
    Template trial = model_;
    SuggestedItem item{slot::Chest, {}, 0};
    std::copy(gems.begin(), gems.end(), item.gems.begin());
    ApplySuggestedGems(item, CraftedItemIn(trial, trial.Configurations[0], slot::Chest));
    best = std::max(best, Utility(trial));
  };
  for (std::size_t a = 0; a < useful.size(); ++a) {
    tryGems({useful[a]});
    for (std::size_t b = a + 1; b < useful.size(); ++b) {
      tryGems({useful[a], useful[b]});
      for (std::size_t c = b + 1; c < useful.size(); ++c) tryGems({useful[a], useful[b], useful[c]});
    }
  }
  const GemSuggestion suggestion = Suggest({slot::Chest});
  ASSERT_EQ(suggestion.items.size(), 1u);
  EXPECT_NEAR(suggestion.after, best, 1e-6);
  EXPECT_NEAR(suggestion.before, base, 1e-9);
  EXPECT_LE(suggestion.items[0].charge, 2.0);
}

TEST_F(GemSuggestionTest, AStatAtCapGetsNoGemAndAllMeleeServesEverySkill) {
  Wear(slot::Jewel, {{kStrength, 75}});  // Strength at its cap of 75
  Craft(slot::Chest, 51);
  const GemSuggestion suggestion = Suggest({slot::Chest});
  const auto& gems = suggestion.items.at(0).gems;
  EXPECT_TRUE(std::none_of(gems.begin(), gems.end(), [](const SuggestedGem& g) { return g.stat == kStrength; }));
  // Every melee skill of the class is under its cap: one All Melee gem raises them all.
  EXPECT_TRUE(std::any_of(gems.begin(), gems.end(), [](const SuggestedGem& g) { return g.stat == kAllMelee; }));
  EXPECT_GT(suggestion.after, suggestion.before);
}

TEST_F(GemSuggestionTest, BudgetsAndDeterminism) {
  for (int s : {slot::Chest, slot::Head, slot::Legs, slot::RightHand}) Craft(s, 51);
  const std::vector<int> slots = CraftedSlotsCounted(model_, Current());
  EXPECT_EQ(slots, (std::vector<int>{slot::Chest, slot::Head, slot::Legs}))
      << "a right hand weapon does not count while two-handed weapons are equipped";
  const GemSuggestion atCapacity = Suggest(slots);
  for (const SuggestedItem& item : atCapacity.items) EXPECT_LE(item.charge, ImbueCapacity(51, 4));
  const GemSuggestion again = Suggest(slots);
  EXPECT_EQ(again.items, atCapacity.items);

  const GemSuggestion atMaximum = Suggest(slots, GemBudget::MaxOvercharge);
  EXPECT_GE(atMaximum.after, atCapacity.after);
  EXPECT_TRUE(std::any_of(atMaximum.items.begin(), atMaximum.items.end(),
                          [](const SuggestedItem& item) { return item.charge > ImbueCapacity(51, 4); }));
  for (const SuggestedItem& item : atMaximum.items) EXPECT_LE(item.charge, MaxOvercharge(51, 4));
}

// The reference: items replaced one at a time, slots ascending, by their own
// best over the others, until a pass improves nothing.
TEST_F(GemSuggestionTest, SeveralItemsReachAtLeastTheOneAtATimeReference) {
  for (int s : {slot::Chest, slot::Head, slot::Arms, slot::Hands, slot::Legs, slot::Feet}) Craft(s, 51);
  CraftedItem& loadedOverBudget = model_.ListsOf(SlotKindOf(slot::Head)).CraftedItems[0];
  loadedOverBudget.StatIds[0] = 11;
  loadedOverBudget.StatValues[0] = 17;  // a real gem, alone over nothing...
  loadedOverBudget.StatIds[1] = 12;
  loadedOverBudget.StatValues[1] = 17;  // ... but two of them overcharge the helm
  const std::vector<int> slots = CraftedSlotsCounted(model_, Current());
  const GemSuggestion suggestion = Suggest(slots);

  Template reference = model_;
  double score = Utility(reference);
  for (bool improved = true; improved;) {
    improved = false;
    for (int s : slots) {
      const GemSuggestion one = SuggestGems(reference, vault_, applied_, reference.Configurations[0],
                                            std::vector<int>{s}, GemBudget::Capacity);
      if (one.after > score + 1e-9) {
        ApplySuggestedGems(one.items[0], CraftedItemIn(reference, reference.Configurations[0], s));
        score = one.after;
        improved = true;
      }
    }
  }
  EXPECT_GE(suggestion.after, score - 1e-9);
  EXPECT_GT(suggestion.after, suggestion.before);
  // The suggestion's score is the engine's for its gems.
  Template applied = model_;
  for (const SuggestedItem& item : suggestion.items)
    ApplySuggestedGems(item, CraftedItemIn(applied, applied.Configurations[0], item.equipmentSlot));
  EXPECT_NEAR(Utility(applied), suggestion.after, 1e-9);
}

}  // namespace
}  // namespace davoruzivi
