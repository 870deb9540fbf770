// Recalculate: every change to the current configuration runs the stat engine
// and rebuilds the stat panels.

#include <gtest/gtest.h>

#include "itemdb/itemdb.h"
#include "model/test_support.h"
#include "platform/testing/recording_message_box.h"
#include "platform/testing/scripted_dialogs.h"
#include "stats/recalculation.h"
#include "template/template.h"

namespace davoruzivi {
namespace {

using namespace platform::testing;

TEST(Recalculation, FollowsEveryChangeOfTheCurrentConfiguration) {
  MasterVault vault = test::ParseOk(test::VaultText({test::ItemBlock{}}));
  Settings settings = DefaultSettings();
  InMemorySettingsStore store;
  RecordingMessageBox messages;
  ScriptedConfirmationDialog questions;
  ScriptedFileDialogs files;
  FixedClock clock("1/2/2026 10:11:12");
  Template model;
  TemplateWorkflow workflow(model, vault, settings, {messages, questions, files, clock, store}, "/tmp");
  Recalculation recalculation(workflow, vault);
  int redrawn = 0;
  recalculation.OnChanged([&] { ++redrawn; });

  workflow.NewTemplate();
  EXPECT_EQ(redrawn, 0) << "nothing to calculate without a configuration";
  workflow.NewConfiguration();
  EXPECT_GT(redrawn, 0);
  EXPECT_EQ(recalculation.Result().Caps[1], 75) << "a new configuration is level 50";

  workflow.ChangeLevel(20);
  EXPECT_EQ(recalculation.Result().Caps[1], 30);
  const auto others = [&] { return recalculation.Panels()[static_cast<std::size_t>(StatList::Others)].size(); };
  EXPECT_EQ(others(), 0u) << "nothing in Others while no bonus shows and all are not shown";

  workflow.SetStatus(TemplateStatus::Saved);
  recalculation.ShowAllOthers(true);
  EXPECT_GT(others(), 0u);
  EXPECT_EQ(workflow.Status(), TemplateStatus::Modified);
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
