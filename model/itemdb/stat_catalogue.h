#pragma once
// The stat catalogue: the 254 stat names a StatId indexes, and the ten
// categories through which a stat is chosen for editing.

#include <cstdint>
#include <string_view>

#include "itemdb/vocabulary.h"

namespace davoruzivi {

using StatId = std::uint16_t;

inline constexpr int kStatCatalogueSize = 254;
inline constexpr int kStatCategoryCount = 10;

// Entry 0 "<Empty>" is the empty stat. Names are literal keys, trailing blanks included.
const Vocabulary& StatCatalogue();

// The category selector: "<Select>", then "0. Attributes" .. "9. Full Listing".
const Vocabulary& StatCategoryList();

// The entries of category 1..10: "<Empty>" first, then one text per StatId.
// An empty list for any other category.
const Vocabulary& StatCategoryEntries(int category);

// Where a stat is shown for editing: a category 1..10 and an entry of it.
struct StatChoice {
  int Category = 0;
  int Entry = 0;
};

// The StatId a category entry stands for; 0 for an entry the category lacks.
// Category 0 ("<Select>") also resets the choice to category 0, entry 0.
StatId CategoryToStat(StatChoice& choice);

// Where a stat is shown; the choice is left as it was for StatId 0 and above 255.
void StatToCategory(int statId, StatChoice& choice);

}  // namespace davoruzivi
