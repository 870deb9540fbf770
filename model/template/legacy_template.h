#pragma once
// The two older template formats, ".kwc" and the even older ".kwy": one binary
// record holding a single configuration with one item record per slot. They
// are only ever read: Load and Import turn the record into a configuration
// and match each slot's item against the master vault by name.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

#include "core/short_string.h"
#include "itemdb/exchange_files.h"
#include "template/crafted_item.h"
#include "template/slots.h"
#include "template/template_file.h"

namespace davoruzivi {

class MasterVault;
class TemplateWorkflow;
class Vocabulary;

inline constexpr std::size_t kLegacyTemplateSize = 5296;  // .kwc
inline constexpr std::size_t kOldTemplateSize = 2922;     // .kwy

enum class LegacyTemplateKind { Kwc, Kwy };

// The ".kwc" record; a ".kwy" is converted into it.
struct LegacyTemplate {
  ShortString<41> Name;
  std::uint8_t Level = 0;
  std::uint8_t RealmRank = 0;  // counted from 1
  std::uint8_t ClassIndex = 0;
  std::uint8_t ServerIndex = 0;
  std::array<LegacyItem, kEquipmentSlotCount> Slots;
  std::uint8_t Weapons = 0;       // 0 or 1 both hands, 2 two-handed, 3 ranged, 4 not chosen
  std::uint8_t ChampionFlag = 0;  // not 0: champion level 15
  std::uint8_t EffectsTranslated = 0;  // 1: proc effects are effect list indices already
};

// ".kwc" when the lower-cased name holds it, else ".kwy".
LegacyTemplateKind LegacyTemplateKindOf(const std::filesystem::path& path);

// The first record of a file's bytes (a ".kwy" converted); nothing when the
// bytes are shorter than the record.
std::optional<LegacyTemplate> ReadLegacyTemplateRecord(std::span<const std::uint8_t> bytes, LegacyTemplateKind kind);

// A ".kwy" record in the ".kwc" layout.
LegacyTemplate ConvertOldTemplate(std::span<const std::uint8_t, kOldTemplateSize> old);

// Every proc effect of the slots named by its legacy list's text in `effects`.
// Crafted slots are left alone: their proc bytes hold the fifth-slot bonus.
void TranslateLegacyEffects(LegacyTemplate& record, const Vocabulary& effects);

// The first vault position whose name equals the name ignoring letter case;
// -1 when there is none, and when the match is at position 0.
int FindVaultItem(const MasterVault& vault, std::string_view name);

CraftedItem LegacyCraftedItem(const LegacyItem& legacy);

// Loads or imports a legacy template through the workflow's operations. False
// when it changed nothing (a refused import, an unreadable file).
bool ReadLegacyTemplate(TemplateWorkflow& workflow, const std::filesystem::path& path, TemplateReadMode mode);

}  // namespace davoruzivi
