#pragma once
// The item metrics: figures that make vault items comparable. Each metric is
// given as the text the planner shows and as a number: the value before
// formatting, and the sort key, which is the shown text read back as a number.

#include <cstdint>
#include <string>

#include "itemdb/vault_item.h"

namespace davoruzivi {

// Bonus level: how demanding the item is, 0..50, or the manual bonus level
// (0..65535) when BonusLevelManual is 1. The text is a whole number.
std::string BonusLevelOf(const VaultItem& item);
// The total before formatting: halved and capped, but still holding the half
// of a total that was 0 or less and so not halved.
double BonusLevelValue(const VaultItem& item);
// BonusLevelOf read back as a number.
double BonusLevelKey(const VaultItem& item);
// The integer part of BonusLevelKey taken modulo 256 (-1 gives 255): what the
// vault loader compares with the configuration's level.
std::uint8_t ShownBonusLevelByte(const VaultItem& item);

// Utility: the ten bonuses valued by a per-stat table, with one decimal.
// Shown by callers with the suffix " Utility".
std::string UtilityOf(const VaultItem& item);
double UtilityValue(const VaultItem& item);
double UtilityKey(const VaultItem& item);

// ToA utility: the utility plus the Trials of Atlantis bonuses and caps, with
// one decimal. Shown by callers with the suffix " ToA Utility".
std::string ToAUtilityOf(const VaultItem& item);
double ToAUtilityValue(const VaultItem& item);
double ToAUtilityKey(const VaultItem& item);
// What one point of the stat is worth in the ToA utility (0 for a stat it leaves out).
double ToAUtilityWorth(int statId);

// The number of bonus slots with an amount above 0, whatever their StatId.
std::string StatCountOf(const VaultItem& item);
int StatCountValue(const VaultItem& item);

// The sum of the item's amounts for one stat in unsigned 16-bit arithmetic:
// the low 16 bits of each amount, wrapping. The StatId argument takes part
// by its low 8 bits, as a value 0..255.
std::uint16_t StatAmountOf(int statId, const VaultItem& item);

}  // namespace davoruzivi
