// The vault loader: what a search lists for the template's class, server and
// slot, adding and removing candidates with the references that follow, the
// hold rule that decides which selections are stored, and the common tasks.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/web_addresses.h"
#include "model/test_support.h"
#include "template/vault_loader.h"

namespace davoruzivi {
namespace {

using namespace platform::testing;
using Positions = std::vector<std::size_t>;

test::ItemBlock Item(std::string name, std::string slot, std::string realm = "A",
                     std::string itemType = "Normal Drop") {
  test::ItemBlock block;
  block.name = std::move(name);
  block.slot = std::move(slot);
  block.realm = std::move(realm);
  block.itemType = std::move(itemType);
  block.classes = std::string(47, '1');
  block.servers = "NC";
  return block;
}

// Chest items at 1..3, helms at 4 and 5, a Hibernian vest at 6, epic armour
// at 7..9 (chest, ring, right hand) and a Mythirian at 10.
std::vector<test::ItemBlock> LoaderVaultBlocks() {
  std::vector<test::ItemBlock> blocks{
      Item("Placeholder", "Cloak"),        Item("Gamma Chest", "Chest"), Item("alpha Chest (Epic)", "Chest"),
      Item("Beta Chest", "Chest"),         Item("Albion Helm", "Head"),  Item("Hibernia Helm", "Head", "H"),
      Item("Hibernia Vest", "Chest", "H"), Item("Epic Vest", "Chest", "A", "Epic Armor"),
      Item("Epic Ring", "Ring", "A", "Epic Armor"), Item("Epic Sword", "Right Hand", "A", "Epic Armor"),
      Item("Myth of Power", "Mythirians", "U", "Mythirian")};
  blocks.back().procs = {"Endurance Regeneration|M:10"};
  return blocks;
}

class VaultLoaderTest : public ::testing::Test {
 protected:
  VaultLoaderTest() {
    workflow_.NewTemplate();
    workflow_.ChangeClass(0);  // Albion
    workflow_.ChangeServer(server_type::Normal);
    workflow_.NewConfiguration();
    model_.CurrentSlot = slot::Chest;
    workflow_.SetStatus(TemplateStatus::Saved);  // so that a change shows
    workflow_.OnRecalculate([this] { ++recalculated_; });
  }

  std::string& Chest(std::size_t configuration = 0) { return model_.Configurations[configuration].Slots[slot::Chest]; }
  std::vector<std::int32_t>& ChestIds() { return model_.ListsOf(SlotKindOf(slot::Chest)).VaultIds; }
  std::vector<std::string> EquippedNames() const {
    std::vector<std::string> names;
    for (const EquippedEntry& entry : loader_.Equipped()) names.push_back(entry.name);
    return names;
  }
  // A second configuration, the first one current again.
  void AddSecondConfiguration() {
    workflow_.NewConfiguration();
    workflow_.SelectConfiguration(0);
    workflow_.SetStatus(TemplateStatus::Saved);
  }

