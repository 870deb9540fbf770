// The shell's model: the settings kept between runs, the program's home page
// address and the encoding of web searches.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

#include "core/web_addresses.h"
#include "platform/testing/recording_message_box.h"
#include "platform/testing/scripted_dialogs.h"
#include "settings/settings.h"

namespace davoruzivi {
namespace {

using platform::testing::InMemorySettingsStore;
using platform::testing::RecordingMessageBox;

TEST(SettingsAtStartup, ReadWhatAnEarlierRunLeftOrSetTheDefaultsWithAMessage) {
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

InMemorySettingsStore StoreHolding(std::int32_t quickbar, std::int32_t server, std::int32_t realm, std::int32_t sorting) {
  InMemorySettingsStore store;
  store.exists = true;
  store.values = {{"Quickbar", quickbar}, {"Server", server}, {"Realm", realm}, {"Sorting", sorting}};
  return store;
}

TEST(Settings, ANumberOutsideItsValuesReadsAsMissing) {
  for (const auto& [quickbar, server, realm, sorting] :
       {std::array{2, 99, 7, -1}, {-1, -1, -1, 9}, {254, 7, 3, 7}, {256, 100, 255, 1000}}) {
    InMemorySettingsStore store = StoreHolding(quickbar, server, realm, sorting);
    const Settings read = ReadSettings(store);
    EXPECT_EQ((std::array{read.Quickbar, read.Server, read.Realm, read.Sorting}), (std::array{255, 0, 0, 0}))
        << "stored " << quickbar << ", " << server << ", " << realm << ", " << sorting;
  }
}

TEST(Settings, EveryValueInsideItsRangeIsKept) {
  for (const auto& [quickbar, server, realm, sorting] :
       {std::array{0, 0, 0, 0}, {1, 6, 2, 6}, {255, 5, 1, 3}}) {
    InMemorySettingsStore store = StoreHolding(quickbar, server, realm, sorting);
    const Settings read = ReadSettings(store);
    EXPECT_EQ((std::array{read.Quickbar, read.Server, read.Realm, read.Sorting}),
              (std::array{quickbar, server, realm, sorting}));
  }
}

TEST(ShellWebAddresses, TheHomePageIsTheReadmeBesideTheProgramsFolder) {
  EXPECT_EQ(web::HomePageAddress("/home/ana maria/50%/J\xC3\xBCrgen/bin"),
            "file:///home/ana%20maria/50%25/J%C3%BCrgen/share/doc/davoruzivi/README.md");
}

// The ASCII letters and digits, "-", "." and "_" stay; every other byte is
// "%" and its two upper-case hex digits.
void ExpectOnlyAsciiLettersDigitsAndMarksKept() {
  const std::string kept = "-.0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
  for (int byte = 0; byte < 256; ++byte) {
    const std::string text(1, static_cast<char>(byte));
    char escaped[4];
    std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned>(byte));
    const std::string expected = kept.find(text) != std::string::npos ? text : std::string(escaped);
    EXPECT_EQ(web::QueryEncoded(text, false), expected) << "byte " << byte;
  }
}

TEST(ShellWebAddresses, OnlyAsciiLettersDigitsAndMarksStayAsTheyAre) { ExpectOnlyAsciiLettersDigitsAndMarksKept(); }

TEST(ShellWebAddresses, AnEightBitLocaleChangesNoEncoding) {
  const std::string before = std::setlocale(LC_CTYPE, nullptr);
  bool tried = false;
  for (const char* name : {"de_DE.ISO-8859-1", "de_DE.iso88591", "fr_FR.ISO-8859-1", "en_US.ISO-8859-1", "en_US.iso88591",
                           "de_DE@euro", "fr_FR", "de_DE"}) {
    if (std::setlocale(LC_CTYPE, name) == nullptr) continue;
    tried = true;
    ExpectOnlyAsciiLettersDigitsAndMarksKept();
    EXPECT_EQ(web::QueryEncoded("Caf\xE9", true), "Caf%E9") << name;
  }
  std::setlocale(LC_CTYPE, before.c_str());
  if (!tried) GTEST_SKIP() << "no 8-bit locale is installed";
}

TEST(ShellWebAddresses, SearchWordsAreEncodedForTheAddress) {
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
