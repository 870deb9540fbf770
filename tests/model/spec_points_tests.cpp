// The spec editor's point rules, Recount and Respec.

#include <gtest/gtest.h>

#include <array>

#include "stats/spec_points.h"

namespace davoruzivi {
namespace {

TEST(SpecPoints, LineCostsAndTotalsInSixteenBits) {
  EXPECT_EQ(SpecCost(1), 0);
  EXPECT_EQ(SpecCost(12), 77);
  EXPECT_EQ(SpecCost(50), 1274);
  EXPECT_EQ(SpecCost(400), 80199 - 65536);
  // Totals truncate each level's product.
  const std::pair<double, int> atFifty[] = {{1, 1494}, {1.801, 2660}, {2.2, 3253}, {2.5, 3706}};
  for (const auto& [points, total] : atFifty) EXPECT_EQ(TotalSpecPoints(50, points), total) << points;
  EXPECT_EQ(TotalSpecPoints(40, 2), 1624);
  EXPECT_EQ(TotalSpecPoints(41, 2), 1624 + 82 + 40);  // the first level with the bonus
  // The first five levels ignore the points per level.
  EXPECT_EQ(TotalSpecPoints(1, 2.5), 2);
  EXPECT_EQ(TotalSpecPoints(5, 2.5), 14);
  // The sums wrap at 16 bits instead of overflowing.
  EXPECT_EQ(TotalSpecPoints(6, 65536.5), 14 + 3);
  EXPECT_EQ(TotalSpecPoints(6, -1), 14 - 6);
}

TEST(SpecPoints, AutoTrainAllowanceGoesToAutoTrainedLinesOnly) {
  const ClassInfo& warrior = ClassInfoOf(46);  // "Axe+", "Hammer+", "Sword+" on lines 4..6
  EXPECT_EQ(AutoTrainAllowance(50, warrior), (SpecAllowances{0, 0, 0, 77, 77, 77, 0, 0}));
  EXPECT_EQ(AutoTrainAllowance(8, warrior)[3], 2);
  EXPECT_EQ(AutoTrainAllowance(100, warrior)[3], SpecCost(25) % 256);  // kept in 8 bits

  EXPECT_EQ(SpecRowCost(13, 77), SpecCost(13) - 77);
  EXPECT_EQ(SpecRowCost(12, 0), 77);
}

TEST(SpecPoints, RowCountsByClass) {
  constexpr std::array<int, 47> kRows = {
      8, 3, 3, 4, 5, 6, 5, 6, 4, 3,  // 0..9
      7, 7, 5, 3, 3, 3, 3, 3, 5, 6,  // 10..19
      7, 3, 3, 3, 7, 5, 3, 7, 5, 3,  // 20..29
      4, 6, 5, 3, 3, 5, 5, 3, 6, 6,  // 30..39
      3, 5, 3, 6, 6, 3, 6,           // 40..46
  };
  for (int c = 0; c < 47; ++c) EXPECT_EQ(SpecRowCount(c), kRows[static_cast<std::size_t>(c)]) << "class " << c;
  EXPECT_EQ(SpecRowCount(47), 3);
  EXPECT_EQ(SpecRowCount(-1), 3);
}

using Flags = SpecRowFlags;

TEST(SpecPoints, RowStatesFollowTheRowCount) {
  const Flags all{true, true, true, true, true, true, true, true};
  EXPECT_EQ(SpecRowsUsable(0), all);  // Armsman
  EXPECT_EQ(SpecRowsEditable(0), all);
  const Flags firstThree{true, true, true, false, false, false, false, false};
  EXPECT_EQ(SpecRowsUsable(2), firstThree);  // Cleric
  EXPECT_EQ(SpecRowsEditable(2), firstThree);
  EXPECT_EQ(SpecRowsUsable(99), firstThree);
}

TEST(SpecPoints, NightshadeMagicRowShowsItsCaptionButCannotBeEdited) {
  EXPECT_EQ(SpecRowsUsable(27), (Flags{true, true, true, true, true, true, true, false}));
  EXPECT_EQ(SpecRowsEditable(27), (Flags{true, true, true, true, true, true, false, false}));
  EXPECT_EQ(SpecRowsEditable(10), SpecRowsUsable(10)) << "another class with seven rows edits all of them";
}

TEST(SpecPoints, PointsPerLevelShowOneSignificantDigitRoundedHalfAway) {
  EXPECT_EQ(PointsPerLevelText(1.5), "2.0");
  EXPECT_EQ(PointsPerLevelText(2.2), "2.0");
  EXPECT_EQ(PointsPerLevelText(2.5), "3.0");
  EXPECT_EQ(PointsPerLevelText(0.25), "0.3");
}

// An Armsman (2 points per level, lines 5 and 7 auto-trained) at level 50: 2979 points.
class SpecRecount : public ::testing::Test {
 protected:
  std::optional<SpecTally> Type(int row, std::string_view text, TemplateStatus status = TemplateStatus::Saved) {
    return Recount(configuration_, ClassInfoOf(0), row, text, status);
  }
  void SetLevels(std::array<std::uint8_t, kSpecLines> levels) { configuration_.Spec = levels; }

