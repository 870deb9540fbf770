#pragma once
// The inline editor's vault grabber: a search over the whole master vault with
// its own filter page, the items found with their descriptions, and the copy
// of a found item's name, bonuses and procs into a new manual item. It never
// changes the master vault.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "itemdb/item_filters.h"
#include "itemdb/vault_query.h"
#include "itemdb/vault_sort.h"

namespace davoruzivi {

class InlineEditor;
class MasterVault;
class TemplateWorkflow;

inline constexpr std::string_view kVaultViewerCaption = "Vault Viewer";

// What the status bar shows while a search sorts its result.
std::string SortingProgressText(std::size_t reached, std::size_t total);

class VaultGrabber {
 public:
  // The query is the one the item windows share; the workflow gives the
  // template's class, whose weapons and shields the hand slots follow.
  VaultGrabber(VaultQuery& query, const MasterVault& vault, const TemplateWorkflow& workflow);

  ItemFilters& Filters() { return filters_; }
  const ItemFilters& Filters() const { return filters_; }

  // The inline editor opens: the list is emptied, a sort order is chosen
  // when none is, and the next showing of the page searches.
  void Open(int defaultSort);
  bool SearchPending() const { return pending_; }
  // The "Vault Grabber" page is shown: a pending search runs. True when it did.
  bool ShowPage(const SortProgress& progress = {});
  // Searches the whole vault with the filters, sorted by the chosen order.
  // The editor's "Search" button then shows the page with the first entry
  // selected, so no search is left pending.
  void Search(const SortProgress& progress = {});

  // ---- the result list
  // "Vault Viewer" until the first search, then the number of entries.
  std::string GroupCaption() const;
  std::size_t EntryCount() const { return positions_.size(); }
  // The item's name, or "No items found" for the entry of an empty result.
  std::string_view EntryName(std::size_t entry) const;
  bool FoundNothing() const { return noMatch_; }
  // The entry listing the vault position, if the result holds it.
  std::optional<std::size_t> EntryOf(std::size_t vaultPosition) const;

  // ---- selection
  // Describes the entry's item in the memo; nothing is stored or previewed.
  void Select(int entry);
  int SelectedEntry() const { return selected_; }  // -1 for none
  const std::vector<std::string>& MemoLines() const { return memo_; }
  void ClearMemo() { memo_.clear(); }
  // A found item is selected; the "No items found" entry cannot be copied.
  bool CanCopy() const;
  // "Copy Stats to Editor": a new manual item starts from the selected item.
  // True when one was made.
  bool CopyStatsTo(InlineEditor& editor) const;

  // ---- the filter page
  // "Clear Filters", the slot filter included; the search waits for the page.
  void ClearFilters(int defaultSort);

 private:
  void FillQuery();
  VaultQueryContext QueryContext() const;

  VaultQuery& query_;
  const MasterVault& vault_;
  const TemplateWorkflow& workflow_;
  ItemFilters filters_;
  bool pending_ = true;
  bool searched_ = false;
  bool noMatch_ = false;
  std::vector<std::size_t> positions_;
  int selected_ = -1;
  std::vector<std::string> memo_;
};

}  // namespace davoruzivi
