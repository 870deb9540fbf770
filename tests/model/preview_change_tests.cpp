// What an item previewed in a slot changes: each stat's move against the
// configuration as it stands, the rows it marks and the comparison it writes.

#include <gtest/gtest.h>

#include "model/test_support.h"
#include "stats/preview_change.h"
#include "stats/recalculation.h"
#include "template/classes.h"
#include "template/slots.h"

namespace davoruzivi {
namespace {

constexpr int kStrength = 1;
constexpr int kHitPoints = 10;
constexpr int kBodyResist = 18;
constexpr int kUncompared = 260;

StatResult Totals(int stat, std::int32_t total, std::int32_t cap) {
  StatResult result;
  result.Totals[static_cast<std::size_t>(stat)] = total;
  result.Caps[static_cast<std::size_t>(stat)] = cap;
  return result;
}

struct Move {
  std::int32_t before, after, cap;
  std::int32_t cappedGain;
  bool helps;
};

TEST(PreviewChange, AMoveHelpsOnlyTowardsOrOntoTheCap) {
  const Move moves[] = {
      {60, 72, 75, 12, true},    // towards
      {60, 75, 75, 15, true},    // onto
      {70, 82, 75, 5, false},    // past: only 5 of it counts
      {80, 77, 75, 0, true},     // down towards the cap from above
      {80, 70, 75, -5, false},   // down past it
      {60, 50, 75, -10, false},  // away
  };
  for (const Move& move : moves) {
    const StatChange change =
        ChangeOf(kStrength, Totals(kStrength, move.before, move.cap), Totals(kStrength, move.after, move.cap));
    EXPECT_EQ(change.change, move.after - move.before) << move.before << " to " << move.after;
    EXPECT_EQ(change.cappedGain, move.cappedGain) << move.before << " to " << move.after;
    EXPECT_EQ(change.helps, move.helps) << move.before << " to " << move.after;
  }
  // Where no cap applies a gain helps and the whole of it counts.
  const StatChange gain = ChangeOf(kUncompared, Totals(kUncompared, 5, 0), Totals(kUncompared, 9, 0));
  EXPECT_EQ(gain.cappedGain, 4);
  EXPECT_TRUE(gain.helps);
  EXPECT_FALSE(ChangeOf(kUncompared, Totals(kUncompared, 9, 0), Totals(kUncompared, 5, 0)).helps);
  EXPECT_EQ(ChangeOf(kStatArraySize, {}, {}).change, 0);
}

class PreviewedItemTest : public test::EquippingTest {
 protected:
  void Preview(int s, int position) {
    SlotPreview& preview = model_.Equip.Previews[static_cast<std::size_t>(s)];
    preview.Active = 1;
    preview.Kind = 1;
    preview.VaultIndex = position;
  }
  const AppliedClass applied_ = ApplyClass(0);
};

TEST_F(PreviewedItemTest, MarksTheRowsItChangesAndComparesLargestCappedGainFirst) {
  config_.Level = 50;
  EquipVault(slot::Chest, "Old Robe", {{kStrength, 70}, {kBodyResist, 4}});
  const int candidate = AddToVault({{kStrength, 90}, {kHitPoints, 40}}, "New Robe");
  const StatResult asItStands = Run();
  Preview(slot::Chest, candidate);
  const StatResult previewed = Run();

  EXPECT_EQ(CalcStats(model_, vault_, applied_, config_, Previews::Ignored).Totals, asItStands.Totals);
  ASSERT_EQ(PreviewedSlot(model_), slot::Chest);
  EXPECT_EQ(previewed.Totals[kStrength] - asItStands.Totals[kStrength], 20);

  StatPanels panels = BuildStatPanels(previewed, applied_, false);
  MarkPreviewChanges(panels, asItStands, previewed, applied_);
  const auto row = [&panels](StatList list, std::string_view label) {
    for (const PanelRow& r : panels[static_cast<std::size_t>(list)])
      if (r.label == label) return r;
    return PanelRow{};
  };
  EXPECT_EQ(row(StatList::RegStats, "Strength").change, 20);
  EXPECT_FALSE(row(StatList::RegStats, "Strength").changeHelps) << "70 already nears the cap of 75; 90 passes it";
  EXPECT_EQ(row(StatList::RegStats, "Hit Points").change, 40);
  EXPECT_TRUE(row(StatList::RegStats, "Hit Points").changeHelps);
  EXPECT_EQ(row(StatList::Resists, "Body Resist").change, -4);
  EXPECT_EQ(row(StatList::RegStats, "Dexterity").change, 0);

  const std::string equipped = EquippedName(model_, vault_, config_, slot::Chest);
  EXPECT_EQ(equipped, "Old Robe");
  const auto lines = ComparisonLines(equipped, asItStands, previewed, applied_);
  const std::vector<std::string> expected{"", "Compared with Old Robe:", "Hit Points +40 (+40 to cap)",
                                          "Strength +20 (+5 to cap)", "Body Resist -4 (-4 to cap)"};
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(EquippedName(model_, vault_, config_, slot::Head), "Empty Slot");
}

using PreviewRecalculationTest = test::WorkflowTest;

TEST_F(PreviewRecalculationTest, ComparesOnlyWhileAPreviewIsActive) {
  VaultItem item = ResetVaultItem();
  item.Name = "Gauntlets";
  item.StatIds[0] = kStrength;
  item.StatValues[0] = 9;
  vault_.PutVaultItem(0, item);
  vault_.PutVaultItem(1, item);
  Recalculation recalculation(workflow_, vault_);
  workflow_.NewConfiguration();
  EXPECT_TRUE(recalculation.Comparison().empty());

  SlotPreview& preview = model_.Equip.Previews[slot::Hands];
  preview = {1, 1, 1, {}, {}};
  workflow_.Recalculate(TemplateWorkflow::Change::None);
  const auto& lines = recalculation.Comparison();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], "Compared with Empty Slot:");
  EXPECT_EQ(lines[2], "Strength +9 (+9 to cap)");

  preview.Active = 0;
  workflow_.Recalculate(TemplateWorkflow::Change::None);
  EXPECT_TRUE(recalculation.Comparison().empty());
  for (const auto& list : recalculation.Panels())
    for (const PanelRow& row : list) EXPECT_EQ(row.change, 0) << row.label;
}

}  // namespace
}  // namespace davoruzivi
