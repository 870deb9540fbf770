#include "spellcraft/spellcraft_rules.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/decimal_text.h"

namespace davoruzivi {
namespace {

constexpr int kFirstMaulerStat = 185;
constexpr int kLastMaulerStat = 189;
constexpr int kLastCatalogueGemStat = 133;
constexpr int kFirstMaulerEntry = kLastCatalogueGemStat + 1;

struct CategoryRange {
  int first;
  int last;
  GemCategory category;
};

constexpr std::array<CategoryRange, 13> kCategoryRanges = {{
    {1, 8, GemCategory::Attribute},
    {9, 9, GemCategory::Power},
    {10, 10, GemCategory::HitPoints},
    {11, 19, GemCategory::Resist},
    {20, 21, GemCategory::AllSkills},
    {22, 22, GemCategory::Focus},
    {23, 53, GemCategory::Skill},
    {54, 64, GemCategory::Focus},
    {65, 91, GemCategory::Skill},
    {92, 102, GemCategory::Focus},
    {103, 125, GemCategory::Skill},
    {126, kLastCatalogueGemStat, GemCategory::Focus},
    {kFirstMaulerStat, kLastMaulerStat, GemCategory::Skill},
}};

constexpr std::array kAttributeAmounts{2, 5, 8, 11, 14, 17, 20, 23, 26, 29};
constexpr std::array kPowerResistAmounts{1, 2, 3, 5, 7, 9, 11, 13, 15, 17};
constexpr std::array kHitPointAmounts{4, 12, 20, 28, 36, 44, 52, 60, 68, 76};
constexpr std::array kAllSkillAmounts{1};
constexpr std::array kFocusAmounts{5, 10, 15, 20, 25, 30, 35, 40, 45, 50};
constexpr std::array kSkillAmounts{1, 2, 3, 4, 5, 6, 7, 8};

// The imbue capacity of item levels 1..51, before the cloth reduction.
constexpr std::array<int, kMaxItemLevel> kCapacityByLevel{
    1,  2,  2,  3,  4,  4,  5,  5,  6,  7,                //  1..10
    7,  8,  9,  9,  10, 10, 11, 12, 12, 13,               // 11..20
    13, 14, 15, 15, 16, 16, 17, 18, 18, 19,               // 21..30
    20, 20, 21, 21, 22, 23, 23, 24, 24, 25,               // 31..40
    26, 26, 27, 27, 28, 29, 29, 30, 31, 31, 32,           // 41..51
};

constexpr std::array<StatId, kGemStatEntryCount> MakeGemStatList() {
  std::array<StatId, kGemStatEntryCount> list{};
  for (int entry = 0; entry < kGemStatEntryCount; ++entry)
    list[static_cast<std::size_t>(entry)] =
        static_cast<StatId>(entry < kFirstMaulerEntry ? entry : entry - kFirstMaulerEntry + kFirstMaulerStat);
  return list;
}

constexpr std::array<StatId, kGemStatEntryCount> kGemStatList = MakeGemStatList();

// Cost of a gem whose first point costs 1 and every further point `perPoint`.
double SteppedCost(int amount, int perPoint) {
  return amount <= 1 ? static_cast<double>(amount) : static_cast<double>(amount - 1) * perPoint;
}

bool UsedByOtherSlot(const std::array<int, 4>& slotEntries, int slot, int entry) {
  for (int other = 0; other < kGemSlots; ++other)
    if (other != slot && slotEntries[static_cast<std::size_t>(other)] == entry) return true;
  return false;
}

bool InGemStatList(int entry) { return entry >= 0 && entry < kGemStatEntryCount; }

}  // namespace

GemCategory GemCategoryOf(int statId) {
  for (const CategoryRange& range : kCategoryRanges)
    if (statId >= range.first && statId <= range.last) return range.category;
  return GemCategory::None;
}

std::span<const int> GemAmounts(GemCategory category) {
  switch (category) {
    case GemCategory::Attribute: return kAttributeAmounts;
    case GemCategory::Power:
    case GemCategory::Resist: return kPowerResistAmounts;
    case GemCategory::HitPoints: return kHitPointAmounts;
    case GemCategory::AllSkills: return kAllSkillAmounts;
    case GemCategory::Focus: return kFocusAmounts;
    case GemCategory::Skill: return kSkillAmounts;
    case GemCategory::None: break;
  }
  return {};
}

int GemAmount(int statId, int tier) {
  const std::span<const int> amounts = GemAmounts(GemCategoryOf(statId));
  if (tier < 0 || static_cast<std::size_t>(tier) >= amounts.size()) return 0;
  return amounts[static_cast<std::size_t>(tier)];
}

int GemTierOf(int statId, int amount) {
  const std::span<const int> amounts = GemAmounts(GemCategoryOf(statId));
  const auto found = std::find(amounts.begin(), amounts.end(), amount);
  return found == amounts.end() ? -1 : static_cast<int>(found - amounts.begin());
}

int GemTierCount(int statId) { return static_cast<int>(GemAmounts(GemCategoryOf(statId)).size()); }

double GemImbuePoints(int statId, int amount) {
  constexpr double kAttributePointsPerImbue = 1.725;
  switch (GemCategoryOf(statId)) {
    case GemCategory::Attribute: return std::trunc(amount / kAttributePointsPerImbue);
    case GemCategory::Power:
    case GemCategory::Resist: return SteppedCost(amount, 2);
    case GemCategory::HitPoints: return amount / 4.0;
    case GemCategory::AllSkills:
    case GemCategory::Focus: return 1.0;
    case GemCategory::Skill: return SteppedCost(amount, 5);
    case GemCategory::None: break;
  }
  return 0.0;
}

double GemTierImbuePoints(int statId, int tier) {
  const int amount = GemAmount(statId, tier);
  return amount == 0 ? 0.0 : GemImbuePoints(statId, amount);
}

ChargeFigures ItemCharge(const std::array<double, 4>& gemPoints) {
  // The first of equal highest points is the high gem; which one does not change the figures.
  const double high = *std::max_element(gemPoints.begin(), gemPoints.end());
  const double sum = std::accumulate(gemPoints.begin(), gemPoints.end(), high);
  return {gemPoints, high, sum > 0.0 ? sum / 2.0 : 0.0};
}

ChargeFigures ItemCharge(const CraftedItem& item) {
  std::array<double, 4> points{};
  for (std::size_t slot = 0; slot < points.size(); ++slot)
    points[slot] = GemImbuePoints(item.StatIds[slot], item.StatValues[slot]);
  return ItemCharge(points);
}

int ImbueCapacity(int itemLevel, int absorption) {
  const int level = std::clamp(itemLevel, kMinItemLevel, kMaxItemLevel);
  const int capacity = kCapacityByLevel[static_cast<std::size_t>(level - kMinItemLevel)];
  return absorption == kClothAbsorption && level < kMaxItemLevel ? capacity - 1 : capacity;
}

double MaxOvercharge(int itemLevel, int absorption) {
  return ImbueCapacity(itemLevel, absorption) + kOverchargeAllowance;
}

bool IsOvercharged(double charge, int itemLevel, int absorption) {
  return charge > MaxOvercharge(itemLevel, absorption);
}

int GemCount(const CraftedItem& item, bool forceFifthSlot) {
  if (forceFifthSlot) return kGemSlots;
  return static_cast<int>(std::count_if(item.StatIds.begin(), item.StatIds.begin() + kGemSlots,
                                        [](StatId stat) { return stat != 0; }));
}

bool FifthSlotAvailable(int itemLevel) { return itemLevel >= kFifthSlotLevel; }

bool FifthSlotActive(const CraftedItem& item, bool forceFifthSlot) {
  return GemCount(item, forceFifthSlot) == kGemSlots;
}

std::span<const StatId> GemStatList() { return kGemStatList; }

int GemStatEntryOf(int statId) {
  if (statId >= 0 && statId <= kLastCatalogueGemStat) return statId;
  if (statId >= kFirstMaulerStat && statId <= kLastMaulerStat) return statId - kFirstMaulerStat + kFirstMaulerEntry;
  return -1;
}

StatId GemStatOfEntry(int entry) {
  return entry > 0 && entry < static_cast<int>(kGemStatList.size()) ? kGemStatList[static_cast<std::size_t>(entry)]
                                                                     : StatId{0};
}

int NextFreeStat(const std::array<int, 4>& slotEntries, int slot, int entry, int previousEntry) {
  const int step = entry > previousEntry ? 1 : -1;
  while (InGemStatList(entry) && UsedByOtherSlot(slotEntries, slot, entry)) entry += step;
  return InGemStatList(entry) ? entry : 0;
}

std::string ImbueText(double points) { return FixedText(points, 1, 7); }

}  // namespace davoruzivi
