#include "synthetic_vault.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <random>
#include <stdexcept>
#include <system_error>
#include <utility>
#include <vector>

#include "core/file_io.h"
#include "itemdb/itemdb.h"
#include "itemdb/vault_text_format.h"

namespace davoruzivi::bench {
namespace {

using Engine = std::mt19937;
constexpr Engine::result_type kSeed = 27012018;

// Values are taken from the engine's output directly: its sequence is fixed by
// the standard, the standard distributions' results are not.
unsigned Below(Engine& engine, unsigned count) { return static_cast<unsigned>(engine() % count); }
unsigned Between(Engine& engine, unsigned low, unsigned high) { return low + Below(engine, high - low + 1); }
bool Percent(Engine& engine, unsigned percent) { return Below(engine, 100) < percent; }

template <std::size_t N>
std::string_view AnyOf(Engine& engine, const std::string_view (&words)[N]) {
  return words[Below(engine, N)];
}

// Values drawn with fixed weights.
template <typename Value>
class WeightedTable {
 public:
  void Add(Value value, unsigned weight) {
    values_.push_back(std::move(value));
    total_ += weight;
    bounds_.push_back(total_);
  }

  const Value& Draw(Engine& engine) const {
    const unsigned ticket = Below(engine, total_);
    const auto slot = std::upper_bound(bounds_.begin(), bounds_.end(), ticket) - bounds_.begin();
    return values_[static_cast<std::size_t>(slot)];
  }

