// The command-line companion's stat commands, stats and contributors, run as
// a separate process.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/text_lines.h"
#include "run_cli.h"
#include "template/template.h"

namespace {

namespace dz = davoruzivi;
using dz::SplitLines;
using dz::testing::Outcome;
using dz::testing::RunCli;
using dz::testing::TemporaryFolder;
using dz::testing::WriteBytes;

class StatCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    dz::VaultItem chest = dz::ResetVaultItem();
    chest.Name = "Slash Chest \xC9p\xE9" "e";
    chest.StatIds = {28, 1};
    chest.StatValues = {4, 10};
    dz::VaultItem gloves = dz::ResetVaultItem();
    gloves.Name = "Gloves of Melee";
    gloves.StatIds[0] = 20;
    gloves.StatValues[0] = 2;
    dz::testing::WriteVault(folder_ / "test.kwv", {chest, gloves});

    dz::Template t;
    t.ClassIndex = 0;  // Armsman
    t.ServerIndex = 5;
    t.ListsOf(dz::SlotKindOf(dz::slot::Chest)).VaultIds = {0};
    t.ListsOf(dz::SlotKindOf(dz::slot::Hands)).VaultIds = {1};
    t.Configurations = {dz::NewConfiguration("<None>"), dz::NewConfiguration("Briton")};
    t.Configurations[0].Slots[dz::slot::Chest] = "v0";
    t.Configurations[0].Slots[dz::slot::Hands] = "v0";
    t.Configurations[1].Slots[dz::slot::Chest] = "v0";
    t.Configurations[1].Level = 40;
    t.Configurations[1].RealmRank = 3;
    t.CurrentConfiguration = 1;
    WriteBytes(folder_ / "t.kwt", dz::Deflate(dz::WriteTemplateText(t, dz::ItemVocabularies())));
  }

  Outcome Run(std::vector<std::string> args) const {
    args.insert(args.begin(), {"--vault", (folder_ / "test.kwv").string()});
    args.insert(args.begin() + 3, (folder_ / "t.kwt").string());
    return RunCli(args);
  }

  TemporaryFolder folder_;
};