  MasterVault vault_ = test::ParseOk(test::VaultText(LoaderVaultBlocks()));
  Settings settings_ = DefaultSettings();
  InMemorySettingsStore store_;
  RecordingMessageBox messages_;
  ScriptedConfirmationDialog questions_;
  ScriptedFileDialogs files_;
  FixedClock clock_{"now"};
  Template model_;
  TemplateWorkflow workflow_{model_, vault_, settings_, {messages_, questions_, files_, clock_, store_}, "/tmp"};
  VaultQuery query_;
  QueryFilterLists lists_ = CopyFilterLists(vault_.Vocabularies());
  VaultLoader loader_{workflow_, vault_, query_, lists_, settings_, {messages_}};
  int recalculated_ = 0;
};

TEST_F(VaultLoaderTest, OpeningSearchesTheSlotForTheClassAndSortsAsChosen) {
  loader_.Filters().itemType = 3;
  loader_.Open();
  EXPECT_EQ(loader_.Filters().itemType, 0) << "opening resets the item type filter";
  EXPECT_EQ(loader_.Filters().sort, settings_.Sorting);
  EXPECT_EQ(EquippedNames(), std::vector<std::string>{"Empty Slot"});
  EXPECT_EQ(loader_.EquippedSelection(), 0);
  EXPECT_TRUE(loader_.Hold());
  EXPECT_EQ(loader_.Available(), (Positions{1, 2, 3, 7})) << "equal bonus levels keep the vault order";
  EXPECT_EQ(loader_.AvailableCaption(), "Available Item &List : ( 4 ) ");
  EXPECT_EQ(loader_.EquippedCaption(), "Currently in Item &List : ( 1 ) ");
  EXPECT_EQ(loader_.InfoLines(), (std::vector<std::string>{"Empty Slot", "",
                                                           "When this is selected, nothing is equipped in this slot"}));
  EXPECT_EQ(Chest(), "e0");

  const VaultQuerySettings& query = query_.Settings();
  EXPECT_EQ(query.slot, SlotKindOf(slot::Chest) + 1);
  EXPECT_EQ(query.classFilter, 1);
  EXPECT_EQ(query.server, 2) << "\"Normal\" in the query's server list";
  EXPECT_TRUE(query.hideQuestionMarks);

  loader_.Filters().sort = static_cast<int>(VaultSortOrder::Name);
  loader_.Search();
  EXPECT_EQ(loader_.Available(), (Positions{2, 3, 7, 1})) << "names compare without letter case";
}

TEST_F(VaultLoaderTest, ALevelChangedElsewhereSearchesAgainAndEndsThePreview) {
  model_.CurrentSlot = slot::Mythirians;
  loader_.Open();
  EXPECT_FALSE(loader_.FollowLevel()) << "the search already ruled by this level";
  ASSERT_EQ(loader_.Available(), Positions{10});  // a Mythirian's bonus level is 50
  loader_.SelectAvailable(0, SelectionOrigin::User);
  ASSERT_TRUE(model_.Equip.Previews[slot::Mythirians].Active);
  const int searches = loader_.SearchCount();
  recalculated_ = 0;

  workflow_.ChangeLevel(40);
  recalculated_ = 0;
  EXPECT_TRUE(loader_.FollowLevel());
  EXPECT_EQ(loader_.SearchCount(), searches + 1);
  EXPECT_TRUE(loader_.NoItemsFound()) << "bonus level 50 is above level 40";
  EXPECT_FALSE(model_.Equip.Previews[slot::Mythirians].Active);
  EXPECT_EQ(recalculated_, 1) << "the totals no longer count the previewed item";
  EXPECT_FALSE(loader_.FollowLevel());
}

TEST_F(VaultLoaderTest, CrossRealmServersListEveryRealmExceptForTheHead) {
  model_.ClassIndex = 20;  // a Hibernian class
  loader_.Open();
  EXPECT_EQ(query_.Settings().realm, 1);
  model_.ServerIndex = server_type::Coop;
  loader_.Search();
  EXPECT_EQ(query_.Settings().realm, 3);
  EXPECT_EQ(query_.Settings().server, 3);
  loader_.SwitchSlot(slot::Head);
  EXPECT_EQ(query_.Settings().realm, 1) << "helms stay the realm's own";
  EXPECT_EQ(loader_.Available(), Positions{5});
  model_.ClassIndex = -1;
  loader_.Search();
  EXPECT_EQ(query_.Settings().realm, 3) << "no class, no realm";
}

TEST_F(VaultLoaderTest, AddingEquipsTheItemAndMovesItToTheCandidates) {
  loader_.Open();
  loader_.SelectAvailable(1, SelectionOrigin::User);
  const SlotPreview& preview = model_.Equip.Previews[slot::Chest];
  EXPECT_TRUE(preview.Active);
  EXPECT_EQ(preview.VaultIndex, 2);
  EXPECT_TRUE(loader_.Commands().add);
  EXPECT_TRUE(loader_.Commands().manualEdit);
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Saved) << "a preview changes nothing";

  const int before = recalculated_;
  loader_.Add();
  EXPECT_EQ(ChestIds(), std::vector<std::int32_t>{2});
  EXPECT_EQ(Chest(), "v0");
  EXPECT_EQ(EquippedNames(), (std::vector<std::string>{"Empty Slot", "alpha Chest (Epic)"}));
  EXPECT_EQ(loader_.EquippedSelection(), 1);
  EXPECT_EQ(loader_.Available(), (Positions{1, 3, 7}));
  EXPECT_EQ(loader_.AvailableSelection(), 1) << "the selection stays at its place";
  EXPECT_FALSE(preview.Active);
  EXPECT_GT(recalculated_, before);
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Modified);

  // The candidate's web searches, the database's without the bracket.
  EXPECT_EQ(loader_.WebSearchAddress(), web::WebSearchAddress("alpha Chest (Epic)"));
  EXPECT_EQ(loader_.ItemDatabaseAddress(), web::ItemDatabaseSearchAddress("alpha Chest"));
}

