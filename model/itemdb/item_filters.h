#pragma once
// The filter page of the vault loader and of the vault grabber: the settings
// a user picks there, which each search writes into the shared vault query,
// and the fixed lists those pages offer.

#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "itemdb/item_vocabularies.h"
#include "itemdb/vault_query.h"
#include "itemdb/vault_sort.h"

namespace davoruzivi {

// The filter lists the item windows copy from the vault's vocabularies when
// the main window is shown; their indices are the query's.
struct QueryFilterLists {
  Vocabulary itemTypes;    // "<Item Type Filter>", then the item types
  Vocabulary armour;       // "<Armor Filters>", "0%" .. "Class-based"
  Vocabulary weaponTypes;  // "<Weapon Type Filter>", then the weapon types
  Vocabulary effects;      // "<No Proc Filter>", then the effect list
};
QueryFilterLists CopyFilterLists(const ItemVocabularies& vocabularies);
// The query's absorb filter: "<Armor Filters>", "0%" .. "34%", "Class-based".
const Vocabulary& ArmourFilterList();

// The loader's and grabber's stat filter list of 191 entries: "<Unfiltered>",
// the attributes each followed by its cap, the power, hit point, fatigue and
// armour entries, the ten resists, the common skills, the ToA and PvE
// bonuses, "Debuff Bonus", the realms' skills and then their foci.
std::span<const std::string_view> ItemStatFilterList();
// The quality filter list: "70+" .. "99+", "100", "N/A", "<No Quality Filtering>".
std::span<const std::string_view> QualityFilterList();
// The level bounds: "0" .. "51", "52+".
std::span<const std::string_view> LevelFilterList();
// The sort lists: the loader's ("Name" .. "Item Type") and the grabber's,
// whose fourth entry reads "Bonus Level (Default)".
std::span<const std::string_view> LoaderSortList();
std::span<const std::string_view> GrabberSortList();
// The grabber's slot filter: "<Slot Filter>", then "Jewel" .. "Mythirians".
std::span<const std::string_view> SlotFilterList();
// The query's server type filter: "<Server Type Filter>", "<None>", then
// "Normal" .. "Realm Free" in the query's order (not the server box's).
std::span<const std::string_view> ServerFilterList();

inline constexpr int kNoQualityFiltering = 32;
inline constexpr int kHighestLevelBound = 52;  // "52+"

// What the filter page shows; every field is the index of its list's entry
// (-1 where nothing is selected), the amounts the texts typed.
struct ItemFilters {
  std::array<int, kStatFilterCount> stats{};  // entries of ItemStatFilterList
  std::array<std::string, kStatFilterCount> amounts{"0", "0", "0", "0", "0"};
  int minimumLevel = 0;
  int maximumLevel = kHighestLevelBound;
  bool verifiedOnly = false;
  int itemType = 0;
  int armour = 0;
  int weaponType = 0;
  int effect = 0;
  int quality = kNoQualityFiltering;
  int slot = 0;   // the grabber's slot filter; the loader has none
  int sort = -1;  // entry of the sort list; -1 until one is chosen

  friend bool operator==(const ItemFilters&, const ItemFilters&) = default;
};

// "Clear Filters": every filter (the grabber's slot filter too) to its first
// entry, quality to "<No Quality Filtering>", levels "0" and "52+", stats
// "<Unfiltered>" with "0", the sort order to the default sort order setting.
void ClearItemFilters(ItemFilters& filters, int defaultSort);
// "Min / Max": levels "0" and "52+".
void ResetLevelRange(ItemFilters& filters);
// The loader keeps its bounds consistent: a minimum above the maximum raises
// the maximum to it, a maximum below the minimum lowers the minimum to it.
void ChooseMinimumLevel(ItemFilters& filters, int level);
void ChooseMaximumLevel(ItemFilters& filters, int level);
// A typed stat amount as the field keeps it: digits only, "" becomes "0",
// leading zeros dropped, a value above the bound becomes the bound.
std::string CorrectedAmountText(std::string_view typed, int bound);

// Writes the page's filters into query settings that were cleared: item
// type, armour, weapon type, effect and levels by index; each stat filter by
// its text (the catalogue's StatId of that name, -1 for a name the catalogue
// lacks); the amounts as typed; quality by its text; "Verified Only".
void FillQuerySettings(const ItemFilters& filters, VaultQuerySettings& settings);

// The caption over a list of found items: "Available Item &List : ( N ) ".
std::string AvailableListCaption(std::size_t entries);

// The sort order of a sort list entry; the bonus level order for none.
VaultSortOrder SortOrderOf(const ItemFilters& filters);

// What the loader and the grabber describe for the "No items found" entry of
// a search that found nothing: the possible causes.
std::span<const std::string_view> NoItemsFoundLines();

}  // namespace davoruzivi