TEST_F(StatCommands, StatsPrintsEveryStatOfTheChosenOrTheCurrentConfiguration) {
  Outcome run = Run({"stats", "--config", "0"});
  ASSERT_EQ(run.status, 0) << run.err;
  auto lines = SplitLines(run.out);
  ASSERT_EQ(lines.size(), 301u);
  EXPECT_EQ(lines[0], "0\t0\t0\t0\t2");
  EXPECT_EQ(lines[28], "28\t6\t11\t-5\t1");
  EXPECT_EQ(lines[300], "300\t0\t0\t0\t3");

  run = Run({"stats"});
  ASSERT_EQ(run.status, 0) << run.err;
  lines = SplitLines(run.out);
  ASSERT_EQ(lines.size(), 301u);
  EXPECT_EQ(lines[11], "11\t2\t23\t-21\t1");  // Briton, level 40

  const Outcome missing = Run({"stats", "--config", "2"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
}

TEST_F(StatCommands, PreviewAddsTheChangeAgainstTheConfigurationAsItStands) {
  // Previewing the gloves (position 1) in the chest slot, in place of the chest (Slash 4, Strength 10).
  Outcome run = Run({"stats", "--config", "0", "--preview", "8:1"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = SplitLines(run.out);
  ASSERT_EQ(lines.size(), 301u);
  EXPECT_EQ(lines[0], "0\t0\t0\t0\t2\t0");
  EXPECT_EQ(lines[1], "1\t0\t75\t-75\t1\t-10");
  EXPECT_EQ(lines[20], "20\t4\t11\t-7\t1\t2");  // the second All Melee bonus
  EXPECT_EQ(lines[28], "28\t4\t11\t-7\t1\t-2");  // 4 of the chest gone, 2 more of All Melee

  EXPECT_EQ(Run({"stats", "--preview", "19:0"}).status, 2);
  EXPECT_EQ(Run({"stats", "--preview", "8"}).status, 2);
  run = Run({"stats", "--preview", "8:2"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
}

TEST_F(StatCommands, OmnicrafterPlanOptionsCountThePlanInPlaceOfItsSlots) {
  // The chest slot given over to the plan: its item no longer counts, the planned gems do.
  Outcome run = Run({"stats", "--config", "0", "--omni-slots", "8", "--omni-gem", "1:7", "--omni-gem", "28:3"});
  ASSERT_EQ(run.status, 0) << run.err;
  auto lines = SplitLines(run.out);
  ASSERT_EQ(lines.size(), 301u);
  EXPECT_EQ(lines[1], "1\t7\t75\t-68\t1");
  EXPECT_EQ(lines[28], "28\t5\t11\t-6\t1");  // 3 planned and 2 of All Melee

  run = Run({"stats", "--config", "0", "--omni-gem", "1:7"});  // no slot given over: the chest still counts
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(SplitLines(run.out)[1], "1\t17\t75\t-58\t1");

  EXPECT_EQ(Run({"stats", "--omni-slots", "7"}).status, 2);
  EXPECT_EQ(Run({"stats", "--omni-slots", "8,x"}).status, 2);
  EXPECT_EQ(Run({"stats", "--omni-gem", "1"}).status, 2);
}

TEST_F(StatCommands, ContributorsPrintsTheTitleAndLines) {
  Outcome run = Run({"contributors", "Slash Skill", "--config", "0"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Items effecting Slash Skill\nChest:Slash Chest \u00c9p\u00e9e : 4\n\nAll Melee effect : +2\n\n"
            "Items Adding to All Melee :\nHands:Gloves of Melee : 2\n\n\nRealm Rank Effect : +0\n\nTotal Stat : 6\n");

  EXPECT_EQ(Run({"contributors"}).status, 2);  // no label
  run = Run({"contributors", "No Such Stat"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
}

TEST_F(StatCommands, ReportPrintsTheChosenLayoutOrItsHtmlPage) {
  const Outcome brief = Run({"report", "--preset", "brief"});
  ASSERT_EQ(brief.status, 0) << brief.err;
  const auto lines = SplitLines(brief.out);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], "DavoruzivI 1.124.0.4 Template Report");
  EXPECT_EQ(lines[4], "Character Level    : 40");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "<== Equipment Info ==>"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "(Chest) : Slash Chest \xC3\x89p\xC3\xA9" "e"), lines.end())
      << "names are written in UTF-8";

  const Outcome framed = Run({"report", "--options", "11111111110", "--config", "0"});
  ASSERT_EQ(framed.status, 0) << framed.err;
  EXPECT_NE(framed.out.find("Strength                  :      10 /      75  (     -65 )"), std::string::npos);

  const Outcome html = Run({"report", "--html", "--preset", "standard"});
  ASSERT_EQ(html.status, 0) << html.err;
  EXPECT_EQ(SplitLines(html.out).back(), "</PRE></BODY></HTML>");
  EXPECT_NE(html.out.find("&lt;== Equipment Info ==&gt;"), std::string::npos);

  EXPECT_EQ(Run({"report", "--options", "1111"}).status, 2);
}

// A template whose second configuration wears an empty crafted chest of level 51.
class GemSuggestCommand : public StatCommands {
 protected:
  void SetUp() override {
    StatCommands::SetUp();
    dz::VaultItem chest = dz::ResetVaultItem();
    chest.Name = "Plain Chest";
    dz::testing::WriteVault(folder_ / "test.kwv", {chest});
    crafted_.ItemLevel = 51;
    crafted_.Absorption = 4;
    crafted_.Name = "Crafted Chest";
  }

  dz::Template WithCraftedChest(const dz::CraftedItem& item) const {
    dz::Template t;
    t.ClassIndex = 0;  // Armsman
    t.ServerIndex = 5;
    t.ListsOf(dz::SlotKindOf(dz::slot::Chest)).CraftedItems = {item};
    t.Configurations = {dz::NewConfiguration("Briton"), dz::NewConfiguration("Briton")};
    t.Configurations[0].Level = 50;
    t.Configurations[1].Level = 50;
    t.Configurations[1].Slots[dz::slot::Chest] = "c0";
    t.CurrentConfiguration = 1;
    return t;
  }

  void Write(const dz::Template& t) const {
    WriteBytes(folder_ / "t.kwt", dz::Deflate(dz::WriteTemplateText(t, dz::ItemVocabularies())));
  }

  dz::CraftedItem crafted_;
};

std::vector<std::string> Fields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t tab; (tab = line.find('\t', start)) != std::string_view::npos; start = tab + 1)
    fields.emplace_back(line.substr(start, tab - start));
  fields.emplace_back(line.substr(start));
  return fields;
}

TEST_F(GemSuggestCommand, SuggestsFourGemsWithinCapacityAndScoresThemAsTheEngineDoes) {
  Write(WithCraftedChest(crafted_));
  const Outcome run = Run({"gem-suggest"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = SplitLines(run.out);
  ASSERT_EQ(lines.size(), 2u);
  const auto chest = Fields(lines[0]);
  ASSERT_EQ(chest.size(), 6u);
  EXPECT_EQ(chest[0], "8");
  EXPECT_LE(std::stod(chest[5]), 32.0);  // the capacity of a plate piece of level 51
  dz::CraftedItem suggested = crafted_;
  for (std::size_t gem = 0; gem < 4; ++gem) {
    const std::size_t colon = chest[gem + 1].find(':');
    suggested.StatIds[gem] = static_cast<dz::StatId>(std::stoi(chest[gem + 1].substr(0, colon)));
    suggested.StatValues[gem] = std::stoi(chest[gem + 1].substr(colon + 1));
    EXPECT_NE(suggested.StatIds[gem], 0) << "an empty chest has room for four gems";
  }
  const auto score = Fields(lines[1]);
  ASSERT_EQ(score.size(), 3u);
  EXPECT_EQ(score[0], "score");
  EXPECT_GT(std::stod(score[2]), std::stod(score[1]));

  // The printed gems, loaded: their score is the suggestion's, and nothing better is found.
  Write(WithCraftedChest(suggested));
  const Outcome loaded = Run({"gem-suggest"});
  const auto again = SplitLines(loaded.out);
  ASSERT_EQ(again.size(), 2u);
  EXPECT_EQ(Fields(again[1])[1], score[2]);
  EXPECT_EQ(Fields(again[1])[2], score[2]);

  const Outcome maximum = Run({"gem-suggest", "--budget", "max"});
  ASSERT_EQ(maximum.status, 0) << maximum.err;
  EXPECT_LE(std::stod(Fields(SplitLines(maximum.out)[0])[5]), 37.5);
}

TEST_F(GemSuggestCommand, SlotsWithoutCraftedItemsAndBadOptions) {
  Write(WithCraftedChest(crafted_));
  Outcome run = Run({"gem-suggest", "--config", "0"});  // no crafted item equipped
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(SplitLines(run.out).size(), 1u);
  EXPECT_EQ(run.out.substr(0, 6), "score\t");

  run = Run({"gem-suggest", "--slots", "8,9"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("slot 9 holds no crafted item"), std::string::npos) << run.err;
  EXPECT_EQ(Run({"gem-suggest", "--slots", "7"}).status, 2);
  EXPECT_EQ(Run({"gem-suggest", "--budget", "all"}).status, 2);
}

}  // namespace
