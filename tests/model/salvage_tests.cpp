// The salvage calculator's count fields and money values.

#include <gtest/gtest.h>

#include "salvage/salvage.h"

namespace davoruzivi {
namespace {

MetalCounts Only(int grade, int count) {
  MetalCounts counts{};
  counts[static_cast<std::size_t>(grade)] = count;
  return counts;
}

TEST(Salvage, WorkedValuesAndAllCountsAtTheBoundExceedingThirtyTwoBits) {
  EXPECT_EQ(SalvageValuesOf(Only(0, 1)), (SalvageValues{{0, 0, 0, 4}, {0, 0, 0, 8}}));
  EXPECT_EQ(SalvageValuesOf(Only(9, 100)), (SalvageValues{{0, 255, 15, 0}, {0, 503, 1, 0}}));
  MetalCounts full;
  full.fill(kMaxMetalCount);
  EXPECT_EQ(SalvageCopper(full, SalvageOutput::Raw), 2'245'728'000);
  EXPECT_EQ(SalvageCopper(full, SalvageOutput::Trinket), 4'427'296'000);
  EXPECT_EQ(SalvageValuesOf(full), (SalvageValues{{224, 572, 80, 0}, {442, 729, 60, 0}}));
}

TEST(Salvage, MoneySplitsAtEachCoin) {
  EXPECT_EQ(MoneyOf(9'999'999), (Money{0, 999, 99, 99}));
  EXPECT_EQ(MoneyOf(10'000'000), (Money{1, 0, 0, 0}));
  EXPECT_EQ(MoneyPanelTexts(Money{442, 729, 60, 5}), (std::array<std::string, 4>{"P: 442p", "G: 729g", "S: 60s", "C: 5c"}));
}

TEST(Salvage, CountFieldsCorrectTheirTextAndFieldsThatAreNotCountsCountZero) {
  const std::pair<std::string_view, std::string_view> corrections[] = {
      {"", "0"}, {"000", "0"}, {"05", "5"}, {"32001", "32000"}, {"0040000", "32000"}, {"99999999999", "32000"}, {"12a", "12a"}};
  for (const auto& [typed, shown] : corrections) EXPECT_EQ(CorrectedCountText(typed), shown) << typed;
  EXPECT_EQ(CountsOf({"12", "abc", "", "-5", "40000", "0", "7", "0", "0", "1"}),
            (MetalCounts{12, 0, 0, 0, kMaxMetalCount, 0, 7, 0, 0, 1}));
}

}  // namespace
}  // namespace davoruzivi
