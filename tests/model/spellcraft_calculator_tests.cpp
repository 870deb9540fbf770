// The spellcraft calculator: opening, switching and picking; new, copy,
// delete and clear; the armour, gem, fifth-slot, name and proc controls; what
// a stored item keeps until edited; and the overcharged state.

#include <gtest/gtest.h>

#include <algorithm>

#include "model/test_support.h"
#include "spellcraft/spellcraft.h"
#include "template/template.h"

namespace davoruzivi {
namespace {

constexpr int kArmsman = 0;   // wears plate
constexpr int kCabalist = 1;  // wears cloth
constexpr int kPlate = 4;
// Gem stat list entries, the same numbers as their StatIds.
constexpr int kStrength = 1, kConstitution = 2, kDexterity = 3, kQuickness = 4, kHitPoints = 10;

CraftedItem Stored(std::string_view name, std::initializer_list<std::pair<int, int>> gemsByTier) {
  CraftedItem item;
  item.Name = name;
  item.ItemLevel = 51;
  item.Absorption = kPlate;
  std::size_t gem = 0;
  for (const auto& [stat, tier] : gemsByTier) {
    item.StatIds[gem] = static_cast<StatId>(stat);
    item.StatValues[gem] = GemAmount(stat, tier);
    item.GemTiers[gem++] = static_cast<std::uint16_t>(tier);
  }
  return item;
}

class SpellcraftCalculatorTest : public test::WorkflowTest {
 protected:
  // A template of the class with the configurations, the first one current.
  void Start(int classIndex, int configurations = 1) {
    workflow_.ChangeClass(classIndex);
    for (int n = 0; n < configurations; ++n) workflow_.NewConfiguration();
    workflow_.SelectConfiguration(0);
  }
  std::string& Ref(int s, int configuration = 0) {
    return model_.Configurations[static_cast<std::size_t>(configuration)].Slots[static_cast<std::size_t>(s)];
  }
  std::vector<CraftedItem>& Items(int s) { return model_.ListsOf(SlotKindOf(s)).CraftedItems; }
  void OpenOn(int s) {
    model_.CurrentSlot = s;
    calculator_.Open();
  }
  // Opens on the slot with the item stored, equipped and so picked.
  void OpenWith(int s, const CraftedItem& item) {
    Items(s) = {item};
    Ref(s) = "c0";
    OpenOn(s);
  }
  // The gem takes the entry (a full-listing position) and the tier's amount.
  void SetGem(int gem, int entry, int tier) {
    calculator_.ChangeGemStat(gem, entry);
    calculator_.ChangeGemAmount(gem, tier);
  }

