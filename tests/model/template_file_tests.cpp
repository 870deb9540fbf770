// Template files: the text the writer produces, the reader in Load and Import
// mode with its result codes and messages, and the import merge.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "core/zlib_stream.h"
#include "itemdb/itemdb.h"
#include "model/test_support.h"
#include "platform/testing/recording_message_box.h"
#include "template/template.h"

namespace davoruzivi {
namespace {

using platform::testing::RecordingMessageBox;
using Lines = std::vector<std::string>;

std::string Join(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

Lines Split(const std::string& text) {
  Lines lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

Lines Header(const std::string& cls = "(Alb) Armsman", const std::string& server = "Normal",
             const std::string& first = "~Kitwright Template v2") {
  return {first, "~Vault version :1", " ", cls, server, " "};
}

Lines EmptySections(int from = 0) {
  Lines lines;
  for (int k = from; k < 17; ++k) lines.insert(lines.end(), {"~" + std::to_string(k), "~V", "/", "~I", "/", "~C", "/"});
  return lines;
}

Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class TemplateFiles : public ::testing::Test {
 protected:
  int Read(const Lines& lines, TemplateReadMode mode = TemplateReadMode::Load) {
    return ReadTemplateText(Join(lines), "t.kwt", mode, model_, vocabularies_, messages_);
  }
  std::string LastMessage() const { return messages_.notices.empty() ? "" : messages_.notices.back().text; }

  ItemVocabularies vocabularies_;
  RecordingMessageBox messages_;
  Template model_;
};

TEST_F(TemplateFiles, AnEmptyTemplateWritesHeaderSectionsAndTrailer) {
  model_.ClassIndex = 0;
  model_.ServerIndex = 0;
  EXPECT_EQ(WriteTemplateText(model_, vocabularies_),
            Join(Header() + EmptySections() + Lines{"~config", "0", "-1", "/", "~~"}));
}

TEST_F(TemplateFiles, ARichTemplateReadsBackAsItWasWritten) {
  Template rich;
  rich.ClassIndex = 2;
  rich.ServerIndex = 5;
  rich.ListsOf(0).VaultIds = {12, 3, 12};
  InlineItem worn;
  worn.Name = "Worn Necklace";
  worn.StatIds = {1, 11, 0, 0, 0, 0, 0, 0, 0, 253};
  worn.StatValues = {15, -3, 0, 0, 0, 0, 0, 0, 0, 7};
  worn.ProcKinds = {1, 4};
  worn.ProcEffects = {46, 132};
  worn.ProcAmounts = {150, 5000};
  rich.ListsOf(1).InlineItems = {worn, InlineItem{}};
  CraftedItem vest{1, std::string_view("Crafted Vest"), 4, 51, 2, 3, std::string_view("Some Proc"),
                   std::string_view("spare"), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2, 3, 4, 5, 6, 7, 8, 9, -10},
                   {0, 1, 2, 9}};
  rich.ListsOf(6).CraftedItems = {vest};
  Configuration first = NewConfiguration("Briton");
  first.Slots[0] = "v2";
  first.Slots[8] = "c0";
  Configuration second = first;
  second.Name = "Second";
  second.Level = 38;
  second.RealmRank = 12;
  second.WeaponsEquipped = 3;
  second.Spec = {1, 2, 3, 4, 5, 6, 7, 38};
  rich.Configurations = {first, second};
  rich.CurrentConfiguration = 1;
  rich.Notes = {"first note", "", "  third  "};

  ASSERT_EQ(Read(Split(WriteTemplateText(rich, vocabularies_))), template_read::Ok);
  EXPECT_EQ(std::tuple(model_.ClassIndex, model_.ServerIndex, model_.CurrentConfiguration), std::tuple(2, 5, 1));
  EXPECT_EQ(model_.Equip.Slots, rich.Equip.Slots);
  EXPECT_EQ(model_.Configurations, rich.Configurations);
  EXPECT_EQ(model_.Notes, rich.Notes);
  EXPECT_EQ(LastMessage(), "Template loaded successfully : \n\rt.kwt");
}

TEST_F(TemplateFiles, CraftedBlocksHold32LinesInVersion2And24InVersion1) {
  Template one;
  one.ListsOf(6).CraftedItems.resize(1);
  const Lines written = Split(WriteTemplateText(one, vocabularies_));
  const auto open = std::find(written.begin(), written.end(), "~6") + 5;  // "~C"
  EXPECT_EQ(*open, "~C");
  EXPECT_EQ(*(open + 33), "/");

  const Lines block = {"Old Vest", "Manual", "3", "45", "0", "0", "", "", "Strength", "5", "Dexterity", "6",
                       "Quickness", "7", "Piety", "8", "Charisma", "9", "Empathy", "x", "1", "2", "3", "y"};
  ASSERT_EQ(Read(Header("(Alb) Armsman", "Normal", "~Kitwright Template v1") + Lines{"~6", "~C"} + block +
                 Lines{"/"} + EmptySections(7) + Lines{"~config", "0", "-1", "/", "~~"}),
            template_read::Ok);
  ASSERT_EQ(model_.ListsOf(6).CraftedItems.size(), 1u);
  const CraftedItem& item = model_.ListsOf(6).CraftedItems[0];
  EXPECT_EQ(item.ItemLevel, 45);
  EXPECT_EQ(item.StatValues[4], 9);
  EXPECT_EQ(item.StatValues[5], 0);  // "x" reads as 0
  for (int j = 6; j < 10; ++j) EXPECT_EQ(item.StatIds[static_cast<std::size_t>(j)], 0);
  EXPECT_EQ(item.GemTiers, (std::array<std::uint16_t, 4>{1, 2, 3, 0}));
  EXPECT_TRUE(model_.ListsOf(7).CraftedItems.empty());
}

TEST_F(TemplateFiles, FilesThatCannotBeReadGiveTheirCodesAndMessages) {
  test::TemporaryFolder folder;
  const auto write = [&](const std::string& name, const Lines& lines) {
    test::WriteBytes(folder / name, Deflate(Join(lines)));
    return folder / name;
  };
  const auto read = [&](const std::filesystem::path& path) {
    return ReadTemplateFile(path, TemplateReadMode::Load, model_, vocabularies_, messages_);
  };
  EXPECT_EQ(read(write("a.txt", Header())), template_read::BadExtension);
  EXPECT_EQ(LastMessage(), "File chosen has an invalid file extension : Please choose a .KWT file to load.\n\ra.txt");
  EXPECT_EQ(read(write("a.KWT", Header())), template_read::Ok);  // the extension in any letter case
  EXPECT_EQ(read(folder / "none.kwt"), template_read::NotFound);
  EXPECT_EQ(LastMessage(), "File chosen was not found : \n\r" + (folder / "none.kwt").string());
  EXPECT_EQ(read(write("v3.kwt", Header("c", "s", "~Kitwright Template v3"))), template_read::UnknownFormat);
  EXPECT_EQ(LastMessage(), "This template's format is not recognized : \n\rv3.kwt\n\r~Kitwright Template v3");
  EXPECT_EQ(read(write("other.kwt", {"hello", "~Vault version :1"})), template_read::NotATemplate);
  EXPECT_EQ(LastMessage(), "This does not appear to be a valid Kitwright template file : \n\rother.kwt");
  test::WriteBytes(folder / "plain.kwt", Join(Header()));
  EXPECT_EQ(read(folder / "plain.kwt"), template_read::NotATemplate);
  EXPECT_EQ(LastMessage(), "This does not appear to be a valid Kitwright template file : \n\rplain.kwt");
  EXPECT_EQ(read(write("vault2.kwt", {"~Kitwright Template v2", "~Vault version :2"})),
            template_read::IncompatibleVault);
  EXPECT_EQ(LastMessage(), "An incompatible vault format was used to create this template : \n\rvault2.kwt");
}

TEST_F(TemplateFiles, ATextPastTheSizeLimitIsNamedAsTooLarge) {
  test::TemporaryFolder folder;
  test::WriteBytes(folder / "huge.kwt", Deflate(std::string(kMaxInflatedSize + 1, ' ')));
  EXPECT_EQ(ReadTemplateFile(folder / "huge.kwt", TemplateReadMode::Load, model_, vocabularies_, messages_),
            template_read::NotATemplate);
  EXPECT_EQ(LastMessage(), "This template file is too large : its text passes 256 MiB, the most a template may hold : "
                           "\n\rhuge.kwt");
}

TEST_F(TemplateFiles, ImportChecksClassAndServerType) {
  const Lines trailer = EmptySections() + Lines{"~config", "0", "-1", "/", "~~"};
  const auto import = [&](const std::string& cls, const std::string& server, int openServer) {
    model_ = Template{};
    model_.ClassIndex = 0;
    model_.ServerIndex = openServer;
    return Read(Header(cls, server) + trailer, TemplateReadMode::Import);
  };
  EXPECT_EQ(import("(Alb) Cleric", "Normal", 0), template_read::OtherClass);
  EXPECT_EQ(LastMessage(), "Import aborted. This template is not specifically designed for this character class.");
  EXPECT_EQ(import("(Alb) Armsman", "Unheard", 0), template_read::UnknownServerType);
  EXPECT_EQ(LastMessage(), "Import aborted. Unrecognized server type in template.");
  EXPECT_EQ(import("(Alb) Armsman", "Classic", 0), template_read::OtherServerType);
  EXPECT_EQ(LastMessage(),
            "Import aborted. The template being imported is not specifically for your server type (Classic).");
  EXPECT_EQ(import("(Alb) Armsman", "Ywaine", 5), template_read::Ok);
  model_ = Template{};
  EXPECT_EQ(Read(Header("(Alb) Armsman", "Ywaine") + trailer), template_read::Ok);
  EXPECT_EQ(model_.ServerIndex, 5);
}

TEST_F(TemplateFiles, DamagedTextsEndTheReadWithCode9) {
  const Lines tail = Lines{"~config", "1", "0", "/"};
  const Lines good = Header() + EmptySections() + tail + Lines{"C", "50", "10", "0", "<None>", "0"} +
                     Lines(8, "1") + Lines(19, "e0") + Lines{"/", "~~"};
  ASSERT_EQ(Read(good), template_read::Ok);
  const auto damaged = [&](Lines lines, std::size_t at, const Lines& with, std::size_t remove = 1) {
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at), lines.begin() + static_cast<std::ptrdiff_t>(at + remove));
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), with.begin(), with.end());
    return lines;
  };
  const std::size_t config0 = 6 + 119 + 4;
  const std::vector<Lines> cases = {
      damaged(good, 7, {"~V", "abc"}),                 // a vault position that is no number
      damaged(good, 6, {"~17"}),                       // no slot kind 17
      damaged(good, good.size() - 1, {}),              // no "~~"
      damaged(good, 126, {"1001"}),                    // too many configurations
      damaged(good, 126, {"-1"}),
      damaged(good, 127, {"x"}),                       // the current index
      damaged(good, config0 + 1, {"fifty"}),           // a level
      damaged(good, config0 + 14, {"vX"}),             // a reference without a number
      Header() + Lines{"~0", "~I", "Cut Item", "Strength"},  // the file ends inside an item
      Header() + Lines{"~0", "~V", "5"},
      damaged(good, 12, {"Crafted", "Manual", "x"}, 0),   // a crafted absorption
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    model_ = Template{};
    EXPECT_EQ(Read(cases[i]), template_read::Damaged) << "case " << i;
    EXPECT_EQ(LastMessage().rfind("This template file is damaged : \n\rt.kwt", 0), 0u) << LastMessage();
  }

  model_ = Template{};
  model_.ClassIndex = 0;
  model_.ServerIndex = 0;
  model_.Configurations.resize(1000);
  EXPECT_EQ(Read(good, TemplateReadMode::Import), template_read::Damaged);
}

