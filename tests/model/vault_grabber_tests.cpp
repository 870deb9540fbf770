// The vault grabber: a search over the whole vault with its own filters, the
// sorted result, the "No items found" entry, the copy into a new manual item,
// and the pending search with "Clear Filters".

#include <gtest/gtest.h>

#include "itemdb/itemdb.h"
#include "model/test_support.h"
#include "template/inline_editor.h"
#include "template/template.h"
#include "template/vault_grabber.h"

namespace davoruzivi {
namespace {

using namespace platform::testing;

VaultItem Item(std::string_view name, int level = 51, int itemSlot = 0) {
  VaultItem item = ResetVaultItem();
  item.Name = name;
  item.Level = static_cast<std::uint16_t>(level);
  item.Slot = static_cast<std::uint16_t>(itemSlot);
  return item;
}

class VaultGrabberTest : public test::WorkflowTest {
 protected:
  void SetUp() override {
    WorkflowTest::SetUp();
    workflow_.NewConfiguration();
  }

  void UseVault(const std::vector<VaultItem>& items) { vault_ = test::VaultOf(items); }
  std::vector<std::string> Listed() const {
    std::vector<std::string> names;
    for (std::size_t entry = 0; entry < grabber_.EntryCount(); ++entry) names.emplace_back(grabber_.EntryName(entry));
    return names;
  }
  void SearchAll() {
    grabber_.Open(settings_.Sorting);
    ASSERT_TRUE(grabber_.ShowPage());
  }

  VaultQuery query_;
  VaultGrabber grabber_{query_, vault_, workflow_};
  RecordingClipboard clipboard_;
  InlineEditor editor_{workflow_, vault_, {messages_, files_, clipboard_}, folder_.Path()};
};

TEST_F(VaultGrabberTest, ClearedFiltersListTheWholeVaultWhateverTheTemplate) {
  VaultItem albion = Item("Albion Helm", 51, 10);
  albion.Realm = 0;
  UseVault({Item("Cloak of Shades", 51, 3), albion, Item("What ? Item"), Item("Midgard Ring", 51, 5)});
  model_.ListsOf(SlotKindOf(slot::Head)).VaultIds = {1};
  model_.CurrentSlot = slot::Chest;
  query_.Settings().classFilter = 5;  // left over from another window
  EXPECT_EQ(grabber_.GroupCaption(), "Vault Viewer");
  SearchAll();
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Cloak of Shades", "Albion Helm", "Midgard Ring"}))
      << "the query's own rules hide names with a question mark; position 0 is an item like any other";
  EXPECT_EQ(grabber_.GroupCaption(), "Available Item &List : ( 3 ) ");
  EXPECT_EQ(query_.Settings().classFilter, 0);
  EXPECT_EQ(query_.Settings().realm, 3);
  EXPECT_TRUE(query_.Settings().hideQuestionMarks);
  EXPECT_EQ(grabber_.EntryOf(1), 1u);
  EXPECT_EQ(grabber_.EntryOf(2), std::nullopt);
}

TEST_F(VaultGrabberTest, TheSlotFilterAndTheSortOrderApply) {
  UseVault({Item("A", 50, 9), Item("B", 51, 9), Item("C", 50, 9), Item("D", 51, 9), Item("Ring", 51, 5)});
  grabber_.Filters().slot = 9;  // "Head"
  grabber_.Filters().sort = static_cast<int>(VaultSortOrder::ItemLevel);
  grabber_.Search();
  EXPECT_EQ(Listed(), (std::vector<std::string>{"B", "D", "A", "C"}));
  EXPECT_EQ(query_.Settings().slot, 9);
}

TEST_F(VaultGrabberTest, ProgressIsReportedOnceAtTheEndOfAShortResult) {
  UseVault({Item("A"), Item("B"), Item("C")});
  std::vector<std::string> shown;
  grabber_.Search(
      [&](std::size_t reached, std::size_t total) { shown.push_back(SortingProgressText(reached, total)); });
  EXPECT_EQ(shown, std::vector<std::string>{"Sorting items... 3 / 3"});
}

TEST_F(VaultGrabberTest, NoItemsFoundCannotBeCopied) {
  UseVault({Item("A"), Item("B")});
  grabber_.Filters().stats[0] = 1;  // "Strength", which no item has
  grabber_.Search();
  EXPECT_EQ(Listed(), std::vector<std::string>{"No items found"});
  EXPECT_TRUE(grabber_.FoundNothing());
  EXPECT_EQ(grabber_.EntryOf(0), std::nullopt);
  grabber_.Select(0);
  const auto causes = NoItemsFoundLines();
  EXPECT_EQ(grabber_.MemoLines(), std::vector<std::string>(causes.begin(), causes.end()));
  EXPECT_FALSE(grabber_.CanCopy());
  EXPECT_FALSE(grabber_.CopyStatsTo(editor_));
}

TEST_F(VaultGrabberTest, CopyStatsMakesAnEquippedManualItemAndLeavesTheVaultAlone) {
  VaultItem sword = Item("Sword of Zahur", 51, 13);
  sword.StatIds[0] = 179;
  sword.StatValues[0] = 5;
  sword.ProcKinds[1] = 2;
  sword.ProcEffects[1] = 3;
  UseVault({Item("Shield"), sword});
  model_.CurrentSlot = slot::RightHand;
  editor_.Open();
  SearchAll();
  grabber_.Select(static_cast<int>(*grabber_.EntryOf(1)));
  EXPECT_FALSE(grabber_.MemoLines().empty());
  ASSERT_TRUE(grabber_.CopyStatsTo(editor_));
  const auto& items = model_.ListsOf(SlotKindOf(slot::RightHand)).InlineItems;
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].Name, "Sword of Zahur");
  EXPECT_EQ(items[0].StatIds[0], 20);
  EXPECT_EQ(items[0].ProcKinds[1], 2);
  EXPECT_EQ(model_.Current()->Slots[slot::RightHand], "i0");
  EXPECT_EQ(vault_.Items()[1], sword);
}

TEST_F(VaultGrabberTest, ASearchWaitsForThePageAfterOpeningOrClearing) {
  UseVault({Item("A"), Item("B")});
  EXPECT_TRUE(grabber_.SearchPending());
  grabber_.Filters().sort = -1;
  grabber_.Open(static_cast<int>(VaultSortOrder::Name));
  EXPECT_EQ(grabber_.Filters().sort, static_cast<int>(VaultSortOrder::Name));
  EXPECT_TRUE(grabber_.ShowPage());
  EXPECT_FALSE(grabber_.ShowPage()) << "nothing pending any more";

  grabber_.Filters().slot = 4;
  grabber_.Filters().verifiedOnly = true;
  grabber_.Filters().maximumLevel = 30;
  grabber_.ClearFilters(static_cast<int>(VaultSortOrder::Utility));
  EXPECT_EQ(grabber_.Filters().slot, 0);
  EXPECT_FALSE(grabber_.Filters().verifiedOnly);
  EXPECT_EQ(grabber_.Filters().maximumLevel, kHighestLevelBound);
  EXPECT_EQ(grabber_.Filters().sort, static_cast<int>(VaultSortOrder::Utility));
  EXPECT_TRUE(grabber_.SearchPending());
  EXPECT_EQ(grabber_.EntryCount(), 2u) << "no search runs at once";
}

}  // namespace
}  // namespace davoruzivi
