// The stat panels: the display table, which row goes to which list and what
// it shows, the slot button captions and the contributor report.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/test_support.h"
#include "stats/stat_panels.h"

namespace davoruzivi {
namespace {

using Lines = std::vector<std::string>;

class StatPanelsTest : public test::EquippingTest {
 protected:
  StatPanels Panels(int classIndex, bool showAll) const {
    const AppliedClass applied = ApplyClass(classIndex);
    return BuildStatPanels(CalcStats(model_, vault_, applied, config_), applied, showAll);
  }
  static const std::vector<PanelRow>& List(const StatPanels& panels, StatList list) {
    return panels[static_cast<std::size_t>(list)];
  }
  static Lines Labels(const StatPanels& panels, StatList list) {
    Lines labels;
    for (const PanelRow& row : List(panels, list)) labels.push_back(row.label);
    return labels;
  }
  // The shown value of the row with the label, or "absent".
  static std::string Now(const StatPanels& panels, StatList list, const std::string& label) {
    for (const PanelRow& row : List(panels, list))
      if (row.label == label) return row.now;
    return "absent";
  }
  std::optional<ContributorReport> Report(std::string_view label, int classIndex = 0) const {
    const StatResult result = Run(classIndex);
    const auto captions = SlotButtonCaptions(model_, vault_, config_);
    return BuildContributorReport(label, model_, vault_, ApplyClass(classIndex), config_, result, captions);
  }
  Lines ReportLines(std::string_view label, int classIndex = 0) const {
    const auto report = Report(label, classIndex);
    return report ? report->lines : Lines{"no report"};
  }
};

TEST(StatDisplayTable, RowsNameTheCatalogueStats) {
  const auto& table = CapFormulas();
  ASSERT_EQ(table.size(), 17u);
  EXPECT_EQ(table.front().rows.size(), 12u);
  for (const DisplayGroup& group : table)
    for (const DisplayRow& row : group.rows) {
      const int named = StatCatalogue().ExactIndexOf(row.label);
      if (named >= 0) {
        EXPECT_EQ(row.statId, named) << row.label;
      }
    }
  // The rows past the catalogue carry the numbers of the class lines of these skills.
  const auto& last = table.back().rows;
  EXPECT_EQ(std::string(last.back().label) + " " + std::to_string(last.back().statId), "Nightshade 253");
  EXPECT_EQ(ApplyClass(10).Info.SpecLines[6].Stat, (last.end() - 4)->statId);  // Chants
  EXPECT_EQ(StatListTitle(StatList::HoldAllStats), "ToA/PvE/Other");
}

TEST(ClassShowsStat, FociSkillsAndAllSkillBonusesFollowTheClass) {
  const AppliedClass cabalist = ApplyClass(1), cleric = ApplyClass(2), infiltrator = ApplyClass(5);
  EXPECT_TRUE(ClassShowsStat(cabalist, 54));   // Focus:Body, its own line
  EXPECT_FALSE(ClassShowsStat(cabalist, 59));  // Focus:Fire belongs to another class
  EXPECT_TRUE(ClassShowsStat(cabalist, 38));   // Body Magic
  EXPECT_FALSE(ClassShowsStat(cleric, 22));    // not a focus caster
  EXPECT_TRUE(ClassShowsStat(cleric, 44));     // Rejuvenation
  EXPECT_FALSE(ClassShowsStat(cleric, 28));    // Slash Skill
  EXPECT_TRUE(ClassShowsStat(infiltrator, 181));
  EXPECT_FALSE(ClassShowsStat(infiltrator, 182));
  for (int stat : {1, 11, 20, 150}) EXPECT_TRUE(ClassShowsStat(cleric, stat)) << stat;
}

TEST_F(StatPanelsTest, EmptyConfigurationShowsTheMainListsOnly) {
  StatPanels panels = Panels(0, false);
  const Lines regStats = Labels(panels, StatList::RegStats);
  ASSERT_EQ(regStats.size(), 13u);
  EXPECT_EQ(regStats.front() + "/" + regStats[8] + "/" + regStats.back(), "Strength/Acuity/Armor Factor");
  for (const PanelRow& row : List(panels, StatList::RegStats)) {
    EXPECT_EQ(row.now, "0") << row.label;
    EXPECT_EQ(row.state, StatState::UnderCap) << row.label;
  }
  EXPECT_EQ(List(panels, StatList::RegStats)[0].difference, -75);
  EXPECT_EQ(List(panels, StatList::RegStatCaps).size(), 12u);
  EXPECT_EQ(Labels(panels, StatList::Resists).back(), "Spirit Resist");
  for (StatList list : {StatList::Skills, StatList::Others, StatList::HoldAllStats})
    EXPECT_TRUE(List(panels, list).empty()) << StatListTitle(list);

  panels = Panels(0, true);
  for (const char* label : {"Essence Resist", "All Melee Skills", "Chants", "Focus:Cave Magic"})
    EXPECT_EQ(Now(panels, StatList::Others, label), "0") << label;
  for (const char* label : {"Armor Factor", "Power Cap", "Slash Skill", "Focus:Body"})
    EXPECT_EQ(Now(panels, StatList::Others, label), "absent") << label;
  EXPECT_TRUE(List(panels, StatList::Skills).empty());
}

TEST_F(StatPanelsTest, SkillsShowOnlyTheClassLinesWithATotal) {
  config_.RealmRank = 2;
  StatPanels panels = Panels(0, false);  // Armsman
  const Lines armsman{"Shield Skill", "Parry Skill", "Slash Skill", "Crush Skill",
                      "Thrust Skill", "Two Hand Skill", "Polearm Skill", "Crossbow Skill"};
  EXPECT_EQ(Labels(panels, StatList::Skills), armsman);
  EXPECT_EQ(Labels(panels, StatList::HoldAllStats), armsman);
  EXPECT_EQ(List(panels, StatList::Skills)[0].now, "2");
  EXPECT_EQ(List(panels, StatList::Skills)[0].cap, 13);
  EXPECT_EQ(Labels(Panels(6, false), StatList::Skills),  // Mauler
            (Lines{"Mauler Staff Skill", "Fist Wraps Skill", "Magnetism", "Power Strikes", "Aura Manipulation"}));

  config_.RealmRank = 0;
  EquipVault(slot::Chest, "Blade Vest", {{28, 3}, {37, 5}});
  EXPECT_EQ(Labels(Panels(0, false), StatList::Skills), Lines{"Slash Skill"});
  EXPECT_EQ(Now(Panels(0, true), StatList::HoldAllStats, "Flexible Skill"), "absent");
}

TEST_F(StatPanelsTest, FociAndAllSkillRowsFollowTheClass) {
  EquipVault(slot::Chest, "Focus Robe", {{54, 10}, {59, 8}, {22, 5}, {181, 3}, {182, 4}});
  StatPanels panels = Panels(1, false);  // Cabalist
  EXPECT_EQ(Labels(panels, StatList::Skills), (Lines{"Focus:All Lines", "Focus:Body"}));
  EXPECT_EQ(List(panels, StatList::Skills)[1].now, "10");
  EXPECT_EQ(Labels(Panels(15, false), StatList::Skills), (Lines{"Focus:All Lines", "Focus:Fire"}));  // Wizard
  EXPECT_TRUE(List(Panels(2, true), StatList::Skills).empty());                                      // Cleric

  panels = Panels(5, false);  // Infiltrator: dual wields
  EXPECT_EQ(Now(panels, StatList::Others, "All Dual Wielding Skills"), "3");
  EXPECT_EQ(Now(panels, StatList::Others, "All Archery Skills"), "absent");
  EXPECT_EQ(Labels(panels, StatList::Skills), Lines{"Dual Wield Skill"});
  EXPECT_EQ(Now(Panels(5, true), StatList::Others, "All Archery Skills"), "0");
  panels = Panels(12, false);  // Scout: archery
  EXPECT_EQ(Now(panels, StatList::Others, "All Dual Wielding Skills"), "absent");
  EXPECT_EQ(Now(panels, StatList::HoldAllStats, "All Archery Skills"), "4");
  panels = Panels(28, false);  // Ranger: both
  EXPECT_EQ(Now(panels, StatList::Others, "All Dual Wielding Skills"), "3");
  EXPECT_EQ(Now(panels, StatList::Others, "All Archery Skills"), "4");
}

TEST_F(StatPanelsTest, PaladinChantsAndRowStates) {
  EXPECT_EQ(Now(Panels(10, false), StatList::Others, "Chants"), "absent");
  EXPECT_EQ(Now(Panels(10, true), StatList::Others, "Chants"), "0");
  EquipVault(slot::Chest, "Chanter's Plate", {{249, 6}, {1, 80}, {2, 75}, {3, -4}});
  const StatPanels panels = Panels(10, false);
  EXPECT_EQ(Now(panels, StatList::Others, "Chants"), "6");
  EXPECT_EQ(Labels(panels, StatList::HoldAllStats), (Lines{"Strength", "Constitution", "Dexterity", "Chants"}));
  const auto& hold = List(panels, StatList::HoldAllStats);
  EXPECT_EQ(hold[0].now, "80");
  EXPECT_EQ(hold[0].difference, 5);
  EXPECT_EQ(hold[0].state, StatState::OverCap);
  EXPECT_EQ(hold[1].state, StatState::AtCap);
  EXPECT_EQ(hold[2].now, "-4");
  EXPECT_EQ(hold[3].state, StatState::NotCompared);
}

class ContributorReportTest : public StatPanelsTest {
 protected:
  void SetUp() override {
    config_.RealmRank = 3;
    config_.WeaponsEquipped = weapons::OneHanded;
    EquipVault(slot::Chest, "Slash Chest", {{28, 4}, {20, 2}});
    EquipInline(slot::Head, {{28, 3}}, "Slash Helm");
    EquipVault(slot::Hands, "Melee Gloves", {{179, 1}});
    EquipVault(slot::TwoHand, "Great Sword", {{28, 9}, {1, 6}});
    EquipCrafted(slot::RightHand, {{1, 2}}, "Crafted Blade");
    EquipVault(slot::Neck, "Piety Necklace", {{5, 4}, {142, 3}, {143, 2}});
    EquipVault(slot::Feet, "Crush Boots", {{29, 2}, {152, 5}, {22, 4}});
  }
};

TEST_F(ContributorReportTest, SkillListsItemsThenAllMeleeThenRealmRank) {
  model_.Equip.Previews[slot::Chest].Active = 1;  // previews are not considered
  const auto report = Report("Slash Skill");
  ASSERT_TRUE(report);
  EXPECT_EQ(report->title, "Items effecting Slash Skill");
  // The gloves' second "All Melee Skills" is listed, but the engine counts only the first.
  EXPECT_EQ(report->lines, (Lines{"Chest:Slash Chest : 4", "Head:Slash Helm : 3", "", "All Melee effect : +2", "",
                                  "Items Adding to All Melee :", "Chest:Slash Chest : 2", "Hands:Melee Gloves : 1", "",
                                  "", "Realm Rank Effect : +3", "", "Total Stat : 12"}));
  EXPECT_EQ(Run().Totals[28], 12);
  config_.WeaponsEquipped = weapons::TwoHanded;
  EXPECT_EQ(ReportLines("Slash Skill")[2], "Two Hand:Great Sword : 9");
  EXPECT_EQ(ReportLines("Slash Skill").back(), "Total Stat : 21");
}

TEST_F(ContributorReportTest, WeaponChoiceAndAcuityShares) {
  EXPECT_EQ(ReportLines("Strength"), (Lines{"Right Hand:Crafted Blade : 2", "", "Total Stat : 2"}));
  config_.WeaponsEquipped = weapons::TwoHanded;
  EXPECT_EQ(ReportLines("Strength"), (Lines{"Two Hand:Great Sword : 6", "", "Total Stat : 6"}));
  config_.WeaponsEquipped = weapons::NotChosen;
  EXPECT_EQ(ReportLines("Strength"), (Lines{"", "Total Stat : 0"}));

  constexpr int kCleric = 2;  // acuity goes into Piety
  const Lines piety{"Neck:Piety Necklace : 4", "", "Acuity effect : +3", "", "Items Adding to Acuity :",
                    "Neck:Piety Necklace : 3", "", "Total Stat : 7"};
  EXPECT_EQ(ReportLines("Piety", kCleric), piety);
  EXPECT_EQ(Run(kCleric).Totals[5], 7);
  Lines armsmanPiety = piety;
  armsmanPiety.back() = "Total Stat : 4";  // the block shows, but an Armsman's acuity goes nowhere
  EXPECT_EQ(ReportLines("Piety"), armsmanPiety);
  // The acuity cap raises the cap of Charisma, never its cap bonus's own total.
  EXPECT_EQ(ReportLines("Charisma Cap"), (Lines{"", "Acuity Cap effect : +2", "", "Items Adding to Acuity Cap :",
                                                "Neck:Piety Necklace : 2", "", "Total Stat : 0"}));
}

TEST_F(ContributorReportTest, CastingAndDualWieldShares) {
  EquipVault(slot::Arms, "Skill Sleeves", {{38, 1}, {21, 2}, {180, 3}, {181, 4}, {182, 5}});
  EXPECT_EQ(ReportLines("Body Magic"),
            (Lines{"Arms:Skill Sleeves : 1", "", "All Casting effect : +2", "", "Items Adding to All Casting :",
                   "Arms:Skill Sleeves : 2", "Arms:Skill Sleeves : 3", "", "", "Realm Rank Effect : +3", "",
                   "Total Stat : 6"}));
  EXPECT_EQ(ReportLines("Dual Wield Skill"),
            (Lines{"", "All Duel Wielding effect : +4", "", "Items Adding to All Duel Wielding :",
                   "Arms:Skill Sleeves : 4", "", "", "Realm Rank Effect : +3", "", "Total Stat : 7"}));
}

TEST_F(ContributorReportTest, LabelsFindTheirStat) {
  EXPECT_FALSE(Report("Essence Resist"));
  EXPECT_FALSE(Report("No Such Stat"));
  const Lines crush = ReportLines("Crush Skill");
  ASSERT_FALSE(crush.empty());
  EXPECT_EQ(crush.front(), "Feet:Crush Boots : 2");
  EXPECT_EQ(crush.back(), "Total Stat : 7");
  EXPECT_EQ(ReportLines("Focus:All Lines"), (Lines{"Feet:Crush Boots : 4", "", "Total Stat : 4"}));
  EXPECT_EQ(ReportLines("All Melee Skills"), (Lines{"Chest:Slash Chest : 2", "", "Total Stat : 2"}));
  EXPECT_EQ(Report("Chants")->title, "Items effecting Chants");
}

TEST_F(ContributorReportTest, MythicalBonusesAndTheRaceResistCountAsTheEngineAddsThem) {
  config_.Race = "Briton";  // Crush 2, Slash 3, Spirit 5
  EquipVault(slot::Legs, "Crush Legs", {{11, 4}, {1, 79}});
  EquipVault(slot::Mythirians, "Strong Mythirian", {{218, 10}, {228, 5}, {215, 3}});
  EXPECT_EQ(ReportLines("Strength"),
            (Lines{"Legs:Crush Legs : 79", "Right Hand:Crafted Blade : 2", "",
                   "Mythical Strength Bonus (Stat+Cap) effect : +10", "",
                   "Items Adding to Mythical Strength Bonus (Stat+Cap) :", "Mythirian:Strong Mythirian : 10", "",
                   "Total Stat : 91"}));
  EXPECT_EQ(ReportLines("Crush Resist"),
            (Lines{"Legs:Crush Legs : 4", "", "Mythical Physical Damage Reduction effect : +3", "",
                   "Items Adding to Mythical Physical Damage Reduction :", "Mythirian:Strong Mythirian : 3", "",
                   "Mythical Crush Resist (Stat+Cap) effect : +5", "",
                   "Items Adding to Mythical Crush Resist (Stat+Cap) :", "Mythirian:Strong Mythirian : 5", "",
                   "Race Resist Effect : +2", "", "Total Stat : 14"}));
  EXPECT_EQ(ReportLines("Mythical Strength Bonus (Cap only)").back(), "Total Stat : 10");
  EXPECT_EQ(ReportLines("Heat Resist"), (Lines{"", "Total Stat : 0"})) << "no block for a bonus totalling 0";
  EXPECT_EQ(ReportLines("Slash Resist").back(), "Total Stat : " + std::to_string(Run().Totals[12]));
}

TEST_F(ContributorReportTest, MythicalAcuityAndRealmRankCountOnlyForTheClass) {
  constexpr int kCleric = 2, kHibernian = 16;
  EquipVault(slot::Mythirians, "Wise Mythirian", {{226, 6}});
  const Lines piety = ReportLines("Piety", kCleric);
  ASSERT_EQ(piety.size(), 13u);
  EXPECT_EQ(Lines(piety.begin() + 6, piety.end()),
            (Lines{"", "Mythical Acuity Bonus (Stat+Cap) effect : +6", "",
                   "Items Adding to Mythical Acuity Bonus (Stat+Cap) :", "Mythirian:Wise Mythirian : 6", "",
                   "Total Stat : 13"}));
  EXPECT_EQ(ReportLines("Piety").back(), "Total Stat : 4") << "an Armsman has no acuity attribute";
  EXPECT_EQ(ReportLines("Mythical Acuity Bonus (Cap Only)").back(), "Total Stat : 6");

  // An Albion skill for a Hibernian: the realm rank and All Melee blocks show but add nothing.
  EXPECT_EQ(ReportLines("Slash Skill", kHibernian).back(), "Total Stat : 7");
  EXPECT_EQ(Run(kHibernian).Totals[28], 7);
}

TEST_F(ContributorReportTest, RunningTotalIsSixteenBit) {
  model_ = Template{};
  config_ = NewConfiguration("<None>");
  config_.RealmRank = 3;
  EquipVault(slot::Chest, "Big Chest", {{28, 20000}});
  EquipInline(slot::Head, {{28, 20000}}, "Big Helm");
  EquipVault(slot::Legs, "Double Legs", {{28, 20000}, {28, 20000}});
  const Lines lines = ReportLines("Slash Skill");
  EXPECT_EQ(lines[2], "Legs:Double Legs : -25536");
  EXPECT_EQ(lines.back(), "Total Stat : 14467");  // 80000 + 3 in 16 bits
}

TEST_F(ContributorReportTest, EffectsNearTheLimitWrapIntoTheSixteenBitTotal) {
  model_ = Template{};
  config_ = NewConfiguration("<None>");
  config_.RealmRank = 1;
  EquipInline(slot::Chest, {{28, 5}, {20, 2147483647}});  // All Melee at the 32-bit limit
  EquipInline(slot::Head, {{28, 2147483647}});
  const Lines lines = ReportLines("Slash Skill");
  EXPECT_EQ(lines.back(), "Total Stat : 4");  // -1 + 5 + (2^31 - 1) + 1 in 16 bits
}

TEST_F(ContributorReportTest, CaptionsNameTheEquippedEntries) {
  EquipVault(slot::Ring1, "First Ring", {});
  EquipVault(slot::Ring2, "Second Ring", {});
  config_.Slots[slot::Cloak] = "v7";
  config_.Slots[slot::Belt] = "vx";
  const auto c = SlotButtonCaptions(model_, vault_, config_);
  EXPECT_EQ((Lines{c[0], c[2], c[3], c[4], c[5], c[8], c[9], c[14], c[18]}),
            (Lines{"Jewel:<Empty Slot>", "Cloak:<Empty Slot>", "Belt:<Empty Slot>", "Ring 1:First Ring",
                   "Ring 2:Second Ring", "Chest:Slash Chest", "Head:Slash Helm", "Right Hand:Crafted Blade",
                   "Mythirian:<Empty Slot>"}));

  const auto names = LoaderSlotNames();
  ASSERT_EQ(names.size(), 19u);
  EXPECT_EQ(names[slot::Neck], "Necklace");
  EXPECT_EQ(names[slot::Mythirians], "Mythirians");
  std::vector<std::string> loaderCaptions(names.begin(), names.end());
  const StatResult result = CalcStats(model_, vault_, ApplyClass(0), config_);
  const auto report = BuildContributorReport("Piety", model_, vault_, ApplyClass(0), config_, result, loaderCaptions);
  ASSERT_TRUE(report);
  EXPECT_EQ(report->lines.front(), "Necklace : 4");
}

TEST_F(ContributorReportTest, InvalidReferencesGiveNoLines) {
  model_.ListsOf(SlotKindOf(slot::Legs)).VaultIds.push_back(999);  // past the vault
  config_.Slots[slot::Legs] = "v0";
  config_.Slots[slot::Chest] = "vx";
  config_.Slots[slot::Head] = "i5";
  config_.Slots[slot::Hands] = "c-1";
  std::optional<ContributorReport> report;
  EXPECT_NO_THROW(report = Report("Slash Skill"));
  ASSERT_TRUE(report);
  EXPECT_EQ(report->lines, (Lines{"", "All Melee effect : +0", "", "Items Adding to All Melee :", "", "",
                                  "Realm Rank Effect : +3", "", "Total Stat : 3"}));
  EXPECT_NO_THROW(Panels(0, true));
}

}  // namespace
}  // namespace davoruzivi