TEST_F(TemplateFiles, LoadWithoutConfigurationsAddsACurrentBlankOne) {
  ASSERT_EQ(Read(Header() + Lines{"~4", "~V", "7", "/"}), template_read::Ok);
  EXPECT_EQ(LastMessage(), "The specified KWT file lacked a configuration section, a blank configuration will be "
                           "created to use the items found");
  ASSERT_EQ(model_.Configurations.size(), 1u);
  EXPECT_EQ(model_.CurrentConfiguration, 0);
  EXPECT_EQ(model_.ListsOf(4).VaultIds, std::vector<std::int32_t>{7});

  model_ = Template{};
  const Lines config = Lines{"C", "50", "10", "0", "<None>", "0"} + Lines(8, "1") + Lines(19, "e0") + Lines{"/"};
  ASSERT_EQ(Read(Header() + Lines{"~config", "2", "7", "/"} + config + config + Lines{"~~"}), template_read::Ok);
  EXPECT_EQ(model_.CurrentConfiguration, 0);  // the index 7 is out of range
}

TEST_F(TemplateFiles, ImportShiftsReferencesAppendsNotesAndDropsDuplicateVaultEntries) {
  model_.ClassIndex = 0;
  model_.ServerIndex = 0;
  model_.ListsOf(4).VaultIds = {12, 7};
  model_.ListsOf(6).InlineItems.resize(1);
  model_.Configurations = {NewConfiguration("<None>")};
  model_.Configurations[0].Slots[4] = "v1";
  model_.CurrentConfiguration = 0;
  model_.Notes = {"mine"};

  Template other;
  other.ClassIndex = 0;
  other.ServerIndex = 0;
  other.ListsOf(4).VaultIds = {12, 30};
  other.ListsOf(6).InlineItems.resize(1);
  other.ListsOf(6).InlineItems[0].Name = "Imported";
  other.Configurations = {NewConfiguration("<None>")};
  other.Configurations[0].Slots[4] = "v0";
  other.Configurations[0].Slots[5] = "v1";
  other.Configurations[0].Slots[8] = "i0";
  other.CurrentConfiguration = 0;
  other.Notes = {"theirs"};

  ASSERT_EQ(Read(Split(WriteTemplateText(other, vocabularies_)), TemplateReadMode::Import), template_read::Ok);
  EXPECT_EQ(LastMessage(), "Template imported successfully : \n\rt.kwt");
  EXPECT_EQ(model_.ListsOf(4).VaultIds, (std::vector<std::int32_t>{12, 7, 30}));
  ASSERT_EQ(model_.Configurations.size(), 2u);
  EXPECT_EQ(model_.Configurations[0].Slots[4], "v1");
  const auto& slots = model_.Configurations[1].Slots;
  EXPECT_EQ(slots[4] + slots[5] + slots[8], "v0v2i1");
  EXPECT_EQ(model_.ListsOf(6).InlineItems[1].Name, "Imported");
  EXPECT_EQ(model_.CurrentConfiguration, 0);
  EXPECT_EQ(model_.Notes, (Lines{"mine", " ", "===============================================",
                                 "Notes imported from : t.kwt", " ", "theirs"}));
}

