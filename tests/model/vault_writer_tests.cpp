// Writing vault text, and the writer held against the reader.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/text_lines.h"
#include "itemdb/itemdb.h"
#include "model/test_support.h"

namespace davoruzivi {
namespace {

using test::ParseOk;
using test::VaultOf;

// The lines of the only block of a one-record vault, after the empty line.
std::vector<std::string> BlockLines(const VaultItem& item) {
  const std::string text = WriteVaultText(VaultOf({item}));
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(text)) lines.emplace_back(line);
  EXPECT_GE(lines.size(), 6u);
  return std::vector<std::string>(lines.begin() + 6, lines.end());
}

TEST(VaultWriter, WritesEveryLineOfABlock) {
  VaultItem item = ResetVaultItem();
  item.Id = 77;
  item.Name = "Cloak of Shades";
  item.ItemType = 8;
  item.Realm = 1;
  item.Level = 47;
  item.Expansion = 3;
  item.Quality = 29;
  item.Slot = 3;
  item.Absorb = 2;
  item.WeaponType = 17;
  item.Speed = 23;
  item.ServerNormal = 1;
  item.ServerRealmFree = 1;
  item.ClassUsable[0] = 1;
  item.ClassUsable[1] = 2;  // only 1 is written as usable
  item.ClassUsable[46] = 1;
  item.Verified = 1;
  item.BonusLevelManual = 1;
  item.BonusLevel = 0;
  item.Source = 1;
  item.Notes = "";
  item.StatIds[1] = 29;
  item.StatValues[1] = -5;
  item.StatValues[2] = 99;  // an empty slot's amount is not written
  item.StatIds[4] = 195;
  item.StatValues[4] = 12;
  item.ProcKinds[1] = 2;
  item.ProcEffects[1] = 78;
  item.ProcAmounts[1] = 120;
  item.ProcAmounts[0] = 75;

  VaultItem second = ResetVaultItem();
  second.Id = 900;
  const std::string text = WriteVaultText(VaultOf({item, second}));
  const std::string expected =
      "~v\r\nVault Version:1\r\nVault Date:1/27/2018\r\n2\r\n75\r\n"
      "\r\n~0\r\nCloak of Shades\r\nArtifact\r\nH\r\n47\r\nTrials of Atlantis (ToA)\r\n99\r\nCloak\r\n"
      "10% (Leather)\r\nShortbow / Crossbow \r\n3.7\r\nNR\r\n1" +
      std::string(45, '0') + "1\r\nV\r\nMB:0\r\nAllakhazam\r\n=\r\n2\r\nCrush Skill |-5\r\n"
                             "Archery/Spell Damage Vs. |12\r\n1\r\nLifedrain|R:120\r\n";
  EXPECT_EQ(text.substr(0, expected.size()), expected);
  EXPECT_EQ(text.substr(expected.size(), 6), "\r\n~1\r\n") << "items are numbered by position";
}

TEST(VaultWriter, FlagsAndTextsPastTheirLists) {
  VaultItem item = ResetVaultItem();
  const std::vector<std::string> reset = BlockLines(item);
  EXPECT_EQ(reset[11] + reset[13] + reset[14], "XUABLV") << "no server flag, unverified, computed bonus level";
  EXPECT_EQ(reset[6], "") << "quality 41 records no quality";

  item.ServerCoop = item.ServerPvP = item.ServerClassic = item.ServerNormal = 1;
  item.ServerYwaine = item.ServerRealmFree = item.ServerOrigins = 1;
  item.Verified = item.Researched = 1;
  item.Realm = 4;
  item.ItemType = 19;
  item.Expansion = 23;
  item.Slot = 18;
  item.Absorb = 7;
  item.WeaponType = 31;
  item.Speed = 48;
  item.Source = 12;
  item.Quality = 32;
  item.StatIds[9] = 254;
  item.StatValues[9] = 3;
  item.ProcKinds[0] = 1;
  item.ProcEffects[0] = 133;
  item.ProcAmounts[0] = 5000;
  item.Notes = "=";
  const std::vector<std::string> lines = BlockLines(item);
  ASSERT_EQ(lines.size(), 21u);
  EXPECT_EQ(lines[11], "NCPBOYR");
  EXPECT_EQ(lines[13], "R") << "researched wins over verified";
  for (int i : {2, 3, 5, 6, 7, 8, 9, 10, 15}) EXPECT_EQ(lines[i], "") << "block line " << i;
  EXPECT_EQ(lines[16], "=");
  EXPECT_EQ(lines[17], "1");
  EXPECT_EQ(lines[18], "|3");
  EXPECT_EQ(lines[19], "1");
  EXPECT_EQ(lines[20], "|N:5000");
}

// A record whose values stay inside what the vault text can carry, with every
// kind of value the format normalises.
VaultItem RandomItem(std::mt19937& random) {
  auto pick = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); };
  auto word = [&](int listSize, int pastChance) {
    return static_cast<std::uint16_t>(pick(0, 99) < pastChance ? pick(listSize, 65535) : pick(0, listSize - 1));
  };
  auto text = [&](int maxLength) {
    std::string out(static_cast<std::size_t>(pick(0, maxLength)), ' ');
    for (char& c : out) {
      c = static_cast<char>(pick(32, 255));
      if (c == 127) c = '~';
    }
    return out;
  };
  VaultItem item = ResetVaultItem();
  item.Id = pick(-5, 100000);
  item.Name = text(pick(0, 9) == 0 ? 200 : 40);
  item.ItemType = word(19, 5);
  item.Realm = static_cast<std::uint16_t>(pick(0, 3));
  item.Expansion = word(23, 5);
  item.Level = static_cast<std::uint16_t>(pick(0, 65535));
  item.Slot = word(18, 5);
  item.Absorb = word(7, 5);
  item.WeaponType = word(31, 5);
  item.Quality = pick(0, 9) == 0 ? kNoQuality : word(32, 5);
  item.Speed = word(48, 5);
  item.Source = static_cast<std::uint16_t>(pick(0, 11));
  item.BonusLevelManual = static_cast<std::uint16_t>(pick(0, 1));
  item.BonusLevel = item.BonusLevelManual ? static_cast<std::uint16_t>(pick(0, 99)) : 0;
  for (std::uint8_t* flag : {&item.ServerCoop, &item.ServerPvP, &item.ServerClassic, &item.ServerNormal,
                             &item.ServerYwaine, &item.ServerRealmFree, &item.ServerOrigins})
    *flag = static_cast<std::uint8_t>(pick(0, 1));
  for (auto& usable : item.ClassUsable) usable = static_cast<std::uint8_t>(pick(0, 3) == 0 ? pick(2, 255) : pick(0, 1));
  item.Verified = static_cast<std::uint8_t>(pick(0, 1));
  item.Researched = static_cast<std::uint8_t>(pick(0, 1));
  for (int n = 0; n < kBonusSlots; ++n) {
    item.StatIds[n] = pick(0, 2) == 0 ? 0 : word(kStatCatalogueSize, 3);
    item.StatValues[n] = pick(-9999, 99999);
  }
  for (int n = 0; n < kProcSlots; ++n) {
    item.ProcKinds[n] = static_cast<std::uint8_t>(pick(0, 6));
    item.ProcEffects[n] = word(133, 5);
    item.ProcAmounts[n] = static_cast<std::uint16_t>(pick(0, 65535));
  }
  const int notes = pick(0, 9);
  item.Notes = notes == 0 ? std::string("=") : notes == 1 ? std::string("= ") : text(notes == 2 ? 200 : 30);
  return item;
}

