#include "itemdb/item_filters.h"

#include <algorithm>
#include <vector>

#include "itemdb/stat_catalogue.h"

namespace davoruzivi {
namespace {

constexpr std::string_view kUnfiltered = "<Unfiltered>";
constexpr std::string_view kEssenceResist = "Essence Resist";  // a filter entry the catalogue lacks
constexpr int kEssenceResistEntry = -1;                         // marks it among the StatIds below

// The stat filter list as StatIds, group by group.
constexpr int kStatFilterStats[] = {
    // attributes, each followed by its cap
    1, 134, 2, 135, 3, 136, 4, 137, 5, 138, 6, 139, 7, 140, 8, 141, 142, 143,
    // power, hit points, fatigue, armour
    145, 9, 144, 10, 146, 147, 190, 148,
    // resists
    11, 12, 13, 14, 15, 16, 17, 18, 19, kEssenceResistEntry,
    // common skills
    20, 21, 22, 23, 24, 25, 26, 27,
    // ToA bonuses
    149, 150, 151, 152, 153, 154, 155, 156, 157, 158, 159, 160, 161, 162, 163, 164, 170, 191, 192, 193, 194, 195,
    196, 197,
    // PvE bonuses
    165, 166, 167, 168, 169, 171, 172, 173, 174, 175, 176, 177, 178, 183,
    // debuff
    184};
// The realms' skills, then their foci, as runs of StatIds.
struct StatRun {
  int first;
  int last;
};
constexpr StatRun kRealmRuns[] = {{28, 53}, {65, 91}, {103, 125}, {54, 64}, {92, 102}, {126, 133}, {246, 246}};

std::vector<std::string_view> BuildStatFilterList() {
  std::vector<std::string_view> list{kUnfiltered};
  for (const int stat : kStatFilterStats)
    list.push_back(stat == kEssenceResistEntry ? kEssenceResist : StatCatalogue().TextOf(stat));
  for (const StatRun run : kRealmRuns)
    for (int stat = run.first; stat <= run.last; ++stat) list.push_back(StatCatalogue().TextOf(stat));
  return list;
}

std::vector<std::string_view> BuildQualityList() {
  static const std::vector<std::string> percentages = [] {
    std::vector<std::string> texts;
    for (int quality = 70; quality <= 99; ++quality) texts.push_back(std::to_string(quality) + "+");
    return texts;
  }();
  std::vector<std::string_view> list(percentages.begin(), percentages.end());
  list.insert(list.end(), {"100", "N/A", "<No Quality Filtering>"});
  return list;
}

std::vector<std::string_view> BuildLevelList() {
  static const std::vector<std::string> levels = [] {
    std::vector<std::string> texts;
    for (int level = 0; level <= 51; ++level) texts.push_back(std::to_string(level));
    texts.push_back("52+");
    return texts;
  }();
  return {levels.begin(), levels.end()};
}

// The query's stat setting for a filter entry: the StatId its text names.
int QueryStatOf(int entry) {
  const auto list = ItemStatFilterList();
  if (entry < 0 || static_cast<std::size_t>(entry) >= list.size()) return -1;
  if (entry == 0) return 0;
  return StatCatalogue().ExactIndexOf(list[static_cast<std::size_t>(entry)]);
}

}  // namespace

const Vocabulary& ArmourFilterList() {
  static const Vocabulary list{"<Armor Filters>", "0%", "10%", "19%", "27%", "34%", "Class-based"};
  return list;
}

QueryFilterLists CopyFilterLists(const ItemVocabularies& vocabularies) {
  return {vocabularies.ItemTypes.Filter(),
          ArmourFilterList(),
          vocabularies.WeaponTypes.Filter(), vocabularies.Effects.Filter()};
}

std::span<const std::string_view> ItemStatFilterList() {
  static const std::vector<std::string_view> list = BuildStatFilterList();
  return list;
}

std::span<const std::string_view> QualityFilterList() {
  static const std::vector<std::string_view> list = BuildQualityList();
  return list;
}

std::span<const std::string_view> LevelFilterList() {
  static const std::vector<std::string_view> list = BuildLevelList();
  return list;
}

std::span<const std::string_view> LoaderSortList() {
  static constexpr std::string_view list[] = {"Name",       "Utility",    "ToA Utility", "Bonus Level",
                                              "Stat Count", "Item Level", "Item Type"};
  return list;
}

std::span<const std::string_view> GrabberSortList() {
  static constexpr std::string_view list[] = {"Name",       "Utility",    "ToA Utility", "Bonus Level (Default)",
                                              "Stat Count", "Item Level", "Item Type"};
  return list;
}

std::span<const std::string_view> SlotFilterList() {
  static const std::vector<std::string_view> list = [] {
    std::vector<std::string_view> texts{"<Slot Filter>"};
    for (int kind = 1; kind < SlotList().Size(); ++kind) texts.push_back(SlotList().TextOf(kind));
    return texts;
  }();
  return list;
}

std::span<const std::string_view> ServerFilterList() {
  static constexpr std::string_view list[] = {"<Server Type Filter>", "<None>", "Normal", "Coop", "Classic",
                                              "PvP", "Origins", "Ywain", "Realm Free"};
  return list;
}

void ClearItemFilters(ItemFilters& filters, int defaultSort) {
  filters = ItemFilters{};
  filters.sort = defaultSort;
}

void ResetLevelRange(ItemFilters& filters) {
  filters.minimumLevel = 0;
  filters.maximumLevel = kHighestLevelBound;
}

void ChooseMinimumLevel(ItemFilters& filters, int level) {
  filters.minimumLevel = level;
  if (filters.minimumLevel > filters.maximumLevel) filters.maximumLevel = filters.minimumLevel;
}

void ChooseMaximumLevel(ItemFilters& filters, int level) {
  filters.maximumLevel = level;
  if (filters.maximumLevel < filters.minimumLevel) filters.minimumLevel = filters.maximumLevel;
}

std::string CorrectedAmountText(std::string_view typed, int bound) {
  std::string digits;
  std::copy_if(typed.begin(), typed.end(), std::back_inserter(digits), [](char c) { return c >= '0' && c <= '9'; });
  const auto firstSignificant = digits.find_first_not_of('0');
  if (firstSignificant == std::string::npos) return "0";
  digits.erase(0, firstSignificant);
  const std::string boundText = std::to_string(bound);
  const bool above = digits.size() > boundText.size() || (digits.size() == boundText.size() && digits > boundText);
  return above ? boundText : digits;
}

void FillQuerySettings(const ItemFilters& filters, VaultQuerySettings& settings) {
  settings.itemType = filters.itemType;
  settings.absorb = filters.armour;
  settings.weaponType = filters.weaponType;
  settings.effect = filters.effect;
  settings.minimumLevel = filters.minimumLevel;
  settings.maximumLevel = filters.maximumLevel;
  for (std::size_t i = 0; i < settings.stats.size(); ++i) {
    settings.stats[i].stat = QueryStatOf(filters.stats[i]);
    settings.stats[i].minimumAmount = filters.amounts[i];
  }
  // The page's quality list reads as the query's, entry for entry.
  settings.quality = filters.quality;
  settings.verifiedOnly = filters.verifiedOnly;
}

std::string AvailableListCaption(std::size_t entries) {
  return "Available Item &List : ( " + std::to_string(entries) + " ) ";
}

VaultSortOrder SortOrderOf(const ItemFilters& filters) {
  return VaultSortOrderOf(filters.sort).value_or(VaultSortOrder::BonusLevel);
}

std::span<const std::string_view> NoItemsFoundLines() {
  static constexpr std::string_view lines[] = {
      "No items were found with these search parameters. Please refine your search and try again.",
      "",
      "Possible Causes :",
      "",
      "The character cannot equip items in this slot. IE: Some classes cannot used ranged slot items.",
      "Searching for a two-handed weapon in a one hand slot.",
      "Items of that absorb are not marked as usable by your class",
      "That statistic combination does not occur on items that are marked for this slot and your class.",
      "The item type doesn't occur in the slot being chosen. IE: Champion weapons are not armor.",
      "Etc, etc, etc..."};
  return lines;
}

}  // namespace davoruzivi
