#include "itemdb/master_vault.h"

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
    return items_.size() - 1;
  }
  items_[static_cast<std::size_t>(position)] = item;
  return static_cast<std::size_t>(position);
}

void MasterVault::RebuildMasterList() {
  constexpr std::size_t kTypicalNameLength = 24;
  masterList_.Clear();
  masterList_.Reserve(items_.size(), items_.size() * kTypicalNameLength);
  for (const VaultItem& item : items_) masterList_.Add(item.Name);
}

}  // namespace davoruzivi
