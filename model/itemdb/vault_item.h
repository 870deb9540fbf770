#pragma once
// VaultItem: one item of the master vault, a fixed-size record whose 558-byte
// little-endian image is also the whole content of a ".kwx" export file.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "core/short_string.h"
#include "itemdb/item_vocabularies.h"
#include "itemdb/stat_catalogue.h"

namespace davoruzivi {

inline constexpr std::size_t kVaultItemImageSize = 558;
inline constexpr int kBonusSlots = 10;
inline constexpr int kProcSlots = 2;

using VaultItemImage = std::array<std::uint8_t, kVaultItemImageSize>;

// Field names follow the record's layout. The bonus and proc arrays are
// numbered 1..n in the program's texts; here slot n is element n - 1.
// The realm of an item every realm may use.
inline constexpr std::uint16_t kUniversalRealm = 3;

// A value-initialised VaultItem is all zero, as the records a vault file's
// count line announces but no block fills; ResetVaultItem gives a new item.
struct VaultItem {
  std::int32_t Id = 0;
  ShortString<200> Name;
  std::uint16_t ItemType = 0;
  std::uint16_t Realm = 0;  // 0 Albion, 1 Hibernia, 2 Midgard, 3 Universal
  std::uint16_t Expansion = 0;
  std::uint16_t Level = 0;
  std::uint16_t Slot = 0;
  std::uint16_t Absorb = 0;
  std::uint16_t WeaponType = 0;
  std::uint16_t Quality = 0;  // kNoQuality: none recorded
  std::uint16_t Speed = 0;
  std::uint16_t Source = 0;
  std::uint16_t BonusLevel = 0;
  std::uint16_t BonusLevelManual = 0;  // 1: BonusLevel was entered by hand and is used
  std::uint8_t ReservedFlag = 0;
  std::uint8_t Unique = 0;
  std::uint8_t ServerCoop = 0;
  std::uint8_t ServerPvP = 0;
  std::uint8_t ServerClassic = 0;
  std::uint8_t ServerNormal = 0;
  std::uint8_t ServerYwaine = 0;
  std::uint8_t ServerRealmFree = 0;
  std::uint8_t ServerOrigins = 0;
  std::array<std::uint8_t, kClassCount> ClassUsable{};  // non-zero: usable by the class at that index
  std::uint8_t Verified = 0;
  std::uint8_t Researched = 0;
  std::array<StatId, kBonusSlots> StatIds{};  // 0 empty; 65535 a name the catalogue did not know
  std::array<std::int32_t, kBonusSlots> StatValues{};
  std::array<std::uint8_t, kProcSlots> ProcKinds{};  // 0 no proc
  std::array<std::uint16_t, kProcSlots> ProcEffects{};  // index into AllProcs
  std::array<std::uint16_t, kProcSlots> ProcAmounts{};
  ShortString<200> Notes;

  friend bool operator==(const VaultItem&, const VaultItem&) = default;
};

// Sets every field to the value a new item starts from: Id -1, Name " ",
// Realm Universal, Level 51, no quality, everything else 0 or empty.
void ResetVaultItem(VaultItem& item);
VaultItem ResetVaultItem();

// What a vault line carries: five characters of a stat amount, two of a
// manual bonus level, and the six proc kinds that have a marker.
inline constexpr std::int32_t kMinVaultLineAmount = -9999;
inline constexpr std::int32_t kMaxVaultLineAmount = 99999;
inline constexpr std::uint16_t kMaxManualBonusLevel = 99;
inline constexpr std::uint8_t kMaxProcKind = 6;

// Brings the record's values within what a vault line carries, so that a
// commit and a reload give them back unchanged; true when any value changed.
// Every way into the vault (item files, item lists, item XML, the editor)
// passes its records through this. A realm past Universal becomes Universal
// and a source past the vault's list becomes the source of an empty line, as
// a reload would read them.
bool FitToVaultLine(VaultItem& item, const ItemVocabularies& vocabularies);
// The same for the values that need no vocabulary: a record that keeps its
// realm and source as reset.
bool FitValuesToVaultLine(VaultItem& item);

// The message that names the items whose values were brought within range.
std::string FittedItemsMessage(std::span<const std::string> names);

VaultItemImage ToImage(const VaultItem& item);
VaultItem FromImage(std::span<const std::uint8_t, kVaultItemImageSize> image);

}  // namespace davoruzivi
