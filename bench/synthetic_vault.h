#pragma once
// Synthetic master vaults for the benchmarks: the same items for the same count
// on every run and with every standard library, with the line mix of a real
// vault (names of a few words, mostly level 51 items of quality 100 or 99 on
// the usual servers, a few stats each, now and then a proc or a note).

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "itemdb/master_vault.h"

namespace davoruzivi::bench {

// The records of a synthetic vault of `itemCount` items.
MasterVault MakeSyntheticMasterVault(std::size_t itemCount);

// A synthetic vault as its files hold it: the vault text and the compressed
// bytes of the master vault file.
struct SyntheticVault {
  std::size_t itemCount = 0;
  std::string text;
  std::string compressed;
};
SyntheticVault MakeSyntheticVault(std::size_t itemCount);

}  // namespace davoruzivi::bench
