// Single-item files, the legacy item record, item list files and the export.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "core/byte_image.h"
#include "itemdb/itemdb.h"
#include "model/test_support.h"
#include "platform/testing/recording_message_box.h"

namespace davoruzivi {
namespace {

using namespace std::string_view_literals;
using platform::testing::RecordingMessageBox;
using test::ReadBytes;
using test::TemporaryFolder;
using test::WriteBytes;

std::span<const std::uint8_t> BytesOf(std::string_view bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

template <std::size_t N>
std::string StringOf(const std::array<std::uint8_t, N>& bytes) {
  return std::string(reinterpret_cast<const char*>(bytes.data()), N);
}

std::vector<std::string> NoticeTexts(const RecordingMessageBox& messages) {
  std::vector<std::string> texts;
  for (const auto& notice : messages.notices) texts.push_back(notice.text);
  return texts;
}

// A vault holding one item, so that imports show where they append.
MasterVault OneItemVault() { return test::VaultOf({ResetVaultItem()}); }

TEST(LegacyItem, ResetSetsExactlyTheBytesItNames) {
  LegacyItemImage filled{};
  filled.fill(0xAA);
  LegacyItem item{filled};
  ResetLegacyItem(item);
  for (std::size_t i = 0; i < kLegacyItemSize; ++i) {
    std::uint8_t expected = 0;
    if (i == 0 || (i >= 61 && i <= 64) || i == 115) expected = 1;
    else if (i == 1) expected = ' ';
    else if (i == 53) expected = 3;
    else if (i == 55) expected = 51;
    else if (i == 269) expected = 41;
    else if ((i >= 2 && i <= 51) || (i >= 175 && i <= 268)) expected = 0xAA;  // read by no one
    EXPECT_EQ(item.Bytes()[i], expected) << "byte " << i;
  }
}

TEST(ItemFiles, KindComesFromTheExtensionThenTheWholePath) {
  EXPECT_EQ(ItemFileKindOf("item.kwx"), ItemFileKind::Kwx);
  EXPECT_EQ(ItemFileKindOf("C:\\kwz-items\\sword.kwx"), ItemFileKind::Kwx) << "the extension speaks first";
  EXPECT_EQ(ItemFileKindOf("/kwi/sword.kwz"), ItemFileKind::Kwz);
  EXPECT_EQ(ItemFileKindOf("/kwx-items/sword.kwi.bak"), ItemFileKind::Kwi) << "without one, kwi before kwx";
  EXPECT_EQ(ItemFileKindOf("kwz-and-kwi.old"), ItemFileKind::Kwz) << "and kwz before both";
  EXPECT_EQ(ItemFileKindOf("sword.KWX"), std::nullopt) << "letter case as written";
}

TEST(ItemFiles, ReadsEachLayoutIntoTheLegacyRecord) {
  std::string older(kOlderItemSize, '\x55');
  older.replace(1, 5, "\x04Helm");
  older[104] = 7;
  ImageWriter(std::span(reinterpret_cast<std::uint8_t*>(older.data()), older.size())).I32(116 + 36, -15);
  older[157] = 3;
  const auto fromOlder = ReadLegacyItem(BytesOf(older), ItemFileKind::Kwi);
  ASSERT_TRUE(fromOlder);
  EXPECT_EQ(fromOlder->Name(), "Helm");
  EXPECT_EQ(fromOlder->Stat(0), 7);
  EXPECT_EQ(fromOlder->Amount(9), -15);
  EXPECT_EQ(fromOlder->ProcKind(1), 3);
  EXPECT_EQ(fromOlder->ProcEffect(1), 0) << "the older layout has no effects";
  EXPECT_EQ(fromOlder->ItemLevel(), 51) << "the other bytes come from the reset";

  InlineItem inlineItem;
  inlineItem.Name = std::string(60, 'n');
  inlineItem.StatIds[9] = 0x0123;
  inlineItem.StatValues[9] = 70000;
  inlineItem.ProcKinds[1] = 5;
  inlineItem.ProcEffects[1] = 600;
  inlineItem.ProcAmounts[1] = 5000;
  const auto fromInline = ReadLegacyItem(ToImage(inlineItem), ItemFileKind::Kwz);
  ASSERT_TRUE(fromInline);
  EXPECT_EQ(fromInline->Name(), std::string(51, 'n'));
  EXPECT_EQ(fromInline->Stat(9), 0x23) << "the low byte of the StatId";
  EXPECT_EQ(fromInline->Amount(9), 70000);
  EXPECT_EQ(fromInline->ProcEffect(1), 600);
  EXPECT_EQ(fromInline->ProcAmount(1), 5000);

  LegacyItemImage raw{};
  raw.fill(0x9C);
  const auto asRead = ReadLegacyItem(BytesOf(StringOf(raw) + "trailing"), ItemFileKind::Kwx);
  ASSERT_TRUE(asRead);
  EXPECT_EQ(*asRead, LegacyItem{raw});
}

TEST(ItemFiles, ShorterFilesThanTheirRecordGiveNothing) {
  for (const ItemFileKind kind : {ItemFileKind::Kwz, ItemFileKind::Kwi, ItemFileKind::Kwx}) {
    EXPECT_TRUE(ReadLegacyItem(BytesOf(std::string(RecordSizeOf(kind), '\0')), kind));
    EXPECT_FALSE(ReadItemFile(BytesOf(std::string(RecordSizeOf(kind) - 1, '\0')), kind));
  }
  EXPECT_EQ(RecordSizeOf(ItemFileKind::Kwz), 271u);
}

TEST(ItemFiles, LegacyItemBecomesAVaultItemOrAnInlineItem) {
  LegacyItem legacy = ResetLegacyItem();
  legacy.SetName("Blade of Light");
  legacy.SetStat(9, 29);
  legacy.SetAmount(9, -3);
  legacy.SetProcKind(1, 2);
  legacy.SetProcEffect(1, 78);
  legacy.SetProcAmount(1, 120);

  VaultItem expected = ResetVaultItem();
  expected.Name = "Blade of Light";
  expected.Unique = 1;
  expected.ClassUsable.fill(1);
  expected.StatIds[9] = 29;
  expected.StatValues[9] = -3;
  expected.ProcKinds[1] = 2;
  expected.ProcEffects[1] = 78;
  expected.ProcAmounts[1] = 120;
  expected.Notes = "Imported File, please edit!";
  EXPECT_EQ(LegacyToVaultItem(legacy), expected);

  const InlineItem inlineItem = LegacyToInlineItem(legacy);
  EXPECT_EQ(inlineItem.Name, "Blade of Light (RoG)");
  EXPECT_EQ(inlineItem.StatIds, expected.StatIds);
  EXPECT_EQ(inlineItem.ProcAmounts, expected.ProcAmounts);

  legacy.SetName("Ring (rog)");
  EXPECT_EQ(LegacyToInlineItem(legacy).Name, "Ring (rog) (RoG)") << "letter case as written";
}

TEST(ImportItemFile, TakesTheVaultItemExportWhole) {
  VaultItem exported = ResetVaultItem();
  exported.Id = 812;
  exported.Name = std::string(120, 'L');
  exported.Realm = 1;
  exported.StatIds[4] = 300;  // past one byte: the legacy conversion would lose it
  exported.ServerOrigins = 1;
  exported.Notes = "kept";
  MasterVault source;
  source.PutVaultItem(0, exported);

  TemporaryFolder folder;
  RecordingMessageBox messages;
  WriteBytes(folder / "item.kwx", std::string(1000, 'x'));
  EXPECT_EQ(ExportVaultItem(source, 0, folder / "item.kwx", messages), std::nullopt);
  EXPECT_EQ(ReadBytes(folder / "item.kwx"), StringOf(ToImage(exported)));
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"item.kwx"});

