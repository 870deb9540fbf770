// The equipment page: choosing a slot, choosing an entry, the automatic
// weapons choice and the captions of the slot buttons.

#include <gtest/gtest.h>

#include "itemdb/itemdb.h"
#include "model/test_support.h"
#include "platform/testing/recording_message_box.h"
#include "platform/testing/scripted_dialogs.h"
#include "template/template.h"

namespace davoruzivi {
namespace {

using namespace platform::testing;

class EquipmentPageTest : public ::testing::Test {
 protected:
  EquipmentPageTest() {
    test::ItemBlock helm;
    helm.idLine = "~1";
    helm.name = "Crown of Zahur";
    helm.slot = "Head";
    helm.stats = {"Strength|10"};
    vault_ = test::ParseOk(test::VaultText({test::ItemBlock{}, helm}));
    workflow_.NewTemplate();
    workflow_.NewConfiguration();
    model_.ListsOf(SlotKindOf(slot::Head)).VaultIds = {1};
    workflow_.OnRecalculate([this] { ++recalculated_; });
  }

  MasterVault vault_;
  Settings settings_ = DefaultSettings();
  InMemorySettingsStore store_;
  RecordingMessageBox messages_;
  ScriptedConfirmationDialog questions_;
  ScriptedFileDialogs files_;
  FixedClock clock_{"now"};
  Template model_;
  TemplateWorkflow workflow_{model_, vault_, settings_, {messages_, questions_, files_, clock_, store_}, "/tmp"};
  EquipmentPage page_{workflow_, vault_};
  int recalculated_ = 0;
};

TEST_F(EquipmentPageTest, AListShownForAnotherConfigurationStoresNothing) {
  workflow_.NewConfiguration();
  model_.Configurations[0].Slots[slot::Head] = "v0";
  workflow_.SelectConfiguration(0);
  page_.SelectSlot(slot::Head, PageOrigin::SlotButtons);
  ASSERT_EQ(page_.SelectedEntry(), 1);
  workflow_.SelectConfiguration(1);  // the page is not shown again
  page_.ChooseEntry(1, PageOrigin::List);
  EXPECT_EQ(model_.Configurations[1].Slots[slot::Head], "e0");
  EXPECT_EQ(page_.SelectedEntry(), 0) << "the list shows the other configuration's choice";
  workflow_.SelectConfiguration(0);
  EXPECT_FALSE(page_.MoveSelection(-1)) << "a wheel turn over a stale list only shows it anew";
  EXPECT_EQ(model_.Configurations[0].Slots[slot::Head], "v0");
}

TEST_F(EquipmentPageTest, AListShownBeforeTheTemplateChangedStoresNothing) {
  page_.SelectSlot(slot::Head, PageOrigin::SlotButtons);
  ASSERT_EQ(page_.Entries().size(), 2u);
  workflow_.NewTemplate();  // another template, whose Head list is empty
  workflow_.NewConfiguration();
  page_.ChooseEntry(1, PageOrigin::List);
  EXPECT_EQ(model_.Configurations[0].Slots[slot::Head], "e0");
  EXPECT_EQ(page_.Entries().size(), 1u) << "the list is shown anew";
}

TEST_F(EquipmentPageTest, ChoosingAnEntryEquipsRecalculatesAndDescribes) {
  page_.SelectSlot(slot::Head, PageOrigin::SlotButtons);
  EXPECT_EQ(page_.SlotHeading(), "Head Slot Selections :");
  ASSERT_EQ(page_.Entries().size(), 2u);
  EXPECT_EQ(page_.SelectedEntry(), 0);
  EXPECT_EQ(page_.ButtonCaptions()[slot::Head], "Head:<Empty Slot>");
  EXPECT_EQ(page_.InfoLines(), std::vector<std::string>{"No Item Selected"});

  const int before = recalculated_;
  page_.ChooseEntry(1, PageOrigin::List);
  EXPECT_EQ(model_.Configurations[0].Slots[slot::Head], "v0");
  EXPECT_GT(recalculated_, before);
  EXPECT_EQ(page_.ButtonCaptions()[slot::Head], "Head:Crown of Zahur");
  EXPECT_EQ(page_.InfoTitle(), "Item Report : Crown of Zahur");

  page_.ChooseEntry(0, PageOrigin::List);
  EXPECT_EQ(model_.Configurations[0].Slots[slot::Head], "e0");
  EXPECT_FALSE(page_.InfoTitle()) << "the panel keeps the title it shows";
  EXPECT_EQ(page_.InfoLines(), std::vector<std::string>{"No Item Selected"});
  EXPECT_FALSE(page_.MoveSelection(-1)) << "nothing above the first entry";
  EXPECT_TRUE(page_.MoveSelection(1));
  EXPECT_EQ(model_.Configurations[0].Slots[slot::Head], "v0");
}

TEST_F(EquipmentPageTest, SlotButtonsChooseTheWeaponsAndTheRefreshOnlyCaptions) {
  page_.SelectSlot(slot::TwoHand, PageOrigin::SlotButtons);
  EXPECT_EQ(model_.Configurations[0].WeaponsEquipped, weapons::TwoHanded);
  page_.SelectSlot(slot::Head, PageOrigin::SlotButtons);
  EXPECT_EQ(model_.Configurations[0].WeaponsEquipped, weapons::TwoHanded) << "Head keeps the choice";
  page_.SetAutomaticWeapons(false);
  page_.SelectSlot(slot::RightHand, PageOrigin::SlotButtons);
  EXPECT_EQ(model_.Configurations[0].WeaponsEquipped, weapons::TwoHanded);

  // A reference past its list shows "<Empty Slot>"; the refresh stores nothing.
  model_.Configurations[0].Slots[slot::Head] = "v5";
  page_.RefreshAllSlots();
  EXPECT_EQ(page_.ButtonCaptions()[slot::Head], "Head:<Empty Slot>");
  EXPECT_EQ(model_.Configurations[0].Slots[slot::Head], "v5");
  EXPECT_EQ(page_.CurrentSlot(), slot::RightHand);
  page_.SelectSlot(slot::Head, PageOrigin::SlotButtons);
  EXPECT_EQ(model_.Configurations[0].Slots[slot::Head], "e0") << "showing the slot stores the empty entry";
}

TEST_F(EquipmentPageTest, OnlyEquippingAnotherEntryMarksTheTemplateModified) {
  model_.Configurations[0].Slots[slot::Head] = "v0";
  model_.Configurations[0].WeaponsEquipped = weapons::OneHanded;
  workflow_.SetStatus(TemplateStatus::Saved);
  page_.SelectSlot(slot::RightHand, PageOrigin::SlotButtons);  // chooses the weapons already chosen
  page_.SelectSlot(slot::Head, PageOrigin::SlotButtons);
  page_.ChooseEntry(1, PageOrigin::List);  // the equipped entry again
  page_.RefreshAllSlots();
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Saved);
  EXPECT_EQ(page_.InfoTitle(), "Item Report : Crown of Zahur") << "looking still shows the item";

