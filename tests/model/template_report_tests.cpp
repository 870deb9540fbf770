// The template report: whole reports of one representative template pinned as
// hand-written texts, and the rules the pinned reports do not reach.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/text_lines.h"
#include "itemdb/itemdb.h"
#include "model/test_support.h"
#include "report/template_report.h"
#include "template/template.h"

namespace davoruzivi {
namespace {

using test::ItemBlock;

std::string ExpectedReport(const std::string& name) {
  std::ifstream in(std::string(DAVORUZIVI_EXPECTED_REPORTS) + "/" + name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// A Briton Armsman at level 50, RR5, CL10, fighting with both hands: a hand
// jewel entered by hand, an artifact bracer from the vault, a crafted chest
// with three perfect gems and a fifth-slot bonus, and a Mythirian.
class ReportOfATemplate : public ::testing::Test {
 protected:
  ReportOfATemplate() {
    ItemBlock bracer;
    bracer.idLine = "~1";
    bracer.name = "Bracer of Zo'arkat";
    bracer.itemType = "Artifact";
    bracer.realm = "U";
    bracer.expansion = "Trials of Atlantis (ToA)";
    bracer.quality = "100";
    bracer.slot = "Wrist";
    bracer.verification = "V";
    bracer.source = "Allakhazam";
    bracer.notes = "Drops from Zo'arkat";
    bracer.stats = {"Strength|10", "Hit Points|40", "Melee Damage|3"};
    bracer.procs = {"Lifedrain|N:75"};
    ItemBlock mythirian;
    mythirian.idLine = "~2";
    mythirian.name = "Mythirian of Ire";
    mythirian.itemType = "Mythirian";
    mythirian.realm = "U";
    mythirian.expansion = "Labyrinth of the Minotaur (LotM)";
    mythirian.quality = "N/A";
    mythirian.slot = "Mythirians";
    mythirian.verification = "V";
    mythirian.source = "In Game";
    mythirian.notes = "Requires CL6";
    mythirian.procs = {"Endurance Regeneration|M:10"};
    vault_ = test::ParseOk(test::VaultText({ItemBlock{}, bracer, mythirian}));

    model_.ClassIndex = 0;
    model_.ServerIndex = 0;
    InlineItem jewel;
    jewel.Name = "Hand Jewel";
    jewel.StatIds = {1, 2, 0, 0, 0, 0, 0, 0, 0, 0};
    jewel.StatValues = {10, 12, 0, 0, 0, 0, 0, 0, 0, 0};
    jewel.ProcKinds = {3, 0};
    jewel.ProcEffects = {71, 0};
    jewel.ProcAmounts = {60, 0};
    model_.ListsOf(0).InlineItems.push_back(jewel);
    model_.ListsOf(5).VaultIds.push_back(1);
    CraftedItem chest;
    chest.Name = "Crafted Breastplate";
    chest.Absorption = 4;
    chest.ItemLevel = 51;
    chest.StatIds = {1, 2, 10, 0, 10, 0, 0, 0, 0, 0};
    chest.StatValues = {29, 29, 76, 0, 4, 0, 0, 0, 0, 0};
    chest.GemTiers = {9, 9, 9, 0};
    chest.AlchemyProc = "Heal : 60 Hit Points";
    model_.ListsOf(6).CraftedItems.push_back(chest);
    model_.ListsOf(16).VaultIds.push_back(2);

    Configuration main = NewConfiguration("Briton");
    main.Name = "Main";
    main.RealmRank = 4;
    main.WeaponsEquipped = 1;
    main.Slots[slot::Jewel] = "i0";
    main.Slots[slot::Wrist1] = "v0";
    main.Slots[slot::Chest] = "c0";
    main.Slots[slot::Mythirians] = "v0";
    model_.Configurations = {main};
    model_.CurrentConfiguration = 0;
  }

  std::string Report(const ReportOptions& options) {
    return Joined(ComposeReport({model_, vault_, applied_, model_.Configurations[0]}, options));
  }

  MasterVault vault_;
  Template model_;
  AppliedClass applied_ = ApplyClass(0);
};

TEST_F(ReportOfATemplate, EverythingInTheFramedLayout) {
  ReportOptions options;
  ApplyPreset(options, ReportPreset::Everything);
  EXPECT_EQ(Report(options), ExpectedReport("everything_framed.txt"));
}

// A stored tier that the gem's category does not list names the gem without a
// tier word and adds no materials; nothing else changes.
TEST_F(ReportOfATemplate, AGemTierOutsideItsListAddsNoMaterials) {
  model_.ListsOf(6).CraftedItems[0].GemTiers[1] = 65533;
  ReportOptions options;
  ApplyPreset(options, ReportPreset::Everything);
  std::string expected = ExpectedReport("everything_framed.txt");
  const auto replace = [&](const std::string& from, const std::string& to) {
    ASSERT_NE(expected.find(from), std::string::npos) << from;
    expected.replace(expected.find(from), from.size(), to);
  };
  replace("( Perfect earthen essence jewel )", "( earthen essence jewel )");
  replace("Gem 2 : 1 Ra , 37 Essence of Life , 10 Treant Blood", "Gem 2 : 1  ,  , ");
  replace("3 Ra gem(s)", "2 Ra gem(s)");
  replace("111 Essence of Life", "74 Essence of Life");
  replace("10 Treant Blood\n", "");
  EXPECT_EQ(Report(options), expected);
}

TEST_F(ReportOfATemplate, TheForumBriefPresetInThePlainLayout) {
  ReportOptions options;
  ApplyPreset(options, ReportPreset::ForumBrief);
  EXPECT_EQ(Report(options), ExpectedReport("forum_brief.txt"));
}

TEST_F(ReportOfATemplate, EveryOptionOffLeavesTheNameLines) {
  EXPECT_EQ(Report(ReportOptions(std::array<bool, kReportOptionsCount>{})), ExpectedReport("nothing.txt"));
}

TEST_F(ReportOfATemplate, TheHtmlPageEscapesTheReport) {
  model_.Configurations[0].Name = "Tank <b>";
  ReportOptions options(std::array<bool, kReportOptionsCount>{});
  const auto report = ComposeReport({model_, vault_, applied_, model_.Configurations[0]}, options);
  const auto page = ReportHtmlLines(report, "Tank <b>");
  ASSERT_GE(page.size(), 6u);
  EXPECT_EQ(page[0], "<HTML><HEAD><TITLE>SpellCraft Report for : Tank &lt;b&gt;</TITLE></HEAD>");
  EXPECT_EQ(page[1], "<BODY><CENTER><FONT SIZE=+2>Spellcraft Report for : Tank &lt;b&gt;</FONT></CENTER><BR><HR><PRE>");
  EXPECT_EQ(page[3], "Configuration Name : Tank &lt;b&gt;");
  EXPECT_EQ(page[page.size() - 4], "<HR>");
  EXPECT_EQ(page[page.size() - 2], "<HR>");
  EXPECT_EQ(page.back(), "</PRE></BODY></HTML>");
  EXPECT_EQ(page[page.size() - 5], "(Mythirians) : Mythirian of Ire") << "the plain end block is gone";
  EXPECT_EQ(std::count(page.begin(), page.end(), "&lt;== Equipment Info ==&gt;"), 1);
}

TEST(Report, CenterTextPutsTheOddBlankOnTheLeft) {
  EXPECT_EQ(CenterText(std::string(24, '='), 68), std::string(22, ' ') + std::string(24, '=') + std::string(22, ' '));
  EXPECT_EQ(CenterText(std::string(45, '='), 68), std::string(12, ' ') + std::string(45, '=') + std::string(11, ' '));
  EXPECT_EQ("-" + CenterText("Right Hand", 23) + "-", "-       Right Hand      -");
  EXPECT_EQ(CenterText("abcdef", 4), "abcd");
}

TEST(Report, PresetsSetTheirOptions) {
  ReportOptions options(std::array<bool, kReportOptionsCount>{});
  ApplyPreset(options, ReportPreset::Everything);
  EXPECT_FALSE(options[ReportOption::AlternateOrder]) << "everything leaves the item order as it was";
  ApplyPreset(options, ReportPreset::ForumBrief);
  for (ReportOption off : {ReportOption::Utility, ReportOption::Procs, ReportOption::Materials, ReportOption::Notes,
                           ReportOption::Details, ReportOption::DroppedStats, ReportOption::Framed})
    EXPECT_FALSE(options[off]);
  EXPECT_TRUE(options[ReportOption::AlternateOrder]);
  EXPECT_EQ(ReportFileText({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

}  // namespace
}  // namespace davoruzivi
