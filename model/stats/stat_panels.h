#pragma once
// The stat panels' content: which stat is shown in which list under which
// label, what each row shows, and the report of the items behind one stat.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "stats/stat_engine.h"

namespace davoruzivi {

class MasterVault;
struct AppliedClass;
struct Configuration;
struct Template;

// One row of the display table: a label and the stat it shows.
struct DisplayRow {
  std::string_view label;
  int statId;
};

// A group of the display table: its heading (never shown) and its rows.
struct DisplayGroup {
  std::string_view heading;
  std::vector<DisplayRow> rows;
};

// The display table, group by group.
const std::vector<DisplayGroup>& CapFormulas();

// The five visible lists and the hidden one that holds every non-zero row.
enum class StatList { RegStats, RegStatCaps, Resists, Skills, Others, HoldAllStats };
inline constexpr int kStatListCount = 6;

// The list a stat's row stands in.
StatList StatListOf(int statId);

// Column headings: the first column's title, then "Now", "Cap", "+/-".
std::string_view StatListTitle(StatList list);

struct PanelRow {
  std::string label;
  int statId = 0;
  std::string now;  // the total, or "0" where the class does not use the stat
  std::int32_t cap = 0;
  std::int32_t difference = 0;
  StatState state = StatState::NotCompared;
  // While a slot previews an item: how the total moves against the
  // configuration as it stands, and whether that is towards the cap.
  std::int32_t change = 0;
  bool changeHelps = false;
};

using StatPanels = std::array<std::vector<PanelRow>, kStatListCount>;

// How a row's text is drawn by its state: red over the cap, blue under it,
// green at it, bold black where it is not compared.
struct StateStyle {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool bold = false;
};
StateStyle StyleOf(StatState state);

// Whether the class has a use for the stat, so that its total is shown: a
// focus only for a focus caster and only for the foci of its own spec lines,
// a skill only for the class's spec lines, "All Dual Wielding Skills" (181)
// only when the class dual wields, "All Archery Skills" (182) only when it
// uses archery; every other stat always.
bool ClassShowsStat(const AppliedClass& applied, int statId);

// The rows of every list for a result of the engine. `showAllOthers` is the
// "Show All ToA/PvE/Other Stats" check box.
StatPanels BuildStatPanels(const StatResult& result, const AppliedClass& applied, bool showAllOthers);

// What the information panel shows for one stat row.
struct ContributorReport {
  std::string title;
  std::vector<std::string> lines;
};

// The captions the slot buttons show: base name, ":" and the equipped entry's
// name ("<Empty Slot>" when the reference names no entry).
std::array<std::string, 19> SlotButtonCaptions(const Template& model, const MasterVault& vault,
                                               const Configuration& configuration);

// The slot names of the vault loader's slot list, which name the slots while
// a sub-window is open.
std::span<const std::string_view> LoaderSlotNames();

// The items that give the stat a row's label names, slot by slot; then the
// all-skill and acuity blocks of the stat's kind, a block for every further
// bonus the engine folds into the stat (mythical bonuses), the race resist
// and the realm rank; and the total, which counts each block by what the
// engine adds for the class, so that it equals the row's total unless a
// preview, the omnicrafter's plan or a Mythirian's champion level changes
// the items (the item lines consider none of them). Nothing for a label that
// names no stat. `slotCaptions` names each equipment slot in the lines.
std::optional<ContributorReport> BuildContributorReport(std::string_view label, const Template& model,
                                                        const MasterVault& vault, const AppliedClass& applied,
                                                        const Configuration& configuration, const StatResult& result,
                                                        std::span<const std::string> slotCaptions);

}  // namespace davoruzivi
