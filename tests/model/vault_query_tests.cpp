// The shared vault query: the listing, its caption and marker, and each test
// a record must pass.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/test_support.h"
#include "itemdb/item_metrics.h"
#include "itemdb/vault_query.h"
#include "template/classes.h"

namespace davoruzivi {
namespace {

using test::ItemBlock;
using Positions = std::vector<std::size_t>;

std::vector<ItemBlock> BlocksNamed(std::initializer_list<std::string> names) {
  std::vector<ItemBlock> blocks;
  for (const std::string& name : names) {
    blocks.emplace_back();
    blocks.back().name = name;
  }
  return blocks;
}

MasterVault VaultOf(const std::vector<ItemBlock>& blocks) { return test::ParseOk(test::VaultText(blocks)); }

Positions Matching(const MasterVault& vault, const VaultQuerySettings& settings, const VaultQueryContext& context = {}) {
  VaultQuery query;
  query.Settings() = settings;
  query.Run(vault, context);
  return query.Result().IsNoMatch() ? Positions{} : query.Result().positions;
}

// Settings with one change from the cleared ones.
template <typename Member, typename Value>
VaultQuerySettings With(Member VaultQuerySettings::*setting, Value value) {
  VaultQuerySettings settings;
  settings.*setting = value;
  return settings;
}

TEST(VaultQueryListing, ListsInVaultOrderOrGivesTheMarker) {
  const MasterVault vault = VaultOf(BlocksNamed({"Alpha", "Beta", "Gamma"}));
  VaultQuery query;
  query.Run(vault, {});
  EXPECT_EQ(query.Result().positions, (Positions{0, 1, 2}));
  EXPECT_EQ(query.Result().names[2], "Gamma");
  EXPECT_EQ(query.Caption(), "Dazizuvoror (3 / 3 showing)");

  query.Settings().name = "Delta";
  query.Run(vault, {});
  EXPECT_TRUE(query.Result().IsNoMatch());
  EXPECT_EQ(query.Result().names[0], "No items found");
  EXPECT_EQ(query.Caption(), "Dazizuvoror (1 / 3 showing)");
  query.Settings().name = "alpha";
  query.Run(vault, {});
  EXPECT_EQ(query.Result().positions, Positions{0}) << "position 0 is a match, not the marker";
  EXPECT_FALSE(query.Result().IsNoMatch());

  // A vault of fewer than two records gives the marker and keeps the caption.
  query.Clear();
  EXPECT_EQ(query.Settings(), VaultQuerySettings{});
  query.Run(VaultOf(BlocksNamed({"Alpha", "Beta"})), {});
  query.Run(VaultOf(BlocksNamed({"Alpha"})), {});
  EXPECT_TRUE(query.Result().IsNoMatch());
  EXPECT_EQ(query.Caption(), "Dazizuvoror (2 / 2 showing)");
}

TEST(VaultQueryTests, IndexSettingsCompareTheirFields) {
  auto blocks = BlocksNamed({"plain", "special", "99", "N/A", "45"});
  blocks[1].source = "Allakhazam";
  blocks[1].itemType = "Artifact";
  blocks[1].weaponType = "Blades";
  blocks[1].quality = "100";
  blocks[3].quality = "N/A";
  blocks[4].quality = "98";
  blocks[4].level = "45";
  MasterVault vault = VaultOf(blocks);
  vault.MutableItems()[0].Quality = kNoQuality;
  EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::source, 2)), Positions{1});
  EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::itemType, 9)), Positions{1});
  EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::weaponType, 2)), Positions{1});
  EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::quality, 29)), (Positions{0, 1, 2, 3}));
  EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::quality, 31)), (Positions{0, 3}));
  EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::maximumLevel, 45)), Positions{4});
  EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::minimumLevel, 46)), (Positions{0, 1, 2, 3}));
  // A selection of -1 takes part as the number -1.
  EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::source, -1)), Positions{});
  EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::quality, -1)).size(), 5u);
}

TEST(VaultQueryTests, ClassAndVerificationFilters) {
  auto blocks = BlocksNamed({"armsman", "digit two", "nobody"});
  blocks[0].classes = "1" + std::string(46, '0');
  blocks[0].verification = "V";
  blocks[1].classes = "02" + std::string(45, '0');
  MasterVault vault = VaultOf(blocks);
  vault.MutableItems()[2].Verified = 2;
  EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::classFilter, 1)), Positions{0});
  EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::classFilter, 2)), Positions{1});
  EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::classFilter, 48)), (Positions{1, 2}));
  EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::verifiedOnly, true)), (Positions{0, 2}));
  VaultQuerySettings both = With(&VaultQuerySettings::unverifiedOnly, true);
  both.verifiedOnly = true;
  EXPECT_EQ(Matching(vault, both), (Positions{1, 2}));
}