  SpellcraftCalculator calculator_{workflow_, messages_};
};

TEST_F(SpellcraftCalculatorTest, OpeningSwitchingAndPicking) {
  Start(kArmsman);
  Items(slot::Head) = {Stored("Helm A", {}), Stored("Helm B", {{kStrength, 3}})};
  Ref(slot::Head) = "c1";
  Ref(slot::Hands) = "v0";
  OpenOn(slot::Neck);
  EXPECT_EQ(model_.CurrentSlot, slot::Chest) << "the neck is not craftable";
  EXPECT_EQ(calculator_.Entries(), std::vector<std::string>{"Empty Slot"});
  EXPECT_EQ(calculator_.PickedEntry(), 0);
  EXPECT_FALSE(calculator_.CopyEnabled() || calculator_.DeleteEnabled() || calculator_.AlchemyEnabled());

  calculator_.SwitchSlot(slot::Hands);
  EXPECT_EQ(Ref(slot::Hands), "v0") << "a vault item stays equipped";
  calculator_.SwitchSlot(slot::Neck);
  EXPECT_EQ(model_.CurrentSlot, slot::Hands);

  const CraftedItem before = Items(slot::Head)[1];
  calculator_.SwitchSlot(slot::Head);
  EXPECT_EQ(calculator_.Entries(), (std::vector<std::string>{"Empty Slot", "Helm A", "Helm B"}));
  EXPECT_EQ(calculator_.EntryRefs(), (std::vector<std::string>{"e0", "c0", "c1"}));
  EXPECT_EQ(calculator_.PickedEntry(), 2);
  EXPECT_EQ(calculator_.Name(), "Helm B");
  EXPECT_EQ(calculator_.Gem(0), (GemControls{kFullListing, kStrength, 3}));
  EXPECT_TRUE(calculator_.AmountEnabled(0));
  EXPECT_FALSE(calculator_.AmountEnabled(1));
  EXPECT_EQ(Items(slot::Head)[1], before) << "loading writes nothing";

  calculator_.PickEntry(1);
  EXPECT_EQ(Ref(slot::Head), "c0");
  calculator_.PickEntry(0);
  EXPECT_EQ(Ref(slot::Head), "e0");
  EXPECT_EQ(calculator_.Name(), "");
  EXPECT_EQ(calculator_.Gem(0), GemControls{});
  EXPECT_FALSE(calculator_.ClearEnabled());
}

TEST_F(SpellcraftCalculatorTest, NewItemsTakeTheClassArmourAndTheDefaultLevel) {
  Start(kArmsman);
  workflow_.ChangeLevel(30);
  OpenOn(slot::Arms);
  calculator_.NewItem();
  ASSERT_EQ(Items(slot::Arms).size(), 1u);
  EXPECT_EQ(Ref(slot::Arms), "c0");
  EXPECT_EQ(Items(slot::Arms)[0].Absorption, kPlate);
  EXPECT_EQ(Items(slot::Arms)[0].ItemLevel, 35) << "Level 30 + 5";
  EXPECT_EQ(Items(slot::Arms)[0].Name, "Crafted Item");
  EXPECT_EQ(Items(slot::Arms)[0].AlchemyProc, "(No Proc Selected)");
  calculator_.SetAutoName(true);
  EXPECT_EQ(Items(slot::Arms)[0].Name, "Lv35 Plate");
  EXPECT_EQ(Items(slot::Arms)[0].Autoname, 1);
  EXPECT_EQ(calculator_.Entries().back(), "Lv35 Plate");
  EXPECT_FALSE(calculator_.NameEnabled());

  calculator_.SwitchSlot(slot::RightHand);
  calculator_.NewItem();
  EXPECT_EQ(calculator_.ArmourKind(), kNonArmorAbsorption);
  EXPECT_FALSE(calculator_.ArmourKindEnabled());
  calculator_.ChangeArmourKind(kPlate);
  EXPECT_EQ(Items(slot::RightHand)[0].Absorption, kNonArmorAbsorption);
}

TEST_F(SpellcraftCalculatorTest, AClothClassFallsBackToClothAndHoldsOnePointLessBelowFiftyOne) {
  Start(kCabalist);
  OpenOn(slot::Chest);
  calculator_.NewItem();
  calculator_.ChangeArmourKind(1);
  EXPECT_EQ(calculator_.ArmourKind(), kClothAbsorption);
  calculator_.ChangeArmourKind(kNonArmorAbsorption);
  EXPECT_EQ(Items(slot::Chest)[0].Absorption, kClothAbsorption);
  calculator_.ChangeLevel(50);
  EXPECT_EQ(calculator_.Figures().capacity, "30");
  EXPECT_EQ(calculator_.Figures().maxOvercharge, "35.5");
  EXPECT_EQ(Items(slot::Chest)[0].ItemLevel, 50);
}

TEST_F(SpellcraftCalculatorTest, DeletingRenumbersEveryConfigurationAndPicksTheNextItem) {
  Start(kArmsman, 2);
  Items(slot::Feet) = {Stored("One", {}), Stored("Two", {}), Stored("Three", {})};
  Ref(slot::Feet, 0) = "c1";
  Ref(slot::Feet, 1) = "c2";
  OpenOn(slot::Feet);
  ASSERT_TRUE(calculator_.DeleteEnabled());
  calculator_.DeleteItem();
  EXPECT_EQ(calculator_.Entries(), (std::vector<std::string>{"Empty Slot", "One", "Three"}));
  EXPECT_EQ(Ref(slot::Feet, 1), "c1") << "the third item moved up";
  EXPECT_EQ(Ref(slot::Feet, 0), "c1") << "the item that followed is equipped";
  EXPECT_EQ(calculator_.Name(), "Three");

  EXPECT_FALSE(calculator_.DeleteEnabled()) << "both configurations use it now";
  Ref(slot::Feet, 1) = "e0";
  calculator_.DeleteItem();
  EXPECT_EQ(Items(slot::Feet).size(), 1u);
  EXPECT_EQ(Ref(slot::Feet, 0), "e0") << "nothing followed the last item";
  EXPECT_EQ(calculator_.PickedEntry(), 0);
}

TEST_F(SpellcraftCalculatorTest, CopyShowsTheOldValuesAndClearKeepsTheFifthSlot) {
  Start(kArmsman);
  OpenWith(slot::Hands, Stored("Gloves", {{kDexterity, 4}}));
  calculator_.CopyItem();
  ASSERT_EQ(Items(slot::Hands).size(), 2u);
  EXPECT_EQ(Ref(slot::Hands), "c1");
  EXPECT_EQ(calculator_.Gem(0).entry, kDexterity);
  EXPECT_EQ(Items(slot::Hands)[1].StatIds[0], kDexterity) << "the copy is stored at once";
  EXPECT_EQ(Items(slot::Hands)[1].Name, "Gloves");
  calculator_.ChooseFifthSlot(1);

  calculator_.ChooseAlchemyProc(5);
  calculator_.ClearStats();
  EXPECT_EQ(calculator_.Gem(0), GemControls{});
  const CraftedItem& item = Items(slot::Hands)[1];
  EXPECT_EQ(item.StatIds[0], 0);
  EXPECT_EQ(item.FifthSlotBonus, 1);
  EXPECT_EQ(item.AlchemyProc, "(No Proc Selected)");
}

TEST_F(SpellcraftCalculatorTest, GemStatsMoveOffDuplicatesAndStoreStatIds) {
  Start(kArmsman);
  OpenOn(slot::Chest);
  calculator_.NewItem();
  SetGem(0, kQuickness + 1, 0);
  for (int entry : {7, 6, 5}) calculator_.ChangeGemStat(2, entry);  // down onto gem 1's stat
  EXPECT_EQ(calculator_.Gem(2).entry, kQuickness);
  EXPECT_EQ(Items(slot::Chest)[0].StatIds[2], kQuickness);
  calculator_.ChangeGemStat(1, kQuickness);  // up past both
  EXPECT_EQ(calculator_.Gem(1).entry, kQuickness + 2);

  calculator_.ChangeGemStat(3, kHitPoints);
  calculator_.ChangeGemStat(1, 20);   // "All Melee"
  calculator_.ChangeArchetype(1, 1);  // "0. Attributes" cannot show gem 2's stat
  EXPECT_EQ(calculator_.Gem(1).entry, 0);
  calculator_.ChangeGemStat(1, ArchetypePositionOf(1, kHitPoints));
  EXPECT_EQ(calculator_.Gem(1), (GemControls{kFullListing, kHitPoints + 1, 0})) << "moved past the attributes";

  constexpr int kCommonSkills = 3;
  calculator_.ChangeArchetype(0, kCommonSkills);
  const auto labels = calculator_.GemStatLabels(0);
  const auto mauler = std::find(labels.begin(), labels.end(), "Mauler Staff");
  ASSERT_NE(mauler, labels.end());
  calculator_.ChangeGemStat(0, static_cast<int>(mauler - labels.begin()));
  EXPECT_EQ(calculator_.Gem(0).entry, 134);
  EXPECT_EQ(Items(slot::Chest)[0].StatIds[0], 185);
}

TEST_F(SpellcraftCalculatorTest, AStoredItemKeepsWhatTheControlsCannotShowUntilEdited) {
  Start(kArmsman);
  CraftedItem odd = Stored("Odd", {{kStrength, 1}, {kConstitution, 9}, {kDexterity, 2}});
  odd.GemTiers[0] = 12;
  odd.StatValues[0] = 40;
  odd.AlchemyProc = "(Reactive) (99) Something Gone";
  OpenWith(slot::Chest, odd);
  EXPECT_EQ(calculator_.Gem(0), (GemControls{kFullListing, kStrength, -1}));
  EXPECT_EQ(calculator_.AlchemyProcIndex(), 0);
  EXPECT_EQ(Items(slot::Chest)[0], odd);

  calculator_.ChangeGemStat(1, 0);  // emptying gem 2
  const CraftedItem& item = Items(slot::Chest)[0];
  EXPECT_EQ(item.StatIds[1], 0);
  EXPECT_EQ(item.StatValues[1], 29);
  EXPECT_EQ(item.GemTiers[1], 9);
  EXPECT_EQ(item.StatValues[0], 40);
  EXPECT_EQ(item.GemTiers[0], 12);
  EXPECT_EQ(item.AlchemyProc, "(Reactive) (99) Something Gone");
  calculator_.ChooseAlchemyProc(1);
  EXPECT_EQ(Items(slot::Chest)[0].AlchemyProc, AlchemyProcList()[1]);
}

TEST_F(SpellcraftCalculatorTest, TheExactMaximumIsStoredAndOneTierPastFreezesTheItem) {
  Start(kArmsman);
  Items(slot::Chest) = {Stored("Other", {})};
  OpenOn(slot::Chest);
  calculator_.NewItem();
  SetGem(0, kHitPoints, 9);     // 76: 19 points, the high gem
  SetGem(1, kStrength, 9);      // 29: 16
  SetGem(2, kConstitution, 8);  // 26: 15
  SetGem(3, kDexterity, 3);     // 11: 6
  const ChargeTexts at = calculator_.Figures();
  EXPECT_EQ(at.gems[1], "16.0");
  EXPECT_EQ(at.highGem, "19.0");
  EXPECT_EQ(at.charge, "37.5");
  EXPECT_EQ(at.capacity, "32");
  EXPECT_EQ(at.maxOvercharge, "37.5");
  EXPECT_EQ(Items(slot::Chest)[1].StatValues[3], 11) << "the maximum itself is stored";

  calculator_.ChangeGemAmount(3, 4);  // 14: 8 points
  EXPECT_TRUE(calculator_.Overcharged());
  EXPECT_EQ(calculator_.Figures().charge, "38.5");
  EXPECT_EQ(Items(slot::Chest)[1].StatValues[3], 11) << "nothing stored";
  EXPECT_FALSE(calculator_.SlotSwitchEnabled() || calculator_.EntryListEnabled() || calculator_.NewEnabled() ||
               calculator_.CopyEnabled() || calculator_.DoneEnabled());
  calculator_.SwitchSlot(slot::Head);
  calculator_.PickEntry(1);
  calculator_.NewItem();
  EXPECT_EQ(model_.CurrentSlot, slot::Chest);
  EXPECT_EQ(calculator_.PickedEntry(), 2);
  EXPECT_FALSE(calculator_.ShowPage(CalculatorPage::Omnicrafter));
  EXPECT_FALSE(calculator_.Done());
  EXPECT_EQ(LastMessage(), "The spellcraft calculator cannot be closed while any item is over it's imbue capacity.");

  calculator_.ChangeGemAmount(3, 3);
  EXPECT_EQ(Items(slot::Chest)[1].StatValues[3], 11) << "stored again";
  EXPECT_TRUE(calculator_.SlotSwitchEnabled());
  EXPECT_TRUE(calculator_.Done());
  EXPECT_FALSE(calculator_.IsOpen());
}

TEST_F(SpellcraftCalculatorTest, TheFifthSlotCountsAtFiftyOneWithFourGemsOrWhenForced) {
  Start(kArmsman);
  OpenOn(slot::Chest);
  calculator_.NewItem();
  ASSERT_TRUE(calculator_.ForceFifthSlot());
  ASSERT_GE(calculator_.FifthSlotOfferTexts().size(), 2u);
  calculator_.ChooseFifthSlot(1);
  const CraftedItem& item = Items(slot::Chest)[0];
  ASSERT_NE(item.LegacyBonus, kNoFifthSlotBonus);
  EXPECT_EQ(item.StatIds[4], FifthSlotGrants(item.LegacyBonus).front().Stat);
  calculator_.SetForceFifthSlot(false);
  EXPECT_EQ(item.StatIds[4], 0) << "no gems";

  calculator_.ChooseFifthSlot(0);
  for (int gem = 0; gem < kGemSlots; ++gem) SetGem(gem, kStrength + gem, 9);
  EXPECT_EQ(calculator_.Figures().bonusLevel, "48");
  calculator_.ChooseFifthSlot(1);
  EXPECT_EQ(calculator_.Figures().bonusLevel, "50") << "with the fifth slot's grants";

  calculator_.ChangeLevel(50);
  EXPECT_FALSE(calculator_.FifthSlotEnabled());
  EXPECT_EQ(calculator_.FifthSlotPosition(), 0);
  calculator_.ChooseFifthSlot(1);
  EXPECT_EQ(calculator_.FifthSlotPosition(), 0);
}

TEST_F(SpellcraftCalculatorTest, NamesPagesAndDone) {
  Start(kArmsman);
  OpenWith(slot::Head, Stored(" ", {}));
  EXPECT_TRUE(calculator_.AutoName()) << "a blank name names itself";
  EXPECT_EQ(calculator_.Name(), "Lv51 Plate");
  calculator_.TypeName(std::string(250, 'x'));
  EXPECT_FALSE(calculator_.AutoName());
  EXPECT_EQ(Items(slot::Head)[0].Name.Size(), 200u);
  EXPECT_EQ(Items(slot::Head)[0].Autoname, 0);
  EXPECT_EQ(calculator_.Entries()[1], std::string(200, 'x'));

  EXPECT_TRUE(calculator_.ShowPage(CalculatorPage::Omnicrafter));
  EXPECT_EQ(model_.Equip.Omni.Enabled, 1);
  calculator_.NewItem();
  EXPECT_EQ(calculator_.Page(), CalculatorPage::Spellcraft);
  calculator_.ShowPage(CalculatorPage::Omnicrafter);
  EXPECT_TRUE(calculator_.Done());
  EXPECT_EQ(model_.Equip.Omni.Enabled, 0);
  EXPECT_TRUE(messages_.notices.empty());
}

// A template file can hold any byte in any field of a crafted item.
TEST_F(SpellcraftCalculatorTest, ADamagedCraftedItemLoadsWithinTheControlsAndSuggestsSafely) {
  Start(kArmsman);
  CraftedItem damaged;
  damaged.Name = " ";
  damaged.Autoname = 255;
  damaged.Absorption = 255;
  damaged.ItemLevel = 0;
  damaged.LegacyBonus = 255;
  damaged.FifthSlotBonus = 255;
  damaged.AlchemyProc = "no such proc";
  damaged.StatIds = {65535, 185, 9999, 134, 65535, 65535, 65535, 0, 0, 0};
  damaged.StatValues = {-5, 1 << 30, 7, -1, 1 << 30, -(1 << 30), 3, 0, 0, 0};
  damaged.GemTiers = {65535, 65535, 9, 40000};
  OpenWith(slot::Chest, damaged);
  EXPECT_EQ(calculator_.PickedEntry(), 1);
  EXPECT_EQ(calculator_.Level(), kMinItemLevel);
  EXPECT_EQ(calculator_.ArmourKind(), kPlate) << "no heavier than the class wears";
  for (int gem = 0; gem < 4; ++gem) {
    EXPECT_LT(calculator_.Gem(gem).tier, static_cast<int>(calculator_.GemAmountTexts(gem).size()));
    EXPECT_GE(calculator_.GemStatPosition(gem), -1);
  }
  EXPECT_EQ(calculator_.AlchemyProcIndex(), 0);
  EXPECT_FALSE(calculator_.Figures().charge.empty());
  EXPECT_EQ(Items(slot::Chest)[0], damaged) << "looking changes nothing";

  const GemSuggestion suggestion = calculator_.SuggestForItem();
  ASSERT_EQ(suggestion.items.size(), 1u);
  EXPECT_LE(suggestion.items[0].charge, ImbueCapacity(kMinItemLevel, kPlate));
  // A slot that holds no crafted item is left out, not read.
  const std::vector<int> slots{slot::Head, slot::Chest, slot::Neck};
  EXPECT_EQ(SuggestGems(model_, vault_, workflow_.Class(), model_.Configurations[0], slots, GemBudget::MaxOvercharge)
                .items.size(),
            1u);
}

TEST_F(SpellcraftCalculatorTest, SuggestionsAreAppliedThroughTheControlsAndUndoneOnce) {
  Start(kArmsman);
  model_.Configurations[0].Level = 50;
  OpenOn(slot::Head);
  calculator_.NewItem();
  calculator_.ChangeLevel(51);
  SetGem(0, kStrength, 3);
  calculator_.SwitchSlot(slot::Chest);
  calculator_.NewItem();
  calculator_.ChangeLevel(51);
  const CraftedItem chestBefore = Items(slot::Chest)[0];
  const CraftedItem helmBefore = Items(slot::Head)[0];

  EXPECT_TRUE(calculator_.SuggestEnabled());
  calculator_.SwitchSlot(slot::RightHand);
  calculator_.NewItem();
  EXPECT_FALSE(calculator_.SuggestEnabled()) << "a right hand weapon does not count beside a two-handed one";
  calculator_.SwitchSlot(slot::Chest);

  const GemSuggestion all = calculator_.SuggestForAll();
  ASSERT_EQ(all.items.size(), 2u);
  calculator_.ApplySuggestion(all);
  EXPECT_EQ(model_.CurrentSlot, slot::Chest) << "the calculator stays on its slot";
  for (const SuggestedItem& item : all.items) {
    const CraftedItem& stored = Items(item.equipmentSlot)[0];
    for (std::size_t gem = 0; gem < 4; ++gem) {
      EXPECT_EQ(stored.StatIds[gem], item.gems[gem].stat);
      if (item.gems[gem].stat != 0) {
        EXPECT_EQ(stored.StatValues[gem], item.gems[gem].amount);
      }
    }
  }
  EXPECT_EQ(calculator_.Gem(0).entry, GemStatEntryOf(all.items[0].gems[0].stat));
  EXPECT_GT(all.after, all.before);

  ASSERT_TRUE(calculator_.UndoEnabled());
  calculator_.UndoSuggestion();
  EXPECT_EQ(Items(slot::Chest)[0], chestBefore);
  EXPECT_EQ(Items(slot::Head)[0], helmBefore);
  EXPECT_FALSE(calculator_.UndoEnabled()) << "one undo";
  EXPECT_EQ(calculator_.Gem(0), GemControls{});
}

}  // namespace
}  // namespace davoruzivi
