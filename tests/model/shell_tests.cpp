// The shell's model: the settings at start-up and the encoding of web searches.

#include <gtest/gtest.h>

#include "core/web_addresses.h"
#include "platform/testing/recording_message_box.h"
#include "platform/testing/scripted_dialogs.h"
#include "settings/settings.h"

namespace davoruzivi {
namespace {

using platform::testing::InMemorySettingsStore;
using platform::testing::RecordingMessageBox;

TEST(StartupSettings, ReadWhatAnEarlierRunLeftOrSetTheDefaultsWithAMessage) {
  InMemorySettingsStore partial;
  partial.exists = true;
  partial.values["Server"] = 2;
  RecordingMessageBox messages;
  const Settings read = StartupSettings(partial, messages);
  EXPECT_TRUE(messages.notices.empty());
  EXPECT_EQ(read.Server, 2);
  EXPECT_EQ(read.Sorting, 0) << "a missing value takes the value of a store that lacks it";
  EXPECT_EQ(read.Realm, 0);
  EXPECT_EQ(read.VaultVersion, 0);
  EXPECT_EQ(read.ReportFlags, (std::array<bool, 11>{true, true, true, true, true, true, true, true, true, true, false}));
  EXPECT_EQ(partial.writes, 1);
  EXPECT_EQ(partial.values.size(), 25u) << "every value is written back";

  InMemorySettingsStore none;
  const Settings defaults = StartupSettings(none, messages);
  ASSERT_EQ(messages.notices.size(), 1u);
  EXPECT_EQ(messages.notices[0].text, "Startup registry settings were not found, default options set.");
  EXPECT_EQ(messages.notices[0].caption, "Default Options Set");
  EXPECT_EQ(defaults.Server, 5);
  EXPECT_EQ(defaults.Sorting, 3);
  EXPECT_EQ(defaults.VaultVersion, 1);
  EXPECT_TRUE(none.exists);
}

TEST(WebAddresses, SearchWordsAreEncodedForTheAddress) {
  EXPECT_EQ(web::QueryEncoded("Cloak of Ages", true), "Cloak+of+Ages");
  EXPECT_EQ(web::QueryEncoded("Ring (Lvl 50)", false), "Ring%20%28Lvl%2050%29");
  EXPECT_EQ(web::QueryEncoded("Shield's Edge", true), "Shield%27s+Edge");
  EXPECT_EQ(web::QueryEncoded("a-b.c_d~\xE9", true), "a-b.c_d%7E%E9");
  EXPECT_EQ(web::ItemDatabaseSearchAddress("Cloak of Ages"),
            std::string(web::kItemDatabaseSite) + "/searchdb.html?terms=Cloak+of+Ages&a=Search");
  EXPECT_EQ(web::WebSearchAddress("x y"), std::string(web::kWebSearchSite) + "/search?hl=en&q=x+y");
}

}  // namespace
}  // namespace davoruzivi
