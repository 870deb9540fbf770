#pragma once
// The spec editor's point rules: what raising a spec line costs, how many
// spec points a level brings, the points auto-trained lines get for free, and
// Recount and Respec as operations on a configuration, apart from any window.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "template/classes.h"
#include "template/configuration.h"
#include "template/template_model.h"

namespace davoruzivi {

class TemplateWorkflow;

// The points needed to raise a line from 1 to level n: 0 for n <= 1, else
// 2 + 3 + ... + n, in unsigned 16-bit arithmetic.
std::uint16_t SpecCost(int n);

// The spec points of a character of the level: 2, 5, 9, 14 for the first five
// levels, then Trunc(k * pointsPerLevel) for each level k from 6, and above
// level 40 a bonus of Trunc((k - 1) * (pointsPerLevel / 2)) for each level k
// from 41. Each product is truncated on its own; the sums are 16-bit.
std::uint16_t TotalSpecPoints(std::uint8_t level, double pointsPerLevel);

// Points that the game trains for free on each line: SpecCost(level / 4) for
// the class's auto-trained lines, 0 for the others, each kept in 8 bits.
using SpecAllowances = std::array<std::uint8_t, kSpecLines>;
SpecAllowances AutoTrainAllowance(std::uint8_t level, const ClassInfo& classInfo);

// The number of usable spec editor rows of a class, 3 to 8: the number of its
// captioned spec lines, never fewer than 3; 3 for an index outside the class
// list.
int SpecRowCount(int classIndex);

// One flag per spec editor row, row 1 first.
using SpecRowFlags = std::array<bool, kSpecLines>;

// The rows whose caption button is enabled: the first SpecRowCount rows.
SpecRowFlags SpecRowsUsable(int classIndex);

// The rows whose edit and up-down are enabled: the usable rows, except row 7
// of "(Hib) Nightshade" (class 27), whose line "Nightshade Magic" has no skill
// bonus to train; its caption button stays enabled.
SpecRowFlags SpecRowsEditable(int classIndex);

// What a line at the level costs after its free points, never below 0.
std::int32_t SpecRowCost(int level, std::uint8_t allowance);

// What the spec editor tab shows after a Recount.
struct SpecTally {
  std::string EditedText;  // the edited row's text after corrections and lowering
  std::uint16_t Total = 0;
  std::int32_t Spent = 0;
  std::int32_t Left = 0;  // negative only when the edited row reached 1 and still overspends
  TemplateStatus Status = TemplateStatus::Off;

  friend bool operator==(const SpecTally&, const SpecTally&) = default;
};

// The edit handler of spec editor row `row` (1..8) whose text became
// `typedText`. Only with the template saved or modified and a row in 1..8:
// corrects the text (empty counts as "0"; a text that is not an integer
// becomes "1"; above Level becomes Level; leading zeros go; "0" becomes "1"),
// stores the row levels into the configuration's Spec and, while the spec
// costs more than the total, lowers the edited row one level at a time until
// it fits or the row is at 1, where it stops even though the spec still
// overspends. The status becomes Modified exactly when the stored levels
// differ from those before the Recount, whether or not the spec fits;
// otherwise it is left as it was. The other rows keep their stored levels.
// Nothing happens otherwise.
std::optional<SpecTally> Recount(Configuration& configuration, const ClassInfo& classInfo, int row,
                                 std::string_view typedText, TemplateStatus status);

// Spec points per level as the tab shows them: rounded to one significant
// digit, half away from zero, in fixed notation with one decimal ("1.0",
// 1.5 -> "2.0", 2.5 -> "3.0").
std::string PointsPerLevelText(double pointsPerLevel);

// Respec and show: Reset sets all eight lines to 1 first (asking the user is
// the caller's part); Show keeps the stored levels. The tally's status is
// Modified exactly when the levels end up other than they were before the
// call: showing the tab of a saved template leaves it saved unless Recount
// lowers row 1 (above the level, or while the spec overspends).
enum class RespecMode { Reset, Show };

struct SpecEditorView {
  int RowCount = 3;
  SpecRowFlags RowUsable = SpecRowsUsable(-1);    // caption button enabled
  SpecRowFlags RowEditable = SpecRowsEditable(-1);  // edit and up-down enabled
  std::uint16_t Total = 0;
  std::string PointsPerLevel;
  std::optional<SpecTally> Tally;  // the Recount of row 1; nothing when it did nothing
};

SpecEditorView RespecAndShow(Configuration& configuration, int classIndex, TemplateStatus status, RespecMode mode);

// The same two operations on the open template's current configuration, its
// class and its save state: a tally's status becomes the template's. Nothing
// happens while no configuration is selected.
std::optional<SpecTally> RecountCurrent(TemplateWorkflow& workflow, int row, std::string_view typedText);
std::optional<SpecEditorView> RespecAndShowCurrent(TemplateWorkflow& workflow, RespecMode mode);

}  // namespace davoruzivi
