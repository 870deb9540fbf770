#pragma once
// Gem names and materials: the in-game name of a gem of a stat and tier, and
// the raw materials that make it. Realms: 0 Albion, 1 Hibernia, 2 Midgard.

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace davoruzivi {

inline constexpr int kGemTierCount = 10;
// The highest tier a crafted item can store (its gem tiers are 16 bits wide).
inline constexpr int kMaxStoredGemTier = std::numeric_limits<std::uint16_t>::max();

std::string_view GemTierWord(int tier);    // "Raw " .. "Perfect "; empty outside 0..9
std::string_view GemTierSymbol(int tier);  // "Lo" .. "Ra"; empty outside 0..9

// Whether the stat's gem category lists the tier: only such a gem has a tier
// word, a symbol and materials. A crafted item may store any 16-bit tier. A
// stat without a category (an empty gem slot) has the ten tiers.
bool IsListedGemTier(int statId, int tier);

// The tier word followed by the stat's base name ("Raw fiery essence jewel");
// the base name alone for a tier its category does not list.
std::string GemName(int statId, int tier, int realm);
// "1 SYMBOL , DUST | LIQUID", for example "1 Lo , 1 Essence of Life | 1 Draconic Fire";
// the dust and liquid parts are empty when the stat has none, and the symbol,
// dust and liquid parts all are for a tier its category does not list
// (GemMaterialCountsOf then counts nothing).
std::string GemMaterials(int statId, int tier, int realm);

// The materials of one gem as counts, for tallies: the dust (one of the twelve)
// and its amount, and the liquids with their amounts (one, or Draconic Fire,
// Mystic Energy and Treant Blood for 20, 21, 22).
struct GemMaterialCounts {
  std::optional<std::pair<std::string_view, int>> dust;
  std::vector<std::pair<std::string_view, int>> liquids;
};
GemMaterialCounts GemMaterialCountsOf(int statId, int tier, int realm);

}  // namespace davoruzivi
