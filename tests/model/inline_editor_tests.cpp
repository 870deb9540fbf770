// The inline editor: selecting and switching with the hold flag, the field
// rules and the write-back, creating and deleting manual items, and the
// export, import and clipboard commands.

#include <gtest/gtest.h>

#include "itemdb/itemdb.h"
#include "model/test_support.h"
#include "template/inline_editor.h"
#include "template/template.h"

namespace davoruzivi {
namespace {

using namespace platform::testing;

constexpr int kRing1 = slot::Ring1;

InlineItem ManualItem(std::string_view name, StatId stat = 0, int amount = 0) {
  InlineItem item;
  item.Name = name;
  item.StatIds[0] = stat;
  item.StatValues[0] = amount;
  return item;
}

std::string ImageBytes(const InlineItem& item) {
  const InlineItemImage image = ToImage(item);
  return {reinterpret_cast<const char*>(image.data()), image.size()};
}

class InlineEditorTest : public test::WorkflowTest {
 protected:
  void SetUp() override {
    WorkflowTest::SetUp();
    workflow_.NewConfiguration();
    workflow_.OnRecalculate([this] { ++recalculated_; });
  }

  Configuration& Config(int index = 0) { return model_.Configurations[static_cast<std::size_t>(index)]; }
  std::string& SlotRef(int s, int configuration = 0) {
    return Config(configuration).Slots[static_cast<std::size_t>(s)];
  }
  std::vector<InlineItem>& Items(int s) { return model_.ListsOf(SlotKindOf(s)).InlineItems; }
  // Opens the editor on a slot whose kind holds the given manual items.
  void OpenOn(int s, std::vector<InlineItem> items = {}) {
    Items(s) = std::move(items);
    model_.CurrentSlot = s;
    editor_.Open();
  }
  int Category(std::string_view text) const { return StatCategoryList().IndexOf(text); }
  int EntryOf(int category, std::string_view text) const { return StatCategoryEntries(category).IndexOf(text); }

