// Recalculate: every change to the current configuration runs the stat engine
// and rebuilds the stat panels.

#include <gtest/gtest.h>

#include "model/test_support.h"
#include "stats/recalculation.h"

namespace davoruzivi {
namespace {

using RecalculationTest = test::WorkflowTest;

TEST_F(RecalculationTest, FollowsEveryChangeOfTheCurrentConfiguration) {
  Recalculation recalculation(workflow_, vault_);
  int redrawn = 0;
  recalculation.OnChanged([&] { ++redrawn; });

  workflow_.NewTemplate();
  EXPECT_EQ(redrawn, 0) << "nothing to calculate without a configuration";
  workflow_.NewConfiguration();
  EXPECT_GT(redrawn, 0);
  EXPECT_EQ(recalculation.Result().Caps[1], 75) << "a new configuration is level 50";

  workflow_.ChangeLevel(20);
  EXPECT_EQ(recalculation.Result().Caps[1], 30);
  const auto others = [&] { return recalculation.Panels()[static_cast<std::size_t>(StatList::Others)].size(); };
  EXPECT_EQ(others(), 0u) << "nothing in Others while no bonus shows and all are not shown";

  workflow_.SetStatus(TemplateStatus::Saved);
  recalculation.ShowAllOthers(true);
  EXPECT_GT(others(), 0u);
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Saved) << "which rows show is a view of the template, not a change";
}

TEST(StatPanels, StatesDrawInTheirColours) {
  EXPECT_EQ(StyleOf(StatState::OverCap).red, 255);
  EXPECT_EQ(StyleOf(StatState::UnderCap).blue, 255);
  const StateStyle atCap = StyleOf(StatState::AtCap);
  EXPECT_EQ(atCap.red + atCap.green * 1000 + atCap.blue, 153000);
  EXPECT_TRUE(StyleOf(StatState::NotCompared).bold);
  EXPECT_FALSE(StyleOf(StatState::AtCap).bold);
}

}  // namespace
}  // namespace davoruzivi
