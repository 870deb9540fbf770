// The item editor: a new item and a loaded record, saving in place or as a new
// item, the questions about unsaved changes, the bonus rows, auto-checking of
// servers and classes, vocabulary additions, web searches and the hand-over
// to the Dazizuvoror.

#include <gtest/gtest.h>

#include <bitset>
#include <string>
#include <vector>

#include "itemdb/auto_checking.h"
#include "itemdb/dazizuvoror.h"
#include "itemdb/item_editor.h"
#include "model/test_support.h"

namespace davoruzivi {
namespace {

using namespace platform::testing;

constexpr int kChest = 7;
constexpr int kLegs = 8;
constexpr int kRightHand = 13;
constexpr int kPlateAbsorb = 5;
constexpr int kOriginsExpansion = 12;
constexpr int kBroadswordExpansion = 22;

VaultItem Record(std::string_view name, int slot = kChest) {
  VaultItem item = ResetVaultItem();
  item.Name = name;
  item.Slot = static_cast<std::uint16_t>(slot);
  return item;
}

VaultItem ArcheryBow() {
  VaultItem item = Record("Delta Bow", 16);
  item.StatIds[0] = 157;
  item.StatValues[0] = 3;
  return item;
}

template <std::size_t N>
std::vector<int> Checked(const std::bitset<N>& checks) {
  std::vector<int> indices;
  for (std::size_t i = 0; i < N; ++i)
    if (checks[i]) indices.push_back(static_cast<int>(i));
  return indices;
}

int Server(std::string_view name) { return ServerList().IndexOf(name); }

class ItemEditorTest : public ::testing::Test {
 protected:
  ItemEditorTest() { editor_.Open(); }

  const VaultItem& At(std::size_t position) const { return vault_.Items()[position]; }
  std::vector<int> CheckedServers() const { return Checked(editor_.Fields().servers); }
  std::vector<int> CheckedClasses() const { return Checked(editor_.Fields().classes); }

