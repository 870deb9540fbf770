// The omnicrafter page and the moves of planned gems between the plan and
// the crafted item the calculator edits.

#include <gtest/gtest.h>

#include "model/test_support.h"
#include "spellcraft/spellcraft.h"
#include "template/template.h"

namespace davoruzivi {
namespace {

// Gem stat list entries, the same numbers as their StatIds.
constexpr int kStrength = 1, kConstitution = 2, kDexterity = 3, kQuickness = 4, kCrushResist = 11;
constexpr int kStrength29 = 9, kResist17 = 9;  // the tiers of those amounts

class OmnicrafterPageTest : public test::WorkflowTest {
 protected:
  void SetUp() override {
    WorkflowTest::SetUp();
    workflow_.ChangeClass(0);
    workflow_.NewConfiguration();
    workflow_.SelectConfiguration(0);
    workflow_.SetStatus(TemplateStatus::Saved);
  }
  void Plan(int entry, int tier) {
    page_.ChooseStat(entry);
    page_.ChooseAmount(tier);
    page_.AddGem();
  }
  // The calculator on the chest, editing a new crafted item.
  void EditNewChest() {
    model_.CurrentSlot = slot::Chest;
    calculator_.Open();
    calculator_.NewItem();
  }
  const CraftedItem& Chest() const { return model_.ListsOf(SlotKindOf(slot::Chest)).CraftedItems.at(0); }

  OmnicrafterPage page_{workflow_};
  SpellcraftCalculator calculator_{workflow_, messages_};
};

TEST_F(OmnicrafterPageTest, PlanningAnalysingAndRemovingNeverModifyTheTemplate) {
  const auto labels = OmnicrafterPage::StatLabels();  // the whole gem stat list, its labels as the calculator's
  ASSERT_EQ(labels.size(), 139u);
  EXPECT_EQ(labels[21], "All Casting ");
  EXPECT_EQ(labels[134], "Mauler Staff");
  page_.ChooseStat(kStrength);
  EXPECT_EQ(page_.AmountTexts().front(), "2");
  EXPECT_EQ(page_.Tier(), 0);
  page_.ChooseStat(0);
  EXPECT_FALSE(page_.AmountEnabled() || page_.AddEnabled());

  for (int n = 0; n < 3; ++n) Plan(kStrength, kStrength29);
  Plan(kCrushResist, kResist17);
  EXPECT_EQ(page_.GemTexts(),
            (std::vector<std::string>{"Strength+29", "Strength+29", "Strength+29", "Crush Resist+17"}));
  EXPECT_EQ(page_.PickedGem(), 3) << "the added gem is picked";
  page_.CheckSlot(0, true);
  page_.CheckSlot(4, true);
  EXPECT_EQ(model_.Equip.Omni.SlotFlags[slot::Chest], 1);
  EXPECT_EQ(model_.Equip.Omni.SlotFlags[slot::Legs], 1);
  const auto rows = page_.Analysis();
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(rows[0].second, "4");
  EXPECT_EQ(rows[1].second, "32.0");
  EXPECT_EQ(rows[2].second, "16.0");
  EXPECT_EQ(rows[3].second, "20.0");
  EXPECT_EQ(rows[4].second, "80.0");
  EXPECT_EQ(rows[7].second, "-4");

  page_.PickGem(3);
  EXPECT_EQ(page_.StatEntry(), kCrushResist);
  EXPECT_EQ(page_.Tier(), kResist17);
  page_.PickGem(1);
  page_.RemoveGem();
  EXPECT_EQ(page_.PickedGem(), 1) << "the gem now at the same place";
  page_.PickGem(2);
  page_.RemoveGem();
  EXPECT_EQ(page_.PickedGem(), 1) << "the last gem";
  page_.RemoveAllGems();
  EXPECT_TRUE(model_.Equip.Omni.GemStats.empty());
  EXPECT_FALSE(page_.RemoveEnabled() || page_.RemoveAllEnabled());
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Saved);
}

TEST_F(OmnicrafterPageTest, TakingAndReturningGems) {
  Plan(kStrength, kStrength29);
  Plan(kDexterity, kStrength29);
  model_.CurrentSlot = slot::Chest;
  calculator_.Open();
  calculator_.PickPlannedGem(0);
  EXPECT_EQ(calculator_.PlannedGemCostText(), "Gem Imbue Cost : 16.0");
  EXPECT_FALSE(calculator_.TakeEnabled()) << "Empty Slot has no item to take the gem";

  calculator_.NewItem();
  calculator_.ChangeGemStat(0, kStrength);
  calculator_.PickPlannedGem(0);
  EXPECT_FALSE(calculator_.TakeEnabled()) << "the item holds Strength already";
  calculator_.TakePlannedGem();
  EXPECT_EQ(model_.Equip.Omni.GemStats.size(), 2u);

  calculator_.PickPlannedGem(1);
  ASSERT_TRUE(calculator_.TakeEnabled());
  calculator_.TakePlannedGem();
  EXPECT_EQ(calculator_.Gem(1), (GemControls{kFullListing, kDexterity, kStrength29}));
  EXPECT_EQ(Chest().StatIds[1], kDexterity);
  EXPECT_EQ(Chest().StatValues[1], 29);
  EXPECT_EQ(calculator_.PlannedGems(), std::vector<std::string>{"Strength+29"});
  EXPECT_EQ(calculator_.PickedPlannedGem(), -1);
}

TEST_F(OmnicrafterPageTest, ReturningGemTwoOfFourLeavesTheOthers) {
  EditNewChest();
  const int stats[] = {kStrength, kConstitution, kDexterity, kQuickness};
  for (int gem = 0; gem < 4; ++gem) {
    calculator_.ChangeGemStat(gem, stats[gem]);
    calculator_.ChangeGemAmount(gem, 2);
  }
  const CraftedItem before = Chest();
  EXPECT_FALSE(calculator_.ReturnEnabled(4));
  ASSERT_TRUE(calculator_.ReturnEnabled(1));
  calculator_.ReturnGem(1);
  EXPECT_EQ(page_.GemTexts(), std::vector<std::string>{"Constitution+8"});
  EXPECT_EQ(calculator_.Gem(1), GemControls{});
  EXPECT_FALSE(calculator_.ReturnEnabled(1));
  EXPECT_EQ(Chest().StatIds[1], 0);
  EXPECT_EQ(Chest().StatValues[1], before.StatValues[1]) << "an emptied gem slot keeps its amount";
  for (int gem : {0, 2, 3}) EXPECT_EQ(Chest().StatIds[static_cast<std::size_t>(gem)], stats[gem]);
}

}  // namespace
}  // namespace davoruzivi
