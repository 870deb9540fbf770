#pragma once
// Configuration: one set of choices of a template: a name, the item of each
// equipment slot, the spec levels, level, race, champion level, realm rank
// and weapon choice.

#include <array>
#include <optional>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/short_string.h"
#include "template/slot_ref.h"
#include "template/slots.h"

namespace davoruzivi {

inline constexpr int kSpecLines = 8;
inline constexpr int kMaxConfigurations = 1000;
inline constexpr int kMaxLevel = 50;
inline constexpr std::string_view kNewConfigurationName = "New Configuration";
// The race of a configuration that has none; it adds no resists.
inline constexpr std::string_view kNoRace = "<None>";

// WeaponsEquipped: 0 "<Choose Weapons Equipped>", 1 "Right and Left Hands",
// 2 "Two Handed", 3 "Ranged / Instrument".
namespace weapons {
inline constexpr std::uint8_t NotChosen = 0, OneHanded = 1, TwoHanded = 2, Ranged = 3;
}  // namespace weapons

struct Configuration {
  ShortString<200> Name;
  std::array<std::string, kEquipmentSlotCount> Slots;
  std::array<std::uint8_t, kSpecLines> Spec{};
  std::uint8_t Level = 0;          // 1 to 50
  ShortString<50> Race;            // a race of the class's realm, or "<None>"
  std::uint8_t ChampionLevel = 0;  // 0 to 15, shown "CL0".."CL15"
  std::uint8_t RealmRank = 0;      // 0 to 12, shown "RR1".."RR13"
  std::uint8_t WeaponsEquipped = weapons::NotChosen;

  friend bool operator==(const Configuration&, const Configuration&) = default;
};

// The weapons choice a weapon slot stands for: the hand slots for "Right and
// Left Hands", the two-hand slot for "Two Handed", the ranged slot for
// "Ranged / Instrument"; nothing for every other slot.
std::optional<int> WeaponsChosenBy(int equipmentSlot);

// Whether the weapons choice lets an equipment slot count: a weapon slot only
// under its own choice; every other slot always counts.
bool WeaponsChoiceCounts(int equipmentSlot, int weaponsEquipped);

// A configuration as "Begin/New" makes it: every slot "e0", level 50, spec
// levels 1, champion level 10, with the race the window shows at the time.
Configuration NewConfiguration(std::string_view race);

}  // namespace davoruzivi