  test::TemporaryFolder folder_;
  MasterVault vault_ =
      test::VaultOf({Record("Alpha Vest"), Record("Beta Helm", 6), Record("Gamma Ring", 3), ArcheryBow()});
  VaultQuery query_;
  RecordingMessageBox messages_;
  ScriptedConfirmationDialog questions_;
  ScriptedFileDialogs files_;
  RecordingWebOpener web_;
  Dazizuvoror dazizuvoror_{vault_, query_, {messages_, files_}, folder_ / "items.kwv"};
  ItemEditor editor_{vault_, query_, dazizuvoror_, {messages_, questions_, web_}, [] { return VaultQueryContext{}; }};
};

TEST_F(ItemEditorTest, OpeningListsTheVaultAndShowsANewItem) {
  EXPECT_EQ(editor_.Listing().positions, (std::vector<std::size_t>{0, 1, 2, 3}));
  const ItemEditorFields& fields = editor_.Fields();
  EXPECT_EQ(fields.name, "Enter an item name");
  EXPECT_TRUE(fields.servers.all());
  EXPECT_TRUE(fields.classes.none());
  EXPECT_EQ(QualityList().TextOf(fields.quality), "N/A");
  EXPECT_EQ(fields.level, 51);
  EXPECT_EQ(fields.realm, 3);
  EXPECT_EQ(editor_.EditingPosition(), -1);
  EXPECT_FALSE(editor_.Changed());
  EXPECT_TRUE(editor_.AutoChecking());
  EXPECT_EQ(editor_.WindowCaption(), "Item Editor : Items Listed : 4 / 4");
  EXPECT_EQ(editor_.ListCaption(), "Vault &Listing ( 0 / 4 )");
}

TEST_F(ItemEditorTest, ANewItemIsAppendedAndThenSavedInPlace) {
  editor_.ChangeName("Epsilon Cloak");
  ASSERT_TRUE(editor_.Save());
  EXPECT_TRUE(questions_.asked.empty()) << "the name of a new item is not asked about";
  ASSERT_EQ(vault_.Size(), 5u);
  EXPECT_EQ(At(4).Name, "Epsilon Cloak");
  EXPECT_EQ(At(4).Id, -1);
  EXPECT_EQ(editor_.EditingPosition(), 4);
  ASSERT_EQ(editor_.Listing().Size(), 5u);
  EXPECT_EQ(editor_.SelectedEntry(), 4);
  EXPECT_EQ(editor_.Listing().positions[4], 4u);
  EXPECT_FALSE(editor_.Changed());
  EXPECT_EQ(editor_.ListCaption(), "Vault &Listing ( 5 / 5 )");

  editor_.ChangeLevel(40);
  ASSERT_TRUE(editor_.Save());
  EXPECT_EQ(vault_.Size(), 5u);
  EXPECT_EQ(At(4).Level, 40);
  EXPECT_EQ(editor_.EditingPosition(), 4);
}

TEST_F(ItemEditorTest, ARenamedItemIsSavedAsNewOverwrittenOrNotAtAll) {
  editor_.SelectEntry(0);
  editor_.ChangeName("Alpha Vest II");
  questions_.answers = {3};
  EXPECT_FALSE(editor_.Save());
  ASSERT_EQ(questions_.asked.size(), 1u);
  const platform::Question& asked = questions_.asked[0];
  EXPECT_EQ(asked.caption, "Save as?");
  EXPECT_EQ(asked.first, "&Save as New");
  EXPECT_EQ(asked.second, "&Overwrite Old");
  EXPECT_TRUE(editor_.Changed());
  EXPECT_EQ(vault_.Size(), 4u);
  EXPECT_EQ(At(0).Name, "Alpha Vest");

  questions_.answers = {1};
  ASSERT_TRUE(editor_.Save());
  ASSERT_EQ(vault_.Size(), 5u);
  EXPECT_EQ(At(0).Name, "Alpha Vest");
  EXPECT_EQ(At(4).Name, "Alpha Vest II");
  EXPECT_EQ(At(4).Slot, kChest);
  EXPECT_EQ(editor_.EditingPosition(), 4);
  EXPECT_EQ(editor_.SelectedEntry(), 4);

  editor_.SelectEntry(1);
  editor_.ChangeName("Beta Crown");
  questions_.answers = {2};
  ASSERT_TRUE(editor_.Save());
  EXPECT_EQ(vault_.Size(), 5u);
  EXPECT_EQ(At(1).Name, "Beta Crown");
  EXPECT_EQ(editor_.EditingPosition(), 1);
  EXPECT_EQ(editor_.SelectedEntry(), 1);
}

TEST_F(ItemEditorTest, BonusRowsCorrectTheirAmountsAndKeepTheirPlaces) {
  const int attributes = StatCategoryList().IndexOf("0. Attributes");
  const auto entry = [&](std::string_view stat) { return StatCategoryEntries(attributes).IndexOf(stat); };
  editor_.ChangeName("Zeta Belt");
  editor_.ChangeCategory(0, attributes);
  EXPECT_FALSE(editor_.AmountEnabled(0)) << "no stat chosen yet";
  editor_.ChangeStat(0, entry("Strength"));
  editor_.ChangeAmount(0, "250");
  EXPECT_EQ(editor_.Fields().rows[0].amount, "200");
  editor_.ChangeAmount(0, "");
  EXPECT_EQ(editor_.Fields().rows[0].amount, "0");
  editor_.ChangeAmount(0, "07");
  EXPECT_EQ(editor_.Fields().rows[0].amount, "7");
  editor_.ChangeProcAmount(1, "6000");
  EXPECT_EQ(editor_.Fields().procs[1].amount, "5000");

  editor_.ChangeCategory(2, attributes);
  editor_.ChangeStat(2, entry("Dexterity"));
  editor_.ChangeAmount(2, "12");
  ASSERT_TRUE(editor_.Save());
  const VaultItem& saved = At(4);
  EXPECT_EQ(saved.StatIds[0], 1);
  EXPECT_EQ(saved.StatValues[0], 7);
  EXPECT_EQ(saved.StatIds[1], 0) << "the row left at <Select> stays an empty slot";
  EXPECT_EQ(saved.StatIds[2], 3);
  EXPECT_EQ(saved.StatValues[2], 12);
}

TEST_F(ItemEditorTest, ArcherySpeedIsShownAndStoredAsSpellSpeed) {
  ASSERT_EQ(StatCatalogue().TextOf(157), "Archery Speed");
  ASSERT_EQ(StatCatalogue().TextOf(152), "Spell Speed");
  editor_.SelectEntry(3);
  const int toa = StatCategoryList().IndexOf("7. ToA Bonuses");
  ASSERT_GT(toa, 0);
  const BonusRowFields& row = editor_.Fields().rows[0];
  EXPECT_EQ(row.category, toa);
  EXPECT_EQ(StatCategoryEntries(toa).TextOf(row.stat), "Spell Speed");
  EXPECT_EQ(row.amount, "3");
  ASSERT_TRUE(editor_.Save());
  EXPECT_EQ(At(3).StatIds[0], 152);
  EXPECT_EQ(At(3).StatValues[0], 3);
}

TEST_F(ItemEditorTest, AutoCheckingFollowsSlotAbsorbExpansionAndPresets) {
  ASSERT_EQ(SlotList().TextOf(kChest), "Chest");
  ASSERT_EQ(AbsorbList().TextOf(kPlateAbsorb), "34% (Plate)");
  editor_.ChangeSlot(kChest);
  EXPECT_TRUE(editor_.Fields().classes.none()) << "no absorb yet";
  editor_.ChangeAbsorb(kPlateAbsorb);
  EXPECT_EQ(CheckedClasses(), (std::vector<int>{0, 10}));
  editor_.ChangeExpansion(kOriginsExpansion);
  EXPECT_EQ(CheckedServers(), std::vector<int>{Server("Origins")});
  editor_.ChangeServer(Server("Normal"), true);
  editor_.ChangeExpansion(kBroadswordExpansion);
  EXPECT_EQ(CheckedServers(), (std::vector<int>{Server("Normal"), Server("Origins")})) << "an unknown expansion";
  editor_.ApplyServerPreset(ServerPreset::Mordred);
  EXPECT_EQ(CheckedServers(), std::vector<int>{Server("PvP")});

  editor_.SetAutoChecking(false);
  editor_.ChangeAbsorb(1);
  editor_.ChangeSlot(kLegs);
  editor_.ChangeExpansion(kOriginsExpansion);
  EXPECT_EQ(CheckedClasses(), (std::vector<int>{0, 10}));
  EXPECT_EQ(CheckedServers(), std::vector<int>{Server("PvP")});

  editor_.ChangeSlot(kRightHand);
  EXPECT_EQ(editor_.Fields().absorb, 0);
  EXPECT_FALSE(editor_.AbsorbEnabled());
  EXPECT_TRUE(editor_.WeaponTypeEnabled());
  editor_.ChangeWeaponType(3);
  editor_.ChangeSlot(kChest);
  EXPECT_EQ(editor_.Fields().weaponType, 0);
  EXPECT_TRUE(editor_.AbsorbEnabled());
  EXPECT_FALSE(editor_.WeaponTypeEnabled());
}

// The "Auto Changer" commands turn auto-checking on, whatever it was, and set
// the expansion with its servers (and the item type for the common changes).
TEST_F(ItemEditorTest, AutoChangerCommandsCheckTheServersOfTheirExpansion) {
  editor_.SelectEntry(0);
  ASSERT_FALSE(editor_.AutoChecking()) << "loading an item turns it off";
  editor_.AuruliteBought();
  EXPECT_TRUE(editor_.AutoChecking());
  EXPECT_EQ(editor_.Fields().expansion, 4);
  EXPECT_EQ(vault_.Vocabularies().ItemTypes.TextOf(editor_.Fields().itemType), "Merchant Bought");
  EXPECT_FALSE(editor_.Fields().servers[static_cast<std::size_t>(Server("Origins"))]);
  EXPECT_EQ(CheckedServers().size(), 6u);
  editor_.ChangeExpansionWithServers(3);  // Trials of Atlantis
  EXPECT_EQ(CheckedServers().size(), 5u) << "neither Origins nor Classic";
  editor_.DarknessFallsImps();
  EXPECT_EQ(CheckedServers().size(), 7u);
  EXPECT_TRUE(editor_.Changed());
}

TEST_F(ItemEditorTest, CancellingAQuestionKeepsTheChanges) {
  editor_.SelectEntry(1);
  editor_.ChangeNotes("edited");
  questions_.answers = {3};
  editor_.SelectEntry(2);
  EXPECT_EQ(editor_.EditingPosition(), 1);
  EXPECT_EQ(editor_.SelectedEntry(), 1);
  EXPECT_EQ(editor_.Fields().notes, "edited");
  EXPECT_TRUE(editor_.Changed());

  questions_.answers = {3};
  EXPECT_FALSE(editor_.Close());
  EXPECT_TRUE(editor_.Changed());
  EXPECT_EQ(questions_.asked.back().second, "E&xit Editor");

  questions_.answers = {2};
  EXPECT_TRUE(editor_.Close());
  EXPECT_FALSE(editor_.Changed());
  EXPECT_EQ(At(1).Notes, "") << "nothing was stored";
}

// Undo brings back the record being edited, also when the listing no longer shows it.
TEST_F(ItemEditorTest, UndoLoadsTheEditedRecordAgain) {
  editor_.SelectEntry(1);
  query_.Settings().name = "Gamma";
  editor_.Vaultkeeper([&] { dazizuvoror_.Close(-1); });  // the listing now holds only Gamma Ring
  ASSERT_EQ(editor_.SelectedEntry(), -1);
  editor_.ChangeNotes("edited");
  editor_.ChangeClass(3, true);
  editor_.Undo();
  EXPECT_FALSE(editor_.Changed());
  EXPECT_EQ(editor_.Fields(), FieldsOfRecord(At(1)));
  EXPECT_EQ(editor_.EditingPosition(), 1);
}

// The realm selector's shortcuts change only the classes of the realm chosen; "Internal" none.
TEST_F(ItemEditorTest, ClassShortcutsFollowTheRealmSelector) {
  editor_.CheckAll(true);
  editor_.SetRealmSelector(1);  // Hibernia
  editor_.KeepRealmClasses();
  EXPECT_EQ(CheckedClasses().front(), 16);
  EXPECT_EQ(CheckedClasses().back(), 31);
  editor_.CheckRealm(false);
  EXPECT_TRUE(CheckedClasses().empty());
  editor_.SetRealmSelector(2);  // Midgard
  editor_.CheckRealm(true);
  EXPECT_EQ(CheckedClasses().size(), 15u);
  editor_.SetRealmSelector(3);  // Internal
  editor_.KeepRealmClasses();
  EXPECT_EQ(CheckedClasses().size(), 15u);
  EXPECT_TRUE(editor_.Changed());
}

// Typed text picks an entry only when it names one, letter case ignored, and
// then acts as that choice does (an expansion checks its servers).
TEST_F(ItemEditorTest, TypedTextPicksTheEntryItNames) {
  editor_.TypeIntoList(GrowingList::Expansions, "origins expansion");
  EXPECT_EQ(editor_.Fields().expansion, 0) << "no entry is named so";
  EXPECT_FALSE(editor_.Changed());
  editor_.TypeIntoList(GrowingList::Expansions, "origins expansion (old frontiers)");
  EXPECT_EQ(editor_.Fields().expansion, kOriginsExpansion);
  EXPECT_EQ(CheckedServers(), std::vector<int>{Server("Origins")});
  editor_.TypeIntoList(GrowingList::Effects, "DAMAGE SHIELD", 1);
  EXPECT_EQ(vault_.Vocabularies().Effects.TextOf(editor_.Fields().procs[1].effect), "Damage Shield");
  EXPECT_EQ(editor_.Fields().procs[0].effect, 0);
}

TEST_F(ItemEditorTest, AddingToAVocabularyFillsBothListsAndSelectsTheEntry) {
  const TwinnedVocabulary& expansions = vault_.Vocabularies().Expansions;
  const int listSize = expansions.List().Size();
  editor_.AddToVocabulary(GrowingList::Expansions, "New Campaign");
  EXPECT_EQ(expansions.List().Entries().back(), "New Campaign");
  EXPECT_EQ(expansions.Filter().Entries().back(), "New Campaign");
  EXPECT_EQ(editor_.Fields().expansion, listSize);
  EXPECT_TRUE(editor_.Changed());
  ASSERT_EQ(messages_.notices.size(), 1u);
  EXPECT_EQ(messages_.notices[0].text, "Expansion Added : New Campaign");
}

TEST_F(ItemEditorTest, WebSearchesUseTheItemName) {
  editor_.ChangeName("Cloak of Shadows (Alb)");
  EXPECT_NE(editor_.ItemDatabaseAddress().find("terms=Cloak+of+Shadows&a=Search"), std::string::npos)
      << editor_.ItemDatabaseAddress();
  editor_.SearchWeb();
  editor_.SearchItemDatabase();
  ASSERT_EQ(web_.opened.size(), 2u);
  EXPECT_EQ(web_.opened[0], editor_.WebSearchAddress());
  EXPECT_EQ(web_.opened[1], editor_.ItemDatabaseAddress());
}

TEST_F(ItemEditorTest, TheVaultkeeperStartsOnTheEditedItemAndLoadsItsChoice) {
  editor_.SelectEntry(1);
  int shown = -2;
  editor_.Vaultkeeper([&] {
    shown = dazizuvoror_.Show();
    dazizuvoror_.Close(2);
  });
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(editor_.EditingPosition(), 2);
  EXPECT_EQ(editor_.SelectedEntry(), 2);
  EXPECT_EQ(editor_.Fields().name, "Gamma Ring");
  EXPECT_FALSE(editor_.Changed());
}

TEST(AutoChecking, WeaponClassesDependOnTheSlot) {
  EXPECT_EQ(Checked(WeaponClasses(1, 15)), (std::vector<int>{0, 10, 20, 24}));
  const ClassChecks oneHand = WeaponClasses(1, 13);
  for (int c = 0; c <= 15; ++c) EXPECT_TRUE(oneHand[static_cast<std::size_t>(c)]) << c;
  EXPECT_FALSE(oneHand[16]);
  for (const int slot : {0, 7, 13, 14, 15, 16})
    EXPECT_EQ(Checked(WeaponClasses(16, slot)), (std::vector<int>{12, 28, 35})) << slot;

  EXPECT_TRUE(SlotClasses(17, 0, 0).all());
  EXPECT_TRUE(SlotClasses(0, kPlateAbsorb, 1).none());
  EXPECT_EQ(SlotClasses(kChest, kPlateAbsorb, 0), AbsorbClasses(kPlateAbsorb));
  EXPECT_EQ(SlotClasses(15, 0, 1), WeaponClasses(1, 15));
}

}  // namespace
}  // namespace davoruzivi