// Import merges the lists first, so each reference moves by the entries that
// were there before; later copies of a vault entry give way to the first.
TEST_F(TemplateFiles, ImportDropsLaterCopiesAndMovesEveryReferenceOnce) {
  model_.ClassIndex = model_.ServerIndex = 0;
  model_.ListsOf(4).VaultIds = {5, 5, 6};
  model_.Configurations = {NewConfiguration("<None>")};
  auto& mine = model_.Configurations[0].Slots;
  mine[4] = "v1", mine[5] = "v2", mine[6] = "v1", mine[8] = "v9";  // a wrist keeps its own list

  Template other;
  other.ClassIndex = other.ServerIndex = 0;
  other.ListsOf(4).VaultIds = {5, 7, 6};
  other.Configurations = {NewConfiguration("<None>")};
  auto& theirs = other.Configurations[0].Slots;
  theirs[4] = "v1", theirs[5] = "v2", theirs[8] = "v0";
  ASSERT_EQ(Read(Split(WriteTemplateText(other, vocabularies_)), TemplateReadMode::Import), template_read::Ok);

  EXPECT_EQ(model_.ListsOf(4).VaultIds, (std::vector<std::int32_t>{5, 6, 7}));  // from 5 5 6 5 7 6
  const auto& before = model_.Configurations[0].Slots;
  const auto& imported = model_.Configurations[1].Slots;
  EXPECT_EQ(std::tuple(before[4], before[5], before[6], before[8]), std::tuple("v0", "v1", "v1", "v9"));
  EXPECT_EQ(std::tuple(imported[4], imported[5], imported[8]), std::tuple("v2", "v1", "v0"));

  model_.Configurations[0].Slots[4] = "v7";  // past the list of three: moves down by the three removed
  other.Configurations[0].Slots[4] = "v0";
  ASSERT_EQ(Read(Split(WriteTemplateText(other, vocabularies_)), TemplateReadMode::Import), template_read::Ok);
  EXPECT_EQ(model_.ListsOf(4).VaultIds, (std::vector<std::int32_t>{5, 6, 7}));
  EXPECT_EQ(model_.Configurations[0].Slots[4], "v4");
  EXPECT_EQ(model_.Configurations[2].Slots[4], "v0");
}

