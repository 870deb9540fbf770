#include "itemdb/vault_sort.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

#include "itemdb/item_metrics.h"

namespace davoruzivi {
namespace {

char UpperAsciiLetter(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c; }

// Result entries in their new order, as indices into the result.
using EntryOrder = std::vector<std::size_t>;

constexpr std::size_t kProgressSteps = 1000;

// Tells the progress listener how far key making has come, at every step of
// a thousandth of the entries, and always at the end.
class ProgressReporter {
 public:
  ProgressReporter(const SortProgress& progress, std::size_t total)
      : progress_(progress), total_(total), step_(total / kProgressSteps) {}
  void Reached(std::size_t entries) const {
    if (!progress_) return;
    if ((step_ != 0 && entries % step_ == 0) || entries == total_) progress_(entries, total_);
  }

 private:
  const SortProgress& progress_;
  std::size_t total_;
  std::size_t step_;
};

double NumericKeyOf(VaultSortOrder order, const VaultItem& item) {
  switch (order) {
    case VaultSortOrder::Utility: return UtilityKey(item);
    case VaultSortOrder::ToAUtility: return ToAUtilityKey(item);
    case VaultSortOrder::BonusLevel: return BonusLevelKey(item);
    case VaultSortOrder::StatCount: return StatCountValue(item);
    case VaultSortOrder::ItemLevel: return item.Level;
    case VaultSortOrder::ItemType: return item.ItemType;
    case VaultSortOrder::Name: break;
  }
  return 0.0;
}

const VaultItem& ItemOfEntry(const VaultQueryResult& result, const MasterVault& vault, std::size_t entry) {
  return vault.Items()[result.positions[entry]];
}

// Larger keys first; equal keys in the result's order.
EntryOrder DescendingByKey(const VaultQueryResult& result, const MasterVault& vault, VaultSortOrder order,
                           const ProgressReporter& reporter) {
  struct KeyedEntry {
    double key;
    std::size_t entry;
  };
  std::vector<KeyedEntry> keyed(result.Size());
  for (std::size_t entry = 0; entry < keyed.size(); ++entry) {
    keyed[entry] = {NumericKeyOf(order, ItemOfEntry(result, vault, entry)), entry};
    reporter.Reached(entry + 1);
  }
  std::stable_sort(keyed.begin(), keyed.end(), [](const KeyedEntry& a, const KeyedEntry& b) { return a.key > b.key; });
  EntryOrder entries(keyed.size());
  std::transform(keyed.begin(), keyed.end(), entries.begin(), [](const KeyedEntry& k) { return k.entry; });
  return entries;
}

// Names with a..z taken as A..Z, so that plain byte order is the planner's.
TextList CaseFoldedNames(const VaultQueryResult& result, const MasterVault& vault, const ProgressReporter& reporter) {
  TextList folded;
  for (std::size_t entry = 0; entry < result.Size(); ++entry) {
    std::string_view name = ItemOfEntry(result, vault, entry).Name.View();
    std::array<char, 256> upper{};
    std::transform(name.begin(), name.end(), upper.begin(), UpperAsciiLetter);
    folded.Add({upper.data(), name.size()});
    reporter.Reached(entry + 1);
  }
  return folded;
}

EntryOrder AscendingByName(const VaultQueryResult& result, const MasterVault& vault,
                           const ProgressReporter& reporter) {
  const TextList folded = CaseFoldedNames(result, vault, reporter);
  EntryOrder entries(result.Size());
  std::iota(entries.begin(), entries.end(), std::size_t{0});
  std::stable_sort(entries.begin(), entries.end(),
                   [&folded](std::size_t a, std::size_t b) { return folded[a] < folded[b]; });
  return entries;
}

void Reorder(VaultQueryResult& result, const EntryOrder& entries) {
  VaultQueryResult sorted;
  sorted.positions.reserve(entries.size());
  for (const std::size_t entry : entries) sorted.Add(result.names[entry], result.positions[entry]);
  result = std::move(sorted);
}

}  // namespace

std::optional<VaultSortOrder> VaultSortOrderOf(int entry) {
  if (entry < 0 || entry >= kVaultSortOrderCount) return std::nullopt;
  return static_cast<VaultSortOrder>(entry);
}

int CompareNamesIgnoringCase(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(UpperAsciiLetter(a[i]));
    const auto y = static_cast<unsigned char>(UpperAsciiLetter(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void SortVaultResult(VaultQueryResult& result, const MasterVault& vault, VaultSortOrder order,
                     const SortProgress& progress) {
  if (result.Size() < 2) return;
  const ProgressReporter reporter(progress, result.Size());
  const EntryOrder entries = order == VaultSortOrder::Name ? AscendingByName(result, vault, reporter)
                                                           : DescendingByKey(result, vault, order, reporter);
  Reorder(result, entries);
}

}  // namespace davoruzivi
