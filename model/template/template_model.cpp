#include "template/template_model.h"

#include "core/wrapping.h"
#include "itemdb/master_vault.h"

namespace davoruzivi {

Configuration* Template::Current() {
  if (CurrentConfiguration < 0 || CurrentConfiguration >= static_cast<int>(Configurations.size())) return nullptr;
  return &Configurations[static_cast<std::size_t>(CurrentConfiguration)];
}

const Configuration* Template::Current() const { return const_cast<Template*>(this)->Current(); }

int ListLength(const ItemSlot& lists, ItemList list) {
  switch (list) {
    case ItemList::Vault: return static_cast<int>(lists.VaultIds.size());
    case ItemList::Inline: return static_cast<int>(lists.InlineItems.size());
    case ItemList::Crafted: return static_cast<int>(lists.CraftedItems.size());
  }
  return 0;
}

std::optional<ResolvedItem> Resolve(const Template& model, const Configuration& configuration, int equipmentSlot) {
  const int kind = SlotKindOf(equipmentSlot);
  if (kind == kNoSlotKind) return std::nullopt;
  const auto ref = ParseSlotRef(configuration.Slots[static_cast<std::size_t>(equipmentSlot)]);
  if (!ref) return std::nullopt;
  const auto list = ItemListOf(ref->letter);
  if (!list || ref->position >= ListLength(model.ListsOf(kind), *list)) return std::nullopt;
  return ResolvedItem{*list, kind, ref->position};
}

bool EquipInCurrentSlot(Template& model, std::string_view ref) {
  Configuration* configuration = model.Current();
  if (!configuration || model.CurrentSlot < 0 || model.CurrentSlot >= kEquipmentSlotCount) return false;
  std::string& stored = configuration->Slots[static_cast<std::size_t>(model.CurrentSlot)];
  if (stored == ref) return false;
  stored = ref;
  return true;
}

int UsageCount(const Template& model, std::string_view ref) {
  if (SlotKindOf(model.CurrentSlot) == kNoSlotKind) return 0;
  const auto [first, last] = SlotsSharingListOf(model.CurrentSlot);
  int count = 0;
  for (const Configuration& configuration : model.Configurations)
    for (int s = first; s <= last; ++s)
      if (configuration.Slots[static_cast<std::size_t>(s)] == ref) ++count;
  return count;
}

void RemovalFixUp(Template& model, std::string_view ref, int equipmentSlot) {
  const auto removed = ParseSlotRef(ref);
  if (!removed || !ItemListOf(removed->letter) || SlotKindOf(equipmentSlot) == kNoSlotKind) return;
  const auto [first, last] = SlotsSharingListOf(equipmentSlot);
  for (Configuration& configuration : model.Configurations) {
    for (int s = first; s <= last; ++s) {
      std::string& slotRef = configuration.Slots[static_cast<std::size_t>(s)];
      const auto current = ParseSlotRef(slotRef);
      if (current && current->letter == removed->letter && current->position > removed->position)
        slotRef = MakeSlotRef(current->letter, current->position - 1);
    }
  }
}

std::int16_t SumOfStat(StatId statId, std::span<const StatId> ids, std::span<const std::int32_t> values) {
  std::int32_t sum = 0;
  for (std::size_t j = 0; j < ids.size() && j < values.size(); ++j)
    if (ids[j] == statId) sum = WrappingAdd(sum, values[j]);
  return static_cast<std::int16_t>(sum);
}

void TakeBackup(Template& model) { model.Backup = {model.Equip, model.Configurations}; }

void RestoreBackup(Template& model) {
  model.Equip = model.Backup.Equip;
  model.Configurations = model.Backup.Configurations;
}

void ClearTemplate(Template& model) {
  for (ItemSlot& lists : model.Equip.Slots) lists = ItemSlot{};
  model.Equip.Omni.GemStats.clear();
  model.Equip.Omni.GemAmounts.clear();
  model.Configurations.clear();
  model.CurrentConfiguration = -1;
  model.Notes.clear();
  model.FileName.clear();
  model.FileNameConfirmed = false;
}

std::vector<Candidate> CandidateList(const Template& model, const MasterVault& vault, int kind) {
  std::vector<Candidate> candidates{{"<Empty Slot>", std::string(kEmptySlotRef)}};
  if (kind < 0 || kind >= kSlotKindCount) return candidates;
  const ItemSlot& lists = model.ListsOf(kind);
  for (std::size_t n = 0; n < lists.VaultIds.size(); ++n) {
    const auto item = vault.Find(lists.VaultIds[n]);
    candidates.push_back({item ? item->Name.Str() : std::string(), MakeSlotRef(ItemList::Vault, static_cast<int>(n))});
  }
  for (std::size_t n = 0; n < lists.InlineItems.size(); ++n)
    candidates.push_back({lists.InlineItems[n].Name.Str(), MakeSlotRef(ItemList::Inline, static_cast<int>(n))});
  for (std::size_t n = 0; n < lists.CraftedItems.size(); ++n)
    candidates.push_back({lists.CraftedItems[n].Name.Str(), MakeSlotRef(ItemList::Crafted, static_cast<int>(n))});
  return candidates;
}

}  // namespace davoruzivi