// What the reader gives back for a written record: the record with the
// normalisations of the vault text. Besides them, the catalogue's second
// "All Melee Skills" and "All Casting Skills" (179, 180) are written by name
// and found again as the first (20, 21). An index past a growing list comes back as
// the one empty entry the reader appends right after the built-in entries.
VaultItem AsReadBack(const VaultItem& written, std::size_t position) {
  VaultItem item = written;
  item.Id = static_cast<std::int32_t>(position);
  if (item.ServerNormal || item.ServerClassic) item.ServerYwaine = 1;
  if (item.ServerCoop || item.ServerPvP) item.ServerRealmFree = 1;
  if (item.Researched == 1) item.Verified = 0;
  for (auto& usable : item.ClassUsable) usable = usable == 1 ? 1 : 0;
  auto fixed = [](std::uint16_t& field, int size) {
    if (field >= size) field = kUnknownIndex;
  };
  auto growing = [](std::uint16_t& field, int size) {
    if (field >= size) field = static_cast<std::uint16_t>(size);
  };
  fixed(item.Quality, 32);
  fixed(item.Slot, 18);
  fixed(item.Absorb, 7);
  fixed(item.Speed, 48);
  growing(item.ItemType, 19);
  growing(item.Expansion, 23);
  growing(item.WeaponType, 31);

  VaultItem compacted = item;
  compacted.StatIds = {};
  compacted.StatValues = {};
  for (int n = 0, used = 0; n < kBonusSlots; ++n) {
    if (item.StatIds[n] == 0) continue;
    StatId stat = item.StatIds[n] >= kStatCatalogueSize ? kUnknownIndex : item.StatIds[n];
    if (stat == 179 || stat == 180) stat = static_cast<StatId>(stat - 159);  // the name's first entry
    compacted.StatIds[used] = stat;
    compacted.StatValues[used++] = item.StatValues[n];
  }
  compacted.ProcKinds = {};
  compacted.ProcEffects = {};
  compacted.ProcAmounts = {};
  for (int n = 0, used = 0; n < kProcSlots; ++n) {
    if (item.ProcKinds[n] == 0) continue;
    compacted.ProcKinds[used] = item.ProcKinds[n];
    compacted.ProcEffects[used] = item.ProcEffects[n] >= 133 ? 133 : item.ProcEffects[n];
    compacted.ProcAmounts[used++] = item.ProcAmounts[n];
  }
  if (compacted.Notes == "=") compacted.Notes = "";
  return compacted;
}

