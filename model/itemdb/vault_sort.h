#pragma once
// The vault loader's sort orders over a vault query's result.

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

#include "itemdb/master_vault.h"
#include "itemdb/vault_query.h"

namespace davoruzivi {

// The entries of the loader's sort list, "Name" .. "Item Type". Name sorts
// ascending, every other order descending.
enum class VaultSortOrder {
  Name = 0,
  Utility = 1,
  ToAUtility = 2,
  BonusLevel = 3,
  StatCount = 4,
  ItemLevel = 5,
  ItemType = 6,
};

inline constexpr int kVaultSortOrderCount = 7;

// The order of a sort list entry 0..6; nothing for any other entry.
std::optional<VaultSortOrder> VaultSortOrderOf(int entry);

// Orders two names as the planner compares texts without regard to letter
// case: the letters a..z taken as A..Z, every other byte by its value.
// Negative, zero or positive as a sorts before, with or after b.
int CompareNamesIgnoringCase(std::string_view a, std::string_view b);

// Sorts a result of two or more entries by the order, each entry's key read
// from the vault record at its position; entries with equal keys keep their
// order. A shorter result, such as the "No items found" marker, stays as it is.
// `progress`, when given, hears the number of entries whose keys are ready
// and the number of entries each time the first is a multiple of the second
// divided by 1000; below 1000 entries that step is 0, so it hears only the end.
using SortProgress = std::function<void(std::size_t reached, std::size_t total)>;
void SortVaultResult(VaultQueryResult& result, const MasterVault& vault, VaultSortOrder order,
                     const SortProgress& progress = {});

}  // namespace davoruzivi
