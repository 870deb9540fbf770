#include "template/configuration.h"

namespace davoruzivi {

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