  RecordingClipboard clipboard_;
  InlineEditor editor_{workflow_, vault_, {messages_, files_, clipboard_}, folder_.Path()};
  int recalculated_ = 0;
};

TEST_F(InlineEditorTest, SelectingEquipsAndFillsTheFieldsWhileEmptySlotStoresOnlyWhenChosen) {
  OpenOn(slot::Chest, {ManualItem("Vest", 1, 15)});
  EXPECT_EQ(editor_.ListEntries(), (std::vector<std::string>{"Empty Slot", "Vest"}));
  EXPECT_TRUE(editor_.Hold());
  EXPECT_EQ(editor_.SelectedEntry(), 0);
  EXPECT_FALSE(editor_.ItemSelected());

  editor_.SelectEntry(1, SelectionOrigin::User);
  EXPECT_EQ(SlotRef(slot::Chest), "i0");
  EXPECT_EQ(editor_.Fields().name, "Vest");
  EXPECT_EQ(editor_.Fields().rows[0], (BonusRowFields{Category("0. Attributes"), 1, "15"}));
  EXPECT_EQ(model_.Equip.Previews[slot::Jewel].Inline, Items(slot::Chest)[0]) << "the editing buffer";
  EXPECT_FALSE(editor_.Loading());
  EXPECT_GT(recalculated_, 0);

  editor_.SelectEntry(0, SelectionOrigin::User);
  EXPECT_EQ(SlotRef(slot::Chest), "e0");
  EXPECT_EQ(editor_.Fields(), InlineItemFields{});
  EXPECT_FALSE(editor_.CanDelete());
}

TEST_F(InlineEditorTest, SwitchingSlotsStoresOnlyWhatTheUserChose) {
  Items(slot::Head) = {ManualItem("Helm")};
  model_.ListsOf(SlotKindOf(slot::Neck)).VaultIds = {0};
  SlotRef(slot::Neck) = "v0";
  OpenOn(slot::Head, Items(slot::Head));
  editor_.SelectEntry(1, SelectionOrigin::User);
  editor_.SwitchSlot(slot::Neck);
  EXPECT_EQ(SlotRef(slot::Head), "i0");
  EXPECT_EQ(SlotRef(slot::Neck), "v0") << "the vault item stays equipped";
  EXPECT_EQ(editor_.SelectedEntry(), 0);
  EXPECT_TRUE(editor_.Hold());

  editor_.SwitchSlot(slot::Head);
  EXPECT_EQ(editor_.SelectedEntry(), 1) << "the equipped manual item is shown";
  editor_.SelectEntry(0, SelectionOrigin::User);
  SlotRef(slot::Head) = "i0";  // as if the user's "Empty Slot" had not been stored yet
  editor_.SwitchSlot(slot::Neck);
  EXPECT_EQ(SlotRef(slot::Head), "e0") << "the slot left keeps the user's choice";
}

TEST_F(InlineEditorTest, AReferenceToAManualItemThatIsGoneBecomesEmpty) {
  SlotRef(slot::Cloak) = "i3";
  OpenOn(slot::Cloak, {ManualItem("Cape")});
  EXPECT_EQ(editor_.SelectedEntry(), 0);
  EXPECT_EQ(SlotRef(slot::Cloak), "e0");
}

TEST_F(InlineEditorTest, FieldChangesAreCorrectedAndWrittenBackThroughTheCategories) {
  OpenOn(slot::Belt);
  editor_.CreateNew();
  const int attributes = Category("0. Attributes");
  editor_.ChangeCategory(0, attributes);
  EXPECT_TRUE(editor_.StatListEnabled(0));
  EXPECT_FALSE(editor_.AmountEnabled(0)) << "no stat chosen yet";
  editor_.ChangeStat(0, EntryOf(attributes, "Power Points (Not %)"));
  editor_.ChangeAmount(0, "0075");
  EXPECT_EQ(editor_.Fields().rows[0].amount, "75");
  EXPECT_EQ(Items(slot::Belt)[0].StatIds[0], 9);
  EXPECT_EQ(Items(slot::Belt)[0].StatValues[0], 75);

  editor_.ChangeCategory(1, attributes);
  editor_.ChangeStat(1, EntryOf(attributes, "Power Pool"));
  editor_.ChangeAmount(1, "250");
  EXPECT_EQ(editor_.Fields().rows[1].amount, "200");
  editor_.ChangeAmount(1, "");
  EXPECT_EQ(editor_.Fields().rows[1].amount, "0");
  EXPECT_EQ(Items(slot::Belt)[0].StatIds[1], 145);

  editor_.ChangeCategory(0, Category("<Select>"));
  EXPECT_EQ(editor_.Fields().rows[0], BonusRowFields{}) << "no category, no stat, no amount";
  EXPECT_EQ(Items(slot::Belt)[0].StatIds[0], 0);

  editor_.ChangeProcKind(0, 1);
  editor_.ChangeEffect(0, 4);
  editor_.ChangeProcAmount(0, "99999");
  EXPECT_EQ(Items(slot::Belt)[0].ProcAmounts[0], 5000);
  EXPECT_EQ(Items(slot::Belt)[0].ProcEffects[0], 4);
  editor_.ChangeProcKind(0, 0);
  EXPECT_EQ(Items(slot::Belt)[0].ProcEffects[0], 0) << "no kind, no effect";

  editor_.ChangeName("");
  EXPECT_EQ(Items(slot::Belt)[0].Name, "Custom Item");
  editor_.ChangeName("Girdle");
  EXPECT_EQ(editor_.ListEntries()[1], "Girdle");
}

TEST_F(InlineEditorTest, NothingIsWrittenWhileClosedOrWithoutAManualItem) {
  OpenOn(slot::Arms, {ManualItem("Sleeves", 1, 5)});
  editor_.ChangeAmount(0, "9");
  EXPECT_EQ(Items(slot::Arms)[0].StatValues[0], 5) << "\"Empty Slot\" is selected";
  editor_.SelectEntry(1, SelectionOrigin::User);
  editor_.Done();
  EXPECT_TRUE(editor_.Closed());
  editor_.ChangeAmount(0, "9");
  EXPECT_EQ(Items(slot::Arms)[0].StatValues[0], 5);
  EXPECT_EQ(SlotRef(slot::Arms), "i0");
}

TEST_F(InlineEditorTest, CreateNewEquipsAnEmptyCustomItem) {
  OpenOn(slot::Hands, {ManualItem("Gloves", 1, 5)});
  editor_.CreateNew();
  ASSERT_EQ(Items(slot::Hands).size(), 2u);
  EXPECT_EQ(Items(slot::Hands)[1], ManualItem("Custom Item"));
  EXPECT_EQ(SlotRef(slot::Hands), "i1");
  EXPECT_EQ(editor_.SelectedEntry(), 2);
  EXPECT_FALSE(editor_.Hold());
  EXPECT_TRUE(editor_.CanDelete());
}

TEST_F(InlineEditorTest, DeleteIsOffWhileAnotherConfigurationUsesTheItem) {
  OpenOn(kRing1, {ManualItem("Band")});
  editor_.SelectEntry(1, SelectionOrigin::User);
  EXPECT_TRUE(editor_.CanDelete());
  workflow_.CopyConfiguration();  // the copy wears the ring too
  editor_.SwitchSlot(kRing1);
  EXPECT_FALSE(editor_.CanDelete());
  editor_.DeleteItem();
  EXPECT_EQ(Items(kRing1).size(), 1u);
}

TEST_F(InlineEditorTest, DeletingEquipsTheItemThatTakesThePlaceOrTheNewLastOne) {
  OpenOn(slot::Legs, {ManualItem("A"), ManualItem("B"), ManualItem("C")});
  workflow_.NewConfiguration();  // another configuration wears "C"
  SlotRef(slot::Legs, 1) = "i2";
  workflow_.SelectConfiguration(0);
  editor_.SwitchSlot(slot::Legs);
  editor_.SelectEntry(2, SelectionOrigin::User);
  editor_.DeleteItem();
  EXPECT_EQ(editor_.ListEntries(), (std::vector<std::string>{"Empty Slot", "A", "C"}));
  EXPECT_EQ(SlotRef(slot::Legs), "i1");
  EXPECT_EQ(editor_.Fields().name, "C");
  EXPECT_EQ(SlotRef(slot::Legs, 1), "i1") << "the other configuration's reference follows its item";

  editor_.SelectEntry(1, SelectionOrigin::User);
  editor_.DeleteItem();  // "A", worn only here
  EXPECT_EQ(SlotRef(slot::Legs), "i0");
  EXPECT_EQ(editor_.Fields().name, "C");
}

TEST_F(InlineEditorTest, DeletingTheOnlyItemLeavesEmptySlot) {
  OpenOn(slot::Feet, {ManualItem("Boots")});
  editor_.SelectEntry(1, SelectionOrigin::User);
  editor_.DeleteItem();
  EXPECT_TRUE(Items(slot::Feet).empty());
  EXPECT_EQ(editor_.SelectedEntry(), 0);
  EXPECT_EQ(SlotRef(slot::Feet), "e0");
}

TEST_F(InlineEditorTest, CancelledFileDialogsChangeNothing) {
  OpenOn(slot::Chest, {ManualItem("Robe", 3, 12)});
  editor_.SelectEntry(1, SelectionOrigin::User);
  const Template before = model_;
  const std::size_t notices = messages_.notices.size();
  workflow_.SetStatus(TemplateStatus::Saved);
  EXPECT_FALSE(editor_.Export());  // no file chosen
  EXPECT_FALSE(editor_.Import());
  EXPECT_EQ(model_.Equip, before.Equip);
  EXPECT_EQ(model_.Configurations, before.Configurations);
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Saved);
  EXPECT_EQ(messages_.notices.size(), notices);
  EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
}

TEST_F(InlineEditorTest, ExportWritesTheImageUnderASafeNameWithItsExtension) {
  OpenOn(slot::Chest, {ManualItem("Robe of a Mage/Elf: v1.2", 3, 12)});
  editor_.SelectEntry(1, SelectionOrigin::User);
  files_.choices.push_back(folder_ / "robe");
  ASSERT_TRUE(editor_.Export());
  const platform::FileDialogRequest& asked = files_.saved.back();
  EXPECT_EQ(asked.title, "Save Item");
  EXPECT_EQ(asked.proposedName, "Robe of a Mage-Elf- v1-2");
  EXPECT_EQ(asked.folder, folder_.Path());
  EXPECT_TRUE(asked.confirmOverwrite);
  EXPECT_EQ(test::ReadBytes(folder_ / "robe.kwz"), ImageBytes(Items(slot::Chest)[0]));
  EXPECT_EQ(LastMessage(), "Export Successful");

  ASSERT_TRUE(editor_.ExportTo(folder_ / "ROBE.KWZ"));
  EXPECT_TRUE(std::filesystem::exists(folder_ / "ROBE.KWZ")) << "an extension in capitals is kept";
  ASSERT_TRUE(editor_.ExportTo(folder_ / "robe.kwz.old"));
  EXPECT_TRUE(std::filesystem::exists(folder_ / "robe.kwz.old.kwz"));
}

TEST_F(InlineEditorTest, ImportDecidesByTheExtensionAlone) {
  EXPECT_EQ(ItemImportKindOf("/items/sword.KWZ"), ItemImportKind::Kwz);
  EXPECT_EQ(ItemImportKindOf("/kwz-items/sword.xml"), ItemImportKind::Xml);
  EXPECT_EQ(ItemImportKindOf("/kwx/sword.Kwi"), ItemImportKind::Kwi);
  EXPECT_EQ(ItemImportKindOf("sword.kwx"), ItemImportKind::Kwx);
  EXPECT_EQ(ItemImportKindOf("/kwz/sword.kwz.txt"), std::nullopt);
  EXPECT_EQ(ItemImportKindOf("kwz"), std::nullopt);
}

TEST_F(InlineEditorTest, AHostileKwzFileBecomesAnItemTheEditorCanShowAndWrite) {
  OpenOn(slot::Head);
  // Every byte 0xFF: a name length past its field, stats, kinds, effects and amounts past every list.
  test::WriteBytes(folder_ / "hostile.kwz", std::string(kInlineItemImageSize + 9, '\xFF'));
  ASSERT_TRUE(editor_.ImportFrom(folder_ / "hostile.kwz"));
  ASSERT_EQ(Items(slot::Head).size(), 1u);
  EXPECT_LE(Items(slot::Head)[0].Name.View().size(), 200u);
  EXPECT_EQ(editor_.ClipboardLines().size(), 14u);
  EXPECT_EQ(SlotRef(slot::Head), "i0");
  editor_.ChangeAmount(0, "7");  // a write-back of what the fields could show
  EXPECT_EQ(Items(slot::Head)[0].ProcKinds[0], 0xFF) << "a kind the list cannot show is kept";
  CalcStats(model_, vault_, workflow_.Class(), Config());  // stats past the arrays add nothing
}

TEST_F(InlineEditorTest, ImportedFilesBecomeEquippedManualItems) {
  OpenOn(slot::Head);
  InlineItem saved = ManualItem("Crown", 179, 4);
  saved.ProcKinds[1] = 3;
  saved.ProcAmounts[1] = 40;
  test::WriteBytes(folder_ / "crown.KWZ", ImageBytes(saved) + "trailing");
  ASSERT_TRUE(editor_.ImportFrom(folder_ / "crown.KWZ"));
  EXPECT_EQ(Items(slot::Head).size(), 1u);
  EXPECT_EQ(Items(slot::Head)[0].Name, "Crown");
  EXPECT_EQ(Items(slot::Head)[0].ProcAmounts[1], 40);
  EXPECT_EQ(Items(slot::Head)[0].StatIds[0], 20) << "shown through the categories and written back";
  EXPECT_EQ(SlotRef(slot::Head), "i0");

  LegacyItem legacy = ResetLegacyItem();
  legacy.SetName("Blade of Light");
  legacy.SetStat(0, 2);
  legacy.SetAmount(0, 9);
  const auto bytes = legacy.Bytes();
  test::WriteBytes(folder_ / "blade.kwx", {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  ASSERT_TRUE(editor_.ImportFrom(folder_ / "blade.kwx"));
  EXPECT_EQ(Items(slot::Head)[1].Name, "Blade of Light (RoG)");
  EXPECT_EQ(Items(slot::Head)[1].StatValues[0], 9);
  EXPECT_EQ(SlotRef(slot::Head), "i1");

  VaultItem exported = ResetVaultItem();  // what the vault's own export writes under ".kwx"
  exported.Name = "Circlet of the Deep";
  exported.StatIds[0] = 4;
  exported.StatValues[0] = 12;
  const VaultItemImage image = ToImage(exported);
  test::WriteBytes(folder_ / "circlet.kwx", {reinterpret_cast<const char*>(image.data()), image.size()});
  ASSERT_TRUE(editor_.ImportFrom(folder_ / "circlet.kwx"));
  EXPECT_EQ(Items(slot::Head)[2].Name, "Circlet of the Deep (RoG)");
  EXPECT_EQ(Items(slot::Head)[2].StatIds[0], 4);
  EXPECT_EQ(Items(slot::Head)[2].StatValues[0], 12);
}

TEST_F(InlineEditorTest, AnXmlItemFoundInAFolderNamedLikeABinaryFileIsReadAsXml) {
  OpenOn(slot::Neck);
  const std::filesystem::path folder = folder_ / "kwz";
  std::filesystem::create_directory(folder);
  const auto xml = [](std::string_view name) {
    return "<?xml version=\"1.0\"?>\n<SCItem>\n<ItemName>" + std::string(name) +
           "</ItemName>\n<Location>Neck</Location>\n<SLOT>\n<Effect>Strength</Effect>\n<Amount>15</Amount>\n"
           "<Type>Stat</Type>\n</SLOT>\n</SCItem>\n";
  };
  test::WriteBytes(folder / "torc.xml", xml("Torc"));
  test::WriteBytes(folder / "rog.XML", xml("Torc (RoG) of Ages"));
  ASSERT_TRUE(editor_.ImportFrom(folder / "torc.xml"));
  ASSERT_TRUE(editor_.ImportFrom(folder / "rog.XML"));
  ASSERT_EQ(Items(slot::Neck).size(), 2u);
  EXPECT_EQ(Items(slot::Neck)[0].Name, "Torc (RoG)");
  EXPECT_EQ(Items(slot::Neck)[0].StatIds[0], 1);
  EXPECT_EQ(Items(slot::Neck)[0].StatValues[0], 15);
  EXPECT_EQ(Items(slot::Neck)[1].Name, "Torc (RoG) of Ages");
}

TEST_F(InlineEditorTest, ImportsThatFailCreateNoItem) {
  OpenOn(slot::Neck);
  test::WriteBytes(folder_ / "notes.txt", std::string(300, 'x'));
  EXPECT_FALSE(editor_.ImportFrom(folder_ / "notes.txt"));
  EXPECT_EQ(LastMessage(), "Invalid import file");
  test::WriteBytes(folder_ / "short.kwz", std::string(270, '\0'));
  EXPECT_FALSE(editor_.ImportFrom(folder_ / "short.kwz"));
  EXPECT_EQ(LastMessage(), "The item file is incomplete : short.kwz");
  EXPECT_FALSE(editor_.ImportFrom(folder_ / "missing.kwi"));
  EXPECT_EQ(LastMessage(), "The item file cannot be read : missing.kwi");
  test::WriteBytes(folder_ / "template.xml", "<?xml version=\"1.0\"?>\n<SCTemplate>\n</SCTemplate>\n");
  EXPECT_FALSE(editor_.ImportFrom(folder_ / "template.xml"));
  EXPECT_EQ(LastMessage(), "This file did not import properly. Aborting Import");
  EXPECT_TRUE(Items(slot::Neck).empty());
  EXPECT_EQ(SlotRef(slot::Neck), "e0");
}

TEST_F(InlineEditorTest, TheClipboardGetsFourteenLines) {
  OpenOn(kRing1);
  editor_.CreateNew();
  editor_.ChangeName("Band");
  const int attributes = Category("0. Attributes");
  editor_.ChangeCategory(0, attributes);
  editor_.ChangeStat(0, EntryOf(attributes, "Strength"));
  editor_.ChangeAmount(0, "12");
  editor_.ChangeCategory(1, attributes);  // a category, but no stat
  editor_.CopyToClipboard();
  const std::string effect(vault_.Vocabularies().Effects.List().TextOf(0));
  std::string expected = "Item Name : Band\nItem Slot : Ring 1\nStat : 12 Strength\nStat : 0 <Empty>\n";
  for (int row = 3; row <= 10; ++row) expected += "Stat : 0 \n";
  expected += "No Procs/Effects : " + effect + " ( 0 )\nNo Procs/Effects : " + effect + " ( 0 )\n";
  EXPECT_EQ(clipboard_.text, expected);
  EXPECT_EQ(editor_.ClipboardLines().size(), kClipboardLineCount);
  EXPECT_EQ(LastMessage(), "Item Stats copied to windows clipboard");
}

TEST_F(InlineEditorTest, AVaultItemIsCopiedWholeThroughTheCategories) {
  OpenOn(slot::TwoHand);
  VaultItem item = ResetVaultItem();
  const std::string longName(200, 'n');
  item.Name = longName;
  item.StatIds[0] = 179;  // "All Melee Skills" as a vault line names it
  item.StatValues[0] = 3;
  item.ProcKinds[0] = 1;
  item.ProcEffects[0] = 7;
  item.ProcAmounts[0] = 100;
  editor_.CopyFromVaultItem(item);
  ASSERT_EQ(Items(slot::TwoHand).size(), 1u);
  const InlineItem& copy = Items(slot::TwoHand)[0];
  EXPECT_EQ(copy.Name, longName);
  EXPECT_EQ(copy.StatIds[0], 20);
  EXPECT_EQ(copy.StatValues[0], 3);
  EXPECT_EQ(copy.ProcEffects[0], 7);
  EXPECT_EQ(copy.ProcAmounts[0], 100);
  EXPECT_EQ(SlotRef(slot::TwoHand), "i0");
  EXPECT_FALSE(editor_.Hold());
}

}  // namespace
}  // namespace davoruzivi