 private:
  std::vector<Value> values_;
  std::vector<unsigned> bounds_;  // running totals of the weights
  unsigned total_ = 0;
};

struct Weighted {
  std::string_view text;
  unsigned weight;
};

std::uint16_t IndexIn(const Vocabulary& vocabulary, std::string_view text) {
  const int index = vocabulary.IndexOf(text);
  if (index < 0) throw std::logic_error("not in its vocabulary: " + std::string(text));
  return ToWordIndex(index);
}

// Entries of a vocabulary, drawn by weight.
using VocabularyChoice = WeightedTable<std::uint16_t>;

VocabularyChoice Choice(const Vocabulary& vocabulary, std::initializer_list<Weighted> table) {
  VocabularyChoice choice;
  for (const Weighted& entry : table) choice.Add(IndexIn(vocabulary, entry.text), entry.weight);
  return choice;
}

// ---- names and notes ----

constexpr std::string_view kAdjectives[] = {
    "Fallen",   "Ancient", "Runed",   "Gilded",  "Shadowed", "Blessed",   "Cursed", "Glowing",
    "Tarnished", "Enchanted", "Ghostly", "Frozen", "Burning", "Silent",   "Vengeful", "Radiant",
    "Crimson",  "Jagged",  "Twisted", "Eternal", "Forgotten", "Savage", "Mystic", "Hallowed"};
constexpr std::string_view kMaterials[] = {"Mithril", "Adamantium", "Arcanium", "Silksteel", "Leather",
                                           "Bone", "Oaken", "Iron", "Bronze", "Crystal", "Dragonscale",
                                           "Obsidian", "Silver", "Ebony"};
constexpr std::string_view kPieces[] = {
    "Cloak", "Ring", "Bracer", "Gauntlets", "Helm", "Breastplate", "Leggings", "Boots", "Sleeves",
    "Belt", "Necklace", "Gem", "Blade", "Hammer", "Staff", "Longbow", "Shield", "Axe", "Spear",
    "Robe", "Vest", "Girdle", "Amulet", "Torc", "Pendant", "Mantle"};
constexpr std::string_view kThings[] = {"Star",   "Moon",   "Dragon", "Wolf",  "Serpent", "King",
                                        "Tempest", "Abyss", "Phoenix", "Giant", "Oracle", "Wyrm",
                                        "Storm",  "Forest", "Depths", "Legion", "Sentinel", "Titan"};
constexpr std::string_view kNoteSentences[] = {
    "Drops from the named dragon only.", "Quest reward of the final step.", "Stats checked in game.",
    "Sold for seals at the realm merchant.", "Proc level still to be confirmed.",
    "Only found in the dungeon's last room.", "Reward of the midwinter event.", "Charges recharge at the merchant."};

std::string Joined(std::initializer_list<std::string_view> words) {
  std::string text;
  for (std::string_view word : words) {
    if (!text.empty()) text += ' ';
    text += word;
  }
  return text;
}

// 2 to 5 words: "Runed Gauntlets", "Ancient Mithril Helm", "Cloak of the Wyrm",
// "Cloak of the Fallen Star".
std::string DrawName(Engine& engine) {
  switch (Below(engine, 20)) {
    case 0: case 1: case 2: case 3:
      return Joined({AnyOf(engine, kAdjectives), AnyOf(engine, kPieces)});
    case 4: case 5: case 6: case 7: case 8: case 9: case 10:
      return Joined({AnyOf(engine, kAdjectives), AnyOf(engine, kMaterials), AnyOf(engine, kPieces)});
    case 11: case 12: case 13: case 14:
      return Joined({AnyOf(engine, kPieces), "of the", AnyOf(engine, kThings)});
    default:
      return Joined({AnyOf(engine, kPieces), "of the", AnyOf(engine, kAdjectives), AnyOf(engine, kThings)});
  }
}

// ---- classes ----

struct ClassRange {
  int first = 0;
  int count = 0;
};

// The classes whose names start with the realm's prefix, e.g. "(Alb) ".
ClassRange ClassesNamed(std::string_view prefix) {
  const auto& names = ClassList().Entries();
  const auto isOfRealm = [prefix](const std::string& name) { return name.starts_with(prefix); };
  const auto first = std::find_if(names.begin(), names.end(), isOfRealm);
  const auto end = std::find_if_not(first, names.end(), isOfRealm);
  return {static_cast<int>(first - names.begin()), static_cast<int>(end - first)};
}

// By Realm value: Albion, Hibernia, Midgard, then every class for Universal.
std::vector<ClassRange> ClassRangesByRealm() {
  return {ClassesNamed("(Alb) "), ClassesNamed("(Hib) "), ClassesNamed("(Mid) "), {0, kClassCount}};
}

// ---- stats ----

struct StatGroupBounds {
  std::string_view firstName;
  std::string_view lastName;
  unsigned weight;
};

// Attributes, resists, skills, then caps and the later bonuses.
constexpr StatGroupBounds kStatGroups[] = {{"Strength", "Hit Points", 35},
                                           {"Crush Resist", "Spirit Resist", 30},
                                           {"All Melee Skills", "Focus:Witchcraft", 20},
                                           {"Strength Cap", "Nightshade", 15}};

// The stats of a catalogue range whose name reads back as the same stat (a
// name the catalogue holds twice reads as its first place).
std::vector<StatId> ReadableStats(const StatGroupBounds& group) {
  std::vector<StatId> stats;
  const int last = StatCatalogue().IndexOf(group.lastName);
  for (int id = IndexIn(StatCatalogue(), group.firstName); id <= last; ++id)
    if (StatCatalogue().IndexOf(StatCatalogue().TextOf(id)) == id) stats.push_back(static_cast<StatId>(id));
  return stats;
}

WeightedTable<std::vector<StatId>> StatGroups() {
  WeightedTable<std::vector<StatId>> groups;
  for (const StatGroupBounds& group : kStatGroups) groups.Add(ReadableStats(group), group.weight);
  return groups;
}

// ---- the item ----

enum class Shape { Jewellery, Armour, Weapon, Mythirian };

class ItemGenerator {
 public:
  explicit ItemGenerator(const ItemVocabularies& vocabularies);

