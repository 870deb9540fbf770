#include "template/vault_grabber.h"

#include <algorithm>

#include "describe/item_description.h"
#include "itemdb/master_vault.h"
#include "template/inline_editor.h"
#include "template/template_workflow.h"

namespace davoruzivi {
namespace {

constexpr int kGrabberDefaultSort = static_cast<int>(VaultSortOrder::BonusLevel);  // "Bonus Level (Default)"

}  // namespace

std::string SortingProgressText(std::size_t reached, std::size_t total) {
  return "Sorting items... " + std::to_string(reached) + " / " + std::to_string(total);
}

VaultGrabber::VaultGrabber(VaultQuery& query, const MasterVault& vault, const TemplateWorkflow& workflow)
    : query_(query), vault_(vault), workflow_(workflow) {
  filters_.sort = kGrabberDefaultSort;
}

void VaultGrabber::Open(int defaultSort) {
  positions_.clear();
  noMatch_ = false;
  selected_ = -1;
  memo_.clear();
  if (filters_.sort < 0) filters_.sort = defaultSort;
  pending_ = true;
}

// The filter lock is on for good, so a pending search keeps the filters.
bool VaultGrabber::ShowPage(const SortProgress& progress) {
  if (!pending_) return false;
  Search(progress);
  return true;
}

// The grabber lists the whole vault whatever the template's class, server
// and slot: only its own filters, and the query's fixed rules, apply.
void VaultGrabber::FillQuery() {
  query_.Clear();
  VaultQuerySettings& settings = query_.Settings();
  FillQuerySettings(filters_, settings);
  settings.slot = filters_.slot;
  settings.realm = kUnfilteredRealm;
  settings.hideQuestionMarks = true;
}

// The hand slots follow the template class's weapons and shields.
VaultQueryContext VaultGrabber::QueryContext() const { return HandRulesContext(workflow_.Class()); }

void VaultGrabber::Search(const SortProgress& progress) {
  FillQuery();
  query_.Run(vault_, QueryContext());
  VaultQueryResult& result = query_.MutableResult();
  SortVaultResult(result, vault_, SortOrderOf(filters_), progress);
  // Vault position 0 holds an item like any other; only the marker of an
  // empty result stands for nothing found.
  noMatch_ = result.Size() == 1 && result.IsNoMatch();
  positions_ = result.positions;
  searched_ = true;
  pending_ = false;
  selected_ = -1;
  memo_.clear();
}

std::string VaultGrabber::GroupCaption() const {
  if (!searched_) return std::string(kVaultViewerCaption);
  return AvailableListCaption(EntryCount());
}

std::string_view VaultGrabber::EntryName(std::size_t entry) const {
  if (noMatch_) return kNoItemsFound;
  if (entry >= positions_.size() || positions_[entry] >= vault_.Size()) return {};
  return vault_.Items()[positions_[entry]].Name.View();
}

std::optional<std::size_t> VaultGrabber::EntryOf(std::size_t vaultPosition) const {
  if (noMatch_) return std::nullopt;
  const auto found = std::find(positions_.begin(), positions_.end(), vaultPosition);
  if (found == positions_.end()) return std::nullopt;
  return static_cast<std::size_t>(found - positions_.begin());
}

void VaultGrabber::Select(int entry) {
  memo_.clear();
  selected_ = entry >= 0 && static_cast<std::size_t>(entry) < positions_.size() ? entry : -1;
  if (selected_ < 0) return;
  if (noMatch_) {
    const auto lines = NoItemsFoundLines();
    memo_.assign(lines.begin(), lines.end());
    return;
  }
  const DescriptionContext context = workflow_.ItemDescriptionContext();
  const auto item = vault_.Find(static_cast<long long>(positions_[static_cast<std::size_t>(selected_)]));
  if (item) memo_ = DescribeVaultItem(*item, DescriptionForm::List, context).lines;
}

bool VaultGrabber::CanCopy() const {
  return selected_ >= 0 && !noMatch_ && positions_[static_cast<std::size_t>(selected_)] < vault_.Size();
}

bool VaultGrabber::CopyStatsTo(InlineEditor& editor) const {
  if (!CanCopy()) return false;
  editor.CopyFromVaultItem(vault_.Items()[positions_[static_cast<std::size_t>(selected_)]]);
  return true;
}

void VaultGrabber::ClearFilters(int defaultSort) {
  ClearItemFilters(filters_, defaultSort);
  pending_ = true;
}

}  // namespace davoruzivi
