#pragma once
// The item editor's help with data entry: which server types and classes an
// expansion, an absorb, a weapon type or a slot usually implies, the server
// presets of its menu, and the realms' ranges of the class list.

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "itemdb/item_vocabularies.h"
#include "itemdb/vault_item.h"

namespace davoruzivi {

inline constexpr int kServerCheckCount = 7;

using ServerChecks = std::bitset<kServerCheckCount>;  // in the order of ServerList
using ClassChecks = std::bitset<kClassCount>;         // in the order of ClassList

// The record's flag behind each entry of ServerList.
inline constexpr std::array<std::uint8_t VaultItem::*, kServerCheckCount> kServerListFlags{
    &VaultItem::ServerNormal,  &VaultItem::ServerCoop,   &VaultItem::ServerOrigins,  &VaultItem::ServerPvP,
    &VaultItem::ServerClassic, &VaultItem::ServerYwaine, &VaultItem::ServerRealmFree};

ServerChecks ServerChecksOf(const VaultItem& item);
void StoreServerChecks(const ServerChecks& checks, VaultItem& item);

// The servers an item of the expansion is usually found on; nothing for an
// expansion the table does not know (22 "Broadsword Database" and later).
std::optional<ServerChecks> ExpansionServers(int expansion);

// The menu's server presets.
enum class ServerPreset { ToA, Classic, Gaheris, Mordred, Origins };
ServerChecks PresetServers(ServerPreset preset);

// The classes that wear armour of the absorb; none for "N/A" and class-based.
ClassChecks AbsorbClasses(int absorb);
// The classes that wield the weapon type in the slot: one-hand groups apply
// in slots 13 and 14, two-hand groups in 15 (the two-hand slot) only.
ClassChecks WeaponClasses(int weaponType, int slot);
// The classes a slot change checks: none for "<Not Selected>", every class
// for jewellery and "Mythirians", the absorb rule for armour, the weapon rule
// for the weapon slots.
ClassChecks SlotClasses(int slot, int absorb, int weaponType);

// Which of weapon type and absorb the slot offers; the other is reset to 0.
struct SlotFields {
  bool weaponType = false;
  bool absorb = false;
};
SlotFields SlotFieldsOf(int slot);

// The realm selector: "Albion", "Hibernia", "Midgard", "Internal".
std::span<const std::string_view> RealmSelectorList();
// The class list's entries of a realm of the realm selector; nothing for "Internal".
struct ClassRange {
  int first;
  int last;
};
std::optional<ClassRange> RealmClasses(int realm);

}  // namespace davoruzivi
