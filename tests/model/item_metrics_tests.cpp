// Item metrics and the number formatting behind them.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
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

// The shown bonus level read as a whole number and taken modulo 256.
int ShownModulo256(const VaultItem& item) {
  const long long shown = std::stoll(BonusLevelOf(item));
  return static_cast<int>((shown % 256 + 256) % 256);
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

// nearbyint rounds halves to even under the default rounding mode the tests run in.
TEST(NearestEven, AgreesWithRoundingHalvesToEvenForEveryMagnitude) {
  std::mt19937_64 engine(52);
  std::vector<double> values = {0x1p52 - 0.5, 0x1p52, 0x1p52 + 2, -0x1p52 + 0.5, 0x1p62, -0x1p63, 1e300, 4.9e-324,
                                -0.49999999999999994, 0.5000000000000001};
  for (int k = -1000; k <= 1000; ++k) values.push_back(k + 0.5);
  for (int i = 0; i < 5000; ++i) {
    const double magnitude = std::ldexp(static_cast<double>(engine() >> 11), -static_cast<int>(engine() % 64));
    values.push_back(engine() % 2 ? magnitude : -magnitude);
  }
  for (const double value : values) EXPECT_EQ(NearestEven(value), std::nearbyint(value)) << value;
  EXPECT_TRUE(std::signbit(NearestEven(-0.0)));
  EXPECT_EQ(NearestEven(-INFINITY), -INFINITY);
  EXPECT_TRUE(std::isnan(NearestEven(NAN)));
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
    EXPECT_EQ(ShownBonusLevelByte(item), ShownModulo256(item));
  }
}

TEST(MetricKeys, TheShownBonusLevelByteWrapsTheShownNumber) {
  VaultItem manual = ResetVaultItem();
  manual.BonusLevelManual = 1;
  for (const int level : {0, 44, 300, 65535}) {
    manual.BonusLevel = static_cast<std::uint16_t>(level);
    EXPECT_EQ(ShownBonusLevelByte(manual), level % 256) << level;
  }
  EXPECT_EQ(ShownBonusLevelByte(ItemWith({{kReducedXpLoss, -1}})), 255);
  EXPECT_EQ(ShownBonusLevelByte(ItemWith({{kStrength, 15}, {kCrushResist, 8}, {kSlashSkill, 3}})), 24);
  // Ten of the lowest amounts give a total of about -1e11, far outside 32 bits.
  const VaultItem lowest = ItemWith(std::vector<Bonus>(kBonusSlots, {kToHitBonus, INT32_MIN}));
  EXPECT_EQ(ShownBonusLevelByte(lowest), ShownModulo256(lowest)) << BonusLevelOf(lowest);
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
