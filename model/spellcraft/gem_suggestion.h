#pragma once
// Gem suggestion: the four gems of each crafted piece of a configuration,
// chosen so that its capped utility is as high as the items' imbue budgets
// allow. Capped utility is the ToA worth of every stat the stat panels show
// for the class in "Main Stats", "Resists" and "Skills", each total taken up
// to its cap. The engine adds gem amounts to totals and never to caps, so a
// suggestion works on the totals of one engine run: for one item the gems are
// exactly the best (a bounded search over the gems worth anything), and
// several items are improved one at a time until no item can do better.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "itemdb/stat_catalogue.h"
#include "stats/stat_engine.h"
#include "template/crafted_item.h"

namespace davoruzivi {

class MasterVault;
struct AppliedClass;
struct Configuration;
struct Template;

// What a suggested item's charge may reach: its imbue capacity, or the
// largest overcharge.
enum class GemBudget { Capacity, MaxOvercharge };

// One gem of a suggestion; an empty gem slot has stat 0.
struct SuggestedGem {
  StatId stat = 0;
  std::int32_t amount = 0;
  std::uint16_t tier = 0;

  friend bool operator==(const SuggestedGem&, const SuggestedGem&) = default;
};

struct SuggestedItem {
  int equipmentSlot = 0;
  std::array<SuggestedGem, kGemSlots> gems{};
  double charge = 0.0;

  friend bool operator==(const SuggestedItem&, const SuggestedItem&) = default;
};

struct GemSuggestion {
  std::vector<SuggestedItem> items;  // by ascending equipment slot
  double before = 0.0;               // the capped utility with the gems as they are
  double after = 0.0;                // ... and with the suggestion applied
};

// The capped utility of an engine result for the class.
double CappedUtility(const StatResult& result, const AppliedClass& applied);

// The armour and weapon slots (8..17) whose reference names a crafted item
// that the engine counts in the configuration.
std::vector<int> CraftedSlotsCounted(const Template& model, const Configuration& configuration);

// Whether the slot's reference in the configuration names an existing crafted item.
bool HoldsCraftedItem(const Template& model, const Configuration& configuration, int equipmentSlot);

// Suggests the gems of the crafted items in the slots; a slot that holds none is left out.
GemSuggestion SuggestGems(const Template& model, const MasterVault& vault, const AppliedClass& applied,
                          const Configuration& configuration, std::span<const int> slots, GemBudget budget);

// What the suggestion dialog shows: each item's gems and charge as they are
// and as suggested, and each counted stat whose total moves, the largest
// gain up to the cap first.
struct SuggestionItemRow {
  int equipmentSlot = 0;
  std::string name;
  std::string currentGems;  // "Strength+29, Quickness+8", or "(none)"
  std::string currentCharge;
  std::string suggestedGems;
  std::string suggestedCharge;
};
struct SuggestionStatRow {
  std::string label;
  std::int32_t before = 0;
  std::int32_t after = 0;
  std::int32_t cap = 0;
  double gain = 0.0;  // the ToA worth of the change up to the cap
};
struct SuggestionReview {
  std::vector<SuggestionItemRow> items;
  std::vector<SuggestionStatRow> stats;
  std::string score;  // "Capped utility : 1155.2 now, 1281.2 suggested"
};
SuggestionReview ReviewSuggestion(const Template& model, const MasterVault& vault, const AppliedClass& applied,
                                  const Configuration& configuration, const GemSuggestion& suggestion);

// Writes a suggested item's gems into gem slots 1..4 of the crafted item.
void ApplySuggestedGems(const SuggestedItem& suggested, CraftedItem& item);

// The crafted item that the configuration's slot names (the slot must hold one).
CraftedItem& CraftedItemIn(Template& model, const Configuration& configuration, int equipmentSlot);

}  // namespace davoruzivi
