#include "itemdb/legacy_effects.h"

#include <string_view>
#include <vector>

namespace davoruzivi {
namespace {

constexpr int kLegacyProcListSize = 91;

// Proc1 entries 0..62; RProc1 and Charges1 are written as changes to it.
constexpr std::string_view kNormalProcs[] = {
    "Undefined/Other", "Direct Damage", "Direct Damage /w Debuff", "Area Effect Damage", "Damage over Time",
    "Endurance Damage", "Power Damage", "Lifedrain", "Powerdrain", "Endurance Drain", "Omnidrain",
    "Heal : Hit Points", "Heal : Power", "Heal : Endurance", "Heal : Heal over Time", "Heal : Other",
    "Debuff (Str/Con)", "Debuff (Dex/Qui)", "Debuff (Resistance)", "Debuff (Stats)", "Debuff (Other)",
    "Buff (Accuracy)", "Buff (Armor Factor)", "Buff (Stats)", "Buff (Other)", "Ablative", "Damage Shield",
    "Damage Add", "Haste", "De-Haste", "Bladeturn", "Stun", "Snare", "Taunt", "Disease", "Confuse",
    "Siege Lore", "Style Damage Ablative", "Summon Elemental", "Fumble", "Celerity", "Absorb + Damage Shield",
    "Absorb Siphoning", "Offensive Proc", "Defensive Proc", "Resist Buff (Melee)", "Resist Buff (Magic)",
    "Resist Buff (Other)", "Siege Lore", "Arrogance", "Damage Conversion", "Heal : All Over Time",
    "Heal : Group", "Heal : Area", "Disarm Proc", "Tempest", "Bedazzled", "Group Ablative",
    "Disorient / Damage-over-time", "Statistic Drain", "Dispel", "Buff (Str/Con)", "Buff (Dex/Qui)"};

// Charges1 entries 36..88; entries 0..35 are Proc1's.
constexpr int kFirstOwnCharge = 36;
constexpr std::string_view kOwnCharges[] = {
    "Power Transfer", "Health Transfer", "Celerity", "Cure : Poison", "Cure : Disease", "Summon Items",
    "Water Breathing", "Shapeshift", "Group Shapeshift", "Self Cure Rez Sickness", "Area Effect Ressurect",
    "Stun Feedback", "Mesmerize Feedback", "Absorb + Damage Shield", "Absorb Siphoning", "Offensive Proc",
    "Defensive Proc", "Damage Bolt", "Resist Buff (Melee)", "Resist Buff (Magic)", "Resist Buff (Other)",
    "Siege Lore", "Realm Lore", "Stealth Lore", "Feather Fall", "Arcane Leadership", "Efficient Endurance",
    "Efficient Healing", "Powershield", "Arrogance", "Damage Conversion", "Speed Enhancement",
    "Heal : All Over Time", "Heal : Group", "Heal : Area", "Cheat Death", "Disarm Proc", "Eye of Predation",
    "Aura of Kings", "Tempest", "Arch Magery", "Aura of Magnamity", "Summon Elemental", "Bedazzled",
    "Group Ablative", "Disorient / Damage-over-time", "Statistic Drain", "Lore Debuff", "Shadeform",
    "Cure : Nearsight", "Dispel", "Buff (Str/Con)", "Buff (Dex/Qui)"};
static_assert(std::size(kNormalProcs) == 63 && kFirstOwnCharge + std::size(kOwnCharges) == 89);

// The first `count` entries of Proc1, the given entries, then "Reserved" up to 91 entries.
Vocabulary ProcList(std::size_t proc1Count, std::vector<std::string_view> own) {
  Vocabulary list;
  for (std::size_t i = 0; i < proc1Count; ++i) list.Append(kNormalProcs[i]);
  for (std::string_view entry : own) list.Append(entry);
  while (list.Size() < kLegacyProcListSize) list.Append("Reserved");
  return list;
}

}  // namespace

const Vocabulary& LegacyNormalProcs() {
  static const Vocabulary list = ProcList(std::size(kNormalProcs), {});
  return list;
}

const Vocabulary& LegacyReverseProcs() {
  static const Vocabulary list = [] {
    std::vector<std::string_view> entries(std::begin(kNormalProcs), std::end(kNormalProcs));
    entries[36] = "Absorb + Damage Shield";
    entries[37] = "Aura of Life";
    entries[38] = "Disorient";
    return ProcList(0, entries);
  }();
  return list;
}

const Vocabulary& LegacyCharges() {
  static const Vocabulary list =
      ProcList(kFirstOwnCharge, std::vector<std::string_view>(std::begin(kOwnCharges), std::end(kOwnCharges)));
  return list;
}

const Vocabulary& LegacyAuras() {
  static const Vocabulary list{"Undefined/Other",    "Conversion",          "Radiant Aura",      "Resist Buff",
                               "Damage Add",         "Health Regeneration", "Power Regeneration"};
  return list;
}

const Vocabulary& LegacySelectables() {
  static const Vocabulary list{"Undefined/Other"};
  return list;
}

const Vocabulary& LegacyMythirianEffects() {
  static const Vocabulary list{
      "Undefined/Other", "Health Regeneration", "Power Regeneration", "Endurance Regeneration",
      "Water Breathing", "Encumbrance Bonus", "Coin Drop Bonus", "Realm Point Bonus", "Safe Fall Bonus",
      "Parry Bonus", "Blocking Bonus", "Evasion Bonus", "Arcane Siphoning", "Spell Level Increase",
      "Damage Increase", "Crowd Control Reduction", "Physical Damage Reduction", "Siege Damage Reduction",
      "Siege Speed Bonus", "Mythical Strength Bonus", "Mythical Constitution Bonus",
      "Mythical Dexterity Bonus", "Mythical Quickness Bonus", "Mythical Acuity Bonus", "Mythical Crush Resist",
      "Mythical Slash Resist", "Mythical Thrust Resist", "Mythical Heat Resist", "Mythical Cold Resist",
      "Mythical Matter Resist", "Mythical Spirit Resist", "Mythical Energy Resist", "Mythical Body Resist",
      "Mythical Essence Resist"};
  return list;
}

const Vocabulary* LegacyEffectList(int kind) {
  switch (kind) {
    case 1: return &LegacyNormalProcs();
    case 2: return &LegacyReverseProcs();
    case 3: return &LegacyCharges();
    case 4: return &LegacyAuras();
    case 5: return &LegacySelectables();
    case 6: return &LegacyMythirianEffects();
    default: return nullptr;
  }
}

std::uint16_t TranslateLegacyEffect(int kind, int index, const Vocabulary& effects) {
  const Vocabulary* legacy = LegacyEffectList(kind);
  if (!legacy) return 0;
  return ToWordIndex(effects.IndexOf(legacy->TextOf(index)));
}

}  // namespace davoruzivi
