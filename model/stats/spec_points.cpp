#include "stats/spec_points.h"

#include "template/template_workflow.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/decimal_text.h"
#include "core/integer_text.h"

namespace davoruzivi {
namespace {

constexpr int kFewestSpecRows = 3;

// "(Hib) Nightshade": the line of its row 7, "Nightshade Magic", has no skill
// bonus and cannot be trained, though its caption is shown.
constexpr int kNightshade = 27;
constexpr int kNightshadeMagicRow = 7;

// A caption names a row; a line without a row has an empty or a blank one.
bool IsCaptioned(const SpecLine& line) { return line.Caption.find_first_not_of(' ') != std::string_view::npos; }

// Trunc(value) as it lands in a 16-bit sum: modulo 65536.
std::uint16_t TruncatedToWord(double value) {
  if (!std::isfinite(value)) return 0;
  const double wrapped = std::fmod(std::trunc(value), 65536.0);
  return static_cast<std::uint16_t>(static_cast<std::int32_t>(wrapped));
}

// One run of the edit's corrections over its text.
std::string CorrectedOnce(std::string text, std::uint8_t level) {
  if (text.empty()) text = "0";
  const std::optional<std::int32_t> number = ParseInteger(text);
  if (!number) return "1";
  if (*number > level) text = std::to_string(level);
  if (text.size() > 1 && text.front() == '0') text.erase(0, 1);
  if (text == "0") text = "1";
  return text;
}

// Putting a corrected text back into the edit changes it again, which runs
// the corrections once more, until the text stays as it is. Every run either
// shortens the text or ends in a text that no run changes.
std::string CorrectedSpecText(std::string_view typed, std::uint8_t level) {
  std::string text(typed);
  for (std::string next = CorrectedOnce(text, level); next != text; next = CorrectedOnce(text, level)) {
    text = std::move(next);
  }
  return text;
}

// The up-down position that a corrected text stands for, within 1..Level.
int PositionOf(std::string_view text, std::uint8_t level) {
  return std::clamp(ParseIntegerOr(text, 1), 1, std::max(1, int{level}));
}

using RowLevels = std::array<int, kSpecLines>;

std::int32_t SpentPoints(const RowLevels& levels, const SpecAllowances& allowances) {
  std::int32_t spent = 0;
  for (std::size_t n = 0; n < levels.size(); ++n) spent += SpecRowCost(levels[n], allowances[n]);
  return spent;
}

void StoreLevels(Configuration& configuration, const RowLevels& levels) {
  std::transform(levels.begin(), levels.end(), configuration.Spec.begin(),
                 [](int level) { return static_cast<std::uint8_t>(level); });
}

using SpecLevels = decltype(Configuration::Spec);

// Recount against the levels the configuration held before the command: a
// difference from them, and nothing else, marks the template modified.
std::optional<SpecTally> RecountSince(const SpecLevels& before, Configuration& configuration,
                                      const ClassInfo& classInfo, int row, std::string_view typedText,
                                      TemplateStatus status) {
  if (row < 1 || row > kSpecLines) return std::nullopt;
  if (status != TemplateStatus::Saved && status != TemplateStatus::Modified) return std::nullopt;
  const std::uint8_t level = configuration.Level;
  SpecTally tally{CorrectedSpecText(typedText, level), TotalSpecPoints(level, classInfo.SpecPointsPerLevel), 0, 0,
                  status};
  const SpecAllowances allowances = AutoTrainAllowance(level, classInfo);
  RowLevels levels;
  std::copy(configuration.Spec.begin(), configuration.Spec.end(), levels.begin());
  int& edited = levels[static_cast<std::size_t>(row - 1)];
  edited = PositionOf(tally.EditedText, level);
  for (;;) {
    tally.Spent = SpentPoints(levels, allowances);
    tally.Left = tally.Total - tally.Spent;
    StoreLevels(configuration, levels);
    if (tally.Left >= 0 || edited <= 1) break;
    tally.EditedText = std::to_string(--edited);
  }
  if (configuration.Spec != before) tally.Status = TemplateStatus::Modified;
  return tally;
}

}  // namespace

std::uint16_t SpecCost(int n) {
  if (n <= 1) return 0;
  const std::int64_t level = n;
  return static_cast<std::uint16_t>(level * (level + 1) / 2 - 1);
}

std::uint16_t TotalSpecPoints(std::uint8_t level, double pointsPerLevel) {
  std::uint16_t total = 2;
  for (int k = 3; k <= std::min(int{level}, 5); ++k) total = static_cast<std::uint16_t>(total + k);
  for (int k = 6; k <= level; ++k) total = static_cast<std::uint16_t>(total + TruncatedToWord(k * pointsPerLevel));
  for (int k = 41; k <= level; ++k) {
    total = static_cast<std::uint16_t>(total + TruncatedToWord((k - 1) * (pointsPerLevel / 2)));
  }
  return total;
}

SpecAllowances AutoTrainAllowance(std::uint8_t level, const ClassInfo& classInfo) {
  const auto allowance = static_cast<std::uint8_t>(SpecCost(level / 4));
  SpecAllowances allowances{};
  for (std::size_t n = 0; n < allowances.size(); ++n) allowances[n] = classInfo.AutoTrain[n] ? allowance : 0;
  return allowances;
}

int SpecRowCount(int classIndex) {
  const auto& lines = ClassInfoOf(classIndex).SpecLines;
  const auto captioned = static_cast<int>(std::count_if(lines.begin(), lines.end(), IsCaptioned));
  return std::max(kFewestSpecRows, captioned);
}

SpecRowFlags SpecRowsUsable(int classIndex) {
  const int rowCount = SpecRowCount(classIndex);
  SpecRowFlags usable{};
  for (int row = 1; row <= kSpecLines; ++row) usable[static_cast<std::size_t>(row - 1)] = row <= rowCount;
  return usable;
}

SpecRowFlags SpecRowsEditable(int classIndex) {
  SpecRowFlags editable = SpecRowsUsable(classIndex);
  if (classIndex == kNightshade) editable[kNightshadeMagicRow - 1] = false;
  return editable;
}

std::int32_t SpecRowCost(int level, std::uint8_t allowance) {
  return std::max<std::int32_t>(0, std::int32_t{SpecCost(level)} - allowance);
}

std::optional<SpecTally> Recount(Configuration& configuration, const ClassInfo& classInfo, int row,
                                 std::string_view typedText, TemplateStatus status) {
  const SpecLevels before = configuration.Spec;
  return RecountSince(before, configuration, classInfo, row, typedText, status);
}

std::string PointsPerLevelText(double pointsPerLevel) { return FixedText(pointsPerLevel, 1, 1); }

std::optional<SpecTally> RecountCurrent(TemplateWorkflow& workflow, int row, std::string_view typedText) {
  Configuration* current = workflow.Model().Current();
  if (!current) return std::nullopt;
  auto tally = Recount(*current, workflow.Class().Info, row, typedText, workflow.Status());
  if (tally) workflow.SetStatus(tally->Status);
  return tally;
}

std::optional<SpecEditorView> RespecAndShowCurrent(TemplateWorkflow& workflow, RespecMode mode) {
  Configuration* current = workflow.Model().Current();
  if (!current) return std::nullopt;
  SpecEditorView view = RespecAndShow(*current, workflow.Class().ClassIndex, workflow.Status(), mode);
  if (view.Tally) workflow.SetStatus(view.Tally->Status);
  return view;
}

SpecEditorView RespecAndShow(Configuration& configuration, int classIndex, TemplateStatus status, RespecMode mode) {
  const ClassInfo& info = ClassInfoOf(classIndex);
  const SpecLevels before = configuration.Spec;
  if (mode == RespecMode::Reset) configuration.Spec.fill(1);
  SpecEditorView view;
  view.RowCount = SpecRowCount(classIndex);
  view.RowUsable = SpecRowsUsable(classIndex);
  view.RowEditable = SpecRowsEditable(classIndex);
  view.Total = TotalSpecPoints(configuration.Level, info.SpecPointsPerLevel);
  view.PointsPerLevel = PointsPerLevelText(info.SpecPointsPerLevel);
  view.Tally = RecountSince(before, configuration, info, 1, std::to_string(configuration.Spec[0]), status);
  return view;
}

}  // namespace davoruzivi
