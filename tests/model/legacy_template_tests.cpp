// The older template files (".kwc" and ".kwy"): their records, the item
// placement against the master vault, and Load and Import of them.

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/byte_image.h"
#include "model/test_support.h"

namespace davoruzivi {
namespace {

namespace fs = std::filesystem;

std::span<std::uint8_t> Writable(std::string& bytes) {
  return {reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()};
}

LegacyItem Named(std::string_view name) {
  LegacyItem item = ResetLegacyItem();
  item.SetName(name);
  return item;
}

// A ".kwc" image: every slot a reset record (an empty slot).
struct Kwc {
  explicit Kwc(int classIndex, int server = 5, int level = 50) {
    ImageWriter w(Writable(bytes));
    w.Text(0, ShortString<41>("Old Config"));
    w.U8(42, static_cast<std::uint8_t>(level));
    w.U8(43, 5);
    w.U8(44, static_cast<std::uint8_t>(classIndex));
    w.U8(45, static_cast<std::uint8_t>(server));
    for (int s = 0; s < 19; ++s) Put(s, ResetLegacyItem());
  }
  void Put(int slot, const LegacyItem& item) {
    std::copy(item.Bytes().begin(), item.Bytes().end(), bytes.begin() + 48 + slot * 276);
  }
  std::string bytes = std::string(5296, '\0');
};

class LegacyTemplates : public test::WorkflowTest {
 protected:
  void SetUp() override {
    for (const auto& [name, slot] : {std::pair{"Zero Item", 7}, {"Ring of Tests", 5}, {"Sword of Tests", 13}}) {
      VaultItem item = ResetVaultItem();
      item.Name = name;
      item.Slot = static_cast<std::uint16_t>(slot);
      vault_.PutVaultItem(static_cast<long long>(vault_.Size()), item);
    }
    vault_.RebuildMasterList();
    workflow_.NewTemplate();
  }
  fs::path Write(const std::string& name, const std::string& bytes) {
    test::WriteBytes(folder_ / name, bytes);
    return folder_ / name;
  }
  const ItemSlot& Lists(int kind) const { return model_.ListsOf(kind); }
  const Configuration& Current() const { return *model_.Current(); }
};

// Without the champion flag a record below 50 has CL0, at 50 the new
// configuration's CL10; the flag gives CL15 at any level.
TEST_F(LegacyTemplates, TheChampionLevelFollowsTheLevelAndTheFlag) {
  const struct {
    int level, flag, championLevel;
  } cases[] = {{45, 0, 0}, {50, 0, 10}, {45, 1, 15}, {50, 1, 15}, {0, 0, 0}};
  for (const auto& c : cases) {
    Kwc kwc(0, 5, c.level);
    kwc.bytes[5293] = static_cast<char>(c.flag);
    ASSERT_TRUE(workflow_.Load(Write("cl.kwc", kwc.bytes)));
    EXPECT_EQ(Current().ChampionLevel, c.championLevel) << c.level << " flag " << c.flag;
  }
}

TEST_F(LegacyTemplates, LoadPlacesVaultInlineAndCraftedItems) {
  Kwc kwc(0, 5, 45);
  kwc.bytes[5292] = 2;
  kwc.bytes[5293] = 1;
  kwc.Put(4, Named("ring of TESTS"));
  kwc.Put(5, Named("Ring of Tests"));
  kwc.Put(0, Named("Zero Item"));
  LegacyItem helm = Named("Mystery Helm");
  helm.SetStat(0, 1);
  helm.SetAmount(0, 12);
  helm.SetProcKind(0, 1);
  helm.SetProcEffect(0, 1);  // "Direct Damage" in the legacy list of normal procs
  kwc.Put(9, helm);
  LegacyItem vest = Named("Crafted Vest");
  // Crafted, level 49, absorption 4; LegacyBonus 3 and FifthSlotBonus 9 share bytes with the procs.
  for (const auto& [at, value] : {std::pair{59, 1}, {55, 49}, {57, 4}, {168, 1}, {169, 3}, {170, 2}, {172, 9}})
    vest.Bytes()[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(value);
  for (int n = 0; n < 4; ++n) {
    vest.SetStat(n, static_cast<std::uint8_t>(n + 1));
    vest.SetAmount(n, 10 + n);
    vest.SetAmount(4 + n, 65536 + n);
  }
  vest.SetStat(8, 179);
  vest.SetAmount(8, 5);
  vest.SetStat(9, 179);
  vest.SetAmount(9, 6);
  kwc.Put(8, vest);
  LegacyItem sleeves = Named("Crafted Sleeves");
  sleeves.Bytes()[59] = 1;
  sleeves.Bytes()[56] = 2;
  kwc.Put(10, sleeves);
  kwc.Put(16, Named("Sword of Tests"));
  const fs::path path = Write("old.kwc", kwc.bytes);

  ASSERT_TRUE(workflow_.Load(path));
  EXPECT_TRUE(questions_.asked.empty());
  EXPECT_EQ(LastMessage(), "This template was converted from an older format. Please check items for accuracy.");
  ASSERT_EQ(model_.Configurations.size(), 1u);
  EXPECT_EQ(Current().Name, "Old Config");
  EXPECT_EQ(std::tuple(Current().Level, Current().ChampionLevel, Current().RealmRank, Current().WeaponsEquipped),
            std::tuple(45, 15, 4, 2));
  EXPECT_EQ(model_.FileName, path);
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Saved);
  EXPECT_EQ(workflow_.Recent().File(1), path.string());
  EXPECT_FALSE(workflow_.SaveAs());
  EXPECT_TRUE(model_.FileNameConfirmed);  // as it was before the cancelled dialog
  EXPECT_FALSE(workflow_.Save());  // a ".kwc" name is never written: the dialog asks
  EXPECT_EQ(files_.saved.size(), 2u);

  // Both rings, named in either letter case, share one vault entry; the jewel and helm become inline items.
  EXPECT_EQ(Lists(4).VaultIds, std::vector<std::int32_t>{1});
  EXPECT_EQ(Current().Slots[4] + Current().Slots[5] + Current().Slots[9], "v0v0i0");
  ASSERT_EQ(Lists(0).InlineItems.size(), 1u);
  EXPECT_EQ(Lists(0).InlineItems[0].Name, "Zero Item (RoG)");
  ASSERT_EQ(Lists(7).InlineItems.size(), 1u);
  const InlineItem& cap = Lists(7).InlineItems[0];
  EXPECT_EQ(cap.Name, "Mystery Helm (RoG)");
  EXPECT_EQ(cap.StatValues[0], 12);
  EXPECT_EQ(cap.ProcEffects[0], vault_.Vocabularies().Effects.IndexOf("Direct Damage"));

  ASSERT_EQ(Lists(6).CraftedItems.size(), 1u);
  EXPECT_EQ(Current().Slots[8], "c0");
  const CraftedItem& made = Lists(6).CraftedItems[0];
  EXPECT_EQ(made.ItemLevel + made.Absorption, 49 + 4);
  EXPECT_EQ(made.LegacyBonus, 3);
  EXPECT_EQ(made.FifthSlotBonus, 9);  // no effect translation in crafted records
  EXPECT_EQ(made.StatIds, (std::array<StatId, 10>{1, 2, 3, 4, 20, 179, 0, 0, 0, 0}));
  EXPECT_EQ(made.StatValues, (std::array<std::int32_t, 10>{10, 11, 12, 13, 5, 6, 0, 0, 0, 0}));
  EXPECT_EQ(made.GemTiers, (std::array<std::uint16_t, 4>{0, 1, 2, 3}));
  ASSERT_EQ(Lists(8).InlineItems.size(), 1u);
  EXPECT_EQ(Lists(8).InlineItems[0].Name, "Crafted Sleeves (RoG)");
  EXPECT_EQ(Lists(12).VaultIds, std::vector<std::int32_t>{2});
  EXPECT_EQ(Current().Slots[16], "e0");
  EXPECT_TRUE(Lists(14).VaultIds.empty());
}

TEST_F(LegacyTemplates, OldTemplatesConvertToTheNewerRecord) {
  std::string kwy(2922, '\0');
  ImageWriter w(Writable(kwy));
  w.Text(0, ShortString<20>("Old Kwy"));
  w.Text(28 + 1, ShortString<51>("Mystery Jewel"));  // slot 0, an inline item (byte 55 = 3)
  const std::size_t crafted = 28 + 8 * 160;          // slot 8, a crafted item
  w.Text(crafted + 1, ShortString<51>("Made Chest"));
  for (const auto& [at, value] : {std::pair<std::size_t, int>{21, 50}, {22, 1}, {23, 2}, {25, 14}, {26, 6}, {2908, 3},
                                 {2913, 2}, {28 + 55, 3}, {28 + 104, 2}, {28 + 116, 9}, {crafted, 1},
                                 {crafted + 53, 4}, {crafted + 54, 47}, {crafted + 58, 2}, {crafted + 157, 6}})
    w.U8(at, static_cast<std::uint8_t>(value));

  const auto convert = [&] { return ConvertOldTemplate(Writable(kwy).first<kOldTemplateSize>()); };
  const LegacyTemplate record = convert();
  EXPECT_EQ(record.ClassIndex, 25);
  EXPECT_EQ(ClassEntryText(record.ClassIndex), "(Hib) Mauler");
  const LegacyItem& chest = record.Slots[8];
  EXPECT_TRUE(chest.IsCrafted() && !chest.IsInline() && record.Slots[0].IsInline());
  EXPECT_EQ(chest.Name(), "Made Chest");
  EXPECT_EQ(std::tuple(chest.Absorption(), chest.ItemLevel(), chest.KindMarker(), chest.LegacyBonus()),
            std::tuple(4, 47, 2, 6));
  EXPECT_EQ(record.Slots[18].Name(), " ");
  for (const auto& [realm, number, mauler, expected] :
       {std::array{0, 13, 0, 1}, {1, 12, 0, 16}, {2, 14, 1, 6}, {2, 14, 3, 36}, {2, 14, 7, 14}, {5, 9, 0, 9}}) {
    w.U8(23, static_cast<std::uint8_t>(realm));
    w.U8(25, static_cast<std::uint8_t>(number));
    w.U8(2913, static_cast<std::uint8_t>(mauler));
    EXPECT_EQ(convert().ClassIndex, expected);
  }

  w.U8(23, 2);
  w.U8(25, 14);
  w.U8(2913, 2);
  ASSERT_TRUE(workflow_.Load(Write("old.kwy", kwy)));
  EXPECT_EQ(model_.ClassIndex, 25);
  EXPECT_EQ(Current().WeaponsEquipped, 3);
  EXPECT_EQ(Current().Slots[18], "e0");
  ASSERT_EQ(Lists(0).InlineItems.size(), 1u);
  EXPECT_EQ(Lists(0).InlineItems[0].Name, "Mystery Jewel (RoG)");
  ASSERT_EQ(Lists(6).InlineItems.size(), 1u);  // kind marker 2: taken as an inline item
  EXPECT_EQ(Lists(6).InlineItems[0].Name, "Made Chest (RoG)");
}

TEST_F(LegacyTemplates, OldServerTypesAreConvertedWhenTheUserSaysSo) {
  const fs::path coop = Write("coop.kwc", Kwc(0, 1).bytes);
  questions_.answers = {1};
  ASSERT_TRUE(workflow_.Load(coop));
  ASSERT_EQ(questions_.asked.size(), 1u);
  EXPECT_EQ(questions_.asked[0].message,
            "Would you like to convert from the old server types to the new Ywaine/Realm Free types?");
  EXPECT_EQ(questions_.asked[0].caption, "Convert Server Type?");
  EXPECT_EQ(questions_.asked[0].first, "&Convert");
  EXPECT_EQ(questions_.asked[0].second, "&Don't Convert");
  EXPECT_EQ(model_.ServerIndex, 6);
  questions_.answers = {2};
  ASSERT_TRUE(workflow_.Load(coop));
  EXPECT_EQ(model_.ServerIndex, 1);
}

TEST_F(LegacyTemplates, ImportAddsOneConfigurationOrChangesNothing) {
  workflow_.NewConfiguration();
  files_.choices = {folder_ / "base.kwt"};
  ASSERT_TRUE(workflow_.Save());
  const Template before = model_;
  const auto unchanged = [&] {
    EXPECT_EQ(model_.Configurations, before.Configurations);
    EXPECT_EQ(model_.Equip, before.Equip);
    EXPECT_EQ(workflow_.Status(), TemplateStatus::Saved);
  };
  EXPECT_FALSE(workflow_.Import(Write("cleric.kwc", Kwc(2).bytes)));
  EXPECT_EQ(LastMessage(), "Import aborted. This template is not specifically designed for this character class.");
  unchanged();
  EXPECT_FALSE(workflow_.Import(Write("origins.kwc", Kwc(0, 4).bytes)));
  EXPECT_EQ(LastMessage(),
            "Import aborted. The template being imported is not specifically for your server type (Origins).");
  unchanged();
  EXPECT_FALSE(workflow_.Import(Write("short.kwc", Kwc(0).bytes.substr(0, 5295))));
  EXPECT_NE(LastMessage().find("short.kwc"), std::string::npos);
  unchanged();

  Kwc normal(0, 0);
  normal.Put(4, Named("Ring of Tests"));
  ASSERT_TRUE(workflow_.Import(Write("normal.kwc", normal.bytes)));
  EXPECT_TRUE(questions_.asked.empty());
  EXPECT_EQ(LastMessage(), "This template was imported from an older format. Please check items for accuracy.");
  ASSERT_EQ(model_.Configurations.size(), 2u);
  EXPECT_EQ(model_.CurrentConfiguration, 1);
  EXPECT_EQ(Current().Slots[4], "v0");
  EXPECT_EQ(model_.FileName, folder_ / "base.kwt");
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Modified);
}

// Import keeps the open template's file name as it was: a template that never
// had one keeps none, as after the import of a ".kwt".
TEST_F(LegacyTemplates, ImportIntoATemplateWithoutAFileNameKeepsItWithout) {
  ASSERT_TRUE(workflow_.Import(Write("same.kwc", Kwc(0).bytes)));
  EXPECT_TRUE(model_.FileName.empty());
  EXPECT_EQ(workflow_.Caption(), "DavoruzivI 1.124.0.4 ( No Template ) - [ Old Config ]");
}

TEST_F(LegacyTemplates, ImportIntoAFullTemplateLeavesItsConfigurationsAlone) {
  workflow_.NewConfiguration();
  const Configuration first = model_.Configurations.front();
  model_.Configurations.resize(1000, first);
  const std::vector<Configuration> before = model_.Configurations;
  Kwc kwc(0);
  kwc.Put(4, Named("Ring of Tests"));
  EXPECT_FALSE(workflow_.Import(Write("more.kwc", kwc.bytes)));
  EXPECT_EQ(LastMessage(), "Import aborted. The template already holds the most configurations it can.");
  EXPECT_EQ(model_.Configurations, before);
  EXPECT_TRUE(model_.ListsOf(4).VaultIds.empty());
}

}  // namespace
}  // namespace davoruzivi
