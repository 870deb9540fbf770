#pragma once
// What a previewed vault item changes: while the vault loader previews an
// item in a slot, each stat row tells how its total moves against the
// configuration as it stands, and a short comparison names the rows that move.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "stats/stat_engine.h"
#include "stats/stat_panels.h"

namespace davoruzivi {

class MasterVault;
struct AppliedClass;
struct Configuration;
struct Template;

// The equipment slot whose preview is active; nothing when none is.
std::optional<int> PreviewedSlot(const Template& model);

// How one stat's total moves from `before` (no preview) to `after`.
struct StatChange {
  std::int32_t change = 0;      // after's total minus before's
  std::int32_t cappedGain = 0;  // the part of the change that counts below the cap
  bool helps = false;           // towards or onto the cap (or a gain where no cap applies)
};
StatChange ChangeOf(int statId, const StatResult& before, const StatResult& after);

// Marks every row of the panels with the change of its stat; rows whose total
// the class does not show ("0") stay unchanged.
void MarkPreviewChanges(StatPanels& panels, const StatResult& before, const StatResult& after,
                        const AppliedClass& applied);

// The block that follows the previewed item's description: an empty line,
// "Compared with " + the slot's equipped entry + ":", then one line per row of
// the display table whose shown total changes, the largest capped gain first,
// as "Strength +12 (+4 to cap)" ("Armor Factor +20" where no cap applies).
std::vector<std::string> ComparisonLines(std::string_view equippedName, const StatResult& before,
                                         const StatResult& after, const AppliedClass& applied);

// The name of the entry a configuration equips in the slot, or "Empty Slot".
std::string EquippedName(const Template& model, const MasterVault& vault, const Configuration& configuration,
                         int equipmentSlot);

}  // namespace davoruzivi
