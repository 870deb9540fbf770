#pragma once
// The stat engine: what a configuration's items add up to for every stat, the
// cap its level, realm rank and cap bonuses allow, and how the two compare.

#include <array>
#include <cstdint>
#include <vector>

#include "itemdb/stat_catalogue.h"

namespace davoruzivi {

class MasterVault;
struct AppliedClass;
struct Configuration;
struct Template;

// The arrays cover StatId 0..300; stats up to 248 are compared with their cap.
inline constexpr int kStatArraySize = 301;
inline constexpr int kLastComparedStat = 248;

enum class StatState : std::uint8_t { OverCap = 0, UnderCap = 1, AtCap = 2, NotCompared = 3 };

struct StatResult {
  std::array<std::int32_t, kStatArraySize> Totals{};
  std::array<std::int32_t, kStatArraySize> Caps{};
  std::array<std::int32_t, kStatArraySize> Diffs{};
  std::array<StatState, kStatArraySize> States{};
};

// Whether an active slot preview stands in for the slot's chosen item, or
// the configuration is taken as it stands (to tell what a preview changes).
enum class Previews { Counted, Ignored };

// Runs the engine for one configuration of the template: its equipped items
// (or the items previewed in their place), the omnicrafter's plan, the race,
// realm rank and all-skill bonuses, and the caps.
StatResult CalcStats(const Template& model, const MasterVault& vault, const AppliedClass& applied,
                     const Configuration& configuration, Previews previews = Previews::Counted);

// Whether a stat is a skill of a character of the realm: the skills every
// character has (23..27 and the Mauler's 185..189) and those of the realm
// (Albion 28..53, Hibernia 65..91, Midgard 103..125). The realm rank and the
// all-skill bonuses add to these skills only.
bool IsCharacterSkill(int stat, int characterRealm);

// The bonuses whose totals the engine adds to a stat's total, in the order it
// adds them: the mythical physical damage reduction to the crush, slash and
// thrust resists, a "(Stat+Cap)" mythical bonus to its stat, resist and
// "(Cap Only)" twin, acuity and mythical acuity to the class's acuity
// attribute, and the all-skill bonuses to the character's skills of their
// group. Race resists and the realm rank are not bonuses and are not listed.
std::vector<int> BonusesAddedTo(int stat, const AppliedClass& applied);

}  // namespace davoruzivi
