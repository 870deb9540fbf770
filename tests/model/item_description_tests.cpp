// Item descriptions: the vault item's panel and list forms, the inline and
// crafted item layouts, and the line groups the report shares.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "describe/describe.h"
#include "itemdb/itemdb.h"
#include "template/classes.h"

namespace davoruzivi {
namespace {

using Lines = std::vector<std::string>;
constexpr auto kPanel = DescriptionForm::Panel;
constexpr auto kList = DescriptionForm::List;

class ItemDescriptionTest : public ::testing::Test {
 protected:
  DescriptionContext Context(int armour = 0, int realm = 0) const { return {vocabularies_, armour, realm}; }

  // The worked example: a level 50 verified Albion plate chest of quality 100
  // with Strength 15 and Crush Resist 4.
  static VaultItem PlateChest() {
    VaultItem item = ResetVaultItem();
    item.Name = "Chest";
    item.Level = 50;
    item.Absorb = 5;
    item.Quality = 30;
    item.Verified = 1;
    item.Realm = 0;
    item.StatIds = {1, 11};
    item.StatValues = {15, 4};
    return item;
  }

  ItemVocabularies vocabularies_;
};

TEST_F(ItemDescriptionTest, PanelFormOfTheWorkedExample) {
  const ItemDescription panel = DescribeVaultItem(PlateChest(), kPanel, Context());
  EXPECT_EQ(panel.title, "Item Report : Chest");
  EXPECT_EQ(panel.lines, (Lines{"Item Level : 50", "Item Type : Normal Drop", "Expansion : <Unknown>",
                                "Quality   : 100 %", "Source    : Unknown", "Item Origin : Albion",
                                "(Item Verified!)", "Absorb : 34% (Plate)", "AF : 100 ", "", "15 Strength",
                                "4 Crush Resist", "", "18.0 Utility", "18.0 ToA Utility", "",
                                "Bonus Level (Auto) : 13"}));
}

TEST_F(ItemDescriptionTest, ListFormHasTheNameNoTitleAndAlwaysANotesLine) {
  VaultItem item = PlateChest();
  item.Researched = 1;
  item.BonusLevelManual = 1;
  item.BonusLevel = 37;
  const ItemDescription list = DescribeVaultItem(item, kList, Context());
  EXPECT_EQ(list.title, "");
  EXPECT_EQ(list.lines, (Lines{"Chest", "", "Item Level : 50", "Item Type : Normal Drop", "Expansion : <Unknown>",
                               "Quality   : 100%", "Source    : Unknown", "Realm : Albion", "(Item Verified!)",
                               "(Being researched...)", "Absorb : 34% (Plate)", "AF : 100 ", "", "15 Strength",
                               "4 Crush Resist", "", "18.0 Utility", "18.0 ToA Utility", "",
                               "Bonus Level (Manual) : 37", "", "Notes : "}));
  item.Notes = "Drops in DF";
  EXPECT_EQ(DescribeVaultItem(item, kList, Context()).lines.back(), "Notes : Drops in DF");
  const Lines panel = DescribeVaultItem(item, kPanel, Context()).lines;
  EXPECT_EQ(Lines(panel.end() - 3, panel.end()), (Lines{"", "Notes : ", "Drops in DF"}));
}

TEST_F(ItemDescriptionTest, ProcSeparatorsDifferByForm) {
  VaultItem item = ResetVaultItem();
  item.ProcKinds = {3, 6};  // Charges, then a Mythirian effect that has no proc line
  item.ProcAmounts = {75, 0};
  item.ProcEffects = {65, 0};  // Haste
  const auto afterBonuses = [&](DescriptionForm form) {
    const Lines lines = DescribeVaultItem(item, form, Context()).lines;
    const auto gap = std::find(lines.begin(), lines.end(), "(Item Unverified...)") + 1;
    return Lines(gap, gap + 5);
  };
  EXPECT_EQ(afterBonuses(kPanel), (Lines{"", " ", "Charges ( 75v Haste )", " ", ""}));
  EXPECT_EQ(afterBonuses(kList), (Lines{"", "Charges ( 75v Haste )", "", "", "0.0 Utility"}));
}

TEST_F(ItemDescriptionTest, MythirianShowsItsEffectsAndNotesOnly) {
  VaultItem item = ResetVaultItem();
  item.Name = "Myth";
  item.Quality = 41;
  item.ProcKinds = {6, 6};
  item.ProcEffects = {76, 102};
  const Lines tail = {"(Item Unverified...)", "", "Mythirian Information", "", "Health Regeneration", "",
                      "Power Regeneration", "", "Notes : "};
  Lines panel = {"Item Level : 51", "Item Type : Normal Drop", "Expansion : <Unknown>", "Source    : Unknown",
                 "Item Origin : Universal"};
  panel.insert(panel.end(), tail.begin(), tail.end());
  panel.emplace_back();
  EXPECT_EQ(DescribeVaultItem(item, kPanel, Context()).lines, panel);
  Lines list = {"Myth", "", "Item Level : 51", "Item Type : Normal Drop", "Expansion : <Unknown>",
                "Source    : Unknown", "Realm : Universal"};
  list.insert(list.end(), tail.begin(), tail.end());
  EXPECT_EQ(DescribeVaultItem(item, kList, Context()).lines, list);
}

TEST_F(ItemDescriptionTest, DetailLinesShowUnknownIndicesEmptyAndLeaveOutAMissingQuality) {
  VaultItem item = ResetVaultItem();
  item.ItemType = 500;
  item.Realm = 4;
  EXPECT_EQ(DetailLines(item, kPanel, Context()), (Lines{"Item Level : 51", "Item Type : ", "Expansion : <Unknown>",
                                                         "Source    : Unknown"}));
  EXPECT_EQ(DetailLines(item, kPanel, Context(), true)[3], "Quality   :  %");
  item.Quality = 31;
  EXPECT_EQ(DetailLines(item, kList, Context())[3], "Quality   : N/A%");
}

TEST_F(ItemDescriptionTest, ClassBasedAbsorbFollowsTheClassArmour) {
  VaultItem item = ResetVaultItem();
  item.Level = 50;
  item.Absorb = 6;
  EXPECT_EQ(ArmourLines(item, Context(1)), (Lines{"Absorb : 10% (Leather)", "AF : 100 "}));
  EXPECT_EQ(ArmourLines(item, Context(4)), (Lines{"Absorb : 34% (Plate)", "AF : 100 "}));
  item.Absorb = 1;
  EXPECT_EQ(ArmourLines(item, Context(4)), (Lines{"Absorb : 0% (Cloth)", "AF : 50 "}));
  item.Absorb = 7;
  EXPECT_TRUE(ArmourLines(item, Context()).empty());
}

TEST_F(ItemDescriptionTest, WeaponLinesOnlyForWeaponsWithDamagePerSecondByLevel) {
  VaultItem item = ResetVaultItem();
  EXPECT_TRUE(WeaponLines(item, Context()).empty());
  item.WeaponType = 2;
  item.Speed = 1;
  item.Level = 1;
  EXPECT_EQ(WeaponLines(item, Context()), (Lines{"Weapon Type  : Blades", "Weapon Speed : 1.5", "DPS : 1.5 "}));
  EXPECT_EQ(DamagePerSecondText(0), "1.2");
  EXPECT_EQ(DamagePerSecondText(50), "16.2");
}

TEST_F(ItemDescriptionTest, ProcLineWording) {
  const DescriptionContext context = Context();
  EXPECT_EQ(ProcLine(4, 10, 65, 1, context), "Equipped Buff/Aura ( 10v Haste)");
  EXPECT_EQ(ProcLine(5, 40, 65, 0, context), "Selectable Effects ( Haste )");
  EXPECT_EQ(ProcLine(1, 0, 9999, 1, context), "Normal Proc (  )");
  for (const int kind : {0, 6, 7}) EXPECT_EQ(ProcLine(kind, 5, 65, 0, context), "") << kind;
}

TEST_F(ItemDescriptionTest, InlineItemLayoutAndBonusLines) {
  EXPECT_EQ(BonusLines(std::vector<StatId>{1, 0, 65535, 11}, std::vector<std::int32_t>{15, 9, 5, -3}),
            (Lines{"15 Strength", "5 ", "-3 Crush Resist"}))
      << "empty slots are skipped, the sign kept";
  InlineItem item;
  item.Name = "Ring";
  item.StatIds[2] = 1;
  item.StatValues[2] = 7;
  item.ProcKinds = {1, 4};
  item.ProcAmounts = {5, 10};
  item.ProcEffects = {65, 65};
  const ItemDescription description = DescribeInlineItem(item, Context());
  EXPECT_EQ(description.title, "Item Report : Ring");
  EXPECT_EQ(description.lines, (Lines{"Item Type : Unique (RoG or Manual Edit)", "", "7 Strength", " ",
                                      "Normal Proc ( 5v Haste )", "", "Equipped Buff/Aura ( 10v Haste)"}));
}

TEST_F(ItemDescriptionTest, CraftedItemLayout) {
  CraftedItem item;
  item.Autoname = 1;
  item.Name = "Crafted";
  item.StatIds = {1, 0, 0, 0, 10, 0, 2};
  item.StatValues = {12, 0, 0, 0, 4, 0, 3};
  item.GemTiers = {3, 0, 0, 0};
  const std::string emptyGem = "<Empty>                        :    0 ( Raw  )";
  const ItemDescription description = DescribeCraftedItem(item, Context(0, 1));
  EXPECT_EQ(description.title, "Spellcrafted Item Report : Crafted");
  EXPECT_EQ(description.lines,
            (Lines{"Item Name (Auto) : Crafted", "Item Type : Crafted", "",
                   "Strength                       :   12 ( Flawed fiery essence jewel )", emptyGem, emptyGem,
                   emptyGem, "", "Fifth Slot Bonuses : 4 Hit Points", "3 Constitution"}));
  item.Autoname = 0;
  EXPECT_EQ(DescribeCraftedItem(item, Context()).lines.front(), "Item Name (Manual) : Crafted");
  item.Autoname = 2;
  EXPECT_EQ(DescribeCraftedItem(item, Context()).lines.front(), "Item Type : Crafted");
  // Long names and amounts are not cut.
  EXPECT_EQ(GemLine(220, 12345, 0, 0), "Mythical Constitution Bonus (Stat+Cap) : 12345 ( Raw  )");
}

TEST_F(ItemDescriptionTest, EmptiedGemSlotShowsNoAmountWhateverItStillHolds) {
  CraftedItem item;
  item.Autoname = 2;
  item.StatIds = {0, 2};
  item.StatValues = {11, 5};  // slot 1 was a Flawed Strength gem of 11 before it was taken out
  item.GemTiers = {3, 1};
  EXPECT_EQ(DescribeCraftedItem(item, Context()).lines,
            (Lines{"Item Type : Crafted", "", "<Empty>                        :    0 ( Flawed  )",
                   "Constitution                   :    5 ( Uncut earthen essence jewel )",
                   "<Empty>                        :    0 ( Raw  )", "<Empty>                        :    0 ( Raw  )",
                   ""}));
}

TEST_F(ItemDescriptionTest, AllSkillGemsAreNamedForTheClassRealm) {
  CraftedItem item;
  item.Autoname = 2;
  item.StatIds = {20};
  item.StatValues = {1};
  const auto firstGem = [&](int classIndex) {
    return DescribeCraftedItem(item, ContextForClass(vocabularies_, classIndex)).lines[2];
  };
  constexpr int kFirstHibernianClass = 16;
  ASSERT_EQ(CharacterRealm(kFirstHibernianClass), 1);
  EXPECT_EQ(firstGem(kFirstHibernianClass), "All Melee Skills               :    1 ( Raw finesse spell stone )");
  EXPECT_EQ(firstGem(0), "All Melee Skills               :    1 ( Raw finesse war sigil )");
}

}  // namespace
}  // namespace davoruzivi
