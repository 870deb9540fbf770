// The spellcraft rules: gem amounts and costs, charge, capacity and overcharge,
// the fifth slot, and the one-stat-per-item gem stat list.

#include <gtest/gtest.h>

#include <limits>

#include "spellcraft/spellcraft.h"

namespace davoruzivi {
namespace {

CraftedItem ItemWithGems(std::array<StatId, 4> stats, std::array<std::int32_t, 4> amounts) {
  CraftedItem item;
  for (std::size_t slot = 0; slot < stats.size(); ++slot) {
    item.StatIds[slot] = stats[slot];
    item.StatValues[slot] = amounts[slot];
  }
  return item;
}

TEST(SpellcraftRules, CategoriesChangeAtTheirBoundaries) {
  const std::pair<int, GemCategory> cases[] = {
      {0, GemCategory::None},   {8, GemCategory::Attribute}, {9, GemCategory::Power},   {10, GemCategory::HitPoints},
      {19, GemCategory::Resist}, {21, GemCategory::AllSkills}, {22, GemCategory::Focus}, {53, GemCategory::Skill},
      {54, GemCategory::Focus}, {134, GemCategory::None},     {185, GemCategory::Skill}, {190, GemCategory::None}};
  for (const auto& [stat, category] : cases) EXPECT_EQ(GemCategoryOf(stat), category) << stat;
}

TEST(SpellcraftRules, AmountsTiersAndImbuePointsOfEachCategory) {
  EXPECT_EQ(GemAmount(1, 9), 29);
  EXPECT_EQ(GemAmount(28, 7), 8);
  EXPECT_EQ(GemAmount(28, 8), 0);  // skills stop at tier 7
  EXPECT_EQ(GemAmount(20, 1), 0);  // all-skills have tier 0 only
  EXPECT_EQ(GemAmount(1, -1), 0);
  EXPECT_EQ(GemTierOf(10, 76), 9);
  EXPECT_EQ(GemTierOf(9, 4), -1);
  EXPECT_EQ(GemImbuePoints(1, 29), 16.0);   // attribute, truncated
  EXPECT_EQ(GemImbuePoints(11, 17), 32.0);  // resist
  EXPECT_EQ(GemImbuePoints(9, 3), 4.0);     // power
  EXPECT_EQ(GemImbuePoints(10, 6), 1.5);    // hit points, not rounded
  EXPECT_EQ(GemImbuePoints(29, 8), 35.0);   // skill
  EXPECT_EQ(GemImbuePoints(22, 50), 1.0);   // all-skills and focus cost 1 whatever the amount
  EXPECT_EQ(GemImbuePoints(150, 17), 0.0);
}

TEST(SpellcraftRules, ImbuePointsOfAGemTier) {
  EXPECT_EQ(GemTierImbuePoints(1, 9), 16.0);   // Perfect Strength, 29
  EXPECT_EQ(GemTierImbuePoints(1, 0), 1.0);    // Raw Strength, 2
  EXPECT_EQ(GemTierImbuePoints(11, 9), 32.0);  // 17 Crush Resist
  EXPECT_EQ(GemTierImbuePoints(10, 9), 19.0);  // 76 Hit Points
  EXPECT_EQ(GemTierImbuePoints(29, 7), 35.0);  // 8 Slash
  EXPECT_EQ(GemTierImbuePoints(22, 9), 1.0);   // focus
  EXPECT_EQ(GemTierImbuePoints(20, 0), 1.0);   // all-skills
  // A tier the category lacks costs nothing, even where any amount would cost 1.
  EXPECT_EQ(GemTierImbuePoints(20, 1), 0.0);
  EXPECT_EQ(GemTierImbuePoints(22, 10), 0.0);
  EXPECT_EQ(GemTierImbuePoints(29, 8), 0.0);
  EXPECT_EQ(GemTierImbuePoints(1, -1), 0.0);
  EXPECT_EQ(GemTierImbuePoints(0, 0), 0.0);
  EXPECT_EQ(GemTierImbuePoints(22, std::numeric_limits<int>::max()), 0.0);
}

TEST(SpellcraftRules, ChargeCountsTheHighestGemTwice) {
  EXPECT_EQ(ItemCharge({16.0, 16.0, 0.0, 0.0}).charge, 24.0);
  EXPECT_EQ(ItemCharge({-2.0, 0.0, 0.0, 0.0}).charge, 0.0);

  const ChargeFigures item = ItemCharge(ItemWithGems({1, 10, 29, 0}, {29, 76, 8, 0}));
  EXPECT_EQ(item.points, (std::array<double, 4>{16.0, 19.0, 35.0, 0.0}));
  EXPECT_EQ(item.high, 35.0);
  EXPECT_EQ(item.charge, 52.5);
  EXPECT_EQ(ImbueText(24.0) + " " + ImbueText(19.25), "24.0 19.3") << "shown with one decimal";
}

TEST(SpellcraftRules, CapacityAndOverchargeByLevelAndArmour) {
  EXPECT_EQ(ImbueCapacity(51, kClothAbsorption), 32);
  EXPECT_EQ(MaxOvercharge(51, kClothAbsorption), 37.5);
  EXPECT_EQ(ImbueCapacity(50, kClothAbsorption), 30);
  EXPECT_EQ(MaxOvercharge(50, kClothAbsorption), 35.5);
  EXPECT_EQ(ImbueCapacity(50, 1), 31);
  EXPECT_EQ(MaxOvercharge(50, 1), 36.5);
  EXPECT_EQ(ImbueCapacity(1, kNonArmorAbsorption), 1);
  EXPECT_EQ(ImbueCapacity(1, kClothAbsorption), 0);
  EXPECT_EQ(ImbueCapacity(99, 3), 32);  // outside 1..51: the nearest level

  EXPECT_FALSE(IsOvercharged(37.5, 51, kClothAbsorption));
  EXPECT_TRUE(IsOvercharged(37.6, 51, kClothAbsorption));
}

TEST(SpellcraftRules, FifthSlotNeedsLevel51AndFourGems) {
  const CraftedItem threeGems = ItemWithGems({1, 0, 11, 29}, {2, 0, 1, 1});
  EXPECT_EQ(GemCount(threeGems, false), 3);
  EXPECT_FALSE(FifthSlotActive(threeGems, false));
  EXPECT_EQ(GemCount(threeGems, true), 4);
  EXPECT_TRUE(FifthSlotActive(threeGems, true));
  EXPECT_TRUE(FifthSlotActive(ItemWithGems({1, 2, 3, 4}, {2, 2, 2, 2}), false));

  CraftedItem bonusesBeyondTheGems = ItemWithGems({1, 2, 3, 0}, {2, 2, 2, 0});
  bonusesBeyondTheGems.StatIds[4] = 5;
  EXPECT_EQ(GemCount(bonusesBeyondTheGems, false), 3);

  EXPECT_TRUE(FifthSlotAvailable(51));
  EXPECT_FALSE(FifthSlotAvailable(50));
}

TEST(SpellcraftRules, GemStatListSkipsToTheMaulerSkills) {
  const std::span<const StatId> list = GemStatList();
  ASSERT_EQ(list.size(), 139u);
  EXPECT_EQ(list[133], 133);
  EXPECT_EQ(list[134], 185);
  for (std::size_t entry = 0; entry < list.size(); ++entry)
    EXPECT_EQ(GemStatEntryOf(list[entry]), static_cast<int>(entry));
  EXPECT_EQ(GemStatEntryOf(134), -1);
  EXPECT_EQ(GemStatEntryOf(190), -1);
}

TEST(SpellcraftRules, NextFreeStatMovesInTheDirectionOfTheChoice) {
  // Gem 2 (slot 1) scrolled down from 11 onto gem 1's stat 10: the next lower free entry.
  EXPECT_EQ(NextFreeStat({10, 11, 3, 4}, 1, 10, 11), 9);
  EXPECT_EQ(NextFreeStat({10, 5, 11, 12}, 1, 10, 5), 13);  // scrolling up
  EXPECT_EQ(NextFreeStat({10, 5, 3, 4}, 1, 20, 5), 20);    // a free entry is kept
  EXPECT_EQ(NextFreeStat({10, 11, 3, 4}, 1, 11, 11), 11);  // its own entry does not count
  // Empty slots count as used, so moving down never stops on "<Empty>" while another is empty.
  EXPECT_EQ(NextFreeStat({2, 5, 1, 0}, 1, 2, 5), 0);
  EXPECT_EQ(NextFreeStat({2, 5, 0, 0}, 1, 3, 5), 3);
  // Leaving the list at either end empties the slot.
  EXPECT_EQ(NextFreeStat({138, 130, 3, 4}, 1, 138, 130), 0);
  EXPECT_EQ(NextFreeStat({1, 5, 3, 4}, 1, 1, 5), 0);
}

}  // namespace
}  // namespace davoruzivi
