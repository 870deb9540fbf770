// Reading vault text into records: the header checks, every block line's
// rule, the growing vocabularies, and the progress a load shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "itemdb/itemdb.h"
#include "model/test_support.h"
#include "platform/testing/recording_message_box.h"

namespace davoruzivi {
namespace {

using test::ItemBlock;
using test::ParseOk;
using test::VaultText;

VaultLoadResult Parse(const std::string& text) {
  MasterVault vault;
  return ParseVaultText(text, vault);
}

// The record the single block reads into.
VaultItem ReadOne(const ItemBlock& block) {
  const MasterVault vault = ParseOk(VaultText({block}));
  EXPECT_EQ(vault.Size(), 1u);
  return vault.Size() == 1 ? vault.Items()[0] : VaultItem{};
}

template <typename Change>
VaultItem ReadChanged(Change change) {
  ItemBlock block;
  change(block);
  return ReadOne(block);
}

void ExpectFailure(const VaultLoadResult& result, int exitCode, const std::string& message) {
  EXPECT_EQ(result.ExitCode, exitCode);
  EXPECT_EQ(result.Message, message);
}

TEST(VaultReader, HeaderLinesDecideTheExitCode) {
  const std::string block = ItemBlock{}.Text();
  ExpectFailure(Parse(""), 200, "Invalid vault file, please re-download");
  ExpectFailure(Parse("~V\r\nVault Version:1\r\n\r\n1\r\n"), 200, "Invalid vault file, please re-download");
  ExpectFailure(Parse(" ~v\r\nVault Version:1\r\n\r\n1\r\n"), 200, "Invalid vault file, please re-download");
  ExpectFailure(Parse("~v\r\nVault Version:2\r\n\r\n1\r\n" + block), 201,
                "Unknown vault version, please update Kitwright");
  ExpectFailure(Parse("~v\r\nvault version:1\r\n\r\n1\r\n" + block), 201,
                "Unknown vault version, please update Kitwright");
  ExpectFailure(Parse("~v\r\nVault Version:1\r\n"), 202, "Invalid vault file, please re-download");
  for (const char* count : {"0", "abc", " ", "-3", "1000001", "2147483648", "1 "}) {
    SCOPED_TRACE(count);
    ExpectFailure(Parse(VaultText({ItemBlock{}}, count)), 202, "Invalid vault file, please re-download");
  }

  ExpectFailure(Parse("~v\r\nVault Version:1\r\nVault Date:1/27/2018\r\n\r\n" + block), 202,
                "Invalid vault file, please re-download");
  EXPECT_TRUE(Parse(VaultText({ItemBlock{}}, " 1")).Ok()) << "leading blanks";
  EXPECT_EQ(ParseOk(VaultText({ItemBlock{}}, "$2")).Size(), 2u) << "hexadecimal";
}

TEST(VaultReader, NumberFieldsThatAreNotIntegersStopTheLoad) {
  auto failureOf = [](auto change) {
    ItemBlock good;
    ItemBlock bad;
    bad.idLine = "~1";
    bad.name = "Second";
    change(bad);
    MasterVault vault;
    const VaultLoadResult result = ParseVaultText(VaultText({good, bad, ItemBlock{}}), vault);
    EXPECT_EQ(result.ExitCode, 202);
    EXPECT_GE(vault.Size(), 1u);
    if (vault.Size() > 0) {
      EXPECT_EQ(vault.Items()[0].Name, "Test Item") << "the records parsed so far stay";
    }
    return result.Message;
  };
  EXPECT_EQ(failureOf([](ItemBlock& b) { b.idLine = "~abc"; }), "'abc' is not a valid integer value");
  EXPECT_EQ(failureOf([](ItemBlock& b) { b.level = "50 "; }), "'50 ' is not a valid integer value");
  EXPECT_EQ(failureOf([](ItemBlock& b) { b.classes = "1x" + std::string(45, '0'); }),
            "'x' is not a valid integer value");
  EXPECT_EQ(failureOf([](ItemBlock& b) { b.classes = "0"; }), "'' is not a valid integer value")
      << "a class line shorter than 47 digits";
  EXPECT_EQ(failureOf([](ItemBlock& b) { b.bonusLevel = "MB:x5"; }), "'x5' is not a valid integer value");
  EXPECT_EQ(failureOf([](ItemBlock& b) { b.stats = {"Strength|1o"}; }), "'1o' is not a valid integer value");
  EXPECT_EQ(failureOf([](ItemBlock& b) { b.procCount = "one"; }), "'one' is not a valid integer value");
  EXPECT_EQ(failureOf([](ItemBlock& b) { b.procs = {"Stun|N:"}; }), "'' is not a valid integer value");
}

TEST(VaultReader, IdNameAndLevelLines) {
  EXPECT_EQ(ReadChanged([](ItemBlock& b) { b.idLine = "~ 12"; }).Id, 12);
  EXPECT_EQ(ReadChanged([](ItemBlock& b) { b.idLine = "~-7"; }).Id, -7);
  EXPECT_EQ(ReadChanged([](ItemBlock& b) { b.idLine = "~12345678901"; }).Id, 1234567890)
      << "characters 2..11 of the line";

  EXPECT_EQ(ReadChanged([](ItemBlock& b) { b.name = std::string(199, 'n') + "XYZ"; }).Name,
            std::string(199, 'n') + "X");
  EXPECT_EQ(ReadChanged([](ItemBlock& b) { b.name = ""; }).Name, "") << "not the reset name";
  EXPECT_EQ(ReadChanged([](ItemBlock& b) { b.name = "Sword ~ of Ages"; }).Name, "Sword ~ of Ages")
      << "a \"~\" inside a block is not a new block";
}

TEST(VaultReader, RealmQualitySlotAbsorbAndSpeedLines) {
  for (const auto& [letter, realm] : {std::pair{"M", 2}, {"U", 3}, {"a", 3}, {"AH", 3}})
    EXPECT_EQ(ReadChanged([&](ItemBlock& b) { b.realm = letter; }).Realm, realm) << "\"" << letter << "\"";

  EXPECT_EQ(ReadChanged([](ItemBlock& b) { b.quality = "100"; }).Quality, 30);
  EXPECT_EQ(ReadChanged([](ItemBlock& b) { b.quality = "n/a"; }).Quality, 31);
  EXPECT_EQ(ReadChanged([](ItemBlock& b) { b.quality = "69"; }).Quality, 65535);
  EXPECT_EQ(ReadChanged([](ItemBlock& b) { b.slot = "two hand"; }).Slot, 15);
  EXPECT_EQ(ReadChanged([](ItemBlock& b) { b.slot = "Pocket"; }).Slot, 65535);
  EXPECT_EQ(ReadChanged([](ItemBlock& b) { b.absorb = "34% (Plate)"; }).Absorb, 5);
  EXPECT_EQ(ReadChanged([](ItemBlock& b) { b.absorb = "34%"; }).Absorb, 65535);
  EXPECT_EQ(ReadChanged([](ItemBlock& b) { b.speed = "3.7"; }).Speed, 23);
  EXPECT_EQ(ReadChanged([](ItemBlock& b) { b.speed = "other"; }).Speed, 47);
  EXPECT_EQ(ReadChanged([](ItemBlock& b) { b.speed = "6.1"; }).Speed, 65535);

  const MasterVault vault = ParseOk(VaultText({ItemBlock{}}));
  EXPECT_EQ(vault.Vocabularies().ItemTypes.List().Size(), 19) << "fixed lists never grow, nor do known names";
}

TEST(VaultReader, ServerLettersOnlyEverSetFlags) {
  auto servers = [](const char* letters) {
    const VaultItem item = ReadChanged([&](ItemBlock& b) { b.servers = letters; });
    std::string set;
    if (item.ServerNormal) set += 'N';
    if (item.ServerCoop) set += 'C';
    if (item.ServerPvP) set += 'P';
    if (item.ServerClassic) set += 'B';
    if (item.ServerOrigins) set += 'O';
    if (item.ServerYwaine) set += 'Y';
    if (item.ServerRealmFree) set += 'R';
    return set;
  };
  const std::pair<const char*, const char*> cases[] = {{"NC", "NCYR"}, {"X", ""},  {"P", "PR"},           {"B", "BY"},
                                                       {"O", "O"},     {"Y", "Y"}, {"RYOBPCN", "NCPBOYR"}, {"nc", ""}};
  for (const auto& [letters, flags] : cases) EXPECT_EQ(servers(letters), flags) << "\"" << letters << "\"";
}

TEST(VaultReader, ClassVerificationAndBonusLevelLines) {
  VaultItem item = ReadChanged([](ItemBlock& b) { b.classes = "1" + std::string(44, '0') + "79"; });
  EXPECT_EQ(item.ClassUsable[0], 1);
  EXPECT_EQ(item.ClassUsable[1], 0);
  EXPECT_EQ(item.ClassUsable[45], 7);
  EXPECT_EQ(item.ClassUsable[46], 9);

  item = ReadChanged([](ItemBlock& b) { b.verification = "R"; });
  EXPECT_EQ(item.Verified, 0);
  EXPECT_EQ(item.Researched, 1);
  for (const char* other : {"VR", "v"}) {
    item = ReadChanged([&](ItemBlock& b) { b.verification = other; });
    EXPECT_EQ(item.Verified + item.Researched, 0) << other;
  }

  const struct {
    const char* line;
    int manual;
    int level;
  } bonusLevels[] = {{"ABLV", 0, 0}, {"MB:100", 1, 10}, {"Old MB:5", 1, 5}};
  for (const auto& [line, manual, level] : bonusLevels) {
    item = ReadChanged([&](ItemBlock& b) { b.bonusLevel = line; });
    EXPECT_EQ(item.BonusLevelManual, manual) << line;
    EXPECT_EQ(item.BonusLevel, level) << line << ": the two characters after the first colon";
  }
}

TEST(VaultReader, SourceAndNotesLines) {
  ItemBlock first;
  first.source = "Forum Post";
  ItemBlock second;
  second.source = "FORUM POST";
  ItemBlock third;
  third.source = "";
  const MasterVault vault = ParseOk(VaultText({first, second, third}));
  const TwinnedVocabulary& sources = vault.Vocabularies().Sources;
  EXPECT_EQ(vault.Items()[0].Source, 12);
  EXPECT_EQ(vault.Items()[1].Source, 12) << "found again in other letter case";
  EXPECT_EQ(vault.Items()[2].Source, 10);
  EXPECT_EQ(sources.List().Size(), 13) << "an empty source is never appended";
  EXPECT_EQ(sources.List().TextOf(12), "Forum Post");
  EXPECT_EQ(sources.Filter().TextOf(13), "Forum Post");
  EXPECT_EQ(sources.Filter().Size(), 14);

  EXPECT_EQ(ReadChanged([](ItemBlock& b) { b.notes = "="; }).Notes, "");
  EXPECT_EQ(ReadChanged([](ItemBlock& b) { b.notes = "= "; }).Notes, "= ");
  EXPECT_EQ(ReadChanged([](ItemBlock& b) { b.notes = std::string(250, 'q'); }).Notes, std::string(200, 'q'));
}

TEST(VaultReader, GrowingVocabulariesAppendUnknownNamesToBothTwins) {
  ItemBlock first;
  first.itemType = "Raid Drop";
  first.weaponType = "Whip";
  first.procs = {"Sparkles|E:5"};
  ItemBlock second;
  second.itemType = "raid drop";
  second.weaponType = "whip";
  second.procs = {"sparkles|N:1"};
  ItemBlock third;
  third.itemType = "";
  const MasterVault vault = ParseOk(VaultText({first, second, third}));
  const ItemVocabularies& vocab = vault.Vocabularies();

  EXPECT_EQ(vault.Items()[0].ItemType, 19);
  EXPECT_EQ(vault.Items()[1].ItemType, 19);
  EXPECT_EQ(vocab.ItemTypes.Filter().TextOf(20), "Raid Drop");
  EXPECT_EQ(vault.Items()[2].ItemType, 20) << "an empty item type is a new entry too";
  EXPECT_EQ(vocab.ItemTypes.List().TextOf(20), "");
  EXPECT_EQ(vocab.ItemTypes.Filter().Size(), 22);

  EXPECT_EQ(vault.Items()[0].WeaponType, 31);
  EXPECT_EQ(vault.Items()[1].WeaponType, 31);
  EXPECT_EQ(vocab.WeaponTypes.Filter().TextOf(31), "Whip");
  EXPECT_EQ(vocab.WeaponTypes.Filter().Size(), 32);

  EXPECT_EQ(vault.Items()[0].ProcEffects[0], 133);
  EXPECT_EQ(vault.Items()[1].ProcEffects[0], 133);
  EXPECT_EQ(vocab.Effects.List().Size(), 134);
  EXPECT_EQ(vocab.Effects.Filter().TextOf(134), "Sparkles");
}

TEST(VaultReader, StatLines) {
  VaultItem item = ReadChanged([](ItemBlock& b) {
    b.stats = {"Strength|15",    "Crush Skill|5",  "Crush Skill |6", "Strength|123456", "Nonsense|3",
               "strength|-20",   "Power Pool %|4", "Hit Points|+40", "Style Damage Vs. |2"};
  });
  const std::pair<StatId, std::int32_t> expected[] = {{1, 15},  {65535, 5}, {29, 6},  {1, 12345}, {65535, 3},
                                                      {1, -20}, {145, 4},   {10, 40}, {193, 2},   {0, 0}};
  for (int n = 0; n < kBonusSlots; ++n) {
    EXPECT_EQ(item.StatIds[n], expected[n].first) << "slot " << n + 1;
    EXPECT_EQ(item.StatValues[n], expected[n].second) << "slot " << n + 1;
  }
  item = ReadChanged([](ItemBlock& b) { b.stats = {"Strength|0x1F"}; });
  EXPECT_EQ(item.StatValues[0], 31);
}

TEST(VaultReader, ProcLines) {
  VaultItem item = ReadChanged([](ItemBlock& b) { b.procs = {"Lifedrain|R:120", "Haste|M:70000"}; });
  EXPECT_EQ(item.ProcKinds[0], 2);
  EXPECT_EQ(item.ProcEffects[0], 78);
  EXPECT_EQ(item.ProcAmounts[0], 120);
  EXPECT_EQ(item.ProcKinds[1], 6);
  EXPECT_EQ(item.ProcEffects[1], 65);
  EXPECT_EQ(item.ProcAmounts[1], 70000 & 0xFFFF) << "stored in 16 bits";

  const std::pair<const char*, int> kinds[] = {{"Stun|N:1", 1}, {"Stun|S:1", 5}, {"Stun|X:1", 0}};
  for (const auto& [line, kind] : kinds)
    EXPECT_EQ(ReadChanged([&](ItemBlock& b) { b.procs = {line}; }).ProcKinds[0], kind) << line;
  item = ReadChanged([](ItemBlock& b) { b.procs = {"Stun|N:12345|M:"}; });
  EXPECT_EQ(item.ProcKinds[0], 6) << "each present marker overwrites the kind, in N R C E S M order";
  EXPECT_EQ(item.ProcEffects[0], 125);
  EXPECT_EQ(item.ProcAmounts[0], 12345) << "five characters from the third after the first \"|\"";
}

TEST(VaultReader, CountLinesAndBlocksThatDoNotAgree) {
  ItemBlock only;
  only.name = "Only";
  MasterVault vault = ParseOk(VaultText({only}, "3"));
  ASSERT_EQ(vault.Size(), 3u);
  EXPECT_EQ(vault.Items()[0].Name, "Only");
  EXPECT_EQ(vault.Items()[1], VaultItem{}) << "a record no block filled is all zero";
  EXPECT_EQ(vault.Items()[2].Id, 0);
  EXPECT_EQ(vault.Items()[2].Name, "");

  // A count no text of this length could hold is damage, not a million empty records.
  MasterVault tiny;
  ExpectFailure(ParseVaultText(VaultText({only}, "1000000"), tiny), 202, "Invalid vault file, please re-download");

  ItemBlock a, b, c;
  a.name = "A";
  b.name = "B";
  c.name = "C";
  vault = ParseOk(VaultText({a, b, c}, "1"));
  ASSERT_EQ(vault.Size(), 3u) << "extra blocks are kept";
  EXPECT_EQ(vault.Items()[2].Name, "C");

  ItemBlock many;
  many.stats = {"Strength|1", "Strength|2", "Strength|3", "Strength|4", "Strength|5", "Strength|6",
                "Strength|7", "Strength|8", "Strength|9", "Piety|10",   "Crazy|abc",  "~ not a block"};
  many.procs = {"Stun|N:1", "Snare|R:2", "Brand New Effect|C:zz"};
  ItemBlock next;
  next.name = "Next";
  next.stats = {"Dexterity|4"};
  vault = ParseOk(VaultText({many, next}));
  ASSERT_EQ(vault.Size(), 2u);
  EXPECT_EQ(vault.Items()[0].StatIds[9], 5);
  EXPECT_EQ(vault.Items()[0].StatValues[9], 10);
  EXPECT_EQ(vault.Items()[0].ProcEffects[1], 120);
  EXPECT_EQ(vault.Items()[1].Name, "Next") << "the lines past the record's slots are passed over";
  EXPECT_EQ(vault.Items()[1].StatIds[0], 3);
  EXPECT_EQ(vault.Vocabularies().Effects.List().Size(), 133) << "a passed-over proc line grows nothing";

  ItemBlock wrapped;
  wrapped.statCount = "257";  // modulo 256
  wrapped.stats = {"Strength|9"};
  EXPECT_EQ(ReadOne(wrapped).StatValues[0], 9);
}

TEST(VaultReader, BlocksStartAtAnyTildeLineFromLineTwoOn) {
  // Line 2 begins the scan: a "~" there starts a block whose name is the count line.
  ItemBlock rest;
  std::string blockLines = rest.Text();
  blockLines = blockLines.substr(blockLines.find("Test Item\r\n") + 11);  // the lines after the name
  const std::string text = "~v\r\nVault Version:1\r\n~3\r\n1\r\n" + blockLines;
  MasterVault vault = ParseOk(text);
  ASSERT_EQ(vault.Size(), 1u);
  EXPECT_EQ(vault.Items()[0].Id, 3);
  EXPECT_EQ(vault.Items()[0].Name, "1");

  // Lines without "~" between blocks are skipped, however many.
  ItemBlock second;
  second.idLine = "~9";
  std::string spaced = VaultText({ItemBlock{}});
  spaced += "\r\nnoise\r\n12\r\n\r\n" + second.Text();
  vault = ParseOk(spaced);
  ASSERT_EQ(vault.Size(), 2u);
  EXPECT_EQ(vault.Items()[1].Id, 9);
}

TEST(VaultReader, LinesEndAtCrLfOrALoneCrOrALoneLf) {
  ItemBlock one, two;
  one.name = "First";
  one.stats = {"Strength|5"};
  two.name = "Second";
  two.procs = {"Lifedrain|R:120"};
  const std::string crlf = VaultText({one, two});
  const MasterVault expected = ParseOk(crlf);
  ASSERT_EQ(expected.Size(), 2u);

  auto replaced = [&](std::string_view by, bool alternate) {
    std::string text;
    bool useBy = true;
    for (std::size_t i = 0; i < crlf.size(); ++i) {
      if (crlf.compare(i, 2, "\r\n") == 0) {
        text += (useBy || !alternate) ? std::string(by) : std::string("\r\n");
        useBy = !useBy;
        ++i;
      } else {
        text += crlf[i];
      }
    }
    return text;
  };
  const std::pair<const char*, bool> variants[] = {{"\r", false}, {"\n", false}, {"\r", true}, {"\n", true}};
  for (const auto& [by, alternate] : variants) {
    const MasterVault vault = ParseOk(replaced(by, alternate));
    EXPECT_EQ(vault.Items(), expected.Items()) << (by[0] == '\r' ? "CR" : "LF") << (alternate ? " mixed" : "");
  }
  EXPECT_EQ(ParseOk(crlf.substr(0, crlf.size() - 2)).Items(), expected.Items()) << "no end after the last line";
}

// The labels come every 500 items and once more with the total, even past the
// blocks read. The percent is the integer part of k / N x 100: with N = 25000,
// k = 14500 that is exactly 58; computed in binary floating point it comes out as 57.
TEST(VaultReader, ProgressEveryFiveHundredItemsThenTheTotalWithTheExactPercent) {
  std::string text = VaultText({ItemBlock{}}, "25000");
  const std::string block = ItemBlock{}.Text();
  for (int k = 1; k <= 14500; ++k) text += block;
  test::RecordingProgress progress;
  MasterVault vault;
  ASSERT_TRUE(ParseVaultText(text, vault, &progress).Ok());
  ASSERT_EQ(progress.items.size(), 31u);
  EXPECT_EQ(progress.items[0].label, "Reading items : <0 / 25000>");
  EXPECT_EQ(progress.items[29].label, "Reading items : <14500 / 25000>");
  EXPECT_EQ(progress.items[29].percent, 58);
  for (std::size_t i = 0; i + 1 < progress.items.size(); ++i)
    EXPECT_EQ(progress.items[i].percent, static_cast<int>(i * 500 * 100 / 25000)) << "k = " << i * 500;
  EXPECT_EQ(progress.items[30].label, "Reading items : <25000 / 25000>");
  EXPECT_EQ(progress.items[30].percent, 100);
  EXPECT_EQ(std::count(progress.events.begin(), progress.events.end(), "finish"), 0)
      << "parsing alone does not close the splash window";
}

TEST(MasterVault, GetAndPutVaultItemByPosition) {
  ItemBlock a, b, c;
  a.name = "A";
  b.name = "B";
  c.name = "C";
  MasterVault vault = ParseOk(VaultText({a, b, c}));
  platform::testing::RecordingMessageBox messages;

  EXPECT_EQ(vault.GetVaultItem(1, messages).Name, "B");
  EXPECT_TRUE(messages.notices.empty());
  for (long long outside : {3LL, 100LL, -1LL}) {
    EXPECT_EQ(vault.GetVaultItem(outside, messages), ResetVaultItem()) << outside;
    EXPECT_FALSE(vault.Find(outside).has_value()) << outside;
  }
  ASSERT_EQ(messages.notices.size(), 3u);
  EXPECT_EQ(messages.notices[0].text, "Read past end of vault.");

  VaultItem item = ResetVaultItem();
  item.Name = "Put";
  EXPECT_EQ(vault.PutVaultItem(5, item), 3u) << "past the end appends";
  EXPECT_EQ(vault.Size(), 4u);
  EXPECT_EQ(vault.Items()[3].Name, "Put");
  EXPECT_EQ(vault.PutVaultItem(-2, item), 4u) << "a negative position appends";
  item.Name = "Over";
  EXPECT_EQ(vault.PutVaultItem(0, item), 0u);
  EXPECT_EQ(vault.Size(), 5u);
  EXPECT_EQ(vault.GetVaultItem(0, messages), item);
  EXPECT_EQ(vault.Find(1)->Name, "B");
}

}  // namespace
}  // namespace davoruzivi
