#include "template/classes.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>

#include "itemdb/item_vocabularies.h"

namespace davoruzivi {
namespace {

// ---- Class table ----

enum ClassFlag : unsigned { kInstrument = 1, kArchery = 2, kDualWield = 4, kFocus = 8, kMauler = 16 };

// A spec line that has a skill bonus but no spec editor row.
constexpr SpecLine NoRow(std::uint8_t stat) { return {"", stat}; }

constexpr ClassInfo Row(std::uint16_t acuityStat, std::int32_t armour, std::uint16_t shieldSize, double points,
                        std::initializer_list<SpecLine> lines, unsigned flags = 0) {
  ClassInfo info;
  info.AcuityStat = acuityStat;
  info.ArmorAbsorption = armour;
  info.ShieldSize = shieldSize;
  info.SpecPointsPerLevel = points;
  std::size_t n = 0;
  for (const SpecLine& line : lines) {
    info.SpecLines[n] = line;
    info.AutoTrain[n] = line.Caption.ends_with('+');
    ++n;
  }
  info.UsesInstrument = (flags & kInstrument) != 0;
  info.UsesArchery = (flags & kArchery) != 0;
  info.DualWields = (flags & kDualWield) != 0;
  info.FocusCaster = (flags & kFocus) != 0;
  info.IsMauler = (flags & kMauler) != 0;
  return info;
}

// The Mauler is the same class in all three realms.
constexpr ClassInfo kMaulerRow =
    Row(acuity::None, 1, shield::None, 1.801,
        {{"Mauler Staff", 185}, {"Fist Wraps", 186}, {"Magnetism", 187}, {"Power Strike", 188}, {"Auras", 189}},
        kDualWield | kMauler);

// In class-index order (ClassList()). The spec lines "Chants+", "Savagery" and
// "Pacification" carry the stat catalogue's own numbers for these skills (249,
// 250, 251), so that an item's bonus to one of them counts under its line.
constexpr std::array<ClassInfo, kClassCount> kClassTable = {
    // Albion
    Row(acuity::None, 4, shield::Large, 2,
        {{"Shield", 23}, {"Parry", 24}, {"Two Hand", 31}, {"Polearms", 32}, {"Slash+", 28}, {"Crush", 29},
         {"Thrust+", 30}, {"Crossbows", 36}}),
    Row(acuity::Intelligence, 0, shield::None, 1,
        {{"Body", 38}, {"Matter", 47}, {"Spirit", 52}, NoRow(54), NoRow(60), NoRow(63), NoRow(22)}, kFocus),
    Row(acuity::Piety, 3, shield::Medium, 1, {{"Rejuve", 44}, {"Enhance", 42}, {"Smite", 50}}),
    Row(acuity::Piety, 1, shield::Small, 1.801, {{"Staff", 33}, {"Parry", 24}, {"Rejuve", 44}, {"Enhance", 42}}),
    Row(acuity::Piety, 0, shield::Small, 2,
        {{"Rejuve", 44}, {"Enhance", 42}, {"Shield", 23}, {"Flexible", 37}, {"Crush", 29}}),
    Row(acuity::None, 1, shield::Small, 2.5,
        {{"Stealth", 25}, {"Envenom", 26}, {"Dual Wield", 34}, {"Critical Strike", 27}, {"Slash", 28},
         {"Thrust", 30}},
        kDualWield),
    kMaulerRow,
    Row(acuity::None, 3, shield::Medium, 2,
        {{"Shield", 23}, {"Parry", 24}, {"Dual Wield", 34}, {"Slash+", 28}, {"Crush", 29}, {"Thrust+", 30}},
        kDualWield),
    Row(acuity::Charisma, 3, shield::Small, 1.5, {{"Instrument+", 46}, {"Stealth", 25}, {"Slash", 28}, {"Thrust", 30}},
        kInstrument),
    Row(acuity::Intelligence, 0, shield::None, 1,
        {{"Deathsight", 40}, {"Painworking", 49}, {"Death Servant", 39}, NoRow(57), NoRow(62), NoRow(56), NoRow(22)},
        kFocus),
    Row(acuity::Piety, 4, shield::Large, 2,
        {{"Shield", 23}, {"Parry", 24}, {"Two Hand", 31}, {"Slash+", 28}, {"Crush", 29}, {"Thrust", 30},
         {"Chants+", 249}}),
    Row(acuity::Piety, 3, shield::Large, 2,
        {{"Shield", 23}, {"Parry", 24}, {"Flexible+", 37}, {"Soulrending", 51}, {"Slash+", 28}, {"Crush", 29},
         {"Thrust", 30}}),
    Row(acuity::None, 2, shield::Small, 2,
        {{"Stealth", 25}, {"Archery (L.Bow)+", 35}, {"Shield", 23}, {"Slash", 28}, {"Thrust", 30}}, kArchery),
    Row(acuity::Intelligence, 0, shield::None, 1,
        {{"Body", 38}, {"Matter", 47}, {"Mind", 48}, NoRow(54), NoRow(60), NoRow(61), NoRow(22)}, kFocus),
    Row(acuity::Intelligence, 0, shield::None, 1,
        {{"Wind", 53}, {"Cold", 45}, {"Earth", 41}, NoRow(64), NoRow(55), NoRow(58), NoRow(22)}, kFocus),
    Row(acuity::Intelligence, 0, shield::None, 1,
        {{"Fire", 43}, {"Cold", 45}, {"Earth", 41}, NoRow(59), NoRow(55), NoRow(58), NoRow(22)}, kFocus),
    // Hibernia
    Row(acuity::Intelligence, 0, shield::None, 1,
        {{"Arboreal", 73}, {"Creeping", 74}, {"Verdant", 90}, NoRow(92), NoRow(93), NoRow(101), NoRow(22)}, kFocus),
    Row(acuity::Intelligence, 0, shield::None, 1,
        {{"Spectral Guard", 87}, {"Phantasmal Wail", 84}, {"Ethereal Shriek", 77}, NoRow(100), NoRow(99), NoRow(95),
         NoRow(22)},
        kFocus),
    Row(acuity::Charisma, 2, shield::Small, 1.5,
        {{"Regrowth", 85}, {"Nurture", 83}, {"Music", 81}, {"Blades", 65}, {"Blunt", 66}}, kInstrument),
    Row(acuity::None, 2, shield::Medium, 2,
        {{"Shield", 23}, {"Parry", 24}, {"Celtic Duel", 69}, {"Blades", 65}, {"Blunt", 66}, {"Pierce", 67}},
        kDualWield),
    Row(acuity::Intelligence, 3, shield::Large, 2,
        {{"Valor", 89}, {"Shield", 23}, {"Parry", 24}, {"Large Weapon", 71}, {"Blades", 65}, {"Blunt", 66},
         {"Pierce", 67}}),
    Row(acuity::Empathy, 3, shield::Small, 1, {{"Regrowth", 85}, {"Nurture", 83}, {"Nature", 82}}),
    Row(acuity::Intelligence, 0, shield::None, 1,
        {{"Light", 78}, {"Mana", 79}, {"Void", 91}, NoRow(96), NoRow(97), NoRow(102), NoRow(22)}, kFocus),
    Row(acuity::Intelligence, 0, shield::None, 1,
        {{"Light", 78}, {"Mana", 79}, {"Enchantments", 76}, NoRow(96), NoRow(97), NoRow(94), NoRow(22)}, kFocus),
    Row(acuity::None, 3, shield::Large, 2,
        {{"Shield", 23}, {"Parry", 24}, {"Large Weapon", 71}, {"Celtic Spear", 70}, {"Blades", 65}, {"Blunt", 66},
         {"Pierce", 67}}),
    kMaulerRow,
    Row(acuity::Intelligence, 0, shield::None, 1,
        {{"Light", 78}, {"Mana", 79}, {"Mentalism", 80}, NoRow(96), NoRow(97), NoRow(98), NoRow(22)}, kFocus),
    Row(acuity::None, 1, shield::Small, 2.2,
        {{"Stealth+", 25}, {"Envenom", 26}, {"Celtic Duel", 69}, {"Critical Strike", 27}, {"Blades", 65},
         {"Pierce", 67}, {"Nightshade Magic", kNoSpecStat}},
        kDualWield),
    Row(acuity::None, 2, shield::Small, 2,
        {{"Stealth", 25}, {"Archery (R.Bow)+", 72}, {"Celtic Duel", 69}, {"Blades", 65}, {"Piercing", 67}},
        kArchery | kDualWield),
    Row(acuity::Intelligence, 0, shield::None, 1.5, {{"Arboreal", 73}, {"Parry", 24}, {"Scythe", 68}}),
    Row(acuity::None, 1, shield::None, 1.5,
        {{"Piercing", 67}, {"Vampiir Embrace", 88}, {"Shadow Mastery", 86}, {"Dementia", 75}}),
    Row(acuity::Empathy, 3, shield::Large, 1.801,
        {{"Regrowth", 85}, {"Nurture", 83}, {"Shield", 23}, {"Parry", 24}, {"Blades", 65}, {"Blunt", 66}}),
    // Midgard
    Row(acuity::None, 2, shield::Small, 2,
        {{"Left Axe", 106}, {"Parry", 24}, {"Axe", 104}, {"Hammer", 105}, {"Sword", 103}}, kDualWield),
    Row(acuity::Piety, 0, shield::None, 1,
        {{"Darkness", 116}, {"Suppression", 124}, {"Bone Army", 114}, NoRow(128), NoRow(132), NoRow(126), NoRow(22)},
        kFocus),
    Row(acuity::Piety, 3, shield::Small, 1, {{"Mending", 118}, {"Augmentation", 111}, {"Pacification", 251}}),
    Row(acuity::None, 2, shield::None, 2,
        {{"Stealth", 25}, {"Archery (C.Bow)+", 109}, {"Beastcraft", 113}, {"Sword", 103}, {"Spear", 107}}, kArchery),
    kMaulerRow,
    Row(acuity::Piety, 0, shield::None, 1,
        {{"Darkness", 116}, {"Suppression", 124}, {"Runecarving", 120}, NoRow(128), NoRow(132), NoRow(130),
         NoRow(22)},
        kFocus),
    Row(acuity::None, 2, shield::None, 1.5,
        {{"Parry", 24}, {"Hand 2 Hand", 108}, {"Sword", 103}, {"Axe", 104}, {"Hammer", 105}, {"Savagery", 250}},
        kDualWield),
    Row(acuity::None, 1, shield::Small, 2.2,
        {{"Stealth+", 25}, {"Envenom", 26}, {"Critical Strike", 27}, {"Left Axe", 106}, {"Axe", 104},
         {"Sword", 103}},
        kDualWield),
    Row(acuity::Piety, 3, shield::Small, 1, {{"Mending", 118}, {"Augmentation", 111}, {"Cave Magic", 122}}),
    Row(acuity::Charisma, 3, shield::Medium, 1.5,
        {{"Parry", 24}, {"Battlesongs", 112}, {"Axe", 104}, {"Hammer", 105}, {"Sword", 103}}),
    Row(acuity::Piety, 0, shield::None, 1,
        {{"Darkness", 116}, {"Suppression", 124}, {"Summoning", 123}, NoRow(128), NoRow(132), NoRow(131), NoRow(22)},
        kFocus),
    Row(acuity::Piety, 3, shield::Large, 2,
        {{"Stormcalling", 121}, {"Parry", 24}, {"Shield", 23}, {"Hammer", 105}, {"Axe", 104}, {"Sword", 103}}),
    Row(acuity::Piety, 3, shield::Large, 2,
        {{"Odin's Will", 119}, {"Sword", 103}, {"Spear", 107}, {"Shield", 23}, {"Parry", 24}, {"Mending", 118}}),
    Row(acuity::Piety, 0, shield::None, 1,
        {{"Cursing", 115}, {"Hexing", 117}, {"Witchcraft", 125}, NoRow(127), NoRow(129), NoRow(133), NoRow(22)},
        kFocus),
    Row(acuity::None, 3, shield::Large, 2,
        {{"Parry", 24}, {"Shield", 23}, {"Thrown Weapon", 110}, {"Axe+", 104}, {"Hammer+", 105}, {"Sword+", 103}}),
};

constexpr ClassInfo MakeCleared() {
  ClassInfo info;
  for (SpecLine& line : info.SpecLines) line = {" ", kNoSpecStat};
  return info;
}

constexpr ClassInfo kClearedClassInfo = MakeCleared();

// The class indices of each realm, first and last.
struct ClassRange {
  int First;
  int Last;
};
constexpr std::array<ClassRange, 3> kRealmClasses = {{{0, 15}, {16, 31}, {32, 46}}};

bool IsClassIndex(int classIndex) { return classIndex >= 0 && classIndex < kClassCount; }
bool IsRealm(int realmValue) { return realmValue >= realm::Albion && realmValue <= realm::Midgard; }

// The table's values over the cleared ones: the captions of lines without a
// row and the lines the table does not list stay as cleared.
ClassInfo FilledFromTable(const ClassInfo& row) {
  ClassInfo info = kClearedClassInfo;
  info.AcuityStat = row.AcuityStat;
  info.ArmorAbsorption = row.ArmorAbsorption;
  info.ShieldSize = row.ShieldSize;
  info.SpecPointsPerLevel = row.SpecPointsPerLevel;
  for (std::size_t n = 0; n < info.SpecLines.size(); ++n) {
    if (!row.SpecLines[n].Caption.empty()) info.SpecLines[n].Caption = row.SpecLines[n].Caption;
    info.SpecLines[n].Stat = row.SpecLines[n].Stat;
  }
  info.AutoTrain = row.AutoTrain;
  info.UsesInstrument = row.UsesInstrument;
  info.UsesArchery = row.UsesArchery;
  info.DualWields = row.DualWields;
  info.FocusCaster = row.FocusCaster;
  info.IsMauler = row.IsMauler;
  return info;
}

// ---- Races ----

// Race indices: the numbering the resist table is indexed by.
namespace race {
enum Index : int {
  None, Briton, Highlander, Saracen, Avalonian, Inconnu, HalfOgres, Celt, Firbolg, Elf,
  Lurikeen, Sylvan, Shar, Norseman, Troll, Dwarf, Kobold, Valkyn, Frostalf, Minotaur, Count
};
}  // namespace race

struct RaceRow {
  std::string_view Name;
  RaceResistValues Resists;  // Crush, Slash, Thrust, Heat, Cold, Energy, Matter, Body, Spirit
};

constexpr std::array<RaceRow, race::Count> kRaces = {{
    {kNoRace, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"Briton", {2, 3, 0, 0, 0, 0, 0, 0, 5}},
    {"Highlander", {3, 2, 0, 0, 5, 0, 0, 0, 0}},
    {"Saracen", {0, 2, 3, 5, 0, 0, 0, 0, 0}},
    {"Avalonian", {2, 3, 0, 0, 0, 0, 0, 0, 5}},
    {"Inconnu", {2, 0, 3, 5, 0, 0, 0, 0, 5}},
    {"Half-Ogres", {0, 3, 2, 0, 0, 0, 5, 0, 0}},
    {"Celt", {2, 3, 0, 0, 0, 0, 0, 0, 5}},
    {"Firbolg", {3, 2, 0, 5, 0, 0, 0, 0, 0}},
    {"Elf", {0, 2, 3, 0, 0, 0, 0, 0, 5}},
    {"Lurikeen", {5, 0, 0, 0, 0, 5, 0, 0, 0}},
    {"Sylvan", {3, 0, 2, 0, 0, 5, 5, 0, 0}},
    {"Shar", {5, 0, 0, 0, 0, 5, 0, 0, 0}},
    {"Norseman", {2, 3, 0, 0, 5, 0, 0, 0, 0}},
    {"Troll", {0, 3, 2, 0, 0, 0, 5, 0, 0}},
    {"Dwarf", {0, 2, 3, 0, 0, 0, 0, 5, 0}},
    {"Kobold", {5, 0, 0, 0, 0, 5, 0, 0, 0}},
    {"Valkyn", {0, 3, 2, 0, 5, 0, 0, 5, 0}},
    {"Frostalf", {0, 2, 3, 0, 0, 0, 0, 0, 5}},
    {"Minotaur", {4, 0, 0, 3, 3, 0, 0, 0, 0}},
}};

constexpr int kRaceListSize = 8;
using RaceListIndices = std::array<race::Index, kRaceListSize>;

// The race box of each realm, in box order.
constexpr std::array<RaceListIndices, 3> kRealmRaces = {{
    {race::None, race::Avalonian, race::Briton, race::HalfOgres, race::Highlander, race::Inconnu, race::Minotaur,
     race::Saracen},
    {race::None, race::Celt, race::Elf, race::Firbolg, race::Lurikeen, race::Minotaur, race::Shar, race::Sylvan},
    {race::None, race::Dwarf, race::Frostalf, race::Kobold, race::Minotaur, race::Norseman, race::Troll,
     race::Valkyn},
}};

constexpr auto kRaceLists = [] {
  std::array<std::array<std::string_view, kRaceListSize>, 3> lists{};
  for (std::size_t r = 0; r < lists.size(); ++r) {
    for (std::size_t i = 0; i < kRaceListSize; ++i) lists[r][i] = kRaces[kRealmRaces[r][i]].Name;
  }
  return lists;
}();

// ---- Server types ----

struct ServerTypeRow {
  std::string_view Text;
  std::string_view MenuCaption;
  // The newer server type that took this one over: an old template of this
  // type converts to it, and a template of this type may be imported into it.
  int Successor;
  std::string_view ImportRefusal;
};

constexpr int kNoSuccessor = -1;

constexpr std::array<ServerTypeRow, kServerTypeCount> kServerTypes = {{
    {"Normal", "&Normal", server_type::Ywain,
     "Import aborted. The template being imported is not specifically for your server type (Normal)."},
    {"Coop", "&Cooperative", server_type::RealmFree,
     "Import aborted. The template being imported is not specifically for your server type (Coop)."},
    {"Classic", "Cla&ssic", server_type::Ywain,
     "Import aborted. The template being imported is not specifically for your server type (Classic)."},
    {"PvP", "&PvP", server_type::RealmFree,
     "Import aborted. The template being imported is not specifically for your server type (PvP)."},
    {"Origins", "&Origins", kNoSuccessor,
     "Import aborted. The template being imported is not specifically for your server type (Origins)."},
    {"Ywain", "&Ywain", kNoSuccessor,
     "Import aborted. The template being imported is not specifically for your server type (Ywaine)."},
    {"Realm Free", "&Realm-Free", kNoSuccessor,
     "Import aborted. The template being imported is not specifically for your server type (Realm-Free)."},
}};

constexpr std::string_view kOldYwainText = "Ywaine";

bool IsServerIndex(int serverIndex) { return serverIndex >= 0 && serverIndex < kServerTypeCount; }

// The import rule for an imported server type of the list and a differing open one.
std::optional<std::string_view> RefusalOf(int importedIndex, int openIndex) {
  const ServerTypeRow& row = kServerTypes[static_cast<std::size_t>(importedIndex)];
  if (row.Successor != kNoSuccessor && row.Successor == openIndex) return std::nullopt;
  return row.ImportRefusal;
}

// ---- Skill groups ----

constexpr StatRange kMeleeSkills[] = {{28, 33}, {37, 37},   {65, 68},   {70, 71},
                                      {103, 105}, {107, 108}, {185, 186}};
constexpr StatRange kCastingSkills[] = {{38, 53}, {73, 91}, {111, 125}, {187, 189}};
constexpr StatRange kDualWieldSkills[] = {{34, 34}, {69, 69}, {106, 106}};
constexpr StatRange kArcherySkills[] = {{35, 35}, {72, 72}, {109, 109}};

}  // namespace

const ClassInfo& ClassInfoOf(int classIndex) {
  return IsClassIndex(classIndex) ? kClassTable[static_cast<std::size_t>(classIndex)] : kClearedClassInfo;
}

ClassInfo ClearedClassInfo() { return kClearedClassInfo; }

int CharacterRealm(int classIndex) {
  for (std::size_t r = 0; r < kRealmClasses.size(); ++r) {
    if (classIndex >= kRealmClasses[r].First && classIndex <= kRealmClasses[r].Last) return static_cast<int>(r);
  }
  return realm::NoRealm;
}

std::string_view ClassEntryText(int classIndex) {
  return IsClassIndex(classIndex) ? ClassList().TextOf(classIndex) : std::string_view{};
}

int ClassIndexOf(std::string_view text) {
  // The list's entries differ even ignoring letter case, so the only entry
  // that can equal the text exactly is the first one equal to it ignoring case.
  const int index = ClassList().IndexOf(text);
  return index >= 0 && ClassList().TextOf(index) == text ? index : -1;
}

int DefaultClassOfRealm(int realmValue) {
  return IsRealm(realmValue) ? kRealmClasses[static_cast<std::size_t>(realmValue)].First : -1;
}

std::span<const std::string_view> RaceList(int realmValue) {
  const auto& albion = kRaceLists[0];
  if (!IsRealm(realmValue)) return {albion.data(), 1};
  return kRaceLists[static_cast<std::size_t>(realmValue)];
}

VaultQueryContext HandRulesContext(const AppliedClass& applied) {
  VaultQueryContext context;
  context.dualWields = applied.Info.DualWields;
  context.shieldSize = applied.Info.ShieldSize;
  return context;
}

AppliedClass ApplyClass(int classIndex) {
  AppliedClass applied;
  applied.ClassIndex = classIndex;
  applied.Realm = CharacterRealm(classIndex);
  if (IsClassIndex(classIndex)) applied.Info = FilledFromTable(ClassInfoOf(classIndex));
  applied.Races = RaceList(applied.Realm);
  return applied;
}

int RaceIndex(std::string_view name) {
  const auto found =
      std::find_if(kRaces.begin(), kRaces.end(), [name](const RaceRow& row) { return row.Name == name; });
  return found == kRaces.end() ? race::None : static_cast<int>(found - kRaces.begin());
}

RaceResistValues RaceResists(std::string_view name) {
  return kRaces[static_cast<std::size_t>(RaceIndex(name))].Resists;
}

std::string_view ServerTypeText(int serverIndex) {
  return IsServerIndex(serverIndex) ? kServerTypes[static_cast<std::size_t>(serverIndex)].Text : std::string_view{};
}

int ServerTypeIndex(std::string_view text) {
  const auto found = std::find_if(kServerTypes.begin(), kServerTypes.end(),
                                  [text](const ServerTypeRow& row) { return row.Text == text; });
  return found == kServerTypes.end() ? -1 : static_cast<int>(found - kServerTypes.begin());
}

std::string_view ReadServerTypeText(std::string_view stored) {
  return stored == kOldYwainText ? ServerTypeText(server_type::Ywain) : stored;
}

std::string_view ServerTypeMenuCaption(int serverIndex) {
  return IsServerIndex(serverIndex) ? kServerTypes[static_cast<std::size_t>(serverIndex)].MenuCaption
                                    : std::string_view{};
}

std::optional<std::string_view> ImportServerRefusal(std::string_view imported, std::string_view open) {
  if (imported == open) return std::nullopt;
  const int importedIndex = ServerTypeIndex(imported);
  if (importedIndex < 0) return kUnrecognizedServerTypeMessage;
  return RefusalOf(importedIndex, ServerTypeIndex(open));
}

std::optional<std::string_view> LegacyImportServerRefusal(int importedIndex, int openIndex) {
  if (importedIndex == openIndex || importedIndex < 0 || importedIndex > server_type::Origins) return std::nullopt;
  return RefusalOf(importedIndex, openIndex);
}

bool IsOldServerType(int serverIndex) { return serverIndex >= server_type::Normal && serverIndex <= server_type::PvP; }

int ConvertOldServerType(int serverIndex) {
  return IsOldServerType(serverIndex) ? kServerTypes[static_cast<std::size_t>(serverIndex)].Successor : serverIndex;
}

std::span<const StatRange> SkillGroupStats(SkillGroup group) {
  switch (group) {
    case SkillGroup::Melee:
      return kMeleeSkills;
    case SkillGroup::Casting:
      return kCastingSkills;
    case SkillGroup::DualWield:
      return kDualWieldSkills;
    case SkillGroup::Archery:
      return kArcherySkills;
  }
  return {};
}

bool IsInSkillGroup(SkillGroup group, int statId) {
  const auto ranges = SkillGroupStats(group);
  return std::any_of(ranges.begin(), ranges.end(),
                     [statId](const StatRange& range) { return statId >= range.First && statId <= range.Last; });
}

}  // namespace davoruzivi