TEST_F(TemplateFiles, AReferenceThatCannotMoveOrAListPastItsLimitDamagesTheFile) {
  model_.ClassIndex = model_.ServerIndex = 0;
  model_.ListsOf(4).VaultIds = {3};
  const Lines config = Lines{"C", "50", "0", "0", "<None>", "0"} + Lines(8, "0") + Lines(4, "e0") +
                       Lines{"v2147483647"} + Lines(14, "e0") + Lines{"/"};
  EXPECT_EQ(Read(Header() + Lines{"~config", "1", "0", "/"} + config + Lines{"~~"}, TemplateReadMode::Import),
            template_read::Damaged);
  EXPECT_NE(LastMessage().find("v2147483647"), std::string::npos) << LastMessage();
  model_ = Template{};
  EXPECT_EQ(Read(Header() + Lines{"~config", "1", "0", "/"} + config + Lines{"~~"}), template_read::Ok);  // Load keeps it

  const Lines fullList = Lines{"~2", "~V"} + Lines(kMaxListEntries, "1") + Lines{"/"};
  model_ = Template{};
  EXPECT_EQ(Read(Header() + fullList + Lines{"~~"}), template_read::Ok);
  EXPECT_EQ(model_.ListsOf(2).VaultIds.size(), kMaxListEntries);
  model_ = Template{};
  EXPECT_EQ(Read(Header() + Lines{"~2", "~V", "1", "/"} + fullList + Lines{"~~"}), template_read::Damaged);
  EXPECT_EQ(LastMessage(), "This template file is damaged : \n\rt.kwt\n\rAn item list holds more than 1000000 entries.");
}

TEST(TemplateFileNames, KwtIsAppendedUnlessTheNameHoldsItInLowerCase) {
  EXPECT_EQ(TemplateFileName("a.KWT"), "a.KWT.kwt");
  EXPECT_EQ(TemplateFileName("a.kwt"), "a.kwt");
}

}  // namespace
}  // namespace davoruzivi
