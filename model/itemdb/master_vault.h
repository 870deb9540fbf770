#pragma once
// The master vault in memory: every VaultItem in vault order, the vocabularies
// that grew while it was read, and the name list built when it was loaded.
// Records are appended or overwritten, never removed or reordered, so a vault
// position names the same item for the whole run.

#include <cstddef>
#include <cstdint>
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
  class ItemEdits;

  MasterVault() = default;

  std::size_t Size() const { return items_.size(); }
  const std::vector<VaultItem>& Items() const { return items_; }
  ItemVocabularies& Vocabularies() { return vocabularies_; }
  const ItemVocabularies& Vocabularies() const { return vocabularies_; }

  // ShownBonusLevelByte of every record, in vault order: worked out when a
  // record arrives or changes, so that a query over the whole vault only reads it.
  const std::vector<std::uint8_t>& ShownBonusLevelBytes() const { return shownBonusLevelBytes_; }

  // The record at a position, or nothing when the position is outside the vault.
  std::optional<VaultItem> Find(long long position) const;
  // The record at a position; outside the vault, tells the user "Read past end
  // of vault." and gives a reset record.
  VaultItem GetVaultItem(long long position, platform::MessageBox& messages) const;
  // Overwrites the record at a position; a position outside the vault appends
  // the item instead. Returns the position the item took.
  std::size_t PutVaultItem(long long position, const VaultItem& item);
  // Records to change in place, for as long as the returned object lives.
  ItemEdits MutableItems();

  // The name of every record in vault order, as built when the vault was loaded.
  const TextList& VaultMasterList() const { return masterList_; }
  void RebuildMasterList();

  // For the reader, which empties the vault's records, appends them one by one
  // with PutVaultItem and makes room for them as their text arrives.
  void ClearItems();
  void ReserveItems(std::size_t count);
  std::size_t ItemCapacity() const { return items_.capacity(); }
  // Appends all-zero records until the vault holds `count`.
  void PadItemsTo(std::size_t count);

 private:
  void RefreshFigures(std::size_t position);

  ItemVocabularies vocabularies_;
  std::vector<VaultItem> items_;
  std::vector<std::uint8_t> shownBonusLevelBytes_;  // one per record
  TextList masterList_;
};

// Records of a vault reached for in-place changes. Each record handed out has
// the figures the vault keeps beside it worked out again when the edits end.
class MasterVault::ItemEdits {
 public:
  explicit ItemEdits(MasterVault& vault) : vault_(vault) {}
  ~ItemEdits();
  ItemEdits(const ItemEdits&) = delete;
  ItemEdits& operator=(const ItemEdits&) = delete;

  VaultItem& operator[](std::size_t position);

 private:
  MasterVault& vault_;
  std::vector<std::size_t> changed_;
};

}  // namespace davoruzivi
