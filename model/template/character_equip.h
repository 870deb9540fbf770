#pragma once
// The candidate items of a character: one list set per slot kind, the preview
// of each equipment slot and the omnicrafter's plan.

#include <array>
#include <cstdint>
#include <vector>

#include "itemdb/inline_item.h"
#include "itemdb/stat_catalogue.h"
#include "template/crafted_item.h"
#include "template/slots.h"

namespace davoruzivi {

// The candidates of one slot kind. A SlotRef names an entry by its position,
// so entries keep their order and a position is an entry's identity.
struct ItemSlot {
  std::vector<std::int32_t> VaultIds;  // master vault positions
  std::vector<InlineItem> InlineItems;
  std::vector<CraftedItem> CraftedItems;

  friend bool operator==(const ItemSlot&, const ItemSlot&) = default;
};

// The item that stands in for a slot's chosen item while the user browses the
// master vault for it.
inline constexpr std::uint8_t kVaultItemPreview = 1;  // SlotPreview::Kind of a master vault item

struct SlotPreview {
  std::uint8_t Active = 0;
  std::uint8_t Kind = 0;  // kVaultItemPreview: a master vault item
  std::int32_t VaultIndex = 0;
  InlineItem Inline;    // working buffer of the inline editor (slot 0's)
  CraftedItem Crafted;  // working buffer nothing reads

  friend bool operator==(const SlotPreview&, const SlotPreview&) = default;
};

// The omnicrafter's plan: gems planned across several crafted items.
struct OmniCrafted {
  std::uint8_t Enabled = 0;
  std::array<std::uint8_t, kEquipmentSlotCount> SlotFlags{};
  std::vector<StatId> GemStats;
  std::vector<std::int32_t> GemAmounts;  // parallel to GemStats

  friend bool operator==(const OmniCrafted&, const OmniCrafted&) = default;
};

struct CharacterEquip {
  std::array<ItemSlot, kSlotKindCount> Slots;            // index: slot kind
  std::array<SlotPreview, kEquipmentSlotCount> Previews;  // index: equipment slot
  OmniCrafted Omni;

  friend bool operator==(const CharacterEquip&, const CharacterEquip&) = default;
};

}  // namespace davoruzivi