  // Weapons stored out of their range, as a damaged file may hold them: showing the page changes nothing.
  model_.Configurations[0].WeaponsEquipped = 7;
  page_.RefreshAllSlots();
  EXPECT_EQ(model_.Configurations[0].WeaponsEquipped, 7);
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Saved);
  model_.Configurations[0].WeaponsEquipped = weapons::OneHanded;

  page_.ChooseEntry(0, PageOrigin::List);
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Modified);

  // A stale reference that showing the slot replaces by the empty entry is a change.
  model_.Configurations[0].Slots[slot::Chest] = "v5";
  workflow_.SetStatus(TemplateStatus::Saved);
  const int before = recalculated_;
  page_.SelectSlot(slot::Chest, PageOrigin::OtherControl);
  EXPECT_EQ(model_.Configurations[0].Slots[slot::Chest], "e0");
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Modified);
  EXPECT_GT(recalculated_, before);
}

TEST(ItemWindows, StartOnASlotTheyCanFill) {
  EXPECT_EQ(StartingSlotOf(ItemWindow::InlineEditor, slot::Mythirians), slot::Jewel);
  EXPECT_EQ(StartingSlotOf(ItemWindow::InlineEditor, slot::Ring2), slot::Ring2);
  EXPECT_EQ(StartingSlotOf(ItemWindow::SpellcraftCalculator, slot::Wrist2), slot::Chest);
  EXPECT_EQ(StartingSlotOf(ItemWindow::SpellcraftCalculator, slot::Mythirians), slot::Chest);
  EXPECT_EQ(StartingSlotOf(ItemWindow::SpellcraftCalculator, slot::Ranged), slot::Ranged);
  EXPECT_EQ(StartingSlotOf(ItemWindow::VaultLoader, slot::Mythirians), slot::Mythirians);
}

}  // namespace
}  // namespace davoruzivi