  VaultItem Make(std::size_t position) {
    VaultItem item;
    ResetVaultItem(item);
    item.Id = static_cast<std::int32_t>(position);
    item.Name = DrawName(engine_);
    item.Realm = realms_.Draw(engine_);
    item.Level = DrawLevel();
    item.Expansion = expansions_.Draw(engine_);
    item.Quality = qualities_.Draw(engine_);
    item.Source = sources_.Draw(engine_);
    DrawShape(item);
    DrawServers(item);
    DrawClasses(item);
    DrawVerification(item);
    DrawNotes(item);
    DrawStats(item);
    DrawProcs(item);
    return item;
  }

 private:
  std::uint16_t DrawLevel() {
    const unsigned roll = Below(engine_, 100);
    if (roll < 50) return 51;
    return static_cast<std::uint16_t>(roll < 82 ? Between(engine_, 45, 50) : Between(engine_, 1, 44));
  }

  // Slot, absorb, weapon type and speed agree with the kind of item.
  void DrawShape(VaultItem& item) {
    const Shape shape = shapes_.Draw(engine_);
    item.Slot = slotsByShape_[static_cast<std::size_t>(shape)].Draw(engine_);
    item.ItemType = shape == Shape::Mythirian ? mythirianType_ : itemTypes_.Draw(engine_);
    if (shape == Shape::Armour) item.Absorb = absorbs_.Draw(engine_);
    if (shape != Shape::Weapon) return;
    item.WeaponType = weaponTypes_.Draw(engine_);
    item.Speed = static_cast<std::uint16_t>(Between(engine_, speedFirst_, speedLast_));
  }

  void DrawServers(VaultItem& item) {
    const std::string_view letters = servers_.Draw(engine_);
    for (const auto& server : vault_text::kServerLetters)
      if (letters.find(server.letter) != std::string_view::npos) item.*server.flag = 1;
  }

  // Most items suit every class of their realm; some a part of them, a few one class.
  void DrawClasses(VaultItem& item) {
    const ClassRange range = classRanges_[item.Realm];
    const unsigned pattern = Below(engine_, 100);
    if (pattern < 55) MarkClasses(item, range, 100);
    else if (pattern < 90) MarkClasses(item, range, 40);
    if (std::count(item.ClassUsable.begin(), item.ClassUsable.end(), 1) == 0) MarkOneClass(item, range);
  }

  void MarkClasses(VaultItem& item, ClassRange range, unsigned percent) {
    for (int i = range.first; i < range.first + range.count; ++i)
      if (Percent(engine_, percent)) item.ClassUsable[i] = 1;
  }

  void MarkOneClass(VaultItem& item, ClassRange range) {
    item.ClassUsable[range.first + static_cast<int>(Below(engine_, static_cast<unsigned>(range.count)))] = 1;
  }

  void DrawVerification(VaultItem& item) {
    const unsigned roll = Below(engine_, 100);
    item.Verified = roll < 60 ? 1 : 0;
    item.Researched = roll >= 95 ? 1 : 0;
    if (!Percent(engine_, 8)) return;
    item.BonusLevelManual = 1;
    item.BonusLevel = static_cast<std::uint16_t>(Between(engine_, 1, 35));
  }

  void DrawNotes(VaultItem& item) {
    if (Percent(engine_, 15)) item.Notes = AnyOf(engine_, kNoteSentences);
  }

  // 3 to 8 different stats of 1 to 40, hit points up to 60.
  void DrawStats(VaultItem& item) {
    const unsigned count = Between(engine_, 3, 8);
    for (unsigned n = 0; n < count; ++n) {
      const StatId stat = DrawNewStat(item);
      item.StatIds[n] = stat;
      item.StatValues[n] = static_cast<std::int32_t>(Between(engine_, 1, stat == hitPoints_ ? 60 : 40));
    }
  }

  StatId DrawNewStat(const VaultItem& item) {
    for (;;) {
      const std::vector<StatId>& group = statGroups_.Draw(engine_);
      const StatId stat = group[Below(engine_, static_cast<unsigned>(group.size()))];
      if (std::find(item.StatIds.begin(), item.StatIds.end(), stat) == item.StatIds.end()) return stat;
    }
  }

