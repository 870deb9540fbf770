#pragma once
// The 19 equipment slots of a configuration and the 17 slot kinds whose item
// lists they draw on: the two ring slots share one list, as do the two wrists.

#include <string_view>
#include <utility>

namespace davoruzivi {

inline constexpr int kEquipmentSlotCount = 19;
inline constexpr int kSlotKindCount = 17;
// The kind of a value that is no equipment slot: no list, every user skips it.
inline constexpr int kNoSlotKind = 19;

namespace slot {
inline constexpr int Jewel = 0, Neck = 1, Cloak = 2, Belt = 3, Ring1 = 4, Ring2 = 5, Wrist1 = 6, Wrist2 = 7, Chest = 8,
                     Head = 9, Arms = 10, Hands = 11, Legs = 12, Feet = 13, RightHand = 14, LeftHand = 15,
                     TwoHand = 16, Ranged = 17, Mythirians = 18;
}  // namespace slot

namespace slot_kind {
inline constexpr int Ring = 4, Wrist = 5;
}  // namespace slot_kind

int SlotKindOf(int equipmentSlot);

// "Jewel", "Neck", ..., "Ring 1", "Ring 2", ..., "Mythirians"; empty outside 0..18.
std::string_view SlotCaption(int equipmentSlot);

// The fixed part of a slot button's caption: the caption above, but
// "Mythirian" for slot 18.
std::string_view SlotBaseName(int equipmentSlot);

// The equipment slots [first, last] whose references point into the list of
// the slot's kind: both ring slots, both wrist slots, or the slot alone.
std::pair<int, int> SlotsSharingListOf(int equipmentSlot);

}  // namespace davoruzivi