  Configuration configuration_ = NewConfiguration(kNoRace);
};

TEST_F(SpecRecount, OverspendLowersTheEditedRowToTheHighestFittingLevel) {
  // The other rows cost 1274 + 860 + 14 (+ 0 for the auto-trained line at 12),
  // leaving 831: enough for level 40 (819), not for 41 (860).
  SetLevels({1, 50, 41, 5, 12, 1, 1, 1});
  const auto tally = Type(1, "45");
  ASSERT_TRUE(tally);
  EXPECT_EQ(*tally, (SpecTally{"40", 2979, 2967, 12, TemplateStatus::Modified}));
  EXPECT_EQ(configuration_.Spec, (std::array<std::uint8_t, kSpecLines>{40, 50, 41, 5, 12, 1, 1, 1}));
}

TEST_F(SpecRecount, OverspendStopsWithTheEditedRowAtOne) {
  SetLevels({9, 50, 50, 50, 1, 1, 1, 1});  // rows 2..4 alone cost 3822
  auto tally = Type(1, "5");
  ASSERT_TRUE(tally);
  EXPECT_EQ(*tally, (SpecTally{"1", 2979, 3822, 2979 - 3822, TemplateStatus::Modified})) << "row 1 came down from 9";
  EXPECT_EQ(configuration_.Spec, (std::array<std::uint8_t, kSpecLines>{1, 50, 50, 50, 1, 1, 1, 1}));

  tally = Type(1, "5");
  ASSERT_TRUE(tally);
  EXPECT_EQ(*tally, (SpecTally{"1", 2979, 3822, 2979 - 3822, TemplateStatus::Saved})) << "nothing changed";
}

TEST_F(SpecRecount, TypedTextIsCorrectedBeforeCounting) {
  const std::pair<std::string_view, std::string_view> corrections[] = {
      {"007", "7"}, {"00", "1"}, {"", "1"}, {"x", "1"}, {"60", "50"}};
  for (const auto& [typed, shown] : corrections) {
    const auto tally = Type(3, typed);
    ASSERT_TRUE(tally) << typed;
    EXPECT_EQ(tally->EditedText, shown) << typed;
    EXPECT_EQ(std::to_string(configuration_.Spec[2]), shown) << typed;
  }
  configuration_.Level = 20;
  EXPECT_EQ(Type(3, "45")->EditedText, "20");
}

TEST_F(SpecRecount, EveryRowCountsAlsoRowsTheClassDoesNotUse) {
  SetLevels({1, 1, 1, 1, 1, 1, 1, 10});  // a Cleric has three rows
  const auto tally = Recount(configuration_, ClassInfoOf(2), 1, "2", TemplateStatus::Modified);
  ASSERT_TRUE(tally);
  EXPECT_EQ(tally->Spent, SpecCost(2) + SpecCost(10));
  EXPECT_EQ(tally->Left, TotalSpecPoints(50, 1) - tally->Spent);
}

TEST_F(SpecRecount, RunsOnlyForSavedOrModifiedTemplatesAndRealRows) {
  for (TemplateStatus status : {TemplateStatus::Off, TemplateStatus::New}) EXPECT_FALSE(Type(1, "9", status));
  EXPECT_FALSE(Type(0, "9"));
  EXPECT_FALSE(Type(9, "9"));
  EXPECT_EQ(configuration_.Spec[0], 1);
  EXPECT_EQ(Type(8, "9", TemplateStatus::Modified)->Status, TemplateStatus::Modified);
}

TEST_F(SpecRecount, RespecResetsOrShowsAndRecountsRowOne) {
  SetLevels({60, 20, 1, 1, 1, 1, 1, 1});  // row 1 above the level, as only a file can hold
  SpecEditorView view = RespecAndShow(configuration_, 27, TemplateStatus::Saved, RespecMode::Show);
  EXPECT_EQ(view.RowCount, 7);
  EXPECT_EQ(view.RowUsable, SpecRowsUsable(27));
  EXPECT_EQ(view.RowEditable, SpecRowsEditable(27));
  EXPECT_EQ(view.Total, 3253);
  EXPECT_EQ(view.PointsPerLevel, "2.0");
  ASSERT_TRUE(view.Tally);
  EXPECT_EQ(view.Tally->EditedText, "50");
  EXPECT_EQ(view.Tally->Status, TemplateStatus::Modified) << "row 1 came down to the level";
  EXPECT_EQ(configuration_.Spec[1], 20);

  view = RespecAndShow(configuration_, 27, TemplateStatus::Saved, RespecMode::Reset);
  EXPECT_EQ(configuration_.Spec, (std::array<std::uint8_t, kSpecLines>{1, 1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(view.Tally->Left, 3253);
  EXPECT_EQ(view.Tally->Status, TemplateStatus::Modified);
}

TEST_F(SpecRecount, ShowingAnOverspentSpecMarksTheLoweredRowModified) {
  SetLevels({30, 50, 50, 50, 1, 1, 1, 1});  // as only a file can hold
  const SpecEditorView view = RespecAndShow(configuration_, 0, TemplateStatus::Saved, RespecMode::Show);
  ASSERT_TRUE(view.Tally);
  EXPECT_EQ(view.Tally->Status, TemplateStatus::Modified);
  EXPECT_EQ(view.Tally->EditedText, "1");
  EXPECT_EQ(configuration_.Spec[0], 1);
  EXPECT_LT(view.Tally->Left, 0);
}

TEST_F(SpecRecount, OnlyChangedLevelsMarkTheTemplateModified) {
  SetLevels({20, 20, 1, 1, 1, 1, 1, 1});
  // Showing the tab of a saved template, or respeccing one with every line at 1, changes nothing.
  EXPECT_EQ(RespecAndShow(configuration_, 0, TemplateStatus::Saved, RespecMode::Show).Tally->Status,
            TemplateStatus::Saved);
  EXPECT_EQ(Type(1, "020")->Status, TemplateStatus::Saved);
  EXPECT_EQ(Type(1, "21")->Status, TemplateStatus::Modified);
  SetLevels({1, 1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(RespecAndShow(configuration_, 0, TemplateStatus::Saved, RespecMode::Reset).Tally->Status,
            TemplateStatus::Saved);
}

}  // namespace
}  // namespace davoruzivi
