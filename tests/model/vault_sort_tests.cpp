// The vault loader's sort orders over a query result.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/decimal_text.h"
#include "model/test_support.h"
#include "itemdb/item_metrics.h"
#include "itemdb/vault_sort.h"

namespace davoruzivi {
namespace {

using Positions = std::vector<std::size_t>;

// Every record of the vault, in vault order, as the cleared query lists it.
VaultQueryResult ListOf(const MasterVault& vault) {
  VaultQuery query;
  query.Run(vault, {});
  return query.Result();
}

using test::VaultOf;

VaultItem Item(std::string_view name) {
  VaultItem item = ResetVaultItem();
  item.Name = name;
  return item;
}

Positions Sorted(const MasterVault& vault, VaultSortOrder order) {
  VaultQueryResult result = ListOf(vault);
  SortVaultResult(result, vault, order);
  return result.positions;
}

TEST(VaultSort, NamesAscendWithLettersComparedAsCapitals) {
  const MasterVault vault = VaultOf({Item("cherry"), Item("Apple"), Item("banana"), Item("APPLE"), Item("a_"),
                                     Item("aa"), Item("Caf\xE9"), Item("Cafe")});
  // "_" lies after the capitals; the byte 0xE9 after every ASCII letter.
  EXPECT_EQ(Sorted(vault, VaultSortOrder::Name), (Positions{5, 1, 3, 4, 2, 7, 6, 0}));
  EXPECT_LT(CompareNamesIgnoringCase("ab", "ABC"), 0);
  EXPECT_GT(CompareNamesIgnoringCase("\xE9", "\xC9"), 0);

  VaultQueryResult result = ListOf(vault);
  SortVaultResult(result, vault, VaultSortOrder::Name);
  EXPECT_EQ(result.names[0], "aa");  // names move with their positions
  VaultQuery query;
  query.Settings().name = "nothing";
  query.Run(vault, {});
  VaultQueryResult marker = query.Result();
  SortVaultResult(marker, vault, VaultSortOrder::Name);
  EXPECT_TRUE(marker.IsNoMatch()) << "the marker is left alone";
}

TEST(VaultSort, ItemLevelDescendsAndEqualLevelsKeepTheQueryOrder) {
  std::vector<VaultItem> items;
  for (const int level : {50, 51, 50, 40, 51}) {
    items.push_back(Item("item"));
    items.back().Level = static_cast<std::uint16_t>(level);
  }
  EXPECT_EQ(Sorted(VaultOf(items), VaultSortOrder::ItemLevel), (Positions{1, 4, 0, 2, 3}));
}

TEST(VaultSort, UtilityComparesTheShownOneDecimalTexts) {
  std::vector<VaultItem> items(3, Item("item"));
  items[0].StatIds[0] = 10;  // Hit Points 21: 5.25, shown 5.3
  items[0].StatValues[0] = 21;
  items[1].StatIds[0] = 1;  // Strength 8: 5.33, shown 5.3
  items[1].StatValues[0] = 8;
  items[2].StatIds[0] = 1;  // Strength 9: 6.0
  items[2].StatValues[0] = 9;
  EXPECT_EQ(Sorted(VaultOf(items), VaultSortOrder::Utility), (Positions{2, 0, 1}));
}

TEST(VaultSort, BonusLevelStatCountAndItemTypeDescend) {
  std::vector<VaultItem> items(3, Item("item"));
  items[0].BonusLevelManual = 1;
  items[0].BonusLevel = 12;
  items[1].ItemType = 12;  // Mythirian: 50
  items[2].StatIds = {1, 1, 1};
  items[2].StatValues = {1, 1, 1};
  EXPECT_EQ(Sorted(VaultOf(items), VaultSortOrder::BonusLevel), (Positions{1, 0, 2}));
  EXPECT_EQ(Sorted(VaultOf(items), VaultSortOrder::StatCount), (Positions{2, 0, 1}));
  EXPECT_EQ(Sorted(VaultOf(items), VaultSortOrder::ItemType), (Positions{1, 0, 2}));
}

// ---- the loader's own procedure ----

// True when the entry before should come after the entry, reading every key
// from the texts the planner shows.
bool OutOfOrder(VaultSortOrder order, const VaultItem& before, const VaultItem& after) {
  const auto shown = [](const std::string& text) { return ParseDecimal(text).value(); };
  switch (order) {
    case VaultSortOrder::Name: return CompareNamesIgnoringCase(before.Name, after.Name) > 0;
    case VaultSortOrder::Utility: return shown(UtilityOf(before)) < shown(UtilityOf(after));
    case VaultSortOrder::ToAUtility: return shown(ToAUtilityOf(before)) < shown(ToAUtilityOf(after));
    case VaultSortOrder::BonusLevel: return shown(BonusLevelOf(before)) < shown(BonusLevelOf(after));
    case VaultSortOrder::StatCount: return std::stoi(StatCountOf(before)) < std::stoi(StatCountOf(after));
    case VaultSortOrder::ItemLevel: return before.Level < after.Level;
    case VaultSortOrder::ItemType: return before.ItemType < after.ItemType;
  }
  return false;
}

// Walks forward comparing each entry with the one before it; an out-of-order
// pair is swapped and the walk steps back, never before the second entry.
Positions ExchangeSorted(const MasterVault& vault, Positions positions, VaultSortOrder order) {
  std::size_t i = 1;
  while (i < positions.size()) {
    if (OutOfOrder(order, vault.Items()[positions[i - 1]], vault.Items()[positions[i]])) {
      std::swap(positions[i - 1], positions[i]);
      if (i > 1) --i;
    } else {
      ++i;
    }
  }
  return positions;
}

VaultItem RandomItem(std::mt19937& engine) {
  constexpr std::string_view kLetters = "aAbB_\xE9";
  constexpr StatId kStats[] = {1, 10, 11, 28, 54, 134, 146, 148, 169, 171};
  VaultItem item = ResetVaultItem();
  std::string name;
  for (unsigned n = 1 + engine() % 3; n > 0; --n) name += kLetters[engine() % kLetters.size()];
  item.Name = name;
  item.Level = static_cast<std::uint16_t>(48 + engine() % 4);
  item.ItemType = static_cast<std::uint16_t>(engine() % 4);
  for (unsigned slot = 0, count = engine() % 4; slot < count; ++slot) {
    item.StatIds[slot] = kStats[engine() % std::size(kStats)];
    item.StatValues[slot] = static_cast<std::int32_t>(engine() % 30) - 5;
  }
  if (engine() % 8 == 0) {
    item.BonusLevelManual = 1;
    item.BonusLevel = static_cast<std::uint16_t>(engine() % 60);
  }
  return item;
}

TEST(VaultSort, GivesTheOrderOfTheStableExchangeSort) {
  std::mt19937 engine(1124);
  for (int round = 0; round < 300; ++round) {
    std::vector<VaultItem> items;
    for (unsigned n = 2 + engine() % 12; n > 0; --n) items.push_back(RandomItem(engine));
    const MasterVault vault = VaultOf(items);
    for (int entry = 0; entry < kVaultSortOrderCount; ++entry) {
      const VaultSortOrder order = *VaultSortOrderOf(entry);
      const VaultQueryResult listed = ListOf(vault);
      ASSERT_EQ(Sorted(vault, order), ExchangeSorted(vault, listed.positions, order))
          << "round " << round << ", order " << entry;
    }
  }
}

}  // namespace
}  // namespace davoruzivi
