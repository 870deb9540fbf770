#pragma once
// CraftedItem: a spellcrafted item of a template's candidate list, with its
// 476-byte little-endian image.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/short_string.h"
#include "itemdb/stat_catalogue.h"
#include "itemdb/vault_item.h"

namespace davoruzivi {

inline constexpr std::size_t kCraftedItemImageSize = 476;
inline constexpr int kGemSlots = 4;

using CraftedItemImage = std::array<std::uint8_t, kCraftedItemImageSize>;

// Bonus slot n is element n - 1; bonuses 1..4 are the four gem slots.
struct CraftedItem {
  std::uint8_t Autoname = 0;  // 1: the name is made from the item's bonuses
  ShortString<200> Name;
  std::uint8_t Absorption = 0;  // "0%", "10%", "19%", "27%", "34%", "Non-Armor"
  std::uint8_t ItemLevel = 0;   // 1 to 51
  std::uint8_t LegacyBonus = 0;
  std::uint8_t FifthSlotBonus = 0;  // 0 "No Extra Bonus"
  ShortString<100> AlchemyProc;
  ShortString<100> SpareText;
  std::array<StatId, kBonusSlots> StatIds{};
  std::array<std::int32_t, kBonusSlots> StatValues{};
  std::array<std::uint16_t, kGemSlots> GemTiers{};

  friend bool operator==(const CraftedItem&, const CraftedItem&) = default;
};

CraftedItemImage ToImage(const CraftedItem& item);
CraftedItem CraftedItemFromImage(std::span<const std::uint8_t, kCraftedItemImageSize> image);

}  // namespace davoruzivi
