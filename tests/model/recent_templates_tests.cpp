// The five most recently used template files.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/testing/scripted_dialogs.h"
#include "settings/recent_templates.h"

namespace davoruzivi {
namespace {

using Files = std::array<std::string, kRecentTemplateCount>;

class RecentList : public ::testing::Test {
 protected:
  Settings settings_ = DefaultSettings();
  platform::testing::InMemorySettingsStore store_;
  RecentTemplates recent_{settings_, store_};
};

TEST_F(RecentList, SavingMovesAnEntryEqualIgnoringCaseToTheTop) {
  settings_.Files = {"/t/one.kwt", "/t/two.kwt", "c:/t/A.KWT", "/t/four.kwt", "/t/five.kwt"};
  recent_.Saved("C:/T/a.kwt");
  EXPECT_EQ(settings_.Files, (Files{"C:/T/a.kwt", "/t/one.kwt", "/t/two.kwt", "/t/four.kwt", "/t/five.kwt"}));
  recent_.Saved("/t/new.kwt");
  EXPECT_EQ(settings_.Files, (Files{"/t/new.kwt", "C:/T/a.kwt", "/t/one.kwt", "/t/two.kwt", "/t/four.kwt"}));
  EXPECT_EQ(store_.writes, 2);
  EXPECT_EQ(std::get<std::string>(store_.values.at("File1")), "/t/new.kwt");
}

TEST_F(RecentList, LoadingMovesTheEqualEntryOrPushesTheFileSoEachFileStandsOnce) {
  recent_.Loaded("/t/a.kwt");
  recent_.Loaded("/t/a.kwt");
  EXPECT_EQ(settings_.Files, (Files{"/t/a.kwt", "", "", "", ""}));
  settings_.Files = {"/1.kwt", "/2.kwt", "/3.kwt", "/4.kwt", "/5.kwt"};
  recent_.Loaded("/3.KWT");
  EXPECT_EQ(settings_.Files, (Files{"/3.KWT", "/1.kwt", "/2.kwt", "/4.kwt", "/5.kwt"}));
  recent_.Loaded("/5.kwt");
  EXPECT_EQ(settings_.Files, (Files{"/5.kwt", "/3.KWT", "/1.kwt", "/2.kwt", "/4.kwt"}));
  recent_.Loaded("/6.kwt");
  EXPECT_EQ(settings_.Files, (Files{"/6.kwt", "/5.kwt", "/3.KWT", "/1.kwt", "/2.kwt"}));
}

TEST_F(RecentList, RemovingMovesTheLaterEntriesUpAndCaptionsNameTheFile) {
  settings_.Files = {"/1.kwt", "/2.kwt", "/3.kwt", "/4.kwt", "/5.kwt"};
  recent_.Remove(4);
  EXPECT_EQ(settings_.Files, (Files{"/1.kwt", "/2.kwt", "/3.kwt", "/5.kwt", ""}));
  settings_.Files[1] = "/games/Ywain - (Alb) Cleric.kwt";
  EXPECT_EQ(recent_.Caption(2), "&2. Ywain - (Alb) Cleric.kwt");
}

TEST_F(RecentList, AnAmpersandInAFileNameShowsAsItselfInTheCaption) {
  settings_.Files[2] = "/R&D/R&D && more.kwt";
  EXPECT_EQ(recent_.Caption(3), "&3. R&&D &&&& more.kwt");
}

}  // namespace
}  // namespace davoruzivi