TEST_F(VaultLoaderTest, AddAllKeepsTheEquippedItemEvenAfterAPreview) {
  ChestIds() = {3};
  Chest() = "v0";
  loader_.Open();
  ASSERT_EQ(loader_.EquippedSelection(), 1);
  loader_.AddAll();
  EXPECT_EQ(ChestIds(), (std::vector<std::int32_t>{3, 1, 2, 7}));
  EXPECT_EQ(Chest(), "v0");
  EXPECT_EQ(loader_.EquippedSelection(), 1);
  EXPECT_TRUE(loader_.NoItemsFound());
  EXPECT_FALSE(loader_.Commands().addAll);
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Modified);

  // The user equips, then previews: "Add All" still keeps what is equipped.
  ChestIds() = {3};
  loader_.SwitchSlot(slot::Chest);
  loader_.SelectEquipped(1, SelectionOrigin::User);
  loader_.SelectAvailable(0, SelectionOrigin::User);
  ASSERT_EQ(loader_.EquippedSelection(), 0);
  loader_.AddAll();
  EXPECT_EQ(Chest(), "v0");
  EXPECT_EQ(loader_.EquippedSelection(), 1);
  EXPECT_FALSE(model_.Equip.Previews[slot::Chest].Active);
}

// Selecting an available item moves the equipped selection to "Empty Slot";
// that move is the program's and is never stored, by a slot switch or "&Done".
TEST_F(VaultLoaderTest, OnlySelectionsTheUserMadeAreStored) {
  ChestIds() = {1, 2};
  loader_.Open();
  loader_.SelectEquipped(2, SelectionOrigin::User);
  EXPECT_EQ(Chest(), "v1") << "the user's selection is stored at once";
  EXPECT_FALSE(loader_.Hold());
  loader_.SelectAvailable(0, SelectionOrigin::User);
  loader_.SwitchSlot(slot::Head);
  EXPECT_EQ(Chest(), "v1");
  loader_.SwitchSlot(slot::Chest);
  EXPECT_EQ(loader_.EquippedSelection(), 2);
  loader_.SelectAvailable(0, SelectionOrigin::User);
  loader_.Done();
  EXPECT_EQ(Chest(), "v1");
  EXPECT_FALSE(model_.Equip.Previews[slot::Chest].Active);

  // An inline item shows as "Empty Slot", which the program chose: kept.
  model_.ListsOf(SlotKindOf(slot::Chest)).InlineItems.emplace_back();
  Chest() = "i0";
  loader_.Open();
  loader_.AddAll();
  loader_.SwitchSlot(slot::Head);
  EXPECT_EQ(Chest(), "i0");

  // "Empty Slot" chosen by the user empties the slot.
  loader_.SwitchSlot(slot::Chest);
  loader_.SelectEquipped(0, SelectionOrigin::User);
  EXPECT_EQ(Chest(), "e0");
}

TEST_F(VaultLoaderTest, RemovingMovesLaterReferencesUpInEveryConfiguration) {
  AddSecondConfiguration();
  ChestIds() = {1, 2, 3};
  Chest(1) = "v2";
  loader_.Open();
  loader_.SelectEquipped(2, SelectionOrigin::User);
  ASSERT_EQ(Chest(), "v1");
  ASSERT_TRUE(loader_.Commands().remove);
  loader_.Remove();
  EXPECT_EQ(ChestIds(), (std::vector<std::int32_t>{1, 3}));
  EXPECT_EQ(Chest(1), "v1");
  EXPECT_EQ(Chest(), "e0");
  EXPECT_EQ(loader_.EquippedSelection(), 0);
  EXPECT_EQ(loader_.Available(), (Positions{2, 7})) << "the removed item is available again";

  // An item another configuration uses cannot be removed.
  loader_.SelectEquipped(2, SelectionOrigin::User);
  EXPECT_FALSE(loader_.Commands().remove);
  loader_.Remove();
  EXPECT_EQ(ChestIds().size(), 2u);
}

TEST_F(VaultLoaderTest, RemoveAllKeepsTheItemsInUse) {
  AddSecondConfiguration();
  ChestIds() = {1, 2, 3, 7};
  Chest(1) = "v2";
  Chest() = "v3";
  loader_.Open();
  loader_.SelectAvailable(0, SelectionOrigin::User);  // a preview does not make the slot "Empty Slot"
  loader_.RemoveAll();
  EXPECT_EQ(ChestIds(), (std::vector<std::int32_t>{3, 7}));
  EXPECT_EQ(Chest(1), "v0");
  EXPECT_EQ(Chest(), "v1");
  EXPECT_EQ(loader_.EquippedSelection(), 2);
  EXPECT_TRUE(loader_.Commands().removeAll);
}

