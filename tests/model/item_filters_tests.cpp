// The filter page of the item windows and what it writes into the vault query.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "itemdb/item_filters.h"
#include "itemdb/stat_catalogue.h"
#include "model/test_support.h"

namespace davoruzivi {
namespace {

TEST(ItemFilters, ListsHoldTheirEntries) {
  const auto stats = ItemStatFilterList();
  ASSERT_EQ(stats.size(), 191u);
  EXPECT_EQ(stats[0], "<Unfiltered>");
  EXPECT_EQ(stats[1], "Strength");
  EXPECT_EQ(stats[2], "Strength Cap");
  EXPECT_EQ(stats[17], "Acuity");
  EXPECT_EQ(stats[18], "Acuity Cap");
  EXPECT_EQ(stats[19], "Power Pool %");
  EXPECT_EQ(stats[36], "Essence Resist");
  EXPECT_EQ(stats[37], "All Melee Skills");
  EXPECT_EQ(stats[83], "Debuff Bonus");
  EXPECT_EQ(stats[84], "Slash Skill");
  // Every entry but "Essence Resist" names a catalogue stat, and none twice.
  std::vector<int> seen;
  for (std::size_t entry = 1; entry < stats.size(); ++entry) {
    if (stats[entry] == "Essence Resist") continue;
    const int stat = StatCatalogue().ExactIndexOf(stats[entry]);
    ASSERT_GT(stat, 0) << stats[entry];
    EXPECT_EQ(std::count(seen.begin(), seen.end(), stat), 0) << stats[entry];
    seen.push_back(stat);
  }

  ASSERT_EQ(QualityFilterList().size(), 33u);
  EXPECT_EQ(QualityFilterList()[0], "70+");
  EXPECT_EQ(QualityFilterList()[29], "99+");
  EXPECT_EQ(QualityFilterList()[32], "<No Quality Filtering>");
  ASSERT_EQ(LevelFilterList().size(), 53u);
  EXPECT_EQ(LevelFilterList()[52], "52+");
  EXPECT_EQ(LoaderSortList()[3], "Bonus Level");
  EXPECT_EQ(GrabberSortList()[3], "Bonus Level (Default)");
  ASSERT_EQ(SlotFilterList().size(), 18u);
  EXPECT_EQ(SlotFilterList()[17], "Mythirians");
}

TEST(ItemFilters, LevelBoundsStayConsistentAndClearRestoresDefaults) {
  ItemFilters filters;
  ChooseMaximumLevel(filters, 30);
  ChooseMinimumLevel(filters, 40);
  EXPECT_EQ(filters.maximumLevel, 40);
  ChooseMaximumLevel(filters, 20);
  EXPECT_EQ(filters.minimumLevel, 20);
  ResetLevelRange(filters);
  EXPECT_EQ(filters.minimumLevel, 0);
  EXPECT_EQ(filters.maximumLevel, 52);

  filters.itemType = 4;
  filters.stats[2] = 7;
  filters.amounts[2] = "15";
  filters.quality = 3;
  filters.verifiedOnly = true;
  ClearItemFilters(filters, 5);
  ItemFilters expected;
  expected.sort = 5;
  EXPECT_EQ(filters, expected);
}

TEST(ItemFilters, AmountsKeepDigitsWithinTheirBound) {
  EXPECT_EQ(CorrectedAmountText("0075", 200), "75");
  EXPECT_EQ(CorrectedAmountText("250", 200), "200");
  EXPECT_EQ(CorrectedAmountText("", 200), "0");
  EXPECT_EQ(CorrectedAmountText("000", 200), "0");
  EXPECT_EQ(CorrectedAmountText("1x2", 5000), "12");
  EXPECT_EQ(CorrectedAmountText("99999999999999999999", 5000), "5000");
}

TEST(ItemFilters, FillWritesStatsByNameAndTheRestByIndex) {
  ItemFilters filters;
  filters.stats = {1, 2, 36, 0, 190};  // Strength, Strength Cap, Essence Resist, none, Focus: Cave Magic
  filters.amounts[0] = "10";
  filters.itemType = 3;
  filters.armour = 2;
  filters.weaponType = 5;
  filters.effect = 9;
  filters.minimumLevel = 45;
  filters.quality = 31;
  filters.verifiedOnly = true;
  VaultQuerySettings settings;
  FillQuerySettings(filters, settings);
  EXPECT_EQ(settings.stats[0].stat, 1);
  EXPECT_EQ(settings.stats[0].minimumAmount, "10");
  EXPECT_EQ(settings.stats[1].stat, 134);
  EXPECT_EQ(settings.stats[2].stat, -1);  // the catalogue has no "Essence Resist"
  EXPECT_EQ(settings.stats[3].stat, 0);
  EXPECT_EQ(settings.stats[4].stat, 246);
  EXPECT_EQ(settings.itemType, 3);
  EXPECT_EQ(settings.absorb, 2);
  EXPECT_EQ(settings.weaponType, 5);
  EXPECT_EQ(settings.effect, 9);
  EXPECT_EQ(settings.minimumLevel, 45);
  EXPECT_EQ(settings.maximumLevel, 52);
  EXPECT_EQ(settings.quality, 31);
  EXPECT_TRUE(settings.verifiedOnly);
  EXPECT_EQ(settings.realm, 3);  // untouched
}

}  // namespace
}  // namespace davoruzivi
