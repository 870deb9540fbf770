#pragma once
// The game tables behind a template's class and server type: what each of the
// 47 classes brings (acuity, armour, shield, spec lines, skill groups), the
// realms and their races with racial resists, the server types with the rules
// for importing a template of another server type, and Apply class.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "itemdb/item_vocabularies.h"
#include "itemdb/stat_catalogue.h"
#include "itemdb/vault_query.h"
#include "template/configuration.h"

namespace davoruzivi {

// CharacterRealm values; NoRealm for a class index outside the class list.
namespace realm {
inline constexpr int NoRealm = -1, Albion = 0, Hibernia = 1, Midgard = 2;
}  // namespace realm

// AcuityStat: the attribute that receives acuity bonuses.
namespace acuity {
inline constexpr std::uint16_t None = 0, Piety = 1, Intelligence = 2, Empathy = 3, Charisma = 4;
}  // namespace acuity


// ArmorAbsorption is an index into these texts.
inline constexpr std::array<std::string_view, 5> kArmorAbsorptionTexts = {"0%", "10%", "19%", "27%", "34%"};

// The StatId of a spec line that has none.
inline constexpr std::uint8_t kNoSpecStat = 255;

// One line of the spec editor: its row caption and the skill bonus that
// belongs to it. A line with a StatId but an empty caption has no row (the
// foci of pure casters).
struct SpecLine {
  std::string_view Caption;
  std::uint8_t Stat = kNoSpecStat;

  friend bool operator==(const SpecLine&, const SpecLine&) = default;
};

struct ClassInfo {
  std::uint16_t AcuityStat = acuity::None;
  std::int32_t ArmorAbsorption = 0;
  std::uint16_t ShieldSize = shield::None;
  double SpecPointsPerLevel = 0.0;  // spec points gained per level above 5
  std::array<SpecLine, kSpecLines> SpecLines{};
  std::array<bool, kSpecLines> AutoTrain{};  // exactly the lines whose caption ends in "+"
  bool UsesInstrument = false;               // instrument bonuses are offered
  bool UsesArchery = false;                  // "All Archery Skills" shown, bow bonuses offered
  bool DualWields = false;                   // "All Dual Wielding Skills" shown
  bool FocusCaster = false;                  // focus bonuses shown
  bool IsMauler = false;                     // the Mauler skill group shown

  friend bool operator==(const ClassInfo&, const ClassInfo&) = default;
};

// The class table row of a class index 0..46, in the order of ClassList().
// Lines without a row have an empty caption. Any other index gives the
// cleared values.
const ClassInfo& ClassInfoOf(int classIndex);

// The per-class values as Apply class clears them: every spec line's caption
// a single blank and its StatId 255, AutoTrain and flags off.
ClassInfo ClearedClassInfo();

// 0 Albion for classes 0..15, 1 Hibernia for 16..31, 2 Midgard for 32..46;
// realm::NoRealm otherwise.
int CharacterRealm(int classIndex);

// The class entry text ("(Alb) Armsman" ..); empty outside 0..46.
std::string_view ClassEntryText(int classIndex);

// The index of the class whose entry text is exactly the text, or -1.
int ClassIndexOf(std::string_view text);

// The class a new template starts with for a default realm: the realm's first
// class (0, 16 or 32); -1 for a value that is no realm.
int DefaultClassOfRealm(int realm);

// The race box of a realm: "<None>" and then the realm's seven races. Only
// "<None>" for a value that is no realm.
std::span<const std::string_view> RaceList(int realm);

// What Apply class leaves in the template: the class, its realm, the cleared
// values filled from the class table (a line without a row keeps the blank
// caption), and the realm's race list, whose "<None>" is selected.
struct AppliedClass {
  int ClassIndex = -1;
  int Realm = realm::NoRealm;
  ClassInfo Info = ClearedClassInfo();
  std::span<const std::string_view> Races;
};

AppliedClass ApplyClass(int classIndex);

// A query context whose hand rules follow the class's weapons and shields.
VaultQueryContext HandRulesContext(const AppliedClass& applied);

// Racial resists, for StatIds 11..19 in catalogue order (Crush, Slash, Thrust,
// Heat, Cold, Energy, Matter, Body, Spirit).
inline constexpr StatId kFirstResistStat = 11;
inline constexpr int kResistCount = 9;
using RaceResistValues = std::array<int, kResistCount>;

// 1 "Briton" .. 19 "Minotaur" for the exact race text; 0 (no race) otherwise,
// "<None>" included.
int RaceIndex(std::string_view name);

// The resists of the race with exactly this text; all zeros for no race.
RaceResistValues RaceResists(std::string_view name);

// Server types: the server box, whose index is the stored server index.
namespace server_type {
inline constexpr int Normal = 0, Coop = 1, Classic = 2, PvP = 3, Origins = 4, Ywain = 5, RealmFree = 6;
}  // namespace server_type

inline constexpr int kServerTypeCount = 7;

// "Normal" .. "Realm Free"; empty outside 0..6.
std::string_view ServerTypeText(int serverIndex);

// The index of the server type with exactly this text, or -1.
int ServerTypeIndex(std::string_view text);

// The server type a template file's text names: the older "Ywaine" reads as
// "Ywain", every other text as itself.
std::string_view ReadServerTypeText(std::string_view stored);

// The Default Server Type menu: "&Normal" .. "&Realm-Free"; empty outside 0..6.
std::string_view ServerTypeMenuCaption(int serverIndex);

inline constexpr std::string_view kClassMismatchMessage =
    "Import aborted. This template is not specifically designed for this character class.";
inline constexpr std::string_view kUnrecognizedServerTypeMessage =
    "Import aborted. Unrecognized server type in template.";

// Whether a template of the imported server type may be added to the open
// one: nothing when it may, else the message that stops the import. Equal
// texts always pass; Normal and Classic also go into Ywain, Coop and PvP into
// Realm Free.
std::optional<std::string_view> ImportServerRefusal(std::string_view imported, std::string_view open);

// The same rule by server index, as the old-template import applies it: only
// imported server types 0..4 can be refused; any other differing index passes.
std::optional<std::string_view> LegacyImportServerRefusal(int importedIndex, int openIndex);

// The question put when an old template names one of the old server types.
struct ServerConversionQuestion {
  std::string_view Message;
  std::string_view Caption;
  std::string_view ConvertButton;     // button 1
  std::string_view DontConvertButton;  // button 2
};

inline constexpr ServerConversionQuestion kServerConversionQuestion = {
    "Would you like to convert from the old server types to the new Ywaine/Realm Free types?",
    "Convert Server Type?", "&Convert", "&Don't Convert"};
inline constexpr int kConvertServerButton = 1;

// Normal, Coop, Classic and PvP: the server types the conversion question is about.
bool IsOldServerType(int serverIndex);

// Normal and Classic become Ywain, Coop and PvP Realm Free; any other index stays.
int ConvertOldServerType(int serverIndex);

// The skills that the all-skill bonuses add to, as ranges of StatIds.
enum class SkillGroup { Melee, Casting, DualWield, Archery };

struct StatRange {
  StatId First;
  StatId Last;  // included
};

std::span<const StatRange> SkillGroupStats(SkillGroup group);
bool IsInSkillGroup(SkillGroup group, int statId);

}  // namespace davoruzivi