  // None for 70% of the items, one for 20%, two for 10%.
  void DrawProcs(VaultItem& item) {
    const unsigned roll = Below(engine_, 10);
    const int count = roll < 7 ? 0 : (roll < 9 ? 1 : 2);
    for (int n = 0; n < count; ++n) {
      item.ProcKinds[n] = static_cast<std::uint8_t>(procKinds_.Draw(engine_));
      item.ProcEffects[n] = Percent(engine_, 60) ? commonEffects_.Draw(engine_)
                                                 : static_cast<std::uint16_t>(Below(engine_, effectCount_));
      item.ProcAmounts[n] = static_cast<std::uint16_t>(Between(engine_, 5, 100));
    }
  }

  Engine engine_{kSeed};
  VocabularyChoice realms_;
  VocabularyChoice expansions_;
  VocabularyChoice qualities_;
  VocabularyChoice sources_;
  VocabularyChoice itemTypes_;
  std::uint16_t mythirianType_;
  WeightedTable<Shape> shapes_;
  std::vector<VocabularyChoice> slotsByShape_;  // by Shape
  VocabularyChoice absorbs_;
  VocabularyChoice weaponTypes_;
  unsigned speedFirst_;
  unsigned speedLast_;
  WeightedTable<std::string_view> servers_;
  std::vector<ClassRange> classRanges_;
  WeightedTable<std::vector<StatId>> statGroups_;
  StatId hitPoints_;
  VocabularyChoice procKinds_;
  VocabularyChoice commonEffects_;
  unsigned effectCount_;
};

WeightedTable<Shape> Shapes() {
  WeightedTable<Shape> shapes;
  shapes.Add(Shape::Jewellery, 40);
  shapes.Add(Shape::Armour, 38);
  shapes.Add(Shape::Weapon, 20);
  shapes.Add(Shape::Mythirian, 2);
  return shapes;
}

std::vector<VocabularyChoice> SlotsByShape() {
  const Vocabulary& slots = SlotList();
  return {Choice(slots, {{"Ring", 25}, {"Wrist", 25}, {"Neck", 12}, {"Cloak", 12}, {"Belt", 12}, {"Jewel", 14}}),
          Choice(slots, {{"Chest", 1}, {"Head", 1}, {"Arms", 1}, {"Hands", 1}, {"Legs", 1}, {"Feet", 1}}),
          Choice(slots, {{"Right Hand", 40}, {"Two Hand", 25}, {"Left Hand", 20}, {"Ranged", 15}}),
          Choice(slots, {{"Mythirians", 1}})};
}

WeightedTable<std::string_view> Servers() {
  WeightedTable<std::string_view> servers;
  servers.Add("NCPYR", 85);
  servers.Add("NY", 8);
  servers.Add("NCPBOYR", 4);
  servers.Add("", 3);  // written as "X"
  return servers;
}

ItemGenerator::ItemGenerator(const ItemVocabularies& vocabularies)
    : realms_(Choice(RealmList(), {{"Albion", 28}, {"Hibernia", 28}, {"Midgard", 28}, {"Universal", 16}})),
      expansions_(Choice(vocabularies.Expansions.List(),
                         {{"Trials of Atlantis (ToA)", 18}, {"Catacombs (Cat)", 14},
                          {"Labyrinth of the Minotaur (LotM)", 12}, {"Darkness Rising (DR)", 10},
                          {"Classic Areas ('Mainland')", 10}, {"Shrouded Isles (SI)", 8},
                          {"Darkness Falls (DF)", 8}, {"New Frontiers (NF)", 5}, {"<Unknown>", 4},
                          {"Epic Quest Armor (Epic)", 3}, {"Dragon's Revenge Campaign (Dragons)", 3},
                          {"No longer dropped (Legacy Items)", 3}, {"Origins Expansion (Old Frontiers)", 2}})),
      qualities_(Choice(QualityList(), {{"100", 60}, {"99", 25}, {"98", 4}, {"97", 3}, {"96", 2}, {"95", 2},
                                        {"94", 1}, {"N/A", 3}})),
      sources_(Choice(vocabularies.Sources.List(),
                      {{"In Game", 35}, {"Allakhazam", 25}, {"User Submitted", 15}, {"Unknown", 8},
                       {"Daoc Template Site", 6}, {"Camelot Herald", 5}, {"VN-Boards", 3}, {"XML Import", 3}})),
      itemTypes_(Choice(vocabularies.ItemTypes.List(),
                        {{"Normal Drop", 45}, {"Quest Reward", 15}, {"Merchant Bought", 8}, {"Player Crafted", 8},
                         {"Instance Boss Reward", 5}, {"Unique (RoG)", 5}, {"One Time Drop", 4}, {"Artifact", 3},
                         {"Epic Armor", 3}, {"Bounty Point Reward", 2}, {"Champion Weapon", 1},
                         {"Dragonslayer Quest", 1}})),
      mythirianType_(IndexIn(vocabularies.ItemTypes.List(), "Mythirian")),
      shapes_(Shapes()),
      slotsByShape_(SlotsByShape()),
      absorbs_(Choice(AbsorbList(), {{"34% (Plate)", 20}, {"27% (Chain / Scale)", 25},
                                     {"19% (Studded / Reinforced)", 20}, {"10% (Leather)", 20},
                                     {"0% (Cloth)", 15}})),
      weaponTypes_(Choice(vocabularies.WeaponTypes.List(),
                          {{"Slash", 8}, {"Blades", 6}, {"Sword", 6}, {"Crush", 6}, {"Blunt", 5}, {"Hammer", 5},
                           {"Thrust", 6}, {"Piercing", 5}, {"Axe", 5}, {"Two Handed", 4}, {"Large Weapon", 4},
                           {"Polearm", 3}, {"Celtic Spear", 2}, {"Midgard Spear", 2}, {"Normal Staff", 6},
                           {"Bow (Long, Recurve, and Composite Bows)", 4}, {"Flexible", 2}, {"Scythe", 2},
                           {"Hand To Hand", 2}, {"Instrument", 2}, {"Small Shield", 3}, {"Medium Shield", 3},
                           {"Large Shield", 3}})),
      speedFirst_(IndexIn(SpeedList(), "2.2")),
      speedLast_(IndexIn(SpeedList(), "5.5")),
      servers_(Servers()),
      classRanges_(ClassRangesByRealm()),
      statGroups_(StatGroups()),
      hitPoints_(IndexIn(StatCatalogue(), "Hit Points")),
      procKinds_(Choice(ProcKindList(), {{"Normal Proc", 45}, {"Charges", 30}, {"Reverse Proc", 10},
                                         {"Equipped Buff/Aura", 10}, {"Selectable Effects", 4},
                                         {"Mythirians", 1}})),
      commonEffects_(Choice(vocabularies.Effects.List(),
                            {{"Damage over Time", 6}, {"Direct Damage", 8}, {"Heal : Hit Points", 6},
                             {"Buff (Armor Factor)", 4}, {"Lifedrain", 4}, {"Damage Shield", 3}, {"Ablative", 3},
                             {"Debuff (Str/Con)", 3}, {"Haste", 2}, {"Powerdrain", 2}})),
      effectCount_(static_cast<unsigned>(vocabularies.Effects.List().Size())) {}

}  // namespace

MasterVault MakeSyntheticMasterVault(std::size_t itemCount) {
  MasterVault vault;
  ItemGenerator generator(vault.Vocabularies());
  vault.ReserveItems(itemCount);
  for (std::size_t position = 0; position < itemCount; ++position)
    vault.PutVaultItem(static_cast<long long>(position), generator.Make(position));
  return vault;
}

SyntheticVault MakeSyntheticVault(std::size_t itemCount) {
  SyntheticVault vault;
  vault.itemCount = itemCount;
  vault.text = WriteVaultText(MakeSyntheticMasterVault(itemCount));
  vault.compressed = CompressVaultText(vault.text);
  return vault;
}

}  // namespace davoruzivi::bench