TEST(VaultQueryTests, ServerSettingsLookForTheQueryLetters) {
  std::vector<ItemBlock> blocks = BlocksNamed({"N", "C", "P", "B", "O", "Y", "R", "X"});
  for (ItemBlock& block : blocks) block.servers = block.name;  // N and B also set Ywaine, C and P Realm Free
  const MasterVault vault = VaultOf(blocks);
  const Positions expected[] = {{7}, {0}, {1}, {3}, {2}, {4}, {0, 3, 5}, {1, 2, 6}};
  for (int setting = 1; setting <= 8; ++setting)
    EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::server, setting)), expected[setting - 1]) << setting;
}

TEST(VaultQueryTests, NameExpansionAndQuestionMarkFilters) {
  auto blocks = BlocksNamed({"Cloak of the Wyrm", "WYRMSCALE?", "Caf\xE9 Robe", " Boots"});
  blocks[1].expansion = "trials of atlantis (toa)";
  blocks[2].expansion = "Brand New Lands";  // appended: list entry 23, filter entry 24
  const MasterVault vault = VaultOf(blocks);
  EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::name, "wyRM")), (Positions{0, 1}));
  EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::name, "CAF\xC9")), Positions{});
  const int toa = vault.Vocabularies().Expansions.Filter().IndexOf("Trials of Atlantis (ToA)");
  EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::expansion, toa)), Positions{1});
  EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::expansion, 24)), Positions{2});
  EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::hideQuestionMarks, true)), (Positions{0, 2}));
}

TEST(VaultQueryTests, EffectAndStatFilters) {
  auto blocks = BlocksNamed({"haste", "undefined", "two procs", "kindless", "none"});
  blocks[0].procs = {"Haste|N:5"};
  blocks[0].stats = {"Strength|5", "Strength|5"};
  blocks[1].procs = {"Undefined/Other|C:1"};
  blocks[1].stats = {"Strength|20", "Constitution|10"};
  blocks[2].procs = {"Lifedrain|R:120", "Haste|M:5"};
  blocks[2].stats = {"Strength|-3"};  // 65533 in 16 bits
  blocks[4].stats = {"Dexterity|30"};
  MasterVault vault = VaultOf(blocks);
  const int haste = vault.Vocabularies().Effects.IndexOf("Haste");
  vault.MutableItems()[3].ProcEffects[1] = static_cast<std::uint16_t>(haste);  // its kinds stay 0
  EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::effect, 1)), Positions{1});
  EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::effect, haste + 1)), (Positions{0, 2, 3}));
  VaultQuerySettings settings;
  settings.stats[2] = {1, "0"};
  EXPECT_EQ(Matching(vault, settings), (Positions{0, 1, 2}));
  settings.stats[2] = {1, "11"};
  EXPECT_EQ(Matching(vault, settings), (Positions{1, 2}));
  settings.stats[4] = {2, "0"};
  EXPECT_EQ(Matching(vault, settings), Positions{1});
}

TEST(VaultQueryTests, RealmSettingsListTheRealmWithUniversalItems) {
  auto blocks = BlocksNamed({"A", "H", "M", "U"});
  for (ItemBlock& block : blocks) block.realm = block.name;
  const MasterVault vault = VaultOf(blocks);
  const Positions expected[] = {{0, 3}, {1, 3}, {2, 3}, {0, 1, 2, 3}, {3}};
  for (int setting = 0; setting <= 4; ++setting)
    EXPECT_EQ(Matching(vault, With(&VaultQuerySettings::realm, setting)), expected[setting]) << setting;
}

TEST(VaultQueryTests, TheLoaderHidesBonusLevelsAboveTheConfigurationLevelUpTo50) {
  auto blocks = BlocksNamed({"20", "21", "50", "51", "300", "266", "computed -1", "computed 24"});
  blocks[6].stats = {"Reduced XP Loss (PvE)|-1"};
  blocks[7].stats = {"Strength|15", "Crush Resist|8", "Slash Skill|3"};
  MasterVault vault = VaultOf(blocks);
  for (std::size_t i = 0; i < 6; ++i) {
    vault.MutableItems()[i].BonusLevelManual = 1;
    vault.MutableItems()[i].BonusLevel = static_cast<std::uint16_t>(std::stoi(blocks[i].name));
  }
  VaultQueryContext loader;
  loader.loaderLevel = 20;
  // Modulo 256, 300 is 44, 266 is 10 and -1 is 255.
  EXPECT_EQ(Matching(vault, {}, loader), (Positions{0, 3, 5, 6}));
  loader.loaderLevel = 24;
  EXPECT_EQ(Matching(vault, {}, loader), (Positions{0, 1, 3, 5, 6, 7}));
  EXPECT_EQ(Matching(vault, {}, {}).size(), blocks.size());
}

