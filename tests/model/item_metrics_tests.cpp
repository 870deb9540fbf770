// Item metrics and the number formatting behind them.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "core/decimal_text.h"
#include "itemdb/itemdb.h"
#include "itemdb/item_metrics.h"

namespace davoruzivi {
namespace {

struct Bonus {
  int stat;
  std::int32_t amount;
};

constexpr int kStrength = 1, kPowerPoints = 9, kHitPoints = 10, kCrushResist = 11, kFocusAllLines = 22,
              kSlashSkill = 28, kStrengthCap = 134, kAcuity = 142, kHitPointsCap = 146, kArmorFactor = 148,
              kReducedXpLoss = 169, kArcaneSiphoning = 170, kToHitBonus = 171, kMaulerStaffSkill = 185,
              kFatigueCap = 190, kMythicalEssenceResist = 198;

VaultItem ItemWith(const std::vector<Bonus>& bonuses) {
  VaultItem item = ResetVaultItem();
  for (std::size_t slot = 0; slot < bonuses.size(); ++slot) {
    item.StatIds[slot] = static_cast<StatId>(bonuses[slot].stat);
    item.StatValues[slot] = bonuses[slot].amount;
  }
  return item;
}

TEST(FixedText, RoundsTheFifteenDigitValueWithAFollowingFiveAwayFromZero) {
  EXPECT_EQ(FixedText(-5.25, 1), "-5.3");
  EXPECT_EQ(FixedText(9.96, 1), "10.0");
  EXPECT_EQ(FixedText(0.15, 1), "0.2");  // 0.1499999... in binary
  EXPECT_EQ(FixedText(2.675, 2), "2.68");
  EXPECT_EQ(FixedText(123456789012345678.0, 0), "123456789012346000");
  EXPECT_EQ(FixedText(-0.04, 1), "0.0");
  // NearestEven sends halves to the even neighbour.
  const double cases[][2] = {{0.5, 0}, {2.5, 2}, {-1.5, -2}, {-2.5, -2}, {9.25, 9}};
  for (const auto& [value, nearest] : cases) EXPECT_EQ(NearestEven(value), nearest) << value;
}

TEST(FixedTextValue, IsExactlyTheTextReadBack) {
  std::mt19937 engine(7);
  std::vector<double> values = {0.15, -5.25, 0.05, -0.04, 9.96, 1e20, -1e17 - 0.5, 4503599627370495.5, 1.0 / 3};
  for (int i = 0; i < 2000; ++i)
    values.push_back((static_cast<int>(engine() % 4001) - 2000) / 1.5 + static_cast<int>(engine() % 97) / 4.0);
  for (const double value : values)
    for (const int decimals : {0, 1, 2})
      EXPECT_EQ(FixedTextValue(value, decimals), ParseDecimal(FixedText(value, decimals))) << value;
}

TEST(BonusLevel, DocumentedExamples) {
  const std::pair<std::vector<Bonus>, const char*> cases[] = {
      {{{kStrength, 15}, {kCrushResist, 8}, {kSlashSkill, 3}}, "24"},
      {{{kHitPoints, 40}}, "9"},
      {{{kHitPoints, 21}}, "4"},                              // nearest(4.5) = 4
      {{{kStrength, 3}, {kFocusAllLines, 5}}, "2"},           // total 5
      {{{kStrength, 4}, {kFocusAllLines, 5}}, "4"},           // total 7
      {{{kReducedXpLoss, -1}}, "-1"},                         // -0.5 is not halved
      {{{kStrength, 3}, {kReducedXpLoss, -9}}, "-1"},         // 2 - 4.5 + 2
      {{{kStrength, 75}, {kSlashSkill, 11}}, "50"},           // capped
  };
  for (const auto& [bonuses, shown] : cases) EXPECT_EQ(BonusLevelOf(ItemWith(bonuses)), shown) << shown;
}

TEST(BonusLevel, WeighsEachRowOfTheStatTable) {
  const std::pair<Bonus, const char*> cases[] = {
      {{kAcuity, 15}, "10"},         {{kPowerPoints, 1}, "0"},      {{kMythicalEssenceResist, 5}, "8"},
      {{kMaulerStaffSkill, 3}, "10"}, {{kSlashSkill, 0}, "1"},      {{kFatigueCap, 3}, "6"},
      {{kToHitBonus, 1}, "5"},       {{kArcaneSiphoning, 9}, "0"}, {{256 + kStrength, 30}, "0"},
  };
  for (const auto& [bonus, shown] : cases)
    EXPECT_EQ(BonusLevelOf(ItemWith({bonus})), shown) << "StatId " << bonus.stat;
}

TEST(BonusLevel, ItemKindsAndTheManualLevelOverrideTheBonuses) {
  const VaultItem strong = ItemWith({{kStrength, 15}});
  VaultItem item = strong;
  item.Unique = 1;
  EXPECT_EQ(BonusLevelOf(item), "0");
  item = strong;
  item.ItemType = 5;  // Player Crafted
  EXPECT_EQ(BonusLevelOf(item), "0");
  item.ItemType = 12;  // Mythirian
  item.Unique = 1;
  EXPECT_EQ(BonusLevelOf(item), "50");
  item.BonusLevelManual = 1;
  item.BonusLevel = 37;
  EXPECT_EQ(BonusLevelOf(item), "37");
  item.BonusLevel = 65535;
  EXPECT_EQ(BonusLevelKey(item), 65535.0);
}

TEST(Utility, DocumentedExamples) {
  EXPECT_EQ(UtilityOf(ItemWith({{kStrength, 15}, {kCrushResist, 8}})), "26.0");
  const VaultItem withArmorFactor = ItemWith({{kStrength, 15}, {kCrushResist, 8}, {kArmorFactor, 20}});
  EXPECT_EQ(UtilityOf(withArmorFactor), "26.0");
  EXPECT_EQ(ToAUtilityOf(withArmorFactor), "46.0");
  EXPECT_EQ(UtilityOf(ItemWith({{kStrength, 1}})), "0.7");
  EXPECT_EQ(UtilityOf(ItemWith({{kHitPoints, -21}})), "-5.3");
}

TEST(Utility, ValuesEachRowOfTheStatTable) {
  struct Case {
    Bonus bonus;
    const char* utility;
    const char* toa;
  };
  const Case cases[] = {
      {{kAcuity, 3}, "2.0", "2.0"},        {{kMaulerStaffSkill, 3}, "15.0", "15.0"}, {{kHitPointsCap, 21}, "0.0", "5.3"},
      {{kStrengthCap, 4}, "0.0", "4.0"},   {{kPowerPoints, 9}, "0.0", "0.0"},        {{kReducedXpLoss, 9}, "0.0", "0.0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UtilityOf(ItemWith({c.bonus})), c.utility) << "StatId " << c.bonus.stat;
    EXPECT_EQ(ToAUtilityOf(ItemWith({c.bonus})), c.toa) << "StatId " << c.bonus.stat;
  }
}

TEST(MetricKeys, AreTheShownTextsReadBack) {
  std::mt19937 engine(2018);
  const int stats[] = {kStrength, kHitPoints, kCrushResist, kSlashSkill, kHitPointsCap, kArmorFactor, kReducedXpLoss};
  for (int round = 0; round < 3000; ++round) {
    std::vector<Bonus> bonuses;
    for (unsigned n = engine() % 11; n > 0; --n)
      bonuses.push_back({stats[engine() % std::size(stats)], static_cast<std::int32_t>(engine() % 80) - 20});
    const VaultItem item = ItemWith(bonuses);
    EXPECT_EQ(UtilityKey(item), ParseDecimal(UtilityOf(item)));
    EXPECT_EQ(ToAUtilityKey(item), ParseDecimal(ToAUtilityOf(item)));
    EXPECT_EQ(BonusLevelKey(item), ParseDecimal(BonusLevelOf(item)));
  }
}

TEST(StatCountAndAmount, CountPositiveAmountsAndSumAStatInSixteenBits) {
  EXPECT_EQ(StatCountOf(ItemWith({{0, 5}, {kStrength, 3}, {kHitPoints, -4}, {kSlashSkill, 0}})), "2");
  EXPECT_EQ(StatAmountOf(kStrength, ItemWith({{kStrength, 10}, {kHitPoints, 40}, {kStrength, 5}})), 15);
  EXPECT_EQ(StatAmountOf(kStrength, ItemWith({{kStrength, 40000}, {kStrength, 30000}})), 4464);
  EXPECT_EQ(StatAmountOf(kStrength, ItemWith({{kStrength, -1}})), 65535);
  const VaultItem item = ItemWith({{kStrength, 4}, {256 + kStrength, 8}, {255, 16}});
  EXPECT_EQ(StatAmountOf(256 + kStrength, item), 4);  // the argument counts by its low 8 bits
  EXPECT_EQ(StatAmountOf(-1, item), 16);
}

}  // namespace
}  // namespace davoruzivi
