#pragma once
// The fixed texts and letter codes of the vault text, shared by its reader and
// its writer.

#include <cstdint>
#include <string_view>

#include "itemdb/vault_item.h"

namespace davoruzivi::vault_text {

inline constexpr std::string_view kMagicLine = "~v";
inline constexpr std::string_view kVersionLine = "Vault Version:1";
inline constexpr std::string_view kDateLine = "Vault Date:1/27/2018";
inline constexpr char kBlockMark = '~';
inline constexpr std::string_view kComputedBonusLevel = "ABLV";
inline constexpr std::string_view kManualBonusLevel = "MB:";
inline constexpr std::string_view kNoNotes = "=";
inline constexpr std::string_view kNoServers = "X";
inline constexpr std::string_view kVerified = "V";
inline constexpr std::string_view kResearched = "R";
inline constexpr std::string_view kUnverified = "U";
inline constexpr char kStatSeparator = '|';

// Realm letters, by Realm value 0..3.
inline constexpr std::string_view kRealmLetters = "AHMU";

// Proc kinds 1..6 are marked "|N:", "|R:", "|C:", "|E:", "|S:", "|M:".
inline constexpr std::string_view kProcKindLetters = "NRCESM";

// Server letters in the order the writer puts them. Reading a letter sets its
// flag and, for four of them, one more (an "N" item is usable on Ywaine servers).
struct ServerLetter {
  char letter;
  std::uint8_t VaultItem::*flag;
  std::uint8_t VaultItem::*alsoSets;
};
inline constexpr ServerLetter kServerLetters[] = {
    {'N', &VaultItem::ServerNormal, &VaultItem::ServerYwaine},
    {'C', &VaultItem::ServerCoop, &VaultItem::ServerRealmFree},
    {'P', &VaultItem::ServerPvP, &VaultItem::ServerRealmFree},
    {'B', &VaultItem::ServerClassic, &VaultItem::ServerYwaine},
    {'O', &VaultItem::ServerOrigins, nullptr},
    {'Y', &VaultItem::ServerYwaine, nullptr},
    {'R', &VaultItem::ServerRealmFree, nullptr},
};

// The Source of an item whose source line is empty: "XML Import".
inline constexpr std::uint16_t kSourceOfEmptyText = 10;

}  // namespace davoruzivi::vault_text
