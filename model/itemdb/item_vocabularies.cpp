#include "itemdb/item_vocabularies.h"

#include <cstdio>
#include <string>
#include <vector>

namespace davoruzivi {
namespace {

constexpr std::string_view kItemTypes[] = {
    "Normal Drop", "Indestructable Items", "Quest Reward", "Unique (RoG)", "Merchant Bought",
    "Player Crafted", "Instance Boss Reward", "One Time Drop", "Artifact", "Epic Armor",
    "Champion Weapon", "Dragonslayer Quest", "Mythirian", "Summoned Item", "XML Imported Item (Verify)",
    "Other...", "Ruleset Unique Drop", "Bounty Point Reward", "Json Imported Item (Verify)"};

constexpr std::string_view kExpansions[] = {
    "<Unknown>", "Classic Areas ('Mainland')", "Shrouded Isles (SI)", "Trials of Atlantis (ToA)",
    "Catacombs (Cat)", "New Frontiers (NF)", "Darkness Rising (DR)", "Darkness Falls (DF)",
    "Labyrinth of the Minotaur (LotM)", "Epic Quest Armor (Epic)", "Dragon's Revenge Campaign (Dragons)",
    "Rites of Spring/Ghost Keep Events", "Origins Expansion (Old Frontiers)", "Unnamed Expansion/Campaign",
    "Doppelganger Campaign", "Heroes and Legends Campaign", "Tutorial Zone Expansion", "Passage of Conflict",
    "Battlegrounds", "No longer dropped (Legacy Items)", "Midwinter Festival", "St. Patricks Day",
    "Broadsword Database"};

constexpr std::string_view kWeaponTypes[] = {
    "N/A", "Slash", "Blades", "Sword", "Axe", "Crush", "Blunt", "Hammer", "Thrust", "Piercing",
    "Normal Staff", "Celtic Spear", "Midgard Spear", "Polearm", "Two Handed", "Large Weapon",
    "Bow (Long, Recurve, and Composite Bows)", "Shortbow / Crossbow ", "Throwing Weapons", "Instrument",
    "Hand To Hand", "Flexible", "Scythe", "Fist Wraps", "Mauler Staff", "Friar Staff",
    "Selectable/Changeable", "Small Shield", "Medium Shield", "Large Shield", "Class-Sized Shield"};

// The weapon filter names the shield types in the plural.
constexpr int kFirstShieldType = 27;
constexpr std::string_view kShieldFilterNames[] = {"Small Shields", "Medium Shields", "Large Shields",
                                                   "Class-Sized Shields"};

constexpr std::string_view kSources[] = {
    "Unknown", "Allakhazam", "Orvendel", "In Game", "User Submitted", "Daoc Template Site", "VN-Boards",
    "Camelot Herald", "Vision of Sages (or Backup)", "Imported KWI/KWX", "XML Import", "JSON Import"};

constexpr std::string_view kEffects[] = {
    "Undefined/Other", "Ablative", "Absorb + Damage Shield", "Absorb Siphoning", "Arcane Leadership",
    "Arcane Siphoning", "Arch Magery", "Area Effect Damage", "Area Effect Ressurect", "Arrogance",
    "Aura of Kings", "Aura of Life", "Aura of Magnamity", "Bedazzled", "Bladeturn", "Blocking Bonus",
    "Buff (Accuracy)", "Buff (Acuity)", "Buff (Armor Factor)", "Buff (Dex/Qui)", "Buff (Other)",
    "Buff (Stats)", "Buff (Str/Con)", "Celerity", "Cheat Death", "Coin Drop Bonus", "Confuse", "Conversion",
    "Crowd Control Reduction", "Cure : Disease", "Cure : Nearsight", "Cure : Poison", "Damage Add",
    "Damage Bolt", "Damage Conversion", "Damage Increase", "Damage over Time", "Damage Shield",
    "Debuff (Absorb)", "Debuff (Dex/Qui)", "Debuff (Other)", "Debuff (Resistance)", "Debuff (Stats)",
    "Debuff (Str/Con)", "Defensive Proc", "De-Haste", "Direct Damage", "Direct Damage /w Debuff",
    "Disarm Proc", "Disease", "Disorient", "Disorient / Damage-over-time", "Dispel", "Efficient Endurance",
    "Efficient Healing", "Encumbrance Bonus", "Endurance Damage", "Endurance Drain",
    "Endurance Regeneration", "Evasion Bonus", "Eye of Predation", "Feather Fall", "Fumble",
    "Group Ablative", "Group Shapeshift", "Haste", "Heal : All Over Time", "Heal : Area", "Heal : Endurance",
    "Heal : Group", "Heal : Heal over Time", "Heal : Hit Points", "Heal : Other", "Heal : Power",
    "Heal : Power %", "Health Regen", "Health Regeneration", "Health Transfer", "Lifedrain", "Lore Debuff",
    "Mesmerize Feedback", "Mythical Acuity Bonus", "Mythical Body Resist", "Mythical Cold Resist",
    "Mythical Constitution Bonus", "Mythical Crush Resist", "Mythical Dexterity Bonus",
    "Mythical Energy Resist", "Mythical Essence Resist", "Mythical Heat Resist", "Mythical Matter Resist",
    "Mythical Quickness Bonus", "Mythical Slash Resist", "Mythical Spirit Resist", "Mythical Strength Bonus",
    "Mythical Thrust Resist", "Offensive Proc", "Omnidrain", "Parry Bonus", "Physical Damage Reduction",
    "Power Damage", "Power Regen", "Power Regeneration", "Power Transfer", "Powerdrain", "Powershield",
    "Radiant Aura", "Realm Lore", "Realm Point Bonus", "Resist Buff", "Resist Buff (Magic)",
    "Resist Buff (Melee)", "Resist Buff (Other)", "Safe Fall Bonus", "Self Cure Rez Sickness", "Shadeform",
    "Shapeshift", "Siege Damage Reduction", "Siege Lore", "Siege Speed Bonus", "Snare",
    "Speed Enhancement", "Spell Level Increase", "Statistic Drain", "Stealth Lore", "Stun",
    "Stun Feedback", "Style Damage Ablative", "Summon Elemental", "Summon Items", "Taunt", "Tempest",
    "Water Breathing"};
static_assert(std::size(kEffects) == 133);

struct ClassRealmGroup {
  std::string_view prefix;
  std::vector<std::string_view> names;
};

Vocabulary Listed(std::initializer_list<std::string_view> header, auto&& entries) {
  Vocabulary vocabulary(header);
  for (std::string_view entry : entries) vocabulary.Append(entry);
  return vocabulary;
}

TwinnedVocabulary Twinned(std::string_view filterHeader, auto&& entries) {
  return TwinnedVocabulary(Listed({}, entries), Listed({filterHeader}, entries));
}

// The weapon filter's header takes the place of "N/A", so filter index = type index.
TwinnedVocabulary WeaponTwins() {
  Vocabulary filter{"<Weapon Type Filter>"};
  for (int i = 1; i < static_cast<int>(std::size(kWeaponTypes)); ++i)
    filter.Append(i >= kFirstShieldType ? kShieldFilterNames[i - kFirstShieldType] : kWeaponTypes[i]);
  return TwinnedVocabulary(Listed({}, kWeaponTypes), std::move(filter));
}

Vocabulary NumberedList(std::string_view first, int from, int to, std::string_view last, auto format) {
  Vocabulary list;
  if (!first.empty()) list.Append(first);
  for (int i = from; i <= to; ++i) list.Append(format(i));
  if (!last.empty()) list.Append(last);
  return list;
}

}  // namespace

const Vocabulary& SlotList() {
  static const Vocabulary list{"<Not Selected>", "Jewel", "Neck", "Cloak", "Belt", "Ring", "Wrist",
                               "Chest", "Head", "Arms", "Hands", "Legs", "Feet", "Right Hand",
                               "Left Hand", "Two Hand", "Ranged", "Mythirians"};
  return list;
}

const Vocabulary& AbsorbList() {
  static const Vocabulary list{"N/A", "0% (Cloth)", "10% (Leather)", "19% (Studded / Reinforced)",
                               "27% (Chain / Scale)", "34% (Plate)", "Max armor grade allowed by Class"};
  return list;
}

const Vocabulary& QualityList() {
  static const Vocabulary list = NumberedList("", 70, 100, "N/A", [](int q) { return std::to_string(q); });
  return list;
}

const Vocabulary& SpeedList() {
  static const Vocabulary list = NumberedList("N/A", 1, 46, "Other", [](int i) {
    char text[8];
    std::snprintf(text, sizeof text, "%d.%d", (14 + i) / 10, (14 + i) % 10);
    return std::string(text);
  });
  return list;
}

const Vocabulary& RealmList() {
  static const Vocabulary list{"Albion", "Hibernia", "Midgard", "Universal"};
  return list;
}

const Vocabulary& ProcKindList() {
  static const Vocabulary list{"No Procs/Effects", "Normal Proc", "Reverse Proc", "Charges",
                               "Equipped Buff/Aura", "Selectable Effects", "Mythirians"};
  return list;
}

const Vocabulary& ItemLevelList() {
  static const Vocabulary list = NumberedList("", 0, 51, "", [](int level) { return std::to_string(level); });
  return list;
}

const Vocabulary& ServerList() {
  static const Vocabulary list{"Normal", "Coop", "Origins", "PvP", "Classic", "Ywaine", "Realm Free"};
  return list;
}

const Vocabulary& ClassList() {
  static const Vocabulary list = [] {
    const ClassRealmGroup realms[] = {
        {"(Alb) ", {"Armsman", "Cabalist", "Cleric", "Friar", "Heretic", "Infiltrator", "Mauler", "Mercenary",
                    "Minstrel", "Necromancer", "Paladin", "Reaver", "Scout", "Sorceror", "Theurgist", "Wizard"}},
        {"(Hib) ", {"Animist", "Bainshee", "Bard", "Blademaster", "Champion", "Druid", "Eldritch", "Enchanter",
                    "Hero", "Mauler", "Mentalist", "Nightshade", "Ranger", "Valewalker", "Vampiir", "Warden"}},
        {"(Mid) ", {"Berserker", "Bonedancer", "Healer", "Hunter", "Mauler", "Runemaster", "Savage",
                    "Shadowblade", "Shaman", "Skald", "Spiritmaster", "Thane", "Valkyrie", "Warlock",
                    "Warrior"}}};
    Vocabulary classes;
    for (const auto& realm : realms)
      for (std::string_view name : realm.names) classes.Append(std::string(realm.prefix) + std::string(name));
    return classes;
  }();
  return list;
}

TwinnedVocabulary::TwinnedVocabulary(Vocabulary list, Vocabulary filter)
    : list_(std::move(list)), filter_(std::move(filter)) {}

int TwinnedVocabulary::Append(std::string_view text) {
  filter_.Append(text);
  return list_.Append(text);
}

int TwinnedVocabulary::IndexOrAppend(std::string_view text) {
  const int index = list_.IndexOf(text);
  if (index >= 0) return index;
  if (list_.Size() >= kUnknownIndex) return -1;
  return Append(text);
}

ItemVocabularies::ItemVocabularies()
    : ItemTypes(Twinned("<Item Type Filter>", kItemTypes)),
      Expansions(Twinned("<Expansion Filter>", kExpansions)),
      WeaponTypes(WeaponTwins()),
      Sources(Twinned("<Info Source Filter>", kSources)),
      Effects(Twinned("<No Proc Filter>", kEffects)) {}

}  // namespace davoruzivi
