#include "spellcraft/gem_texts.h"

#include <algorithm>
#include <array>

#include "spellcraft/spellcraft_rules.h"
#include "template/classes.h"

namespace davoruzivi {
namespace {

constexpr int kRealmCount = 3;
using RealmTexts = std::array<std::string_view, kRealmCount>;  // Albion, Hibernia, Midgard

struct GemTier {
  std::string_view word;
  std::string_view symbol;
};

constexpr std::array<GemTier, kGemTierCount> kGemTiers = {{
    {"Raw ", "Lo"},
    {"Uncut ", "Um"},
    {"Rough ", "On"},
    {"Flawed ", "Ee"},
    {"Imperfect ", "Pal"},
    {"Polished ", "Mon"},
    {"Faceted ", "Ros"},
    {"Precious ", "Zo"},
    {"Flawless ", "Kath"},
    {"Perfect ", "Ra"},
}};

// ---- Base names ---------------------------------------------------------

struct BaseName {
  int statId;
  std::string_view adjective;
  std::string_view kind;
};

constexpr std::string_view kEssenceJewel = "essence jewel";
constexpr std::string_view kShieldingJewel = "shielding jewel";
constexpr std::string_view kBattleJewel = "battle jewel";
constexpr std::string_view kWarSigil = "war sigil";
constexpr std::string_view kEvocationSigil = "evocation sigil";
constexpr std::string_view kFervorSigil = "fervor sigil";
constexpr std::string_view kFocusSigil = "focus sigil";
constexpr std::string_view kWarSpellStone = "war spell stone";
constexpr std::string_view kNatureSpellStone = "nature spell stone";
constexpr std::string_view kArcaneSpellStone = "arcane spell stone";
constexpr std::string_view kFocusStone = "focus stone";
constexpr std::string_view kArcaneFocusStone = "arcane focus stone";
constexpr std::string_view kWarRune = "war rune";
constexpr std::string_view kChaosRune = "chaos rune";
constexpr std::string_view kPrimalRune = "primal rune";
constexpr std::string_view kFocusRune = "focus rune";

constexpr std::array kBaseNames = std::to_array<BaseName>({
    {1, "fiery", kEssenceJewel}, {2, "earthen", kEssenceJewel}, {3, "vapor", kEssenceJewel},
    {4, "airy", kEssenceJewel}, {5, "watery", kEssenceJewel}, {6, "dusty", kEssenceJewel},
    {7, "heated", kEssenceJewel}, {8, "icy", kEssenceJewel}, {9, "mystical", kEssenceJewel},
    {10, "blood", kEssenceJewel},

    {11, "fiery", kShieldingJewel}, {12, "watery", kShieldingJewel}, {13, "airy", kShieldingJewel},
    {14, "heated", kShieldingJewel}, {15, "icy", kShieldingJewel}, {16, "light", kShieldingJewel},
    {17, "earthen", kShieldingJewel}, {18, "dusty", kShieldingJewel}, {19, "vapor", kShieldingJewel},

    {23, "fiery", kBattleJewel}, {24, "vapor", kBattleJewel}, {25, "airy", kBattleJewel},
    {26, "dusty", kBattleJewel}, {27, "heated", kBattleJewel}, {33, "earthen", kBattleJewel},

    {28, "watery", kWarSigil}, {29, "fiery", kWarSigil}, {30, "dusty", kWarSigil},
    {31, "heated", kWarSigil}, {32, "earthen", kWarSigil}, {34, "icy", kWarSigil},
    {35, "airy", kWarSigil}, {36, "vapor", kWarSigil}, {37, "molten magma", kWarSigil},

    {38, "heated", kEvocationSigil}, {41, "earthen", kEvocationSigil}, {43, "fiery", kEvocationSigil},
    {45, "icy", kEvocationSigil}, {47, "dusty", kEvocationSigil}, {48, "watery", kEvocationSigil},
    {52, "vapor", kEvocationSigil}, {53, "airy", kEvocationSigil},

    {39, "ashen", kFervorSigil}, {40, "vacuous", kFervorSigil}, {42, "airy", kFervorSigil},
    {44, "watery", kFervorSigil}, {46, "vapor", kFervorSigil}, {49, "salt encrusted", kFervorSigil},
    {50, "fiery", kFervorSigil}, {51, "steaming", kFervorSigil},

    {54, "heated", kFocusSigil}, {55, "icy", kFocusSigil}, {56, "ashen", kFocusSigil},
    {57, "vacuous", kFocusSigil}, {58, "earthen", kFocusSigil}, {59, "fiery", kFocusSigil},
    {60, "dusty", kFocusSigil}, {61, "watery", kFocusSigil}, {62, "salt encrusted", kFocusSigil},
    {63, "vapor", kFocusSigil}, {64, "airy", kFocusSigil},

    {65, "watery", kWarSpellStone}, {66, "fiery", kWarSpellStone}, {67, "dusty", kWarSpellStone},
    {68, "light", kWarSpellStone}, {69, "icy", kWarSpellStone}, {70, "earthen", kWarSpellStone},
    {71, "heated", kWarSpellStone}, {72, "airy", kWarSpellStone},

    {73, "steaming", kNatureSpellStone}, {74, "oozing", kNatureSpellStone}, {81, "airy", kNatureSpellStone},
    {82, "earthen", kNatureSpellStone}, {83, "fiery", kNatureSpellStone}, {85, "watery", kNatureSpellStone},
    {90, "mineral encrusted", kNatureSpellStone},

    {75, "aberrant", kArcaneSpellStone}, {76, "vapor", kArcaneSpellStone}, {77, "ethereal", kArcaneSpellStone},
    {78, "fiery", kArcaneSpellStone}, {79, "watery", kArcaneSpellStone}, {80, "earthen", kArcaneSpellStone},
    {84, "phantasmal", kArcaneSpellStone}, {86, "shadowy", kArcaneSpellStone}, {87, "spectral", kArcaneSpellStone},
    {88, "embracing", kArcaneSpellStone}, {89, "airy", kArcaneSpellStone}, {91, "icy", kArcaneSpellStone},

    {92, "steaming", kFocusStone}, {93, "oozing", kFocusStone}, {94, "vapor", kFocusStone},
    {95, "ethereal", kFocusStone}, {96, "fiery", kFocusStone}, {97, "watery", kFocusStone},
    {98, "earthen", kFocusStone}, {99, "phantasmal", kFocusStone}, {101, "mineral encrusted", kFocusStone},
    {102, "icy", kFocusStone},

    {100, "spectral", kArcaneFocusStone},

    {103, "watery", kWarRune}, {104, "earthen", kWarRune}, {105, "fiery", kWarRune},
    {106, "icy", kWarRune}, {107, "heated", kWarRune}, {108, "lightning charged", kWarRune},
    {109, "airy", kWarRune}, {110, "vapor", kWarRune},

    {111, "airy", kChaosRune}, {116, "icy", kChaosRune}, {118, "watery", kChaosRune},
    {120, "heated", kChaosRune}, {122, "fiery", kChaosRune}, {123, "vapor", kChaosRune},
    {124, "dusty", kChaosRune},

    {112, "airy", kPrimalRune}, {113, "earthen", kPrimalRune}, {114, "ashen", kPrimalRune},
    {115, "blighted", kPrimalRune}, {117, "unholy", kPrimalRune}, {119, "valiant", kPrimalRune},
    {121, "fiery", kPrimalRune},

    {126, "ashen", kFocusRune}, {128, "icy", kFocusRune}, {130, "heated", kFocusRune},
    {131, "vapor", kFocusRune}, {132, "dusty", kFocusRune},
});

struct RealmBaseName {
  int statId;
  RealmTexts names;
};

// The "All" gems, whose name depends on the realm.
constexpr std::array<RealmBaseName, 3> kRealmBaseNames = {{
    {20, {"finesse war sigil", "finesse spell stone", "finesse war rune"}},
    {21, {"finesse fervor sigil", "finesse nature spell stone", "finesse primal rune"}},
    {22, {"brilliant focus sigil", "brilliant focus stone", "brilliant focus rune"}},
}};

// ---- Dusts --------------------------------------------------------------

constexpr std::string_view kEssenceOfLife = "Essence of Life";
constexpr std::string_view kGroundDraconicScales = "Ground Draconic Scales";
constexpr std::string_view kGroundCaerStone = "Ground Caer Stone";
constexpr std::string_view kUnseelieDust = "Unseelie Dust";
constexpr std::string_view kGroundGiantBone = "Ground Giant Bone";
constexpr std::string_view kGroundBlessedUndeadBone = "Ground Blessed Undead Bone";
constexpr std::string_view kFairyDust = "Fairy Dust";
constexpr std::string_view kGroundVendoBone = "Ground Vendo Bone";
constexpr std::string_view kBloodiedBattlefieldDirt = "Bloodied Battlefield Dirt";
constexpr std::string_view kGroundCaveCrystal = "Ground Cave Crystal";
constexpr std::string_view kOtherWorldlyDust = "Other Worldly Dust";
constexpr std::string_view kSootFromNiflheim = "Soot from Niflheim";

// How the dust amount grows with the tier.
enum class DustRule {
  A,  // tier × 4 + 1
  B,  // tier × 5 + 1
};

constexpr int kAnyRealm = -1;

struct DustRow {
  int first;  // StatIds first..last
  int last;
  std::string_view dust;
  DustRule rule;
  int realm = kAnyRealm;
};

constexpr std::array kDusts = std::to_array<DustRow>({
    {1, 10, kEssenceOfLife, DustRule::A},
    {11, 19, kGroundDraconicScales, DustRule::B},
    {20, 20, kGroundCaerStone, DustRule::A, realm::Albion},
    {20, 20, kUnseelieDust, DustRule::A, realm::Hibernia},
    {20, 20, kGroundGiantBone, DustRule::A, realm::Midgard},
    {21, 21, kGroundBlessedUndeadBone, DustRule::A, realm::Albion},
    {21, 21, kFairyDust, DustRule::A, realm::Hibernia},
    {21, 21, kGroundVendoBone, DustRule::A, realm::Midgard},
    {22, 22, kGroundDraconicScales, DustRule::B},
    {54, 64, kGroundDraconicScales, DustRule::B},
    {92, 102, kGroundDraconicScales, DustRule::B},
    {126, 133, kGroundDraconicScales, DustRule::B},
    {23, 27, kBloodiedBattlefieldDirt, DustRule::A},
    {33, 33, kBloodiedBattlefieldDirt, DustRule::A},
    {28, 32, kGroundCaerStone, DustRule::A},
    {34, 37, kGroundCaerStone, DustRule::A},
    {38, 38, kGroundCaveCrystal, DustRule::A},
    {41, 41, kGroundCaveCrystal, DustRule::A},
    {43, 43, kGroundCaveCrystal, DustRule::A},
    {45, 45, kGroundCaveCrystal, DustRule::A},
    {47, 48, kGroundCaveCrystal, DustRule::A},
    {52, 53, kGroundCaveCrystal, DustRule::A},
    {39, 40, kGroundBlessedUndeadBone, DustRule::A},
    {42, 42, kGroundBlessedUndeadBone, DustRule::A},
    {44, 44, kGroundBlessedUndeadBone, DustRule::A},
    {46, 46, kGroundBlessedUndeadBone, DustRule::A},
    {49, 51, kGroundBlessedUndeadBone, DustRule::A},
    {65, 72, kUnseelieDust, DustRule::A},
    {73, 74, kFairyDust, DustRule::A},
    {81, 83, kFairyDust, DustRule::A},
    {85, 85, kFairyDust, DustRule::A},
    {90, 90, kFairyDust, DustRule::A},
    {75, 80, kOtherWorldlyDust, DustRule::A},
    {84, 84, kOtherWorldlyDust, DustRule::A},
    {86, 89, kOtherWorldlyDust, DustRule::A},
    {91, 91, kOtherWorldlyDust, DustRule::A},
    {103, 110, kGroundGiantBone, DustRule::A},
    {111, 111, kSootFromNiflheim, DustRule::A},
    {116, 116, kSootFromNiflheim, DustRule::A},
    {118, 118, kSootFromNiflheim, DustRule::A},
    {120, 120, kSootFromNiflheim, DustRule::A},
    {122, 124, kSootFromNiflheim, DustRule::A},
    {112, 115, kGroundVendoBone, DustRule::A},
    {117, 117, kGroundVendoBone, DustRule::A},
    {119, 119, kGroundVendoBone, DustRule::A},
    {121, 121, kGroundVendoBone, DustRule::A},
});

// ---- Liquids ------------------------------------------------------------

constexpr std::string_view kDraconicFire = "Draconic Fire";
constexpr std::string_view kMysticEnergy = "Mystic Energy";
constexpr std::string_view kTreantBlood = "Treant Blood";

constexpr std::size_t kMostStatsPerLiquid = 19;

// A liquid and the StatIds whose gems take it; unused places hold 0.
struct LiquidRow {
  std::string_view liquid;
  std::array<int, kMostStatsPerLiquid> statIds;
};

constexpr std::array kLiquids = std::to_array<LiquidRow>({
    {kDraconicFire, {1, 11, 23, 29, 43, 50, 59, 66, 78, 83, 96, 105, 121, 122}},
    {kTreantBlood, {2, 17, 32, 33, 41, 58, 70, 74, 75, 80, 82, 93, 98, 104, 113}},
    {"Air Elemental Essence", {4, 13, 25, 35, 42, 53, 64, 72, 81, 87, 89, 100, 109, 111, 112, 115, 117}},
    {"Leviathan Blood", {5, 12, 28, 37, 44, 48, 61, 65, 77, 79, 84, 85, 97, 103, 108, 118}},
    {"Undead Ash and Holy Water", {6, 18, 26, 30, 39, 47, 56, 60, 67, 114, 124, 126, 132}},
    {"Heat From an Unearthly Pyre", {7, 14, 27, 31, 38, 51, 54, 71, 90, 101, 107, 120, 130}},
    {"Frost From a Wasteland", {8, 15, 34, 45, 55, 69, 88, 91, 102, 106, 116, 128}},
    {kMysticEnergy, {9, 49, 62}},
    {"Giant Blood", {10}},
    {"Sun Light", {16, 68}},
    {"Swamp Fog", {3, 19, 24, 36, 40, 46, 52, 57, 63, 73, 76, 86, 92, 94, 95, 110, 119, 123, 131}},
});

// The "All" gems take the three liquids Draconic Fire, Mystic Energy and Treant Blood.
struct MixedLiquidRow {
  int statId;
  int fixedAmount;  // the amount of each whatever the tier; 0: tier + 1
};

constexpr std::array<MixedLiquidRow, 3> kMixedLiquids = {{{20, 2}, {21, 2}, {22, 0}}};
constexpr std::array kMixedLiquidNames{kDraconicFire, kMysticEnergy, kTreantBlood};

// ---- Lookups ------------------------------------------------------------

std::string BaseNameOf(int statId, int realm) {
  const auto realmName = std::find_if(kRealmBaseNames.begin(), kRealmBaseNames.end(),
                                      [statId](const RealmBaseName& name) { return name.statId == statId; });
  if (realmName != kRealmBaseNames.end()) {
    if (realm < 0 || realm >= kRealmCount) return {};
    return std::string(realmName->names[static_cast<std::size_t>(realm)]);
  }
  const auto name = std::find_if(kBaseNames.begin(), kBaseNames.end(),
                                 [statId](const BaseName& row) { return row.statId == statId; });
  if (name == kBaseNames.end()) return {};
  return std::string(name->adjective) + " " + std::string(name->kind);
}


int DustAmount(DustRule rule, int tier) { return rule == DustRule::A ? tier * 4 + 1 : tier * 5 + 1; }

std::optional<std::pair<std::string_view, int>> DustOf(int statId, int tier, int realm) {
  if (!IsListedGemTier(statId, tier)) return std::nullopt;
  const auto found = std::find_if(kDusts.begin(), kDusts.end(), [statId, realm](const DustRow& row) {
    return statId >= row.first && statId <= row.last && (row.realm == kAnyRealm || row.realm == realm);
  });
  if (found == kDusts.end()) return std::nullopt;
  return std::pair{found->dust, DustAmount(found->rule, tier)};
}

std::optional<MixedLiquidRow> MixedLiquidOf(int statId) {
  for (const MixedLiquidRow& row : kMixedLiquids)
    if (row.statId == statId) return row;
  return std::nullopt;
}

int MixedLiquidAmount(const MixedLiquidRow& row, int tier) { return row.fixedAmount > 0 ? row.fixedAmount : tier + 1; }

std::string_view SingleLiquidOf(int statId) {
  if (statId <= 0) return {};  // 0 fills the unused places of the table
  for (const LiquidRow& row : kLiquids)
    if (std::find(row.statIds.begin(), row.statIds.end(), statId) != row.statIds.end()) return row.liquid;
  return {};
}

std::string CountText(int amount, std::string_view material) {
  return std::to_string(amount) + " " + std::string(material);
}

std::string DustPart(int statId, int tier, int realm) {
  const auto dust = DustOf(statId, tier, realm);
  return dust ? CountText(dust->second, dust->first) : std::string();
}

std::string LiquidPart(int statId, int tier) {
  if (!IsListedGemTier(statId, tier)) return {};
  if (const auto mixed = MixedLiquidOf(statId))
    return std::to_string(MixedLiquidAmount(*mixed, tier)) + " " + std::string(kDraconicFire) + ", " +
           std::string(kMysticEnergy) + " & " + std::string(kTreantBlood);
  const std::string_view liquid = SingleLiquidOf(statId);
  return liquid.empty() ? std::string() : CountText(tier + 1, liquid);
}

}  // namespace

std::string_view GemTierWord(int tier) {
  return tier >= 0 && tier < kGemTierCount ? kGemTiers[static_cast<std::size_t>(tier)].word : std::string_view();
}

std::string_view GemTierSymbol(int tier) {
  return tier >= 0 && tier < kGemTierCount ? kGemTiers[static_cast<std::size_t>(tier)].symbol : std::string_view();
}

bool IsListedGemTier(int statId, int tier) {
  const std::size_t listed = GemAmounts(GemCategoryOf(statId)).size();
  return tier >= 0 && static_cast<std::size_t>(tier) < (listed == 0 ? kGemTierCount : listed);
}

std::string GemName(int statId, int tier, int realm) {
  const std::string_view word = IsListedGemTier(statId, tier) ? GemTierWord(tier) : std::string_view();
  return std::string(word) + BaseNameOf(statId, realm);
}

std::string GemMaterials(int statId, int tier, int realm) {
  const std::string_view symbol = IsListedGemTier(statId, tier) ? GemTierSymbol(tier) : std::string_view();
  return "1 " + std::string(symbol) + " , " + DustPart(statId, tier, realm) + " | " + LiquidPart(statId, tier);
}

GemMaterialCounts GemMaterialCountsOf(int statId, int tier, int realm) {
  GemMaterialCounts counts{DustOf(statId, tier, realm), {}};
  if (!IsListedGemTier(statId, tier)) return counts;
  if (const auto mixed = MixedLiquidOf(statId)) {
    for (const std::string_view liquid : kMixedLiquidNames)
      counts.liquids.emplace_back(liquid, MixedLiquidAmount(*mixed, tier));
  } else if (const std::string_view liquid = SingleLiquidOf(statId); !liquid.empty()) {
    counts.liquids.emplace_back(liquid, tier + 1);
  }
  return counts;
}

}  // namespace davoruzivi
