#pragma once
// The spellcraft rules: what a gem of a stat and tier adds, what it costs in
// imbue points, how much an item of a level and armour kind can hold, how far
// it may be overcharged, when the fifth slot counts, and how the gem stat list
// keeps one stat per item.

#include <array>
#include <span>
#include <string>

#include "itemdb/stat_catalogue.h"
#include "template/crafted_item.h"

namespace davoruzivi {

// The kinds of gem, each with its own amounts and imbue cost.
enum class GemCategory { None, Attribute, Power, HitPoints, Resist, AllSkills, Focus, Skill };

inline constexpr int kMinItemLevel = 1;
inline constexpr int kMaxItemLevel = 51;
inline constexpr int kFifthSlotLevel = 51;
inline constexpr int kClothAbsorption = 0;     // "0%"
inline constexpr int kNonArmorAbsorption = 5;  // "Non-Armor"
inline constexpr double kOverchargeAllowance = 5.5;
inline constexpr int kGemStatEntryCount = 139;  // "<Empty>", StatIds 1..133, 185..189

GemCategory GemCategoryOf(int statId);

// The gem amounts of the category, by tier (empty for None).
std::span<const int> GemAmounts(GemCategory category);
// The amount of the stat's gem of the tier; 0 for a tier the category lacks.
int GemAmount(int statId, int tier);
// The tier whose amount this is for the stat; -1 if none.
int GemTierOf(int statId, int amount);
// The number of amounts the stat's gems come in (0 for no stat).
int GemTierCount(int statId);

// The imbue points a gem of the stat with the amount costs (0 for no stat).
double GemImbuePoints(int statId, int amount);
// The imbue points of the stat's gem of the tier; 0 for a tier the stat's category
// lacks (an all-skills or focus gem would otherwise cost 1 whatever the tier).
double GemTierImbuePoints(int statId, int tier);

// The four gem points, the highest of them and the item's charge.
struct ChargeFigures {
  std::array<double, 4> points;
  double high;
  double charge;
};
ChargeFigures ItemCharge(const std::array<double, 4>& gemPoints);
ChargeFigures ItemCharge(const CraftedItem& item);  // from its four gem slots

// Imbue capacity of an item level (1..51) and armour kind (absorption 0 cloth
// .. 5 non-armour); levels outside 1..51 are taken as the nearest of the two.
int ImbueCapacity(int itemLevel, int absorption);
double MaxOvercharge(int itemLevel, int absorption);
bool IsOvercharged(double charge, int itemLevel, int absorption);

// The number of filled gem slots, or 4 when the fifth slot is forced.
int GemCount(const CraftedItem& item, bool forceFifthSlot);
bool FifthSlotAvailable(int itemLevel);
bool FifthSlotActive(const CraftedItem& item, bool forceFifthSlot);

// The gem stat list: entry 0 no stat, then StatIds 1..133 and 185..189.
std::span<const StatId> GemStatList();
// The list entry of a StatId, -1 if none.
int GemStatEntryOf(int statId);
// The StatId of a list entry; 0 outside the list.
StatId GemStatOfEntry(int entry);

// The entry gem slot `slot` (0..3) takes when set to `entry`, moving from
// `previousEntry`: `entry` itself when no other slot uses it, else the next
// entry in the direction of the move that no other slot uses (empty slots
// count as used); 0 when the search leaves the list.
int NextFreeStat(const std::array<int, 4>& slotEntries, int slot, int entry, int previousEntry);

// Imbue points as shown: fixed, 7 significant digits, 1 decimal.
std::string ImbueText(double points);

}  // namespace davoruzivi
