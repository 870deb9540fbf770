// The Dazizuvoror: the position handed to and from the item editor, the name
// and stat filters, clearing, the commit and the item file commands.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "itemdb/dazizuvoror.h"
#include "itemdb/exchange_files.h"
#include "model/test_support.h"

namespace davoruzivi {
namespace {

using namespace platform::testing;
using Positions = std::vector<std::size_t>;

const std::string kLongName = "Ring of the Everlasting Twilight of the Northern Frontier";

VaultItem Named(std::string_view name) {
  VaultItem item = ResetVaultItem();
  item.Name = name;
  return item;
}

// One .kwj record: the name padded with blanks to 76 characters, every number 0.
std::string ListRecord(std::string_view name) {
  std::string record(kItemListRecordSize, '\0');
  record.replace(0, 76, std::string(name).append(76 - name.size(), ' '));
  return record;
}

class DazizuvororTest : public ::testing::Test {
 protected:
  DazizuvororTest() { dazizuvoror_.RunQuery(); }

  std::string LastMessage() const { return messages_.notices.empty() ? "" : messages_.notices.back().text; }

  test::TemporaryFolder folder_;
  MasterVault vault_ = test::VaultOf({Named("Band of Wisdom"), Named("Cloak of Shadows"),
                                      Named("Golden BAND OF WISDOM"), Named(kLongName), Named("Zeta Boots")});
  VaultQuery query_;
  RecordingMessageBox messages_;
  ScriptedFileDialogs files_;
  Dazizuvoror dazizuvoror_{vault_, query_, {messages_, files_}, folder_ / "items.kwv"};
};

TEST_F(DazizuvororTest, ShowSelectsTheChosenPositionAndCloseHandsOneBack) {
  dazizuvoror_.SetName("wisdom");
  dazizuvoror_.RunQuery();
  ASSERT_EQ(dazizuvoror_.Result().positions, (Positions{0, 2}));

  dazizuvoror_.SetChosenPosition(2);
  EXPECT_EQ(dazizuvoror_.Show(), 1) << "the entry, not the position";
  EXPECT_TRUE(dazizuvoror_.Shown());
  EXPECT_EQ(dazizuvoror_.ChosenPosition(), -1);
  dazizuvoror_.Close(1);
  EXPECT_FALSE(dazizuvoror_.Shown());
  EXPECT_EQ(dazizuvoror_.ChosenPosition(), 2);

  dazizuvoror_.SetChosenPosition(4);
  EXPECT_EQ(dazizuvoror_.Show(), 0) << "a position the listing lacks";
  EXPECT_EQ(dazizuvoror_.ChosenPosition(), -1);
  dazizuvoror_.Close(-1);
  EXPECT_EQ(dazizuvoror_.ChosenPosition(), -1);

  dazizuvoror_.SetName("no such item");
  dazizuvoror_.RunQuery();
  ASSERT_TRUE(dazizuvoror_.Result().IsNoMatch());
  dazizuvoror_.Close(0);
  EXPECT_EQ(dazizuvoror_.ChosenPosition(), -1) << "the \"No items found\" entry stands for no item";
}

TEST_F(DazizuvororTest, FiltersTakeCorrectedTextsAndTheNameOfAnItem) {
  dazizuvoror_.SetStatAmount(0, "05");
  EXPECT_EQ(dazizuvoror_.Settings().stats[0].minimumAmount, "5");
  dazizuvoror_.SetStatAmount(4, "300");
  EXPECT_EQ(dazizuvoror_.Settings().stats[4].minimumAmount, "200");

  dazizuvoror_.TakeItemName(3);
  EXPECT_EQ(dazizuvoror_.Settings().name, kLongName.substr(0, kNameFilterLength));
  dazizuvoror_.TakeItemName(0);
  EXPECT_EQ(dazizuvoror_.Settings().name, "Band of Wisdom");
  EXPECT_EQ(dazizuvoror_.Result().Size(), 5u) << "the query has not run";

  dazizuvoror_.RunQuery();
  EXPECT_EQ(dazizuvoror_.Result().positions, (Positions{0, 2}));
  EXPECT_EQ(dazizuvoror_.Caption(), "Dazizuvoror (2 / 5 showing)");
}

TEST_F(DazizuvororTest, ClearingAllFiltersKeepsTheSelectedIndexWithinTheListing) {
  dazizuvoror_.SetName("cloak");
  dazizuvoror_.SetStatAmount(0, "20");
  dazizuvoror_.RunQuery();
  ASSERT_EQ(dazizuvoror_.Result().Size(), 1u);
  EXPECT_EQ(dazizuvoror_.ClearAllFilters(3), 3);
  EXPECT_EQ(dazizuvoror_.Settings(), VaultQuerySettings{});
  EXPECT_EQ(dazizuvoror_.Result().Size(), 5u);
  EXPECT_EQ(dazizuvoror_.ClearAllFilters(9), 4);
}

TEST_F(DazizuvororTest, CommitWritesTheVaultOrTellsWhyNot) {
  EXPECT_TRUE(dazizuvoror_.Commit());
  EXPECT_TRUE(std::filesystem::exists(folder_ / "items.kwv"));
  EXPECT_TRUE(std::filesystem::exists(folder_ / "vault.txt"));
  EXPECT_EQ(LastMessage(), kVaultSavedMessage);

  test::WriteBytes(folder_ / "plain", "not a folder");
  Dazizuvoror blocked{vault_, query_, {messages_, files_}, folder_ / "plain" / "items.kwv"};
  messages_.notices.clear();
  EXPECT_FALSE(blocked.Commit());
  ASSERT_EQ(messages_.notices.size(), 1u);
  EXPECT_NE(LastMessage(), kVaultSavedMessage);
}

TEST_F(DazizuvororTest, ItemFilesAreImportedAndExportedThroughTheDialogs) {
  test::WriteBytes(folder_ / "new.kwj", ListRecord("Imported One") + ListRecord("Imported Two"));
  files_.choices = {folder_ / "new.kwj"};
  EXPECT_TRUE(dazizuvoror_.ImportItemList());
  ASSERT_EQ(vault_.Size(), 7u);
  EXPECT_EQ(vault_.Items()[5].Name, "Imported One");
  EXPECT_EQ(vault_.Items()[6].Name, "Imported Two");
  EXPECT_EQ(dazizuvoror_.Result().Size(), 7u) << "the query ran again";

  files_.choices = {folder_ / "cloak"};
  EXPECT_TRUE(dazizuvoror_.ExportItem(1));
  ASSERT_EQ(files_.saved.size(), 1u);
  EXPECT_EQ(files_.saved[0].proposedName, "Cloak of Shadows");
  ASSERT_TRUE(std::filesystem::exists(folder_ / "cloak.kwx"));
  EXPECT_EQ(std::filesystem::file_size(folder_ / "cloak.kwx"), 558u);

  const auto before = folder_.Entries();
  EXPECT_FALSE(dazizuvoror_.ExportItem(-1));
  EXPECT_EQ(files_.saved.size(), 1u) << "no dialog for no selection";
  EXPECT_EQ(folder_.Entries(), before);
}

}  // namespace
}  // namespace davoruzivi
