#pragma once
// InlineItem: an item entered by hand into a template's candidate list. Its
// 271-byte little-endian image is also the whole content of a ".kwz" file.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/short_string.h"
#include "itemdb/stat_catalogue.h"
#include "itemdb/vault_item.h"

namespace davoruzivi {

inline constexpr std::size_t kInlineItemImageSize = 271;

using InlineItemImage = std::array<std::uint8_t, kInlineItemImageSize>;

// Bonus slot n and effect n are element n - 1 of their arrays.
struct InlineItem {
  ShortString<200> Name;
  std::array<StatId, kBonusSlots> StatIds{};  // 0 empty
  std::array<std::int32_t, kBonusSlots> StatValues{};
  std::array<std::uint8_t, kProcSlots> ProcKinds{};  // 0 "No Procs/Effects" .. 5 "Selectable Effects"
  std::array<std::uint16_t, kProcSlots> ProcEffects{};  // index into AllProcs
  std::array<std::uint16_t, kProcSlots> ProcAmounts{};  // 0 to 5000

  friend bool operator==(const InlineItem&, const InlineItem&) = default;
};

InlineItemImage ToImage(const InlineItem& item);
InlineItem InlineItemFromImage(std::span<const std::uint8_t, kInlineItemImageSize> image);

}  // namespace davoruzivi
