#include "itemdb/stat_catalogue.h"

#include <array>
#include <optional>
#include <vector>

namespace davoruzivi {
namespace {

constexpr std::string_view kStatNames[] = {
    "<Empty>",
    // attributes, power and hit points
    "Strength", "Constitution", "Dexterity", "Quickness", "Piety", "Intelligence", "Empathy", "Charisma",
    "Power Points", "Hit Points",
    // resists
    "Crush Resist", "Slash Resist", "Thrust Resist", "Heat Resist", "Cold Resist", "Energy Resist",
    "Matter Resist", "Body Resist", "Spirit Resist",
    // common skills
    "All Melee Skills", "All Casting Skills", "Focus: All Lines", "Shield Skill", "Parry Skill",
    "Stealth Skill", "Envenom Skill", "Critical Strike Skill",
    // Albion skills and foci
    "Slash Skill", "Crush Skill ", "Thrust Skill", "Two Hand Skill", "Polearm Skill", "Staff Skill",
    "Dual Wield Skill", "Longbow Skill", "Crossbow Skill", "Flexible Skill", "Body Magic", "Death Servant",
    "Deathsight", "Earth Magic", "Enhancements", "Fire Magic", "Rejuvenation", "Ice Magic", "Instruments",
    "Matter Magic", "Mind Magic", "Painworking", "Smiting", "Soulrending", "Spirit Animation", "Wind Magic",
    "Focus:Body", "Focus:Cold", "Focus:Death Servant", "Focus:Deathsight", "Focus:Earth", "Focus:Fire",
    "Focus:Matter", "Focus:Mind", "Focus:Painworking", "Focus:Spirit", "Focus:Wind",
    // Hibernia skills and foci
    "Blades Skill", "Blunt Skill", "Piercing Skill", "Scythe Skill", "Celtic Duel Skill",
    "Celtic Spear Skill", "Large Weapons Skill", "Recurve Bows Skill", "Arboreal Path", "Creeping Path",
    "Dementia", "Enchantments", "Ethereal Shriek", "Light Magic", "Mana Magic", "Mentalism", "Music",
    "Nature", "Nurture", "Phantasmal Wail", "Regrowth", "Shadow Mastery", "Spectral Guard",
    "Vampiiric Embrace", "Valor", "Verdant Path", "Void Magic", "Focus:Arboreal", "Focus:Creeping",
    "Focus:Enchantment", "Focus:Ethereal Shriek", "Focus:Light Magic", "Focus:Mana Magic",
    "Focus:Mentalism", "Focus:Phantasmal Wail", "Focus:Spectral Guard", "Focus:Verdant", "Focus:Void",
    // Midgard skills and foci
    "Sword Skill", "Axe Skill", "Hammer Skill", "Left Axe Skill", "Spear Skill", "Hand to Hand Skill",
    "Composite Bow Skill", "Thrown Weapons Skill", "Augmentation", "Battlesongs", "Beastcraft", "Bone Army",
    "Cursing Magic", "Darkness Magic", "Hexing Magic", "Mending", "Odin's Will", "Runecarving",
    "Stormcalling", "Cave Magic", "Summoning", "Suppression", "Witchcraft", "Focus:Bone Army",
    "Focus:Cursing", "Focus:Darkness", "Focus:Hexing", "Focus:Runecarving", "Focus:Summoning",
    "Focus:Suppression", "Focus:Witchcraft",
    // caps, acuity, power pool
    "Strength Cap", "Constitution Cap", "Dexterity Cap", "Quickness Cap", "Piety Cap", "Intelligence Cap",
    "Empathy Cap", "Charisma Cap", "Acuity", "Acuity Cap", "Power Cap", "Power Pool %", "Hit Points Cap",
    // Trials of Atlantis bonuses
    "Fatigue", "Armor Factor", "Melee Speed", "Melee Damage", "Style Damage", "Spell Speed", "Spell Damage",
    "Spell Range", "Spell Pierce", "Spell Duration", "Archery Speed", "Archery Range", "Archery Damage",
    "Healing Bonus", "Buff Enhance", "Experience Bonus", "Realm Point Bonus", "Bounty Point Bonus",
    // PvE bonuses, arcane siphoning, all-skill bonuses, debuff
    "Cash Drops Bonus (PvE)", "Evade Bonus (PvE)", "Blocking Bonus (PvE)", "Parry Bonus (PvE)",
    "Reduced XP Loss (PvE)", "Arcane Siphoning", "To Hit Bonus (PvE)", "Style Cost Reduce (PvE)",
    "Spell Cost Reduce (PvE)", "Ablative Bonus (PvE)", "Bladeturn Reinforce (PvE)", "Negative Effects (PvE)",
    "Concentrate Bonus (PvE)", "Reactionary Bonus (PvE)", "All Melee Skills", "All Casting Skills",
    "All Dual Wielding Skills", "All Archery Skills", "Defensive Bonus (PvE)", "Debuff Bonus",
    // later skills, fatigue cap, bonuses versus a target
    "Mauler Staff Skill", "Fist Wraps Skill", "Magnetism", "Power Strikes", "Aura Manipulation",
    "Fatigue Cap", "Melee Speed Vs.", "Melee Damage Vs.", "Style Damage Vs. ", "Archery/Spell Speed Vs.",
    "Archery/Spell Damage Vs. ", "Archery/Spell Range Vs.", "Archery/Spell Pierce Vs.",
    // Mythical bonuses, one focus
    "Mythical Essence Resist", "Mythical Health Regeneration", "Mythical Power Regeneration",
    "Mythical Endurance Regeneration", "Mythical Water Breathing", "Mythical Encumbrance Bonus",
    "Mythical Coin Drop Bonus", "Mythical Realm Point Bonus", "Mythical Safe Fall Bonus",
    "Mythical Parry Bonus", "Mythical Blocking Bonus", "Mythical Evasion Bonus", "Mythical Arcane Siphoning",
    "Mythical Spell Level Increase", "Mythical Damage Increase", "Mythical Damage Conversion",
    "Mythical Crowd Control Reduction", "Mythical Physical Damage Reduction",
    "Mythical Siege Damage Reduction", "Mythical Siege Speed Bonus", "Mythical Strength Bonus (Stat+Cap)",
    "Mythical Strength Bonus (Cap only)", "Mythical Constitution Bonus (Stat+Cap)",
    "Mythical Constitution Bonus (Cap Only)", "Mythical Dexterity Bonus (Stat+Cap)",
    "Mythical Dexterity Bonus (Cap Only)", "Mythical Quickness Bonus (Stat+Cap)",
    "Mythical Quickness Bonus (Cap Only)", "Mythical Acuity Bonus (Stat+Cap)",
    "Mythical Acuity Bonus (Cap Only)", "Mythical Crush Resist (Stat+Cap)", "Mythical Crush Resist (Cap Only)",
    "Mythical Slash Resist (Stat+Cap)", "Mythical Slash Resist (Cap Only)", "Mythical Thrust Resist (Stat+Cap)",
    "Mythical Thrust Resist (Cap Only)", "Mythical Heat Resist (Stat+Cap)", "Mythical Heat Resist (Cap Only)",
    "Mythical Cold Resist (Stat+Cap)", "Mythical Cold Resist (Cap Only)", "Mythical Matter Resist (Stat+Cap)",
    "Mythical Matter Resist (Cap Only)", "Mythical Spirit Resist (Stat+Cap)",
    "Mythical Spirit Resist (Cap Only)", "Mythical Energy Resist (Stat+Cap)",
    "Mythical Energy Resist (Cap Only)", "Mythical Body Resist (Stat+Cap)", "Mythical Body Resist (Cap Only)",
    "Focus: Cave Magic", "Mythical Rez Sick Reduce",
    // later skills
    "Radiant Aura", "Chants", "Savagery", "Pacification", "Pathfinding", "Nightshade"};
static_assert(std::size(kStatNames) == kStatCatalogueSize);

// A run of category entries standing for consecutive StatIds; a text replaces
// the catalogue name of a single entry.
struct EntryRun {
  int firstStat;
  int count;
  std::string_view text = {};
};

using CategoryLayout = std::vector<EntryRun>;

const std::array<CategoryLayout, kStatCategoryCount>& CategoryLayouts() {
  static const std::array<CategoryLayout, kStatCategoryCount> layouts = {{
      {{1, 8}, {142, 1}, {9, 1, "Power Points (Not %)"}, {10, 1}, {145, 1, "Power Pool"}},
      {{11, 5}, {17, 3}, {16, 1}, {198, 1, "Essence Resist"}},
      {{20, 2}, {181, 2}, {22, 6}, {185, 5}},
      {{28, 37}},
      {{65, 38}},
      {{103, 31}, {246, 1, "Focus:Cave Magic"}},
      {{134, 8}, {143, 1}, {144, 1}, {146, 1}, {190, 1}},
      {{145, 1}, {147, 1}, {148, 9}, {160, 5}, {170, 1}, {184, 1}, {191, 7}},
      {{165, 5}, {171, 8}, {183, 1}},
      {{1, kStatCatalogueSize - 1}},
  }};
  return layouts;
}

struct CategoryTable {
  Vocabulary texts;
  std::vector<StatId> stats;  // parallel to texts; entry 0 is the empty stat
};

const CategoryTable& CategoryTableOf(int category) {
  static const std::array<CategoryTable, kStatCategoryCount + 1> tables = [] {
    std::array<CategoryTable, kStatCategoryCount + 1> built;
    for (int c = 1; c <= kStatCategoryCount; ++c) {
      CategoryTable& table = built[c];
      table.texts.Append(kStatNames[0]);
      table.stats.push_back(0);
      for (const EntryRun& run : CategoryLayouts()[c - 1]) {
        for (int i = 0; i < run.count; ++i) {
          const int stat = run.firstStat + i;
          table.texts.Append(run.text.empty() ? kStatNames[stat] : run.text);
          table.stats.push_back(static_cast<StatId>(stat));
        }
      }
    }
    return built;
  }();
  return tables[(category >= 1 && category <= kStatCategoryCount) ? category : 0];
}

// Where each stat is shown, as runs of consecutive StatIds and entries.
struct ShownRun {
  int firstStat;
  int lastStat;
  int category;
  int firstEntry;
};

constexpr ShownRun kShownRuns[] = {
    {1, 8, 1, 1},      {9, 10, 1, 10},    {142, 142, 1, 9},   {11, 15, 2, 1},    {16, 16, 2, 9},
    {17, 19, 2, 6},    {20, 21, 3, 1},    {179, 180, 3, 1},   {181, 182, 3, 3},  {22, 27, 3, 5},
    {185, 189, 3, 11}, {28, 64, 4, 1},    {65, 102, 5, 1},    {103, 133, 6, 1},  {134, 141, 7, 1},
    {143, 144, 7, 9},  {146, 146, 7, 11}, {190, 190, 7, 12},  {145, 145, 8, 1},  {147, 147, 8, 2},
    {148, 156, 8, 3},  {157, 157, 8, 7},  {158, 158, 8, 9},   {159, 159, 8, 8},  {160, 164, 8, 12},
    {170, 170, 8, 17}, {184, 184, 8, 18}, {191, 197, 8, 19},  {165, 169, 9, 1},  {171, 178, 9, 6},
    {183, 183, 9, 14}, {198, 255, 10, 198}};

}  // namespace

const Vocabulary& StatCatalogue() {
  static const Vocabulary catalogue = [] {
    Vocabulary list;
    for (std::string_view name : kStatNames) list.Append(name);
    return list;
  }();
  return catalogue;
}

const Vocabulary& StatCategoryList() {
  static const Vocabulary list{"<Select>",          "0. Attributes",   "1. Resistances",
                               "2. Common Skills",  "3. Albion Skills", "4. Hibernian Skills",
                               "5. Midgard Skills", "6. Cap Increases", "7. ToA Bonuses",
                               "8. PvE Bonuses",    "9. Full Listing"};
  return list;
}

const Vocabulary& StatCategoryEntries(int category) { return CategoryTableOf(category).texts; }

StatId CategoryToStat(StatChoice& choice) {
  if (choice.Category == 0) {
    choice = {};
    return 0;
  }
  const CategoryTable& table = CategoryTableOf(choice.Category);
  if (choice.Entry < 0 || choice.Entry >= static_cast<int>(table.stats.size())) return 0;
  return table.stats[static_cast<std::size_t>(choice.Entry)];
}

void StatToCategory(int statId, StatChoice& choice) {
  for (const ShownRun& run : kShownRuns) {
    if (statId >= run.firstStat && statId <= run.lastStat) {
      choice = {run.category, run.firstEntry + (statId - run.firstStat)};
      return;
    }
  }
}

}  // namespace davoruzivi
