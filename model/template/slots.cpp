#include "template/slots.h"

#include <array>

namespace davoruzivi {

int SlotKindOf(int equipmentSlot) {
  if (equipmentSlot < 0 || equipmentSlot >= kEquipmentSlotCount) return kNoSlotKind;
  if (equipmentSlot < 5) return equipmentSlot;
  if (equipmentSlot < 7) return equipmentSlot - 1;
  return equipmentSlot - 2;
}

std::string_view SlotCaption(int equipmentSlot) {
  static constexpr std::array<std::string_view, kEquipmentSlotCount> kCaptions = {
      "Jewel", "Neck",  "Cloak", "Belt", "Ring 1",     "Ring 2",    "Wrist 1",  "Wrist 2", "Chest",     "Head",
      "Arms",  "Hands", "Legs",  "Feet", "Right Hand", "Left Hand", "Two Hand", "Ranged",  "Mythirians"};
  if (equipmentSlot < 0 || equipmentSlot >= kEquipmentSlotCount) return {};
  return kCaptions[static_cast<std::size_t>(equipmentSlot)];
}

std::string_view SlotBaseName(int equipmentSlot) {
  return equipmentSlot == slot::Mythirians ? std::string_view("Mythirian") : SlotCaption(equipmentSlot);
}

std::pair<int, int> SlotsSharingListOf(int equipmentSlot) {
  switch (SlotKindOf(equipmentSlot)) {
    case slot_kind::Ring: return {slot::Ring1, slot::Ring2};
    case slot_kind::Wrist: return {slot::Wrist1, slot::Wrist2};
    default: return {equipmentSlot, equipmentSlot};
  }
}

}  // namespace davoruzivi