  MasterVault vault = OneItemVault();
  EXPECT_EQ(ImportItemFile(folder / "item.kwx", vault, messages), 1u);
  EXPECT_EQ(vault.Items()[1], exported);

  // One byte more and the file is a legacy record with trailing bytes.
  WriteBytes(folder / "longer.kwx", ReadBytes(folder / "item.kwx") + "x");
  EXPECT_EQ(ImportItemFile(folder / "longer.kwx", vault, messages), 2u);
  EXPECT_EQ(vault.Items()[2].Notes, "Imported File, please edit!");
  EXPECT_TRUE(messages.notices.empty());
}

TEST(ImportItemFile, RefusedFilesLeaveTheVaultAlone) {
  TemporaryFolder folder;
  WriteBytes(folder / "item.txt", std::string(300, '\0'));
  WriteBytes(folder / "short.kwz", std::string(270, '\0'));
  MasterVault vault = OneItemVault();
  RecordingMessageBox messages;
  EXPECT_EQ(ImportItemFile(folder / "item.txt", vault, messages), std::nullopt);
  EXPECT_EQ(ImportItemFile(folder / "short.kwz", vault, messages), std::nullopt);
  EXPECT_EQ(ImportItemFile(folder / "missing.kwx", vault, messages), std::nullopt);
  EXPECT_EQ(vault.Size(), 1u);
  EXPECT_EQ(NoticeTexts(messages),
            (std::vector<std::string>{"Invalid import file", "The item file is incomplete : short.kwz",
                                      "The item file cannot be read : missing.kwx"}));
}

// One .kwj record: a name padded to 76 characters, then 32-bit numbers at their offsets.
std::string ListRecord(std::string_view name, std::initializer_list<std::pair<std::size_t, std::int32_t>> numbers) {
  std::string record(kItemListRecordSize, '\0');
  record.replace(0, 76, std::string(name).append(76 - name.size(), ' '));
  ImageWriter w(std::span(reinterpret_cast<std::uint8_t*>(record.data()), record.size()));
  for (const auto& [offset, value] : numbers) w.I32(offset, value);
  return record;
}

TEST(ImportItemList, FillsEveryFieldOfARecord) {
  std::string record = ListRecord("\t Shield of \xC9lan\0\0"sv,
                                  {{76, 4711}, {80, 0x10002}, {84, 29}, {88, 50}, {92, 37}, {96, 14}, {100, 28},
                                   {104, 23}, {108, 5}, {112, 65535}, {116, 5}, {120, 0x8000 | 1 << 14},
                                   {204, 78}, {208, 0x20041}, {212, 120}, {216, 70000}, {220, 1}, {224, 0x106}});
  for (int n = 0; n < kBonusSlots; ++n) {
    ImageWriter w(std::span(reinterpret_cast<std::uint8_t*>(record.data()), record.size()));
    w.I32(124 + 4 * n, 0x10000 + n + 1);
    w.I32(164 + 4 * n, -n);
  }

  VaultItem expected = ResetVaultItem();
  expected.Name = "Shield of \xC9lan";
  expected.Realm = 2;  // the low 16 bits
  expected.Quality = 29;
  expected.Level = 50;
  expected.BonusLevel = 37;
  expected.BonusLevelManual = 1;
  expected.Slot = 14;
  expected.WeaponType = 28;
  expected.Speed = 23;
  expected.Absorb = 5;
  for (int k = 0; k < 16; ++k) expected.ClassUsable[k] = 1;  // Albion: 65535
  expected.ClassUsable[16] = expected.ClassUsable[18] = 1;   // Hibernia: 5
  expected.ClassUsable[46] = 1;                              // Midgard: bit 14; bit 15 has no class
  for (int n = 0; n < kBonusSlots; ++n) {
    expected.StatIds[n] = static_cast<StatId>(n + 1);
    expected.StatValues[n] = -n;
  }
  expected.ProcEffects = {78, 0x41};
  expected.ProcAmounts = {120, static_cast<std::uint16_t>(70000)};
  expected.ProcKinds = {1, 6};
  expected.ItemType = 18;
  expected.Expansion = 22;
  expected.Source = 11;
  expected.Notes = "ID:(4711) Imported from the Broadsword JSON Database. Verify before use!";
  expected.ServerCoop = expected.ServerPvP = expected.ServerClassic = expected.ServerNormal = 1;
  expected.ServerYwaine = expected.ServerRealmFree = expected.ServerOrigins = 1;
  EXPECT_EQ(ReadItemList(BytesOf(record)), std::vector<VaultItem>{expected});
}

TEST(ImportItemList, AppendsTheWholeRecordsInFileOrderOrNothing) {
  TemporaryFolder folder;
  const std::string second = ListRecord("Second", {});
  WriteBytes(folder / "items.kwj", ListRecord("First", {{76, -2}}) + second + second.substr(0, 227));
  WriteBytes(folder / "short.kwj", std::string(227, ' '));
  MasterVault vault = OneItemVault();
  RecordingMessageBox messages;
  EXPECT_EQ(ImportItemList(folder / "items.kwj", vault, messages), (std::vector<std::size_t>{1, 2}));
  ASSERT_EQ(vault.Size(), 3u);
  EXPECT_EQ(vault.Items()[1].Notes, "ID:(-2) Imported from the Broadsword JSON Database. Verify before use!");
  EXPECT_EQ(vault.Items()[2].Name, "Second");

  EXPECT_TRUE(ImportItemList(folder / "short.kwj", vault, messages).empty());
  EXPECT_TRUE(ImportItemList(folder / "none.kwj", vault, messages).empty());
  EXPECT_EQ(vault.Size(), 3u);
  EXPECT_EQ(NoticeTexts(messages), (std::vector<std::string>{"Something is wrong with the JSON import file...",
                                                             "The item file cannot be read : none.kwj"}));
}

// Every way into the vault brings values within what a vault line carries, so
// that a commit and a reload give back exactly the records the vault held.
TEST(ImportedValues, FitAVaultLineAndComeBackFromACommitUnchanged) {
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min(), kMax = std::numeric_limits<std::int32_t>::max();
  const std::vector<std::int32_t> amounts = {kMin, -100000, -12345, -10000, -9999, -1, 0, 1, 9999, 99999, 100000, 123456, kMax};
  const std::vector<std::uint16_t> bonusLevels = {0, 1, 99, 100, 150, 65535};
  const std::vector<std::uint8_t> procKinds = {1, 6, 7, 255};
  TemporaryFolder folder;
  RecordingMessageBox messages;
  MasterVault vault = OneItemVault();
  for (std::size_t k = 0; k < amounts.size(); ++k) {
    VaultItem item = ResetVaultItem();
    item.Name = "Item " + std::to_string(k);
    item.Quality = 30;  // "100": a new item's "no quality" reads back as a text the list lacks
    for (int n = 0; n < kBonusSlots; ++n) {
      item.StatIds[n] = static_cast<StatId>(n + 1);
      item.StatValues[n] = amounts[(k + static_cast<std::size_t>(n)) % amounts.size()];
    }
    // Only a bonus level entered by hand is written; the other is computed.
    item.BonusLevelManual = k % 3 == 0 ? 0 : 1;
    item.BonusLevel = item.BonusLevelManual ? bonusLevels[k % bonusLevels.size()] : 0;
    item.ProcKinds = {procKinds[k % procKinds.size()], 0};
    item.ProcAmounts = {65535, 0};
    if (k == 1) item.Realm = 9, item.Source = 500;  // a realm and a source that no line names
    WriteBytes(folder / "item.kwx", StringOf(ToImage(item)));
    ASSERT_TRUE(ImportItemFile(folder / "item.kwx", vault, messages).has_value());
  }
  for (const VaultItem& item : std::span(vault.Items()).subspan(1)) {
    for (std::int32_t amount : item.StatValues) EXPECT_TRUE(amount >= -9999 && amount <= 99999) << item.Name.View();
    if (item.BonusLevelManual) {
      EXPECT_LE(item.BonusLevel, 99) << item.Name.View();
    }
    for (std::uint8_t kind : item.ProcKinds) EXPECT_LE(kind, 6) << item.Name.View();
  }
  EXPECT_EQ(vault.Items()[3].StatValues[0], -9999);  // -12345
  EXPECT_EQ(vault.Items()[12].StatValues[0], 99999);  // 123456
  EXPECT_EQ(vault.Items()[5].BonusLevel, 99);  // 150
  EXPECT_EQ(vault.Items()[4].ProcKinds[0], 6);  // 255
  EXPECT_EQ(vault.Items()[2].Realm, 3);
  EXPECT_EQ(vault.Items()[2].Source, 10);
  const MasterVault reloaded = test::ParseOk(WriteVaultText(vault));
  ASSERT_EQ(reloaded.Size(), vault.Size());
  for (std::size_t k = 1; k < vault.Size(); ++k) {
    VaultItem committed = vault.Items()[k];
    committed.Id = reloaded.Items()[k].Id;  // a commit numbers the records
    EXPECT_EQ(reloaded.Items()[k], committed) << k;
  }
  ASSERT_FALSE(messages.notices.empty());
  EXPECT_EQ(messages.notices[0].text,
            "Some values were beyond what the vault can store and have been brought within range :\n\rItem 0");
}

TEST(ImportedValues, TheItemListNamesEveryItemBroughtWithinRange) {
  TemporaryFolder folder;
  const std::string fits = ListRecord("Fits", {{124, 1}, {164, 99999}});
  WriteBytes(folder / "items.kwj", ListRecord("Too Strong", {{124, 1}, {164, 123456}}) + fits +
                                       ListRecord("Too Weak", {{124, 1}, {164, -12345}}));
  MasterVault vault = OneItemVault();
  RecordingMessageBox messages;
  EXPECT_EQ(ImportItemList(folder / "items.kwj", vault, messages).size(), 3u);
  EXPECT_EQ(NoticeTexts(messages), std::vector<std::string>{"Some values were beyond what the vault can store and "
                                                            "have been brought within range :\n\rToo Strong\n\rToo Weak"});
  EXPECT_EQ(vault.Items()[1].StatValues[0], 99999);
  EXPECT_EQ(vault.Items()[3].StatValues[0], -9999);
}

TEST(ExportVaultItem, NamesTheFileAndReportsFailures) {
  EXPECT_EQ(SuggestedExportName("a/b\\c?d*e:f<g>h|i\"j.k l"), "a-b-c-d-e-f-g-h-i-j-k l");
  EXPECT_EQ(ExportFileName("sword"), "sword.kwx");
  EXPECT_EQ(ExportFileName("sword.kwx.old"), "sword.kwx.old") << "\".kwx\" anywhere in the name";
  EXPECT_EQ(ExportFileName("sword.KWX"), "sword.KWX.kwx");

  TemporaryFolder folder;
  const MasterVault vault = OneItemVault();
  RecordingMessageBox messages;
  EXPECT_EQ(ExportVaultItem(vault, 5, folder / "past.kwx", messages), std::nullopt);
  EXPECT_EQ(ReadBytes(folder / "past.kwx"), StringOf(ToImage(ResetVaultItem())));
  EXPECT_EQ(NoticeTexts(messages), std::vector<std::string>{"Read past end of vault."});
  const auto error = ExportVaultItem(vault, 0, folder / "no" / "folder.kwx", messages);
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("folder.kwx"), std::string::npos) << *error;
}

}  // namespace
}  // namespace davoruzivi
