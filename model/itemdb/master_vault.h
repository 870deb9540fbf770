#pragma once
// The master vault in memory: every VaultItem in vault order, the vocabularies
// that grew while it was read, and the name list built when it was loaded.
// Records are appended or overwritten, never removed or reordered, so a vault
// position names the same item for the whole run.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/text_list.h"
#include "itemdb/item_vocabularies.h"
#include "itemdb/vault_item.h"

namespace davoruzivi {

namespace platform {
class MessageBox;
}

// A vault may announce or hold at most this many records; a count line or a
// file beyond it is treated as damaged rather than exhausting memory.
inline constexpr std::size_t kMaxVaultRecords = 1'000'000;

class MasterVault {
 public:
  MasterVault() = default;

  std::size_t Size() const { return items_.size(); }
  const std::vector<VaultItem>& Items() const { return items_; }
  ItemVocabularies& Vocabularies() { return vocabularies_; }
  const ItemVocabularies& Vocabularies() const { return vocabularies_; }

  // The record at a position, or nothing when the position is outside the vault.
  std::optional<VaultItem> Find(long long position) const;
  // The record at a position; outside the vault, tells the user "Read past end
  // of vault." and gives a reset record.
  VaultItem GetVaultItem(long long position, platform::MessageBox& messages) const;
  // Overwrites the record at a position; a position outside the vault appends
  // the item instead. Returns the position the item took.
  std::size_t PutVaultItem(long long position, const VaultItem& item);

  // The name of every record in vault order, as built when the vault was loaded.
  const TextList& VaultMasterList() const { return masterList_; }
  void RebuildMasterList();

  // For the reader: the record array, sized from the file's count line.
  std::vector<VaultItem>& MutableItems() { return items_; }

 private:
  ItemVocabularies vocabularies_;
  std::vector<VaultItem> items_;
  TextList masterList_;
};

}  // namespace davoruzivi
