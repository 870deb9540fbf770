#include "template/configuration.h"

namespace davoruzivi {

bool WeaponsChoiceCounts(int equipmentSlot, int weaponsEquipped) {
  switch (equipmentSlot) {
    case slot::RightHand:
    case slot::LeftHand: return weaponsEquipped == weapons::OneHanded;
    case slot::TwoHand: return weaponsEquipped == weapons::TwoHanded;
    case slot::Ranged: return weaponsEquipped == weapons::Ranged;
    default: return true;
  }
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
