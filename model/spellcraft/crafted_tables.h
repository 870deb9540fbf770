#pragma once
// The crafted item bonus tables: the fifth-slot bonus list and the stats each
// bonus grants, the offers (bonus and special item name) a level-51 crafted
// item may take in a slot, the crafted bonus level, the automatic item name,
// the alchemy procs, and the gem stat labels with their archetype sub-lists.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "itemdb/stat_catalogue.h"
#include "template/crafted_item.h"

namespace davoruzivi {

struct Template;

// ---- fifth-slot bonus list ----

inline constexpr int kFifthSlotBonusCount = 33;
inline constexpr int kNoFifthSlotBonus = 0;  // "No Extra Bonuses"
inline constexpr int kMaxGrantsPerBonus = 3;

struct StatGrant {
  StatId Stat = 0;
  std::int32_t Amount = 0;
};

// "No Extra Bonuses", "Strength Cap + 5", ... "Legendary Staff"; empty outside 0..32.
std::string_view FifthSlotBonusText(int entry);
// The (StatId, amount) pairs the entry grants, in order; none outside 0..32.
std::span<const StatGrant> FifthSlotGrants(int entry);
// The entry whose text is exactly the text, or -1.
int FifthSlotBonusIndexOf(std::string_view text);

// ---- offers ----

inline constexpr std::string_view kNoExtraBonusOffer = "No Extra Bonus";

// A bonus a crafted item may take in its fifth slot, and the special item
// name it comes under (empty: none).
struct FifthSlotOffer {
  int Bonus = kNoFifthSlotBonus;
  std::string_view ItemName;

  friend bool operator==(const FifthSlotOffer&, const FifthSlotOffer&) = default;
};

// What decides the offers of a crafted item.
struct OfferInputs {
  int ClassIndex = -1;    // 0..46; the realm and the class facts come from it
  int ServerIndex = -1;   // Coop, PvP and Realm Free are cross-realm
  int EquipmentSlot = 0;  // Chest .. Ranged; any other slot has only "No Extra Bonus"
  int Absorption = 0;     // the item's armour kind, 0 "0%" .. 5 "Non-Armor"
  int ChampionLevel = 0;  // of the current configuration
};

// "No Extra Bonus" followed by the offers of the class's realm (or of all
// three realms, in the order Albion, Hibernia, Midgard, on a cross-realm
// server outside the Head slot) whose slot, armour kind and condition match.
std::vector<FifthSlotOffer> BuildOfferList(const OfferInputs& inputs);

// The same for the template's class, server type and current configuration.
std::vector<FifthSlotOffer> OfferListFor(const Template& model, int equipmentSlot, int absorption);

// What the fifth-slot box shows: "No Extra Bonus" and then bare bonus texts.
std::vector<std::string_view> OfferTexts(std::span<const FifthSlotOffer> offers);

// Chooses an offer for the item: FifthSlotBonus takes its position and
// LegacyBonus its bonus entry. A position outside the list, and any choice
// below the fifth-slot level, choose "No Extra Bonus".
void ChooseOffer(CraftedItem& item, std::span<const FifthSlotOffer> offers, int position);

// The offer a stored item takes again: its FifthSlotBonus position while the
// list is that long, else the first offer of its LegacyBonus, else 0.
int OfferPositionOnLoad(const CraftedItem& item, std::span<const FifthSlotOffer> offers);

// Clears bonuses 5..10 and, while the fifth slot is available and active,
// writes the grants of the item's LegacyBonus into bonuses 5, 6 and 7.
void SetFifth(CraftedItem& item, bool forceFifthSlot);

// ---- derived values ----

// The bonus level of the item's ten bonuses, 0..50.
int CraftedBonusLevel(const CraftedItem& item);

// "Lv" + level + the kind word, with " : ( bonus text )" when a bonus is
// chosen, or the chosen offer's special item name when it has one.
std::string AutomaticName(const CraftedItem& item, int realm, int equipmentSlot,
                          std::span<const FifthSlotOffer> offers);

// ---- armour kinds ----

// The armour kinds of a crafted item: the class armour texts, then "Non-Armor".
std::vector<std::string_view> ArmourKindTexts();

// ---- alchemy procs ----

inline constexpr std::string_view kNoAlchemyProc = "(No Proc Selected)";

// "(No Proc Selected)" and then 33 reactive procs, 52 charges and 41 offensive procs.
std::span<const std::string_view> AlchemyProcList();
// The first entry equal to the text ignoring letter case; 0 when none is.
int AlchemyProcIndexOf(std::string_view text);

// ---- gem stat labels and archetypes ----

// The label of a gem stat list entry (0 "<Empty>" .. 138 "Aura Manipulation");
// empty outside the list.
std::string_view GemStatLabel(int entry);
// The first gem stat list entry with exactly this label, or -1.
int GemStatEntryOfLabel(std::string_view label);

inline constexpr int kArchetypeCount = 8;
inline constexpr int kNoArchetype = 0;  // "<Select>"
inline constexpr int kFullListing = 7;  // "6. Full Listing"
inline constexpr std::string_view kChooseArchetype = "<Choose an Archtype>";

// "<Select>", "0. Attributes", ... "6. Full Listing".
std::span<const std::string_view> ArchetypeCaptions();
// The gem stat list entries an archetype narrows a stat box to, "<Empty>"
// (entry 0) first; none for "<Select>" (whose box shows only
// kChooseArchetype) and for a value outside the list.
std::vector<int> ArchetypeEntries(int archetype);
// The labels an archetype's stat box lists: kChooseArchetype alone for
// "<Select>", none for a value outside the list.
std::vector<std::string_view> ArchetypeLabels(int archetype);
// The position of a gem stat list entry in the archetype's box, or -1.
int ArchetypePositionOf(int archetype, int entry);

}  // namespace davoruzivi