TEST_F(VaultLoaderTest, NothingFoundShowsTheMarkerAndItsCauses) {
  loader_.Open();
  loader_.Filters().stats[0] = 1;  // Strength: no item has any
  loader_.Search();
  EXPECT_TRUE(loader_.NoItemsFound());
  EXPECT_EQ(loader_.AvailableRowCount(), 1);
  EXPECT_EQ(loader_.AvailableCaption(), "Available Item &List : ( 1 ) ");
  EXPECT_FALSE(loader_.Commands().addAll);
  loader_.SelectAvailable(0, SelectionOrigin::User);
  EXPECT_FALSE(loader_.Commands().add);
  EXPECT_FALSE(model_.Equip.Previews[slot::Chest].Active);
  EXPECT_EQ(loader_.InfoLines().front(), NoItemsFoundLines().front());
  EXPECT_EQ(loader_.InfoLines().back(), "Etc, etc, etc...");
  loader_.Add();
  EXPECT_TRUE(ChestIds().empty());

  loader_.ClearFilters();
  EXPECT_EQ(loader_.Filters().stats[0], 0);
  EXPECT_EQ(loader_.Available().size(), 4u);
}

TEST_F(VaultLoaderTest, AMythirianCannotBeEditedByHand) {
  loader_.Open();
  loader_.SwitchSlot(slot::Mythirians);
  ASSERT_EQ(loader_.Available(), Positions{10});
  loader_.SelectAvailable(0, SelectionOrigin::User);
  EXPECT_TRUE(loader_.Commands().add);
  EXPECT_FALSE(loader_.Commands().manualEdit);
  EXPECT_EQ(loader_.ManualEditPosition(), std::nullopt);
  loader_.SwitchSlot(slot::Chest);
  loader_.SelectAvailable(2, SelectionOrigin::User);
  EXPECT_EQ(loader_.ManualEditPosition(), 3u);
}

TEST_F(VaultLoaderTest, ACommonTaskFillsOnlyItsSlotsAndRestoresTheFilters) {
  Chest() = "e0";
  model_.CurrentSlot = slot::Neck;
  loader_.Open();
  loader_.Filters().verifiedOnly = true;
  std::vector<std::pair<int, int>> progress;
  ASSERT_EQ(CommonTasks()[3].caption, "Add Class Epic Set");
  loader_.RunCommonTask(3, [&progress](int done, int count) { progress.emplace_back(done, count); });
  EXPECT_EQ(ChestIds(), std::vector<std::int32_t>{7});
  EXPECT_TRUE(model_.ListsOf(slot_kind::Ring).VaultIds.empty()) << "rings are no slot of the task";
  EXPECT_TRUE(model_.ListsOf(SlotKindOf(slot::RightHand)).VaultIds.empty());
  EXPECT_EQ(progress.size(), 7u);
  EXPECT_EQ(progress.back(), std::make_pair(6, 6));
  EXPECT_EQ(Chest(), "e0");
  EXPECT_EQ(loader_.CurrentSlot(), slot::Neck);
  EXPECT_FALSE(loader_.BulkMode());
  ItemFilters cleared;
  ClearItemFilters(cleared, settings_.Sorting);
  EXPECT_EQ(loader_.Filters(), cleared);
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Modified);

  // The task on the user's own filters keeps them.
  loader_.Filters().stats[0] = 1;
  loader_.RunCommonTask(5);
  EXPECT_EQ(loader_.Filters().stats[0], 1);
  EXPECT_TRUE(model_.ListsOf(slot_kind::Ring).VaultIds.empty());
}

TEST_F(VaultLoaderTest, BountyPointJewelryNeedsANewerVault) {
  lists_.itemTypes = Vocabulary{"<Item Type Filter>", "Normal Drop"};
  loader_.Open();
  loader_.Filters().verifiedOnly = true;
  const CharacterEquip before = model_.Equip;
  loader_.RunCommonTask(6);
  ASSERT_EQ(messages_.notices.size(), 1u);
  EXPECT_EQ(messages_.notices[0].text, kDownloadLatestVaultMessage);
  EXPECT_EQ(model_.Equip, before);
  EXPECT_FALSE(loader_.Filters().verifiedOnly) << "the filters are cleared";
  EXPECT_FALSE(loader_.BulkMode());
}

TEST(ItemDatabaseSearchText, CutsTheBracketsOff) {
  EXPECT_EQ(web::ItemDatabaseSearchText("Cloak of Ages (Epic)"), "Cloak of Ages");
  EXPECT_EQ(web::ItemDatabaseSearchText("Helm(old) of Kings"), "Helm");
  EXPECT_EQ(web::ItemDatabaseSearchText("Belt (" + std::string(60, 'x') + ")"), "Belt" + std::string(12, 'x') + ")")
      << "fifty characters go from the bracket on";
}

}  // namespace
}  // namespace davoruzivi