TEST(VaultWriterAndReader, ReadBackGivesTheRecordsButForTheFormatsNormalisations) {
  std::mt19937 random(20180127);
  std::vector<VaultItem> items;
  for (int i = 0; i < 600; ++i) items.push_back(RandomItem(random));
  const MasterVault written = VaultOf(items);
  const MasterVault read = ParseOk(WriteVaultText(written));
  ASSERT_EQ(read.Size(), items.size());
  for (std::size_t k = 0; k < items.size(); ++k) {
    const VaultItem expected = AsReadBack(items[k], k);
    EXPECT_EQ(read.Items()[k], expected) << "record " << k;
    if (read.Items()[k] != expected) break;
  }
  // Each index past a growing list was written as an empty line and became one new empty entry.
  EXPECT_EQ(read.Vocabularies().ItemTypes.List().Size(), 20);
  EXPECT_EQ(read.Vocabularies().ItemTypes.List().TextOf(19), "");
  EXPECT_EQ(read.Vocabularies().Expansions.List().Size(), 24);
  EXPECT_EQ(read.Vocabularies().WeaponTypes.Filter().Size(), 32);
  EXPECT_EQ(read.Vocabularies().Effects.List().Size(), 134);
  EXPECT_EQ(read.Vocabularies().Sources.List().Size(), 12);
}

TEST(VaultWriterAndReader, WrittenTextReadAndWrittenAgainIsAFixedPoint) {
  std::mt19937 random(42);
  std::vector<VaultItem> items;
  for (int i = 0; i < 300; ++i) items.push_back(RandomItem(random));
  const std::string first = WriteVaultText(VaultOf(items));
  const std::string second = WriteVaultText(ParseOk(first));
  const std::string third = WriteVaultText(ParseOk(second));
  EXPECT_EQ(third, second);
  EXPECT_NE(first, second) << "the first write still carried values the format normalises";

  // A normalised vault reads and writes back to the same bytes at once.
  const MasterVault normalised = ParseOk(second);
  EXPECT_EQ(ParseOk(WriteVaultText(normalised)).Items(), normalised.Items());
}

TEST(VaultWriter, ItemsFromFilesCannotBreakTheText) {
  // Names and notes from item files may hold line breaks, and their procs kinds
  // that have no marker; the written vault must still load.
  VaultItem item = ResetVaultItem();
  item.Name = "Two\r\nLines";
  item.Notes = "a\nb";
  item.ProcKinds = {7, 1};
  item.ProcEffects = {78, 78};
  item.ProcAmounts = {5, 75};
  const MasterVault read = ParseOk(WriteVaultText(VaultOf({item, ResetVaultItem()})));
  ASSERT_EQ(read.Size(), 2u);
  EXPECT_EQ(read.Items()[0].Name, "Two  Lines");
  EXPECT_EQ(read.Items()[0].Notes, "a b");
  EXPECT_EQ(read.Items()[0].ProcKinds[0], 1) << "the proc of kind 7 is not written";
  EXPECT_EQ(read.Items()[0].ProcAmounts[0], 75);
  EXPECT_EQ(read.Items()[1].Name, " ");
}

}  // namespace
}  // namespace davoruzivi
