// Gem names and material texts.

#include <gtest/gtest.h>

#include <limits>

#include "spellcraft/spellcraft.h"

namespace davoruzivi {
namespace {

constexpr int kAlbion = 0, kHibernia = 1, kMidgard = 2;

using Counts = std::vector<std::pair<std::string_view, int>>;

TEST(GemTexts, NamesJoinTierWordAndTheRealmsBaseName) {
  EXPECT_EQ(GemTierSymbol(9), "Ra");
  EXPECT_EQ(GemTierWord(10), "");
  EXPECT_EQ(GemTierSymbol(-1), "");
  EXPECT_EQ(GemName(1, 0, kAlbion), "Raw fiery essence jewel");
  EXPECT_EQ(GemName(37, 3, kAlbion), "Flawed molten magma war sigil");
  EXPECT_EQ(GemName(100, 1, kHibernia), "Uncut spectral arcane focus stone");
  EXPECT_EQ(GemName(1, 10, kAlbion), "fiery essence jewel");
  for (const int stat : {0, 125, 134, 185}) EXPECT_EQ(GemName(stat, 0, kAlbion), "Raw ") << stat;
  // All-skill and all-focus gems name the realm's gem.
  EXPECT_EQ(GemName(20, 0, kHibernia), "Raw finesse spell stone");
  EXPECT_EQ(GemName(21, 0, kMidgard), "Raw finesse primal rune");
  EXPECT_EQ(GemName(22, 9, 3), "Perfect ");
}

TEST(GemTexts, MaterialsOfDocumentedGems) {
  EXPECT_EQ(GemMaterials(1, 0, kAlbion), "1 Lo , 1 Essence of Life | 1 Draconic Fire");
  EXPECT_EQ(GemMaterials(20, 0, kHibernia), "1 Lo , 1 Unseelie Dust | 2 Draconic Fire, Mystic Energy & Treant Blood");
  EXPECT_EQ(GemMaterials(22, 9, kAlbion),
            "1 Ra , 46 Ground Draconic Scales | 10 Draconic Fire, Mystic Energy & Treant Blood");
  EXPECT_EQ(GemMaterials(133, 0, kAlbion), "1 Lo , 1 Ground Draconic Scales | ");
  EXPECT_EQ(GemMaterials(125, 3, kAlbion), "1 Ee ,  | ");
  // Dust and liquid vary by stat.
  EXPECT_EQ(GemMaterials(16, 1, kAlbion), "1 Um , 6 Ground Draconic Scales | 2 Sun Light");
  EXPECT_EQ(GemMaterials(114, 0, kAlbion), "1 Lo , 1 Ground Vendo Bone | 1 Undead Ash and Holy Water");
}

// A crafted item stores any 16-bit tier; only the tiers of the stat's
// category have a word, a symbol and materials.
TEST(GemTexts, TiersOutsideTheCategorysListHaveNoWordAndNoMaterials) {
  EXPECT_EQ(GemName(28, 7, kAlbion), "Precious watery war sigil");  // skills list eight tiers
  EXPECT_EQ(GemName(28, 8, kAlbion), "watery war sigil");
  EXPECT_EQ(GemMaterials(28, 8, kAlbion), "1  ,  | ");
  EXPECT_EQ(GemName(20, 1, kAlbion), "finesse war sigil");  // all-skill gems list one
  EXPECT_EQ(GemName(0, 3, kAlbion), "Flawed ");  // an empty gem slot keeps the ten tier words
  for (const int tier : {-1, 10, 34463, 65533, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
    EXPECT_EQ(GemName(22, tier, kAlbion), "brilliant focus sigil") << tier;
    EXPECT_EQ(GemMaterials(22, tier, kAlbion), "1  ,  | ") << tier;
    const GemMaterialCounts counts = GemMaterialCountsOf(11, tier, kAlbion);
    EXPECT_FALSE(counts.dust.has_value()) << tier;
    EXPECT_TRUE(counts.liquids.empty()) << tier;
  }
}

TEST(GemTexts, MaterialCountsMatchTheText) {
  const GemMaterialCounts strength = GemMaterialCountsOf(1, 9, kAlbion);
  EXPECT_EQ(strength.dust, (std::pair<std::string_view, int>{"Essence of Life", 37}));
  EXPECT_EQ(strength.liquids, (Counts{{"Draconic Fire", 10}}));

  EXPECT_EQ(GemMaterialCountsOf(22, 9, kAlbion).liquids,
            (Counts{{"Draconic Fire", 10}, {"Mystic Energy", 10}, {"Treant Blood", 10}}));
  const GemMaterialCounts nothing = GemMaterialCountsOf(125, 0, kAlbion);
  EXPECT_FALSE(nothing.dust.has_value());
  EXPECT_TRUE(nothing.liquids.empty());
  EXPECT_FALSE(GemMaterialCountsOf(20, 0, 3).dust.has_value());
  // Every gem stat with a name has materials.
  for (const StatId stat : GemStatList()) {
    if (GemName(stat, 0, kAlbion) == "Raw ") continue;
    const GemMaterialCounts counts = GemMaterialCountsOf(stat, 0, kAlbion);
    EXPECT_TRUE(counts.dust.has_value()) << stat;
    EXPECT_EQ(counts.liquids.empty(), stat == 99) << stat;  // the one named gem without a liquid
  }
}

}  // namespace
}  // namespace davoruzivi
