#include "spellcraft/crafted_tables.h"

#include <algorithm>
#include <cstddef>

#include "core/cp1252.h"
#include "itemdb/item_metrics.h"
#include "itemdb/item_vocabularies.h"
#include "itemdb/vault_item.h"
#include "spellcraft/spellcraft_rules.h"
#include "template/classes.h"
#include "template/slots.h"
#include "template/template_model.h"

namespace davoruzivi {
namespace {

bool InRange(int index, std::size_t size) { return index >= 0 && static_cast<std::size_t>(index) < size; }

// ---- fifth-slot bonus list ----

struct BonusEntry {
  std::string_view text;
  std::array<StatGrant, kMaxGrantsPerBonus> grants;  // unused grants have StatId 0
};

constexpr std::array<BonusEntry, kFifthSlotBonusCount> kFifthSlotBonuses = {{
    {"No Extra Bonuses", {{}}},                               // 0
    {"Strength Cap + 5", {{{134, 5}}}},                       // 1: Strength Cap
    {"Constitution Cap + 5", {{{135, 5}}}},                   // 2: Constitution Cap
    {"Dexterity Cap + 5", {{{136, 5}}}},                      // 3: Dexterity Cap
    {"Quickness Cap + 5", {{{137, 5}}}},                      // 4: Quickness Cap
    {"Acuity Cap + 5", {{{143, 5}}}},                         // 5: Acuity Cap
    {"HP Cap + 40", {{{146, 40}}}},                           // 6: Hit Points Cap
    {"All Melee + 3", {{{20, 3}}}},                           // 7: All Melee Skills
    {"All Casting + 3", {{{21, 3}}}},                         // 8: All Casting Skills
    {"Dual Wielding Skills + 3", {{{181, 3}}}},               // 9: All Dual Wielding Skills
    {"Archery Skills + 3", {{{182, 3}}}},                     // 10: All Archery Skills
    {"Shield Skills + 3", {{{23, 3}}}},                       // 11: Shield Skill
    {"Armor Factor + 10", {{{148, 10}}}},                     // 12: Armor Factor
    {"Healing Effectiveness + 5%", {{{160, 5}}}},             // 13: Healing Bonus
    {"Buffing Effectiveness + 5%", {{{161, 5}}}},             // 14: Buff Enhance
    {"Power Pool +5%", {{{145, 5}}}},                         // 15: Power Pool %
    {"Defensive Bonus + 5%", {{{183, 5}}}},                   // 16: Defensive Bonus (PvE)
    {"Legendary Weapon", {{{148, 10}, {150, 3}, {151, 3}}}},  // 17: Armor Factor, Melee Damage, Style Damage
    {"Strength + 15", {{{1, 15}}}},                           // 18: Strength
    {"Constitution + 15", {{{2, 15}}}},                       // 19: Constitution
    {"Dexterity + 15", {{{3, 15}}}},                          // 20: Dexterity
    {"Quickness + 15", {{{4, 15}}}},                          // 21: Quickness
    {"Acuity + 15", {{{142, 15}}}},                           // 22: Acuity
    {"Fatigue + 5", {{{147, 5}}}},                            // 23: Fatigue
    {"Power Cap + 5", {{{144, 5}}}},                          // 24: Power Cap
    {"Hit Points + 40", {{{10, 40}}}},                        // 25: Hit Points
    {"Melee Damage + 2%", {{{150, 2}}}},                      // 26: Melee Damage
    {"Magic Damage + 2%", {{{153, 2}}}},                      // 27: Spell Damage
    {"Spell Duration + 5%", {{{156, 5}}}},                    // 28: Spell Duration
    {"To Hit (PvE) + 3%", {{{171, 3}}}},                      // 29: To Hit Bonus (PvE)
    {"Fatigue Cap + 5", {{{190, 5}}}},                        // 30: Fatigue Cap
    {"Legendary Bow", {{{148, 10}, {153, 3}, {152, 3}}}},     // 31: Armor Factor, Spell Damage, Spell Speed
    {"Legendary Staff", {{{148, 10}, {153, 3}, {152, 3}}}},   // 32: Armor Factor, Spell Damage, Spell Speed
}};

// ---- offer tables ----

// What a row of an offer table asks of the character besides slot and armour kind.
enum class Condition : std::uint8_t {
  None,
  LargeShield,          // ShieldSize large
  MediumOrLargeShield,  // ShieldSize medium or large
  AnyShieldOrChampion,  // any shield, or champion level above 2
  Instruments,          // UsesInstrument
  Archery,              // UsesArchery
  OneClass,             // exactly the row's class
};

constexpr int kAnyKind = -1;
constexpr int kMaxOffersPerRow = 8;
constexpr std::string_view kNoName;
constexpr int kHereticClass = 4;    // "(Alb) Heretic"
constexpr int kValkyrieClass = 44;  // "(Mid) Valkyrie"
constexpr int kChampionLevelForSmallShields = 2;

// The offers of one slot and armour kind under one condition; the offers end
// at the first one without a bonus.
struct OfferRow {
  int slot;
  int kind;  // an armour kind, or kAnyKind
  Condition condition;
  std::array<FifthSlotOffer, kMaxOffersPerRow> offers;
  int classIndex = -1;  // for Condition::OneClass
};

// clang-format off
constexpr OfferRow kAlbionRows[] = {
    {slot::Chest, 0, Condition::None, {{
        {8, "Sigil Stitched Cloth Vest/Robes (All Casting +3)"},
        {7, "Sigil Sewn Cloth Vest/Robes (All Melee +3)"},
        {27, "Dragonsworn Stitched Robe (Magic Damage +2%)"},
        {26, "Dragonsworn Sewn Robe (Melee Damage +2%)"},
    }}},
    {slot::Chest, 1, Condition::None, {{
        {8, "Sigil Bound Leather Robes (All Casting + 3)"},
        {7, "Sigil Etched Leather Jerkin (All Melee +3"},
        {26, "Dragonsworn Etched Leather Jerkin (Melee Damage +2%)"},
    }}},
    {slot::Chest, 1, Condition::OneClass, {{
        {13, "Dragonsworn Bound Leather Friar Robes (Healing +5%)"},
    }}, kHereticClass},
    {slot::Chest, 2, Condition::None, {{
        {7, "Sigil Marked Lamellar Jerkin (All Melee +3)"},
        {26, "Dragonsworn Marked Jerkin (Melee Damage +2%)"},
    }}},
    {slot::Chest, 3, Condition::None, {{
        {7, "Sigil Enchanted Mail Hauberk (All Melee +3)"},
        {8, "Sigil Ensorcelled Mail Hauberk (All Casting +3)"},
        {27, "Dragonsworn Ensorcelled Chest (Magic Damage +2%)"},
        {26, "Dragonsworn Enchanted Chest (Melee Damage +2%)"},
    }}},
    {slot::Chest, 4, Condition::None, {{
        {7, "Sigil Gilded Plate Breastplate (All Melee +3)"},
        {26, "Dragonsworn Gilded Plate Breastplate (Melee Damage +2%)"},
    }}},
    {slot::Head, 0, Condition::None, {{
        {5, "Sigil Stitched Cloth Crown (Acuity Cap +5)"},
        {13, "Sigil Sewn Cloth Crown (Healing +5%)"},
        {4, "Sigil Scorched Cloth Crown (Quickness Cap +5)"},
        {22, "Dragonsworn Stitched Helm (Acuity +15)"},
        {14, "Dragonsworn Sewn Helm (Buffing +5%)"},
        {21, "Dragonsworn Scorched Helm (Quickness +15)"},
    }}},
    {slot::Head, 1, Condition::None, {{
        {2, "Sigil Etched Leather Crown (Constitution Cap +5)"},
        {5, "Sigil Bound Leather Crown (Acuity Cap +5)"},
        {19, "Dragonsworn Etched Leather Crown (Constitution +15)"},
        {22, "Dragonsworn Bound Leather Crown (Acuity +15)"},
    }}},
    {slot::Head, 2, Condition::None, {{
        {2, "Sigil Marked Lamellar Crown (Constitution Cap +5)"},
        {19, "Dragonsworn Marked Crown (Constitution +15)"},
    }}},
    {slot::Head, 3, Condition::None, {{
        {2, "Sigil Enchanted Mail Crown (Constitution Cap +5)"},
        {4, "Sigil Spelled Mail Crown (Quickness Cap +5)"},
        {5, "Sigil Ensorcelled Mail Crown (Acuity Cap +5)"},
        {16, "Sigil Protected Mail Crown (Defense (PvE) +5%)"},
        {19, "Dragonsworn Enchanted Helm (Constitution +15)"},
        {21, "Dragonsworn Spelled Helm (Quickness +15)"},
        {22, "Dragonsworn Ensorcelled Helm (Acuity +15)"},
        {29, "Dragonsworn Protected Helm (To-Hit (PvE) +3%)"},
    }}},
    {slot::Head, 4, Condition::None, {{
        {2, "Sigil Gilded Plate Crown (Constitution Cap +5)"},
        {16, "Sigil Blazed Plate Crown (Defense (PvE) +5%)"},
        {19, "Dragonsworn Gilded Plate Helm (Constitution +15)"},
        {29, "Dragonsworn Blazed Plate Helm (To-Hit (PvE) +3%)"},
    }}},
    {slot::Arms, 0, Condition::None, {{
        {6, "Sigil Stitched Cloth Arms (HP Cap +40)"},
        {2, "Sigil Sewn Cloth Arms (Constitution Cap +5)"},
        {14, "Sigil Worn Cloth Arms (Buffing +5%)"},
        {25, "Dragonsworn Stitched Sleeves (HP +40)"},
        {19, "Dragonsworn Sewn Sleeves (Constitution +15)"},
        {13, "Dragonsworn Worn Sleeves (Healing +5%)"},
    }}},
    {slot::Arms, 1, Condition::None, {{
        {6, "Sigil Etched Leather Sleeves (HP Cap +40)"},
        {13, "Sigil Bound Leather Sleeves (Healing +5%)"},
        {25, "Dragonsworn Etched Leather Sleeves (HP +40)"},
        {14, "Dragonsworn Bound Leather Sleeves (Buffing +5%)"},
    }}},
    {slot::Arms, 2, Condition::None, {{
        {6, "Sigil Marked Lamellar Sleeves (HP Cap +40)"},
        {4, "Sigil Stamped Lamellar Sleeves (Quickness Cap +5)"},
        {25, "Dragonsworn Marked Sleeves (HP +40)"},
        {21, "Dragonsworn Stamped Sleeves (Quickness +15)"},
    }}},
    {slot::Arms, 3, Condition::None, {{
        {6, "Sigil Enchanted Mail Sleeves (HP Cap +40)"},
        {13, "Sigil Ensorcelled Mail Sleeves (Healing +5%)"},
        {25, "Dragonsworn Enchanted Arms (HP +40)"},
        {14, "Dragonsworn Ensorcelled Arms (Buffing +5%)"},
    }}},
    {slot::Arms, 4, Condition::None, {{
        {6, "Sigil Gilded Plate Vambraces (HP Cap +40)"},
        {25, "Dragonsworn Gilded Plate Vambraces (HP +40)"},
    }}},
    {slot::Hands, 0, Condition::None, {{
        {12, "Sigil Stitched Cloth Gloves (Armor Factor +10)"},
        {28, "Dragonsworn Stitched Gloves (Spell Duration +5%)"},
    }}},
    {slot::Hands, 1, Condition::None, {{
        {3, "Sigil Etched Leather Gloves (Dexterity Cap +5)"},
        {20, "Dragonsworn Etched Leather Gloves (Dexterity +15)"},
    }}},
    {slot::Hands, 2, Condition::None, {{
        {12, "Sigil Marked Lamellar Gloves (Armor Factor +10)"},
        {23, "Dragonsworn Marked Gloves (Fatigue +5)"},
    }}},
    {slot::Hands, 3, Condition::None, {{
        {3, "Sigil Enchanted Mail Gloves (Dexterity Cap +5)"},
        {20, "Dragonsworn Enchanted Gloves (Dexterity +15)"},
    }}},
    {slot::Hands, 4, Condition::None, {{
        {3, "Sigil Gilded Plate Gauntlets (Dexterity Cap +5)"},
        {20, "Dragonsworn Gilded Plate Gauntlets (Dexterity +15)"},
    }}},
    {slot::Legs, 0, Condition::None, {{
        {15, "Sigil Stitched Cloth Pants (Power Pool +5%)"},
        {1, "Sigil Sewn Cloth Pants (Strength Cap +5)"},
        {24, "Dragonsworn Stitched Leggings (Power Cap +5)"},
        {18, "Dragonsworn Stitched Leggings (Strength +15)"},
    }}},
    {slot::Legs, 1, Condition::None, {{
        {1, "Sigil Etched Leather Leggings (Strength Cap +5)"},
        {15, "Sigil Bound Leather Leggings (Power Pool +5%)"},
        {18, "Dragonsworn Etched Leather Leggings (Strength +15)"},
        {24, "Dragonsworn Bound Leather Leggings (Power Cap +5)"},
    }}},
    {slot::Legs, 2, Condition::None, {{
        {1, "Sigil Marked Lamellar Leggings (Strength Cap +5)"},
        {18, "Dragonsworn Marked Leggings (Strength +15)"},
    }}},
    {slot::Legs, 3, Condition::None, {{
        {1, "Sigil Enchanted Mail Leggings (Strength Cap +5)"},
        {15, "Sigil Ensorcelled Mail Leggings (Power Pool +5%)"},
        {18, "Dragonsworn Enchanted Leggings (Strength +15)"},
        {24, "Dragonsworn Ensorcelled Leggings (Power Cap +5)"},
    }}},
    {slot::Legs, 4, Condition::None, {{
        {1, "Sigil Gilded Plate Greaves (Strength Cap +5)"},
        {18, "Dragonsworn Gilded Plate Greaves (Strength +15)"},
    }}},
    {slot::Feet, 0, Condition::None, {{
        {3, "Sigil Stitched Cloth Boots (Dexterity Cap +5)"},
        {20, "Dragonsworn Stitched Boots (Dexterity +15)"},
    }}},
    {slot::Feet, 1, Condition::None, {{
        {9, "Sigil Etched Leather Boots (Dual Wielding +3)"},
        {12, "Sigil Bound Leather Boots (Armor Factor +10)"},
        {14, "Sigil Wrapped Leather Boots (Buffing +5%)"},
        {23, "Dragonsworn Etched Leather Boots (Fatigue +5)"},
        {30, "Dragonsworn Bound Leather Boots (Fatigue Cap +5)"},
        {13, "Dragonsworn Wrapped Leather Boots (Healing +5%)"},
    }}},
    {slot::Feet, 2, Condition::None, {{
        {3, "Sigil Marked Lamellar Boots (Dexterity Cap +5)"},
        {10, "Sigil Stamped Lamellar Boots (Archery Skills +3)"},
        {20, "Dragonsworn Marked Boots (Dexterity +15)"},
        {27, "Dragonsworn Stamped Boots (Magic Damage +2%)"},
    }}},
    {slot::Feet, 3, Condition::None, {{
        {12, "Sigil Enchanted Mail Boots (Armor Factor +10)"},
        {9, "Sigil Spelled Mail Boots (Dual Wield +3)"},
        {14, "Sigil Ensorcelled Mail Boots (Buffing +5%)"},
        {28, "Dragonsworn Enchanted Boots (Spell Duration +5%)"},
        {23, "Dragonsworn Spelled Boots (Fatigue +5)"},
        {13, "Dragonsworn Ensorcelled Boots (Healing +5%)"},
    }}},
    {slot::Feet, 4, Condition::None, {{
        {12, "Sigil Gilded Plate Boots (Armor Factor +10)"},
        {4, "Sigil Blazed Plate Boots (Quickness Cap +5)"},
        {23, "Dragonsworn Gilded Plate Boots (Fatigue +5)"},
        {21, "Dragonsworn Blazed Plate Boots (Quickness +15)"},
    }}},
    {slot::RightHand, kAnyKind, Condition::None, {{
        {1, "Dragonsworn Weapon (Strength Cap + 5)"},
        {3, "Dragonsworn Weapon (Dexterity Cap + 5)"},
        {17, "Elemental Weapon (Armor Factor+10, Melee/Style Damage +3%)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::None, {{
        {1, kNoName},
        {3, kNoName},
        {17, "Elemental Weapon (Armor Factor+10, Melee/Style Damage +3%)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::LargeShield, {{
        {4, "Sigil Speedy Large Shield (Quickness Cap +5)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::AnyShieldOrChampion, {{
        {5, "Sigil Insightful Shield (Small) (Acuity Cap +5)"},
        {18, "Dragonsworn Mighty Shield (Small) (Strength +15)"},
        {20, "Dragonsworn Adroit Shield (Small) (Dexterity +15)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::LargeShield, {{
        {21, "Dragonsworn Speedy Tower Shield (Large) (Quickness +15)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::AnyShieldOrChampion, {{
        {22, "Dragonsworn Insightful Shield (Small) (Acuity +15)"},
        {26, "Dragonsworn Protector Shield (Small) (Melee Damage +2%)"},
        {14, "Accomodation Shield (Small) (Buffing +5%)"},
        {13, "Rejuvenating Shield (Small) (Healing +5%)"},
        {11, "Protector Shield (Small) (Shield Skill +3)"},
    }}},
    {slot::TwoHand, kAnyKind, Condition::None, {{
        {1, kNoName},
        {3, kNoName},
        {17, "Elemental Weapon (Armor Factor+10, Melee/Style Damage +3%)"},
        {32, "Elemental Staff (Armor Factor +10, Casting Speed/Damage +3%)"},
    }}},
    {slot::Ranged, kAnyKind, Condition::None, {{
        {1, kNoName},
        {3, kNoName},
        {17, "Elemental Weapon (Armor Factor+10, Melee/Style Damage +3%)"},
        {32, "Elemental Staff (Armor Factor +10, Casting Speed/Damage +3%)"},
    }}},
    {slot::Ranged, kAnyKind, Condition::Instruments, {{
        {28, "Sigil/Dragonsworn Harmonious Harp (Spell Duration +5%)"},
        {5, "Dragonsworn Arpeggio Mandolin (Acuity Cap +5)"},
    }}},
    {slot::Ranged, kAnyKind, Condition::Archery, {{
        {31, "Elemental Bow (Armor Factor +10, Archery Speed/Damage +3%)"},
    }}},
};

constexpr OfferRow kHiberniaRows[] = {
    {slot::Chest, 1, Condition::None, {{
        {8, "Ensorcelled Cruaigh Jerkin (All Casting +3)"},
        {7, "Embroidered Cruaigh Jerkin (All Melee +3)"},
        {27, "Dragonsworn Ensorcelled Jerkin (Magic Damage +2%)"},
        {26, "Dragonsworn Embroidered Jerkin (Melee Damage +2%)"},
    }}},
    {slot::Chest, 2, Condition::None, {{
        {8, "Blazed Cailocht Vest (All Casting +3)"},
        {7, "Ornamented Cailocht Vest (All Melee +3)"},
        {27, "Dragonsworn Blazed Vest (Magic Damage +2%)"},
        {26, "Dragonsworn Ornamented Vest (Melee Damage +2%)"},
    }}},
    {slot::Chest, 3, Condition::None, {{
        {8, "Spell Marked Osnadurtha Hauberk (All Casting +3)"},
        {7, "Decorated Osnadurtha Hauberk (All Melee +3)"},
        {27, "Dragonsworn Marked Hauberk (Magic Damage +2%)"},
        {26, "Dragonsworn Decorated Hauberk (Melee Damage +2%)"},
    }}},
    {slot::Chest, 0, Condition::None, {{
        {8, "Bespelled Woven Robes (All Casting +3)"},
        {7, "Enchanted Woven Robes (All Melee +3)"},
        {27, "Dragonsworn Bespelled Robes (Magic Damage +2%)"},
        {26, "Dragonsworn Enchanted Robes (Melee Damage +2%)"},
    }}},
    {slot::Head, 1, Condition::None, {{
        {2, "Embroidered Cruaigh Wreath (Constitution Cap +5)"},
        {5, "Ensorcelled Cruaigh Wreath (Acuity Cap +5)"},
        {19, "Dragonsworn Embroidered Wreath (Constitution +15)"},
        {22, "Dragonsworn Ensorcelled Wreath (Acuity +15)"},
    }}},
    {slot::Head, 2, Condition::None, {{
        {10, "Ornamented Cailocht Wreath (Archery Skills +3)"},
        {5, "Blazed Cailocht Wreath (Acuity Cap +5)"},
        {27, "Dragonsworn Ornamented Wreath (Magic Damage +2%)"},
        {22, "Dragonsworn Blazed Wreath (Acuity +15)"},
    }}},
    {slot::Head, 3, Condition::None, {{
        {2, "Spell Etched Osnadurtha Wreath (Constitution Cap +5)"},
        {4, "Spell Marked Osnadurtha Wreath (Quickness Cap +5)"},
        {16, "Decorated Osnadurtha Wreath (Defense (PvE) +5%)"},
        {19, "Dragonsworn Etched Wreath (Constitution +15)"},
        {21, "Dragonsworn Marked Wreath (Quickness +15)"},
        {29, "Dragonsworn Decorated Wreath (To-Hit (PvE) +3%)"},
    }}},
    {slot::Head, 0, Condition::None, {{
        {5, "Bespelled Woven Wreath (Acuity Cap +5)"},
        {13, "Bespelled Woven Wreath (Healing +5%)"},
        {4, "Enticing Woven Wreath (Quickness Cap +5)"},
        {22, "Dragonsworn Bespelled Hat (Acuity +15)"},
        {14, "Dragonsworn Enchanted Hat (Buffing +5%)"},
        {21, "Dragonsworn Enticing Hat (Quickness +15)"},
    }}},
    {slot::Arms, 1, Condition::None, {{
        {6, "Embroidered Cruaigh Sleeves (HP Cap +40)"},
        {25, "Dragonsworn Embroidered Sleeves (HP +40)"},
    }}},
    {slot::Arms, 2, Condition::None, {{
        {6, "Ornamented Cailocht Sleeves (HP Cap +40)"},
        {13, "Blazed Cailocht Sleeves (Healing +5%)"},
        {4, "Etched Cailocht Sleeves (Quickness Cap +5)"},
        {25, "Dragonsworn Ornamented Sleeves (HP +40)"},
        {14, "Dragonsworn Blazed Sleeves (Buffing +5%)"},
        {21, "Dragonsworn Etched Sleeves (Quickness +15)"},
    }}},
    {slot::Arms, 3, Condition::None, {{
        {6, "Decorated Osnadurtha Sleeves (HP Cap +40)"},
        {13, "Spell Marked Osnadurtha Sleeves (Healing +5%)"},
        {25, "Dragonsworn Decorated Sleeves (HP +40)"},
        {14, "Dragonsworn Marked Sleeves (Buffing +5%)"},
    }}},
    {slot::Arms, 0, Condition::None, {{
        {6, "Bespelled Woven Sleeves (HP Cap +40)"},
        {14, "Spell Riddled Woven Arms (Buffing +5%)"},
        {25, "Dragonsworn Bespelled Sleeves (HP +40)"},
        {13, "Dragonsworn Spell Riddled Arms (Healing +5%)"},
    }}},
    {slot::Hands, 1, Condition::None, {{
        {3, "Embroidered Cruaigh Gloves (Dexterity Cap +5)"},
        {20, "Dragonsworn Embroidered Gloves (Dexterity +15)"},
    }}},
    {slot::Hands, 2, Condition::None, {{
        {12, "Ornamented Cailocht Gloves (Armor Factor +10)"},
        {14, "Blazed Cailocht Gloves (Buffing +5%)"},
        {13, "Dragonsworn Blazed Gloves (Healing +5%)"},
        {23, "Dragonsworn Ornamented Gloves (Fatigue +5)"},
    }}},
    {slot::Hands, 3, Condition::None, {{
        {3, "Decorated Osnadurtha Gloves (Dexterity Cap +5)"},
        {14, "Spell Marked Osnadurtha Gloves (Buffing +5%)"},
        {20, "Dragonsworn Decorated Gloves (Dexterity +15)"},
        {13, "Dragonsworn Marked Gloves (Healing +5%)"},
    }}},
    {slot::Hands, 0, Condition::None, {{
        {2, "Bespelled Woven Gloves (Constitution Cap +5)"},
        {19, "Dragonsworn Bespelled Gloves (Constitution +15)"},
    }}},
    {slot::Legs, 1, Condition::None, {{
        {1, "Embroidered Cruaigh Leggings (Strength Cap +5)"},
        {15, "Ensorcelled Cruaigh Leggings (Power Pool +5%)"},
        {18, "Dragonsworn Embroidered Leggings (Strength +15)"},
        {24, "Dragonsworn Ensorcelled Leggings (Power Cap +5)"},
    }}},
    {slot::Legs, 2, Condition::None, {{
        {1, "Ornamented Cailocht Leggings (Strength Cap +5)"},
        {15, "Blazed Cailocht Leggings (Power Pool +5%)"},
        {18, "Dragonsworn Ornamented Leggings (Strength +15)"},
        {24, "Dragonsworn Blazed Leggings (Power Cap +5)"},
    }}},
    {slot::Legs, 3, Condition::None, {{
        {1, "Decorated Osnadurtha Leggings (Strength Cap +5)"},
        {15, "Spell Marked Osnadurtha Leggings (Power Pool +5%)"},
        {18, "Dragonsworn Decorated Leggings (Strength +15)"},
        {24, "Dragonsworn Marked Leggings (Power Cap +5)"},
    }}},
    {slot::Legs, 0, Condition::None, {{
        {15, "Bespelled Woven Pants (Power Pool +5%)"},
        {1, "Enchanted Woven Pants (Strength Cap +5)"},
        {24, "Dragonsworn Bespelled Pants (Power Cap +5)"},
        {18, "Dragonsworn Enchanted Pants (Strength +15)"},
    }}},
    {slot::Feet, 1, Condition::None, {{
        {9, "Embroidered Cruaigh Boots (Dual Wield +3)"},
        {12, "Ensorcelled Cruaigh Boots (Armor Factor +10)"},
        {23, "Dragonsworn Embroidered Boots (Fatigue +5)"},
        {30, "Dragonsworn Ensorcelled Boots (Fatigue Cap +5)"},
    }}},
    {slot::Feet, 2, Condition::None, {{
        {2, "Ornamented Cailocht Boots (Constitution Cap +5)"},
        {3, "Blazed Cailocht Boots (Dexterity Cap +5)"},
        {9, "Etched Cailocht Boots (Dual Wield +3)"},
        {20, "Dragonsworn Blazed Boots (Dexterity +15)"},
        {19, "Dragonsworn Ornamented Boots (Constitution +15)"},
        {30, "Dragonsworn Etched Boots (Fatigue Cap +5)"},
    }}},
    {slot::Feet, 3, Condition::None, {{
        {12, "Decorated Osnadurtha Boots (Armor Factor +10)"},
        {5, "Spell Marked Osnadurtha Boots (Acuity Cap +5)"},
        {23, "Dragonsworn Decorated Boots (Fatigue +5)"},
        {22, "Dragonsworn Marked Boots (Acuity +15)"},
    }}},
    {slot::Feet, 0, Condition::None, {{
        {3, "Bespelled Woven Boots (Dexterity Cap +5)"},
        {12, "Enchanted Woven Boots (Armor Factor +10)"},
        {20, "Dragonsworn Bespelled Boots (Dexterity +15)"},
        {28, "Dragonsworn Enchanted Boots (Spell Duration +5%)"},
    }}},
    {slot::RightHand, kAnyKind, Condition::None, {{
        {1, "Dragonsworn Weapon (Strength Cap +5)"},
        {3, "Dragonsworn Weapon (Dexterity Cap +5)"},
        {17, "Elemental Weapon (Armor Factor+10, Melee/Style Damage +3%)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::None, {{
        {1, kNoName},
        {3, kNoName},
        {17, "Elemental Weapon (Armor Factor+10, Melee/Style Damage +3%)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::MediumOrLargeShield, {{
        {4, "Speedy Shield (Med/Lg) (Quickness Cap +5)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::AnyShieldOrChampion, {{
        {5, "Insightful Shield (Small) (Acuity Cap +5)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::MediumOrLargeShield, {{
        {18, "Dragonsworn Mighty Shield (Med/Lg) (Strength +15)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::AnyShieldOrChampion, {{
        {20, "Dragonsworn Adroit Shield (Small) (Dexterity +15)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::MediumOrLargeShield, {{
        {21, "Dragonsworn Speedy Shield (Med/Lg) (Quickness +15)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::AnyShieldOrChampion, {{
        {22, "Dragonsworn Insightful Shield (Small) (Acuity +15)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::MediumOrLargeShield, {{
        {26, "Dragonsworn Protector Shield (Med/Lg) (Melee Damage +2%)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::AnyShieldOrChampion, {{
        {14, "Accomodation Shield (Small) (Buffing +5%)"},
        {13, "Regrown Shield (Small/Lg) (Healing +5%)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::MediumOrLargeShield, {{
        {11, "Protector's Shield (Med/Large) (Shield Skill +3)"},
    }}},
    {slot::TwoHand, kAnyKind, Condition::None, {{
        {1, kNoName},
        {3, kNoName},
        {17, "Elemental Weapon (Armor Factor+10, Melee/Style Damage +3%)"},
        {32, "Elemental Staff (Armor Factor +10, Casting Speed/Damage +3%)"},
    }}},
    {slot::Ranged, kAnyKind, Condition::None, {{
        {1, kNoName},
        {3, kNoName},
        {17, "Elemental Weapon (Armor Factor+10, Melee/Style Damage +3%)"},
        {32, "Elemental Staff (Armor Factor +10, Casting Speed/Damage +3%)"},
    }}},
    {slot::Ranged, kAnyKind, Condition::Instruments, {{
        {28, "Appoggiatura Harp (Spell Duration +5%)"},
        {13, "Adban Trireach Harp (Healing +5%)"},
    }}},
    {slot::Ranged, kAnyKind, Condition::Archery, {{
        {31, "Elemental Bow (Armor Factor +10, Archery Speed/Damage +3%)"},
    }}},
};

constexpr OfferRow kMidgardRows[] = {
    {slot::Chest, 0, Condition::None, {{
        {8, "Rune Knit Padded Vest (All Casting +3)"},
        {27, "Dragonsworn Knit Padded Robe (Magic Damage +2%)"},
    }}},
    {slot::Chest, 1, Condition::None, {{
        {7, "Rune Stitched Starklaedar Jerkin (All Melee +3)"},
        {26, "Dragonsworn Stitched Starklaedar (Melee Damage +2%)"},
    }}},
    {slot::Chest, 2, Condition::None, {{
        {7, "Rune Etched Starkaskodd Vest (All Melee +3)"},
        {26, "Dragonsworn Etched Vest (Melee Damage +2%)"},
    }}},
    {slot::Chest, 3, Condition::None, {{
        {7, "Rune Bound Starkakedja Hauberk (All Melee +3)"},
        {8, "Rune Scribed Starkakedja Hauberk (All Casting +3)"},
        {26, "Dragonsworn Bound Hauberk (Melee Damage +2%)"},
        {27, "Dragonsworn Scribed Hauberk (Magic Damage +2%)"},
    }}},
    {slot::Head, 0, Condition::None, {{
        {5, "Runed Knit Padded Circlet (Acuity Cap +5)"},
        {13, "Rune Braided Padded Circlet (Healing +5%)"},
        {4, "Runed Riddled Padded Circlet (Quickness Cap +5)"},
        {22, "Dragonsworn Knit Padded Full Helm (Acuity +15)"},
        {14, "Dragonsworn Braided Full Helm (Buffing +5%)"},
        {21, "Dragonsworn Riddled Full Helm (Quickness +15)"},
    }}},
    {slot::Head, 1, Condition::None, {{
        {2, "Rune Stitched Starklaedar Circlet (Constitution Cap +5)"},
        {19, "Dragonsworn Stitched Starklaedar Helm (Constitution +15)"},
    }}},
    {slot::Head, 2, Condition::None, {{
        {10, "Rune Etched Starkaskodd Circlet (Archery Skills +3)"},
        {12, "Rune Carved Starkaskodd Circlet (Armor Factor +10)"},
        {27, "Dragonsworn Etched Helm (Magic Damage +2%)"},
        {30, "Dragonsworn Carved Helm (Fatigue Cap +5)"},
    }}},
    {slot::Head, 3, Condition::None, {{
        {16, "Rune Bound Starkakedja Circlet (Defense (PvE) +5%)"},
        {2, "Rune Marked Starkakedja Circlet (Constitution Cap +5)"},
        {4, "Rune Scribed Starkakedja Circlet (Quickness Cap +5)"},
        {19, "Dragonsworn Marked Helm (Constitution +15)"},
        {21, "Dragonsworn Scribed Helm (Quickness +15)"},
        {29, "Dragonsworn Bound Helm (To-Hit (PvE) +3%)"},
    }}},
    {slot::Head, 3, Condition::OneClass, {{
        {13, "Rune Bound Winged Helm (Healing +5%)"},
    }}, kValkyrieClass},
    {slot::Arms, 0, Condition::None, {{
        {6, "Rune Knit Padded Arms (HP Cap +40)"},
        {14, "Rune Braided Padded Arms (Buffing +5%)"},
        {13, "Dragonsworn Braided Padded Arms (Healing +5%)"},
        {25, "Dragonsworn Knit Padded Arms (HP +40)"},
    }}},
    {slot::Arms, 1, Condition::None, {{
        {6, "Rune Stitched Starklaedar Sleeves (HP Cap +40)"},
        {25, "Dragonsworn Stitched Starklaedar Sleeves (HP +40)"},
    }}},
    {slot::Arms, 2, Condition::None, {{
        {6, "Rune Etched Starkaskodd Sleeves (HP Cap +40)"},
        {4, "Rune Carved Starkaskodd Sleeves (Quickness Cap +5)"},
        {21, "Dragonsworn Carved Sleeves (Quickness +15)"},
        {25, "Dragonsworn Etched Sleeves (HP +40)"},
    }}},
    {slot::Arms, 3, Condition::None, {{
        {6, "Rune Bound Starkakedja Sleeves (HP Cap +40)"},
        {13, "Rune Scribed Starkakedja Sleeves (Healing +5%)"},
        {25, "Dragonsworn Bound Sleeves (HP +40)"},
        {14, "Dragonsworn Scribed Sleeves (Buffing +5%)"},
    }}},
    {slot::Hands, 0, Condition::None, {{
        {12, "Rune Knit Padded Gloves (Armor Factor +10)"},
        {28, "Dragonsworn Knit Padded Gloves (Spell Duration +5%)"},
    }}},
    {slot::Hands, 1, Condition::None, {{
        {12, "Rune Stitched Starklaedar Gloves (Armor Factor +10)"},
        {30, "Dragonsworn Stitched Starklaedar Gloves (Fatigue Cap +5)"},
    }}},
    {slot::Hands, 2, Condition::None, {{
        {3, "Rune Etched Starkaskodd Gloves (Dexterity Cap +5)"},
        {20, "Dragonsworn Etched Gloves (Dexterity +15)"},
    }}},
    {slot::Hands, 3, Condition::None, {{
        {3, "Rune Bound Starkakedja Gloves (Dexterity Cap +5)"},
        {14, "Rune Scribed Starkakedja Gloves (Buffing +5%)"},
        {13, "Dragonsworn Scribed Gloves (Healing +5%)"},
        {20, "Dragonsworn Bound Gloves (Dexterity +15)"},
    }}},
    {slot::Legs, 0, Condition::None, {{
        {15, "Rune Knit Padded Pants (Power Pool +5%)"},
        {1, "Rune Braided Padded Pants (Strength Cap +5)"},
        {24, "Dragonsworn Knit Padded Pants (Power Cap +5)"},
        {18, "Dragonsworn Braided Padded Pants (Strength +15)"},
    }}},
    {slot::Legs, 1, Condition::None, {{
        {1, "Rune Stitched Starklaedar Leggings (Strength Cap +5)"},
        {18, "Dragonsworn Stitched Starklaedar Legs (Strength +15)"},
    }}},
    {slot::Legs, 2, Condition::None, {{
        {1, "Rune Etched Starkaskodd Leggings (Strength Cap +5)"},
        {18, "Dragonsworn Etched Legs (Strength +15)"},
    }}},
    {slot::Legs, 3, Condition::None, {{
        {1, "Rune Bound Starkakedja Leggings (Strength Cap +5)"},
        {15, "Rune Scribed Starkakedja Leggings (Power Pool +5%)"},
        {18, "Dragonsworn Bound Legs (Strength +15)"},
        {24, "Dragonsworn Scribed legs (Power Cap +5)"},
    }}},
    {slot::Feet, 0, Condition::None, {{
        {3, "Rune Knit Padded Boots (Dexterity Cap +5)"},
        {2, "Rune Braided Padded Boots (Constitution Cap +5)"},
        {20, "Dragonsworn Knit Padded Boots (Dexterity +15)"},
        {19, "Dragonsworn Braided Padded Boots (Constitution +15)"},
    }}},
    {slot::Feet, 1, Condition::None, {{
        {9, "Rune Stitched Starklaedar Boots (Dual Wield +3)"},
        {4, "Rune Sewn Starklaedar Boots (Quickness Cap +5)"},
        {21, "Dragonsworn Sewn Starklaedar Boots (Quickness +15)"},
        {23, "Dragonsworn Stitched Starklaedar Boots (Fatigue +5)"},
    }}},
    {slot::Feet, 2, Condition::None, {{
        {2, "Rune Etched Starkaskodd Boots (Constitution Cap +5)"},
        {14, "Rune Carved Starkaskodd Boots (Buffing +5%)"},
        {9, "Rune Struck Starkaskodd Boots (Dual Wield +3)"},
        {19, "Dragonsworn Etched Boots (Constitution +15)"},
        {23, "Dragonsworn Carved Boots (Fatigue +5)"},
        {7, "Dragonsworn Struck Boots (All Melee +3)"},
    }}},
    {slot::Feet, 3, Condition::None, {{
        {12, "Rune Bound Starkakedja Boots (Armor Factor +10)"},
        {5, "Rune Scribed Starkakedja Boots (Acuity Cap +5)"},
        {22, "Dragonsworn Scribed Boots (Acuity +15)"},
        {23, "Dragonsworn Bound Boots (Fatigue +5)"},
    }}},
    {slot::RightHand, kAnyKind, Condition::None, {{
        {1, kNoName},
        {3, kNoName},
        {17, "Elemental Weapon (Armor Factor+10, Melee/Style Damage +3%)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::None, {{
        {1, kNoName},
        {3, kNoName},
        {17, "Elemental Weapon (Armor Factor+10, Melee/Style Damage +3%)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::MediumOrLargeShield, {{
        {4, "Speedy Shield (Med/Lg) (Quickness Cap +5)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::AnyShieldOrChampion, {{
        {5, "Pious Shield (Small/Lg) (Acuity Cap +5)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::MediumOrLargeShield, {{
        {18, "Dragonsworn Mighty Shield (Med/Lg) (Strength +15)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::AnyShieldOrChampion, {{
        {20, "Dragonsworn Adroit Shield (Small) (Dexterity +15)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::MediumOrLargeShield, {{
        {21, "Dragonsworn Speedy Shield (Med/Lg) (Quickness +15)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::AnyShieldOrChampion, {{
        {22, "Dragonsworn Pious Shield (Small/Lg) (Acuity +15)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::LargeShield, {{
        {26, "Dragonsworn Protector Shield (Lg) (Melee Damage +2%)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::AnyShieldOrChampion, {{
        {14, "Dragonsworn Accomodation (Small) (Buffing +5%)"},
        {13, "Dragonsworn Mending Shield (Small/Lg) (Healing +5%)"},
    }}},
    {slot::LeftHand, kAnyKind, Condition::LargeShield, {{
        {11, "Protector's Shield (Lg) (Shield Skill +3)"},
    }}},
    {slot::TwoHand, kAnyKind, Condition::None, {{
        {1, kNoName},
        {3, kNoName},
        {17, "Elemental Weapon (Armor Factor+10, Melee/Style Damage +3%)"},
        {32, "Elemental Staff (Armor Factor +10, Casting Speed/Damage +3%)"},
    }}},
    {slot::Ranged, kAnyKind, Condition::None, {{
        {1, kNoName},
        {3, kNoName},
        {17, "Elemental Weapon (Armor Factor+10, Melee/Style Damage +3%))"},
        {32, "Elemental Staff (Armor Factor +10, Casting Speed/Damage +3%)"},
    }}},
    {slot::Ranged, kAnyKind, Condition::Archery, {{
        {31, "Elemental Bow (Armor Factor +10, Archery Speed/Damage +3%)"},
    }}},
};
// clang-format on

// Index: realm.
constexpr std::array<std::span<const OfferRow>, 3> kOfferBlocks = {kAlbionRows, kHiberniaRows, kMidgardRows};

// ---- alchemy procs ----

constexpr std::array<std::string_view, 127> kAlchemyProcs = {
    "(No Proc Selected)",
    "(Reactive) (49) Omni Life-Drain (100v)",
    "(Reactive) (49) Power Drain (55v)",
    "(Reactive) (49) Speed Decrease (35%/15s)",
    "(Reactive) (48) (Drop) Ablative (150v/50%)",
    "(Reactive) (48) (Drop) Heal (80v)",
    "(Reactive) (48) (Drop) Damage Add (11.3v/30s)",
    "(Reactive) (48) (Drop) Lifetap (65v)",
    "(Reactive) (47) Ablative (100v/50%)",
    "(Reactive) (47) Damage Shield (5.1v/15s)",
    "(Reactive) (47) Haste (20%/60s)",
    "(Reactive) (47) Damage over Time (64v/4s-20s)",
    "(Reactive) (47) AF Buff (75v/60s)",
    "(Reactive) (47) Direct Damage (Spirit:95v)",
    "(Reactive) (47) Direct Damage (Energy:95v)",
    "(Reactive) (47) Direct Damage (Cold:95v)",
    "(Reactive) (47) Direct Damage (Heat:95v)",
    "(Reactive) (45) Power Drain (35v)",
    "(Reactive) (45) Snare (30%/15s)",
    "(Reactive) (45) Omni Life-drain (75v)",
    "(Reactive) (43) Direct Damage (Spirit:86v)",
    "(Reactive) (43) Direct Damage (Energy:86v)",
    "(Reactive) (43) Direct Damage (Cold:86v)",
    "(Reactive) (43) Direct Damage (Heat:86v)",
    "(Reactive) (40) Direct Damage (Spirit:77v)",
    "(Reactive) (40) Direct Damage (Energy:77v)",
    "(Reactive) (40) Direct Damage (Cold:77v)",
    "(Reactive) (40) Direct Damage (Heat:77v)",
    "(Reactive) (35) Ablative (75v/50%)",
    "(Reactive) (35) AF Buff (56v/60s)",
    "(Reactive) (35) Damage Shield (3.6v/15s)",
    "(Reactive) (25) Ablative (50v/50%)",
    "(Reactive) (25) AF Buff (37v/60s)",
    "(Reactive) (25) Damage Shield (2.6v/15s)",
    "(Charges) (49) Celerity (15%/5min)",
    "(Charges) (49) Self Cure Poison",
    "(Charges) (49) Self Cure Disease",
    "(Charges) (48) (Drop) Ablative (150v/50%)",
    "(Charges) (48) (Drop) Power Regen (2v/10m)",
    "(Charges) (47) Direct Damage (Heat:95v)",
    "(Charges) (47) Direct Damage (Cold:95v)",
    "(Charges) (47) Direct Damage (Energy:95v)",
    "(Charges) (47) Direct Damage (Spirit:95v)",
    "(Charges) (47) Ablative (100v/50%)",
    "(Charges) (47) AF Buff (75v/10min)",
    "(Charges) (47) Acuity Buff (75v/10min)",
    "(Charges) (47) Damage Over Time (64v/4s-20s)",
    "(Charges) (47) Self Haste (17%/10min)",
    "(Charges) (47) Damage Shield (4.2v/10min)",
    "(Charges) (47) Damage Add (11.3v/30s)",
    "(Charges) (47) Lifedrain (65v)",
    "(Charges) (47) Str/Con Debuff (56v/60s)",
    "(Charges) (47) Dex/Qui Debuff (56v/60s)",
    "(Charges) (45) Celerity (10%/5min)",
    "(Charges) (45) Power Transfer (60%)",
    "(Charges) (45) Health Transfer (70%)",
    "(Charges) (43) Direct Damage (Heat:86v)",
    "(Charges) (43) Direct Damage (Cold:86v)",
    "(Charges) (43) Direct Damage (Energy:86v)",
    "(Charges) (43) Direct Damage (Spirit:86v)",
    "(Charges) (40) Direct Damage (Heat:77v)",
    "(Charges) (40) Direct Damage (Cold:77v)",
    "(Charges) (40) Direct Damage (Energy:77v)",
    "(Charges) (40) Direct Damage (Spirit:77v)",
    "(Charges) (35) Direct Damage (Heat:68v)",
    "(Charges) (35) Direct Damage (Cold:68v)",
    "(Charges) (35) Direct Damage (Energy:68v)",
    "(Charges) (35) Direct Damage (Spirit:68v)",
    "(Charges) (35) Damage Shield (2.9v/10min)",
    "(Charges) (35) AF Buff (56v/10min)",
    "(Charges) (35) Acuity Buff (56v/10m)",
    "(Charges) (30) Direct Damage (Heat:59v)",
    "(Charges) (30) Direct Damage (Cold:59v)",
    "(Charges) (30) Direct Damage (Energy:59v)",
    "(Charges) (30) Direct Damage (Spirit:59v)",
    "(Charges) (25) Direct Damage (Heat:50v)",
    "(Charges) (25) Direct Damage (Cold:50v)",
    "(Charges) (25) Direct Damage (Energy:50v)",
    "(Charges) (25) Direct Damage (Spirit:50v)",
    "(Charges) (25) Damage Shield (2.1v/10min)",
    "(Charges) (25) AF Buff (37v/10min)",
    "(Charges) (25) Acuity Buff (37v/10min)",
    "(Charges) (20) Direct Damage (Heat:41v)",
    "(Charges) (20) Direct Damage (Cold:41v)",
    "(Charges) (20) Direct Damage (Energy:41v)",
    "(Charges) (20) Direct Damage (Spirit:41v)",
    "(Offensive) (49) Taunt",
    "(Offensive) (49) Power Drain (55v)",
    "(Offensive) (48) (Drop) Ablative (150v/50%)",
    "(Offensive) (48) (Drop) Heal (80v)",
    "(Offensive) (48) (Drop) Damage Add (11.3v/30s)",
    "(Offensive) (48) (Drop) Lifetap (65v)",
    "(Offensive) (47) Ablative (100v/50%)",
    "(Offensive) (47) Self AF Buff (75/60s)",
    "(Offensive) (47) Damage Over Time (64v/4s-20s)",
    "(Offensive) (47) Self Haste (20%/60s)",
    "(Offensive) (47) Self Damage Shield (5.1v/15s)",
    "(Offensive) (47) Direct Damage (Heat:95v)",
    "(Offensive) (47) Direct Damage (Cold:95v)",
    "(Offensive) (47) Direct Damage (Energy:95v)",
    "(Offensive) (47) Direct Damage (Spirit:95v)",
    "(Offensive) (45) Taunt",
    "(Offensive) (45) Power Drain (35v)",
    "(Offensive) (43) Direct Damage (Heat:86v)",
    "(Offensive) (43) Direct Damage (Cold:86v)",
    "(Offensive) (43) Direct Damage (Energy:86v)",
    "(Offensive) (43) Direct Damage (Spirit:86v)",
    "(Offensive) (40) Direct Damage (Heat:77v)",
    "(Offensive) (40) Direct Damage (Cold:77v)",
    "(Offensive) (40) Direct Damage (Energy:77v)",
    "(Offensive) (40) Direct Damage (Spirit:77v)",
    "(Offensive) (35) Direct Damage (Heat:68v)",
    "(Offensive) (35) Direct Damage (Cold:68v)",
    "(Offensive) (35) Direct Damage (Energy:68v)",
    "(Offensive) (35) Direct Damage (Spirit:68v)",
    "(Offensive) (30) Direct Damage (Heat:59v)",
    "(Offensive) (30) Direct Damage (Cold:59v)",
    "(Offensive) (30) Direct Damage (Energy:59v)",
    "(Offensive) (30) Direct Damage (Spirit:59v)",
    "(Offensive) (25) Direct Damage (Heat:50v)",
    "(Offensive) (25) Direct Damage (Cold:50v)",
    "(Offensive) (25) Direct Damage (Energy:50v)",
    "(Offensive) (25) Direct Damage (Spirit:50v)",
    "(Offensive) (20) Direct Damage (Heat:41v)",
    "(Offensive) (20) Direct Damage (Cold:41v)",
    "(Offensive) (20) Direct Damage (Energy:41v)",
    "(Offensive) (20) Direct Damage (Spirit:41v)",
};

// ---- gem stat labels ----

constexpr int kLastCatalogueGemEntry = 133;

struct LabelOverride {
  int entry;
  std::string_view label;
};

// The entries 1..133 whose label is not the catalogue name of their StatId.
constexpr LabelOverride kLabelOverrides[] = {
    {9, "Power"},           {20, "All Melee"},
    {21, "All Casting "},   {25, "Stealth"},
    {26, "Envenom"},        {27, "Critical Strike"},
    {28, "Slash "},         {29, "Crush "},
    {30, "Thrust"},         {31, "Two Hand"},
    {32, "Polearm"},        {33, "Staff"},
    {34, "Dual Wield"},     {35, "Long Bow"},
    {36, "Crossbow"},       {37, "Flexible"},
    {38, "Body"},           {41, "Earth"},
    {43, "Fire"},           {45, "Ice"},
    {47, "Matter"},         {48, "Mind"},
    {53, "Wind"},           {65, "Blades"},
    {66, "Blunt"},          {67, "Piercing"},
    {68, "Scythe"},         {69, "Celtic Duel"},
    {70, "Celtic Spear"},   {71, "Large Weapons"},
    {72, "Recurve Bows"},   {78, "Light"},
    {79, "Mana"},           {91, "Void"},
    {103, "Swords"},        {104, "Axe"},
    {105, "Hammer"},        {106, "Left Axe"},
    {107, "Spear"},         {108, "Hand to Hand"},
    {109, "Composite Bow"}, {110, "Thrown Weapons"},
    {115, "Cursing"},       {116, "Darkness"},
    {117, "Hexing"},
};

// Entries 134..138.
constexpr std::array<std::string_view, 5> kMaulerLabels = {"Mauler Staff", "Fist Wraps", "Magnetism", "Power Strikes",
                                                           "Aura Manipulation"};

// ---- archetypes ----

constexpr std::array<std::string_view, kArchetypeCount> kArchetypeCaptions = {
    "<Select>",         "0. Attributes",       "1. Resistances",    "2. Common Skills",
    "3. Albion Skills", "4. Hibernian Skills", "5. Midgard Skills", "6. Full Listing"};

struct EntryRange {
  int first;
  int last;  // included
};

constexpr int kEmptyEntry = 0;
constexpr EntryRange kNoRange{1, 0};

// The entries of an archetype's box after "<Empty>": one or two ranges of the
// gem stat list, less an entry of a given label.
struct Archetype {
  EntryRange main;
  EntryRange more;
  std::string_view leftOut;
};

// Index: archetype; "<Select>" has no entries.
constexpr std::array<Archetype, kArchetypeCount> kArchetypes = {{
    {kNoRange, kNoRange, {}},
    {{1, 10}, kNoRange, {}},
    {{11, 19}, kNoRange, {}},
    {{20, 27}, {kLastCatalogueGemEntry + 1, kGemStatEntryCount - 1}, {}},  // common skills and the Mauler lines
    {{28, 64}, kNoRange, {}},
    {{65, 102}, kNoRange, {}},
    {{103, kLastCatalogueGemEntry}, kNoRange, "Focus:Cave Magic"},
    {{1, kGemStatEntryCount - 1}, kNoRange, {}},
}};

// ---- automatic name ----

constexpr std::array<std::string_view, 6> kKindWords = {" Cloth", " Leather", " Studded", " Chain", " Plate", " Item"};
constexpr std::array<std::string_view, 6> kHibernianKindWords = {" Cloth", " Leather", " Reinforced",
                                                                 " Scale", " Plate",   " Item"};

std::string_view KindWord(int absorption, int realm, int equipmentSlot) {
  const int kind = absorption >= 0 && absorption < kNonArmorAbsorption ? absorption : kNonArmorAbsorption;
  if (kind == kNonArmorAbsorption) {
    if (equipmentSlot == slot::LeftHand) return " Weapon/Shield";
    if (equipmentSlot == slot::RightHand || equipmentSlot == slot::TwoHand || equipmentSlot == slot::Ranged)
      return " Weapon";
  }
  const auto& words = realm == realm::Hibernia ? kHibernianKindWords : kKindWords;
  return words[static_cast<std::size_t>(kind)];
}

// ---- offer list ----

bool IsCrossRealm(int serverIndex, int equipmentSlot) {
  const bool crossRealmServer =
      serverIndex == server_type::Coop || serverIndex == server_type::PvP || serverIndex == server_type::RealmFree;
  return crossRealmServer && equipmentSlot != slot::Head;
}

bool ConditionHolds(const OfferRow& row, const OfferInputs& inputs, const ClassInfo& info) {
  switch (row.condition) {
    case Condition::None: return true;
    case Condition::LargeShield: return info.ShieldSize == shield::Large;
    case Condition::MediumOrLargeShield: return info.ShieldSize == shield::Medium || info.ShieldSize == shield::Large;
    case Condition::AnyShieldOrChampion:
      return info.ShieldSize != shield::None || inputs.ChampionLevel > kChampionLevelForSmallShields;
    case Condition::Instruments: return info.UsesInstrument;
    case Condition::Archery: return info.UsesArchery;
    case Condition::OneClass: return inputs.ClassIndex == row.classIndex;
  }
  return false;
}

bool RowMatches(const OfferRow& row, const OfferInputs& inputs, const ClassInfo& info) {
  return row.slot == inputs.EquipmentSlot && (row.kind == kAnyKind || row.kind == inputs.Absorption) &&
         ConditionHolds(row, inputs, info);
}

void AppendRowOffers(const OfferRow& row, std::vector<FifthSlotOffer>& offers) {
  for (const FifthSlotOffer& offer : row.offers) {
    if (offer.Bonus == kNoFifthSlotBonus) break;
    offers.push_back(offer);
  }
}

// ---- bonus level ----

// A vault item with the crafted item's ten bonuses and nothing that would
// override its computed bonus level (no manual level, not unique, no item type).
VaultItem BonusProbe(const CraftedItem& item) {
  VaultItem probe;
  probe.StatIds = item.StatIds;
  probe.StatValues = item.StatValues;
  return probe;
}

}  // namespace

// ---- fifth-slot bonus list ----

std::string_view FifthSlotBonusText(int entry) {
  return InRange(entry, kFifthSlotBonuses.size()) ? kFifthSlotBonuses[static_cast<std::size_t>(entry)].text
                                                  : std::string_view{};
}

std::span<const StatGrant> FifthSlotGrants(int entry) {
  if (!InRange(entry, kFifthSlotBonuses.size())) return {};
  const auto& grants = kFifthSlotBonuses[static_cast<std::size_t>(entry)].grants;
  const auto used = std::find_if(grants.begin(), grants.end(), [](const StatGrant& g) { return g.Stat == 0; });
  return {grants.begin(), used};
}

int FifthSlotBonusIndexOf(std::string_view text) {
  const auto found = std::find_if(kFifthSlotBonuses.begin(), kFifthSlotBonuses.end(),
                                  [text](const BonusEntry& entry) { return entry.text == text; });
  return found == kFifthSlotBonuses.end() ? -1 : static_cast<int>(found - kFifthSlotBonuses.begin());
}

// ---- offers ----

std::vector<FifthSlotOffer> BuildOfferList(const OfferInputs& inputs) {
  std::vector<FifthSlotOffer> offers{FifthSlotOffer{}};
  const int classRealm = CharacterRealm(inputs.ClassIndex);
  const bool crossRealm = IsCrossRealm(inputs.ServerIndex, inputs.EquipmentSlot);
  const ClassInfo& info = ClassInfoOf(inputs.ClassIndex);
  // Head is never cross-realm, so its rows come from the class's own realm only.
  for (int realm = realm::Albion; realm <= realm::Midgard; ++realm) {
    if (realm != classRealm && !crossRealm) continue;
    for (const OfferRow& row : kOfferBlocks[static_cast<std::size_t>(realm)])
      if (RowMatches(row, inputs, info)) AppendRowOffers(row, offers);
  }
  return offers;
}

std::vector<FifthSlotOffer> OfferListFor(const Template& model, int equipmentSlot, int absorption) {
  const Configuration* current = model.Current();
  return BuildOfferList({.ClassIndex = model.ClassIndex,
                         .ServerIndex = model.ServerIndex,
                         .EquipmentSlot = equipmentSlot,
                         .Absorption = absorption,
                         .ChampionLevel = current != nullptr ? current->ChampionLevel : 0});
}

std::vector<std::string_view> OfferTexts(std::span<const FifthSlotOffer> offers) {
  std::vector<std::string_view> texts;
  texts.reserve(offers.size());
  for (std::size_t position = 0; position < offers.size(); ++position)
    texts.push_back(position == 0 ? kNoExtraBonusOffer : FifthSlotBonusText(offers[position].Bonus));
  return texts;
}

void ChooseOffer(CraftedItem& item, std::span<const FifthSlotOffer> offers, int position) {
  if (!InRange(position, offers.size()) || !FifthSlotAvailable(item.ItemLevel)) position = 0;
  item.FifthSlotBonus = static_cast<std::uint8_t>(position);
  item.LegacyBonus =
      static_cast<std::uint8_t>(offers.empty() ? kNoFifthSlotBonus : offers[static_cast<std::size_t>(position)].Bonus);
}

int OfferPositionOnLoad(const CraftedItem& item, std::span<const FifthSlotOffer> offers) {
  if (item.FifthSlotBonus < offers.size()) return item.FifthSlotBonus;
  if (item.LegacyBonus == kNoFifthSlotBonus) return 0;
  const std::string_view text = FifthSlotBonusText(item.LegacyBonus);
  for (std::size_t position = 1; position < offers.size(); ++position)
    if (FifthSlotBonusText(offers[position].Bonus) == text) return static_cast<int>(position);
  return 0;
}

void SetFifth(CraftedItem& item, bool forceFifthSlot) {
  for (int bonus = kGemSlots; bonus < kBonusSlots; ++bonus) {
    item.StatIds[static_cast<std::size_t>(bonus)] = 0;
    item.StatValues[static_cast<std::size_t>(bonus)] = 0;
  }
  if (!FifthSlotAvailable(item.ItemLevel) || !FifthSlotActive(item, forceFifthSlot)) return;
  std::size_t bonus = kGemSlots;
  for (const StatGrant& grant : FifthSlotGrants(item.LegacyBonus)) {
    item.StatIds[bonus] = grant.Stat;
    item.StatValues[bonus] = grant.Amount;
    ++bonus;
  }
}

// ---- derived values ----

int CraftedBonusLevel(const CraftedItem& item) {
  return static_cast<int>(std::max(0.0, BonusLevelValue(BonusProbe(item))));
}

std::string AutomaticName(const CraftedItem& item, int realm, int equipmentSlot,
                          std::span<const FifthSlotOffer> offers) {
  std::string name = "Lv" + std::to_string(item.ItemLevel);
  name += KindWord(item.Absorption, realm, equipmentSlot);
  const std::string_view bonusText = FifthSlotBonusText(item.LegacyBonus);
  if (item.LegacyBonus == kNoFifthSlotBonus || bonusText.empty()) return name;
  if (InRange(item.FifthSlotBonus, offers.size()) && !offers[item.FifthSlotBonus].ItemName.empty())
    return std::string(offers[item.FifthSlotBonus].ItemName);
  return name + " : ( " + std::string(bonusText) + " )";
}

// ---- armour kinds ----

std::vector<std::string_view> ArmourKindTexts() {
  std::vector<std::string_view> texts(kArmorAbsorptionTexts.begin(), kArmorAbsorptionTexts.end());
  texts.emplace_back("Non-Armor");
  return texts;
}

// ---- alchemy procs ----

std::span<const std::string_view> AlchemyProcList() { return kAlchemyProcs; }

int AlchemyProcIndexOf(std::string_view text) {
  const auto found = std::find_if(kAlchemyProcs.begin(), kAlchemyProcs.end(),
                                  [text](std::string_view proc) { return EqualIgnoringCase(proc, text); });
  return found == kAlchemyProcs.end() ? 0 : static_cast<int>(found - kAlchemyProcs.begin());
}

// ---- gem stat labels and archetypes ----

std::string_view GemStatLabel(int entry) {
  if (entry < 0 || entry >= kGemStatEntryCount) return {};
  if (entry > kLastCatalogueGemEntry)
    return kMaulerLabels[static_cast<std::size_t>(entry - kLastCatalogueGemEntry - 1)];
  for (const LabelOverride& label : kLabelOverrides)
    if (label.entry == entry) return label.label;
  return StatCatalogue().TextOf(entry);
}

int GemStatEntryOfLabel(std::string_view label) {
  for (int entry = 0; entry < kGemStatEntryCount; ++entry)
    if (GemStatLabel(entry) == label) return entry;
  return -1;
}

std::span<const std::string_view> ArchetypeCaptions() { return kArchetypeCaptions; }

std::vector<int> ArchetypeEntries(int archetype) {
  if (archetype <= kNoArchetype || archetype >= kArchetypeCount) return {};
  const Archetype& type = kArchetypes[static_cast<std::size_t>(archetype)];
  std::vector<int> entries{kEmptyEntry};
  for (const EntryRange& range : {type.main, type.more})
    for (int entry = range.first; entry <= range.last; ++entry)
      if (type.leftOut.empty() || GemStatLabel(entry) != type.leftOut) entries.push_back(entry);
  return entries;
}

std::vector<std::string_view> ArchetypeLabels(int archetype) {
  if (archetype == kNoArchetype) return {kChooseArchetype};
  std::vector<std::string_view> labels;
  for (int entry : ArchetypeEntries(archetype)) labels.push_back(GemStatLabel(entry));
  return labels;
}

int ArchetypePositionOf(int archetype, int entry) {
  const std::vector<int> entries = ArchetypeEntries(archetype);
  const auto found = std::find(entries.begin(), entries.end(), entry);
  return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

}  // namespace davoruzivi
