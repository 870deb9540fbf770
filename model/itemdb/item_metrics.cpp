#include "itemdb/item_metrics.h"

#include <algorithm>
#include <array>
#include <span>

#include "core/decimal_text.h"

namespace davoruzivi {
namespace {

// ---- tables from StatId ranges to rules ----

constexpr int kRuledStatIds = 256;  // StatIds beyond 255 follow no rule

template <typename Rule>
struct StatRangeRule {
  int first;
  int last;  // included
  Rule rule;
};

template <typename Rule, std::size_t N>
constexpr bool RangesAreDisjoint(const StatRangeRule<Rule> (&ranges)[N]) {
  std::array<bool, kRuledStatIds> taken{};
  for (const auto& range : ranges)
    for (int id = range.first; id <= range.last; ++id) {
      if (id < 1 || id >= kRuledStatIds || taken[static_cast<std::size_t>(id)]) return false;
      taken[static_cast<std::size_t>(id)] = true;
    }
  return true;
}

// The rule of every StatId 0..255; a StatId no range holds gets Rule{}.
template <typename Rule, std::size_t N>
constexpr std::array<Rule, kRuledStatIds> RuleByStatId(const StatRangeRule<Rule> (&ranges)[N]) {
  std::array<Rule, kRuledStatIds> rules{};
  for (const auto& range : ranges)
    for (int id = range.first; id <= range.last; ++id) rules[static_cast<std::size_t>(id)] = range.rule;
  return rules;
}

template <typename Rule>
Rule RuleOf(const std::array<Rule, kRuledStatIds>& rules, StatId id) {
  return id < kRuledStatIds ? rules[id] : Rule{};
}

// ---- bonus level ----

enum class Weight : std::uint8_t {
  Zero,
  NearestTwoThirds,      // nearest(v / 1.5)
  TwiceAboveOne,         // 0 if v <= 1, else (v - 1) * 2
  NearestQuarterLess,    // nearest(v / 4 - 0.75)
  FiveTimesAboveOne,     // 1 if v <= 1, else (v - 1) * 5
  One,                   // 1
  Twice,                 // v * 2
  Once,                  // v
  Half,                  // v / 2
  ToHit,                 // (v + 1) * 2.5
};

constexpr StatRangeRule<Weight> kWeightRanges[] = {
    {1, 8, Weight::NearestTwoThirds},     {142, 142, Weight::NearestTwoThirds},
    {9, 9, Weight::TwiceAboveOne},        {11, 19, Weight::TwiceAboveOne},
    {198, 198, Weight::TwiceAboveOne},    {10, 10, Weight::NearestQuarterLess},
    {146, 146, Weight::NearestQuarterLess}, {20, 21, Weight::FiveTimesAboveOne},
    {23, 53, Weight::FiveTimesAboveOne},  {65, 91, Weight::FiveTimesAboveOne},
    {103, 125, Weight::FiveTimesAboveOne}, {179, 182, Weight::FiveTimesAboveOne},
    {185, 189, Weight::FiveTimesAboveOne}, {22, 22, Weight::One},
    {54, 64, Weight::One},                {92, 102, Weight::One},
    {126, 133, Weight::One},              {134, 141, Weight::Twice},
    {143, 145, Weight::Twice},            {147, 147, Weight::Twice},
    {149, 154, Weight::Twice},            {156, 161, Weight::Twice},
    {165, 168, Weight::Twice},            {174, 178, Weight::Twice},
    {183, 184, Weight::Twice},            {190, 190, Weight::Twice},
    {148, 148, Weight::Once},             {191, 197, Weight::Once},
    {169, 169, Weight::Half},             {171, 171, Weight::ToHit},
};
static_assert(RangesAreDisjoint(kWeightRanges));
constexpr auto kWeightByStatId = RuleByStatId(kWeightRanges);

double WeightOf(Weight rule, double v) {
  switch (rule) {
    case Weight::Zero: return 0.0;
    case Weight::NearestTwoThirds: return NearestEven(v / 1.5);
    case Weight::TwiceAboveOne: return v <= 1 ? 0.0 : (v - 1) * 2;
    case Weight::NearestQuarterLess: return NearestEven(v / 4 - 0.75);
    case Weight::FiveTimesAboveOne: return v <= 1 ? 1.0 : (v - 1) * 5;
    case Weight::One: return 1.0;
    case Weight::Twice: return v * 2;
    case Weight::Once: return v;
    case Weight::Half: return v / 2;
    case Weight::ToHit: return (v + 1) * 2.5;
  }
  return 0.0;
}

constexpr std::uint16_t kUniqueRoGType = 3;
constexpr std::uint16_t kPlayerCraftedType = 5;
constexpr std::uint16_t kMythirianType = 12;
constexpr double kHighestBonusLevel = 50;

// Twice the bonus level before halving: the ten weights and the largest again.
double WeightTotal(const VaultItem& item) {
  double sum = 0.0;
  double largest = 0.0;
  for (int slot = 0; slot < kBonusSlots; ++slot) {
    const Weight rule = RuleOf(kWeightByStatId, item.StatIds[slot]);
    if (rule == Weight::Zero) continue;  // adds nothing, and the largest starts at 0
    const double weight = WeightOf(rule, item.StatValues[slot]);
    sum += weight;
    largest = std::max(largest, weight);
  }
  return sum + largest;
}

double ComputedBonusLevel(const VaultItem& item) {
  double total = WeightTotal(item);
  if (total > 0) total = NearestEven(total / 2);
  if (item.Unique != 0) total = 0;
  if (item.ItemType == kUniqueRoGType || item.ItemType == kPlayerCraftedType) total = 0;
  if (item.ItemType == kMythirianType) total = kHighestBonusLevel;
  return std::min(total, kHighestBonusLevel);
}

// ---- utilities ----

enum class Worth : std::uint8_t { Zero, TwoThirds, Quarter, Twice, FiveTimes, Once };

struct UtilityRule {
  Worth worth = Worth::Zero;
  bool inUtility = false;  // every rule counts for the ToA utility
};

constexpr StatRangeRule<UtilityRule> kUtilityRanges[] = {
    {1, 8, {Worth::TwoThirds, true}},    {142, 142, {Worth::TwoThirds, true}},
    {10, 10, {Worth::Quarter, true}},    {11, 19, {Worth::Twice, true}},
    {20, 21, {Worth::FiveTimes, true}},  {23, 53, {Worth::FiveTimes, true}},
    {65, 91, {Worth::FiveTimes, true}},  {103, 125, {Worth::FiveTimes, true}},
    {179, 182, {Worth::FiveTimes, true}}, {185, 189, {Worth::FiveTimes, true}},
    {146, 146, {Worth::Quarter, false}}, {134, 141, {Worth::Once, false}},
    {143, 145, {Worth::Once, false}},    {148, 154, {Worth::Once, false}},
    {156, 161, {Worth::Once, false}},    {165, 168, {Worth::Once, false}},
    {174, 178, {Worth::Once, false}},    {183, 184, {Worth::Once, false}},
};
static_assert(RangesAreDisjoint(kUtilityRanges));
constexpr auto kUtilityByStatId = RuleByStatId(kUtilityRanges);

double WorthOf(Worth worth, double v) {
  switch (worth) {
    case Worth::Zero: return 0.0;
    case Worth::TwoThirds: return v / 1.5;
    case Worth::Quarter: return v / 4;
    case Worth::Twice: return v * 2;
    case Worth::FiveTimes: return v * 5;
    case Worth::Once: return v;
  }
  return 0.0;
}

enum class UtilityKind { Utility, ToAUtility };

double UtilitySum(const VaultItem& item, UtilityKind kind) {
  double sum = 0.0;
  for (int slot = 0; slot < kBonusSlots; ++slot) {
    const UtilityRule rule = RuleOf(kUtilityByStatId, item.StatIds[slot]);
    if (kind == UtilityKind::ToAUtility || rule.inUtility) sum += WorthOf(rule.worth, item.StatValues[slot]);
  }
  return sum;
}

constexpr int kUtilityDecimals = 1;

}  // namespace

double BonusLevelValue(const VaultItem& item) {
  return item.BonusLevelManual == 1 ? item.BonusLevel : ComputedBonusLevel(item);
}

std::string BonusLevelOf(const VaultItem& item) { return FixedText(BonusLevelValue(item), 0); }

double BonusLevelKey(const VaultItem& item) { return FixedTextValue(BonusLevelValue(item), 0); }

std::uint8_t ShownBonusLevelByte(const VaultItem& item) {
  // The key is a whole number between about -1e11 and 65535, so its 64-bit
  // value keeps every digit and the conversion to a byte wraps modulo 256.
  return static_cast<std::uint8_t>(static_cast<std::int64_t>(BonusLevelKey(item)));
}

double UtilityValue(const VaultItem& item) { return UtilitySum(item, UtilityKind::Utility); }

std::string UtilityOf(const VaultItem& item) { return FixedText(UtilityValue(item), kUtilityDecimals); }

double UtilityKey(const VaultItem& item) { return FixedTextValue(UtilityValue(item), kUtilityDecimals); }

double ToAUtilityValue(const VaultItem& item) { return UtilitySum(item, UtilityKind::ToAUtility); }

std::string ToAUtilityOf(const VaultItem& item) { return FixedText(ToAUtilityValue(item), kUtilityDecimals); }

double ToAUtilityKey(const VaultItem& item) { return FixedTextValue(ToAUtilityValue(item), kUtilityDecimals); }

double ToAUtilityWorth(int statId) {
  if (statId < 0 || statId >= kRuledStatIds) return 0.0;
  return WorthOf(RuleOf(kUtilityByStatId, static_cast<StatId>(statId)).worth, 1.0);
}

int StatCountValue(const VaultItem& item) {
  return static_cast<int>(std::count_if(item.StatValues.begin(), item.StatValues.end(),
                                        [](std::int32_t amount) { return amount > 0; }));
}

std::string StatCountOf(const VaultItem& item) { return std::to_string(StatCountValue(item)); }

std::uint16_t StatAmountOf(int statId, const VaultItem& item) {
  const auto wanted = static_cast<std::uint8_t>(statId);
  std::uint16_t total = 0;
  for (int slot = 0; slot < kBonusSlots; ++slot)
    if (item.StatIds[slot] == wanted)
      total = static_cast<std::uint16_t>(total + static_cast<std::uint16_t>(item.StatValues[slot]));
  return total;
}

}  // namespace davoruzivi
