#include "template/configuration.h"

namespace davoruzivi {

std::optional<int> WeaponsChosenBy(int equipmentSlot) {
  switch (equipmentSlot) {
    case slot::RightHand:
    case slot::LeftHand: return weapons::OneHanded;
    case slot::TwoHand: return weapons::TwoHanded;
    case slot::Ranged: return weapons::Ranged;
    default: return std::nullopt;
  }
}

bool WeaponsChoiceCounts(int equipmentSlot, int weaponsEquipped) {
  const std::optional<int> chosenBy = WeaponsChosenBy(equipmentSlot);
  return !chosenBy || *chosenBy == weaponsEquipped;
}

Configuration NewConfiguration(std::string_view race) {
  Configuration configuration;
  configuration.Name = kNewConfigurationName;
  configuration.Slots.fill(std::string(kEmptySlotRef));
  configuration.Spec.fill(1);
  configuration.Level = kMaxLevel;
  configuration.Race = race;
  configuration.ChampionLevel = 10;
  configuration.RealmRank = 0;
  configuration.WeaponsEquipped = weapons::NotChosen;
  return configuration;
}

}  // namespace davoruzivi