// The loader's rule reads a figure the vault keeps per record, so every way
// of changing a record after the load must bring it up to date.
TEST(VaultQueryTests, ARecordChangedAfterTheLoadIsQueriedWithItsNewValues) {
  auto blocks = BlocksNamed({"bonus level 10", "bonus level 24", "plain"});
  blocks[0].stats = {"Strength|15"};
  blocks[1].stats = {"Strength|15", "Crush Resist|8", "Slash Skill|3"};
  MasterVault vault = VaultOf(blocks);
  VaultQueryContext loader;
  loader.loaderLevel = 20;
  ASSERT_EQ(Matching(vault, {}, loader), (Positions{0, 2}));

  VaultItem replaced = vault.Items()[0];
  replaced.StatValues[0] = 60;  // bonus level 40
  vault.PutVaultItem(0, replaced);
  EXPECT_EQ(Matching(vault, {}, loader), Positions{2}) << "replaced";

  vault.MutableItems()[1].StatIds = {};
  EXPECT_EQ(Matching(vault, {}, loader), (Positions{1, 2})) << "edited in place";

  {
    auto edits = vault.MutableItems();
    edits[2].BonusLevelManual = 1;
    edits[2].BonusLevel = 21;
    edits[0].ItemType = 5;  // Player Crafted: bonus level 0
  }
  EXPECT_EQ(Matching(vault, {}, loader), (Positions{0, 1})) << "several edits in one go";

  VaultItem added = ResetVaultItem();
  added.BonusLevelManual = 1;
  added.BonusLevel = 300;  // 44 modulo 256
  vault.PutVaultItem(-1, added);
  EXPECT_EQ(Matching(vault, {}, loader), (Positions{0, 1})) << "appended";
  loader.loaderLevel = 50;
  EXPECT_EQ(Matching(vault, {}, loader), (Positions{0, 1, 2, 3}));

  for (std::size_t i = 0; i < vault.Size(); ++i)
    EXPECT_EQ(vault.ShownBonusLevelBytes()[i], ShownBonusLevelByte(vault.Items()[i])) << i;
}

TEST(VaultQueryTests, HandRulesApplyWhileTheDazizuvororIsNotShown) {
  // 0 right-hand weapon, 1 left-hand weapon, 2..5 small, medium, large and
  // class-sized shields, 6 a two-handed weapon.
  auto blocks = BlocksNamed({"right", "left", "small", "medium", "large", "class-sized", "two hand"});
  const char* const slots[] = {"Right Hand", "Left Hand", "Left Hand", "Left Hand", "Left Hand", "Left Hand", "Two Hand"};
  const char* const weapons[] = {"Blades", "Blades", "Small Shield", "Medium Shield", "Large Shield",
                                 "Class-Sized Shield", "Large Weapon"};
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    blocks[i].slot = slots[i];
    blocks[i].weaponType = weapons[i];
  }
  const MasterVault vault = VaultOf(blocks);
  struct ClassFacts {
    bool dualWields;
    int shieldSize;
  };
  const auto slot = [&vault](int setting, ClassFacts facts, bool dazizuvororShown = false) {
    return Matching(vault, With(&VaultQuerySettings::slot, setting),
                    {dazizuvororShown, std::nullopt, facts.dualWields, facts.shieldSize});
  };
  const ClassFacts mediumShields{false, 16};
  EXPECT_EQ(slot(13, mediumShields), (Positions{0, 1}));
  EXPECT_EQ(slot(14, mediumShields), (Positions{2, 3}));
  EXPECT_EQ(slot(14, {true, 15}), (Positions{1, 2}));
  EXPECT_EQ(slot(14, {false, 17}), (Positions{2, 3, 4, 5}));
  EXPECT_EQ(slot(14, ClassFacts{false, 0}), Positions{});
  EXPECT_EQ(slot(15, mediumShields), Positions{6});
  EXPECT_EQ(slot(13, mediumShields, true), Positions{0});
  EXPECT_EQ(slot(14, ClassFacts{false, 0}, true), (Positions{1, 2, 3, 4, 5}));
}

}  // namespace
}  // namespace davoruzivi
