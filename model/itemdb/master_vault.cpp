#include "itemdb/master_vault.h"

#include "core/huge_pages.h"
#include "itemdb/item_metrics.h"
#include "itemdb/vault_messages.h"
#include "platform/message_box.h"

namespace davoruzivi {

std::optional<VaultItem> MasterVault::Find(long long position) const {
  if (position < 0 || static_cast<std::size_t>(position) >= items_.size()) return std::nullopt;
  return items_[static_cast<std::size_t>(position)];
}

VaultItem MasterVault::GetVaultItem(long long position, platform::MessageBox& messages) const {
  if (auto item = Find(position)) return *item;
  messages.Notify(kReadPastEndMessage);
  return ResetVaultItem();
}

std::size_t MasterVault::PutVaultItem(long long position, const VaultItem& item) {
  if (position < 0 || static_cast<std::size_t>(position) >= items_.size()) {
    items_.push_back(item);
    shownBonusLevelBytes_.push_back(ShownBonusLevelByte(item));
    return items_.size() - 1;
  }
  const auto at = static_cast<std::size_t>(position);
  items_[at] = item;
  RefreshFigures(at);
  return at;
}

MasterVault::ItemEdits MasterVault::MutableItems() { return ItemEdits(*this); }

void MasterVault::RebuildMasterList() {
  constexpr std::size_t kTypicalNameLength = 24;
  masterList_.Clear();
  masterList_.Reserve(items_.size(), items_.size() * kTypicalNameLength);
  for (const VaultItem& item : items_) masterList_.Add(item.Name);
}

void MasterVault::ClearItems() {
  items_.clear();
  shownBonusLevelBytes_.clear();
}

void MasterVault::ReserveItems(std::size_t count) {
  if (count <= items_.capacity()) return;
  items_.reserve(count);
  AdviseHugePages(items_.data(), items_.capacity() * sizeof(VaultItem));
  shownBonusLevelBytes_.reserve(count);
}

void MasterVault::PadItemsTo(std::size_t count) {
  if (count <= items_.size()) return;
  items_.resize(count);
  shownBonusLevelBytes_.resize(count, ShownBonusLevelByte(VaultItem{}));
}

void MasterVault::RefreshFigures(std::size_t position) {
  shownBonusLevelBytes_[position] = ShownBonusLevelByte(items_[position]);
}

MasterVault::ItemEdits::~ItemEdits() {
  for (const std::size_t position : changed_) vault_.RefreshFigures(position);
}

VaultItem& MasterVault::ItemEdits::operator[](std::size_t position) {
  changed_.push_back(position);
  return vault_.items_[position];
}

}  // namespace davoruzivi
