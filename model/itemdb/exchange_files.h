#pragma once
// The item exchange files: single-item files (the vault item export and the
// three older layouts still read), the item list file, and their conversion
// into vault records.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/short_string.h"
#include "itemdb/inline_item.h"
#include "itemdb/master_vault.h"
#include "itemdb/vault_item.h"

namespace davoruzivi {

namespace platform {
class MessageBox;
}

inline constexpr std::size_t kLegacyItemSize = 276;   // .kwx as read, and a legacy template's slot
inline constexpr std::size_t kOlderItemSize = 158;    // .kwi
inline constexpr std::size_t kItemListRecordSize = 228;  // one record of a .kwj

inline constexpr std::string_view kInvalidImportFileMessage = "Invalid import file";
inline constexpr std::string_view kBadItemListMessage = "Something is wrong with the JSON import file...";
inline constexpr std::string_view kIncompleteItemFileMessage = "The item file is incomplete : ";
inline constexpr std::string_view kUnreadableItemFileMessage = "The item file cannot be read : ";
inline constexpr std::string_view kImportedFileNotes = "Imported File, please edit!";

using LegacyItemImage = std::array<std::uint8_t, kLegacyItemSize>;

// The 276-byte legacy item record, held as its bytes: readers of old files and
// templates copy fields byte by byte, and bytes nobody names must survive.
// Bonus n and proc n are index n - 1.
class LegacyItem {
 public:
  LegacyItem() = default;  // every byte 0
  explicit LegacyItem(std::span<const std::uint8_t, kLegacyItemSize> bytes);

  std::span<std::uint8_t, kLegacyItemSize> Bytes() { return bytes_; }
  std::span<const std::uint8_t, kLegacyItemSize> Bytes() const { return bytes_; }

  ShortString<51> Name() const;
  void SetName(std::string_view name);
  std::uint8_t Stat(int index) const;
  void SetStat(int index, std::uint8_t stat);
  std::int32_t Amount(int index) const;
  void SetAmount(int index, std::int32_t amount);
  std::uint8_t ProcKind(int index) const;
  void SetProcKind(int index, std::uint8_t kind);
  std::uint16_t ProcEffect(int index) const;
  void SetProcEffect(int index, std::uint16_t effect);
  std::uint16_t ProcAmount(int index) const;
  void SetProcAmount(int index, std::uint16_t amount);

  // A legacy template's slot: what kind of item it holds and a crafted item's fields.
  std::uint8_t ItemLevel() const;
  std::uint8_t KindMarker() const;  // 2: a crafted item taken as an inline item
  std::uint8_t Absorption() const;
  bool IsCrafted() const;
  bool IsInline() const;
  void MarkInline();
  std::uint8_t LegacyBonus() const;     // shares its byte with the second proc kind
  std::uint8_t FifthSlotBonus() const;  // shares its byte with the second proc effect

  friend bool operator==(const LegacyItem&, const LegacyItem&) = default;

 private:
  LegacyItemImage bytes_{};
};

// Sets the bytes a new legacy record starts from: the name " ", no stats, no
// procs, and the fixed values the old template import relies on. Bytes no
// reader looks at keep what they held.
void ResetLegacyItem(LegacyItem& item);
LegacyItem ResetLegacyItem();

// Single-item files by the letters their path contains.
enum class ItemFileKind {
  Kwz,  // an InlineItem image, 271 bytes
  Kwi,  // the older item record, 158 bytes
  Kwx,  // the legacy record, 276 bytes, or the vault item export, 558 bytes
};

// Decided by the file's extension ".kwz", ".kwi" or ".kwx" when it has one of
// them; otherwise from the whole path, letter case as written: "kwz" anywhere,
// else "kwi", else "kwx"; nothing for any other path.
std::optional<ItemFileKind> ItemFileKindOf(std::string_view path);

// The size of the record a file of the kind begins with.
std::size_t RecordSizeOf(ItemFileKind kind);

// The first record of a file's bytes in the legacy layout; nothing when the
// bytes are shorter than the kind's record.
std::optional<LegacyItem> ReadLegacyItem(std::span<const std::uint8_t> bytes, ItemFileKind kind);

// A new vault record of a legacy item: unique, usable by every class, noted
// "Imported File, please edit!".
VaultItem LegacyToVaultItem(const LegacyItem& legacy);
// An item's name as a hand-entered item carries it: " (RoG)" is added unless
// the name holds "RoG" already.
std::string RoGMarkedName(std::string_view name);
// A hand-entered item with a vault item's name (cut to 200 characters),
// bonuses and procs.
InlineItem VaultToInlineItem(const VaultItem& item);
// An inline item of a legacy item, under its RoG-marked name.
InlineItem LegacyToInlineItem(const LegacyItem& legacy);
// The legacy record of an item entered by hand: its name, bonuses and procs
// (a stat past one byte keeps its low byte).
LegacyItem InlineToLegacyItem(const InlineItem& item);

// The vault record a single-item file's bytes hold: a .kwx of exactly the
// vault item image's size is the export, taken whole; every other file goes
// through the legacy record. Nothing when the file is shorter than its record.
std::optional<VaultItem> ReadItemFile(std::span<const std::uint8_t> bytes, ItemFileKind kind);

// The vault records of an item list file's bytes, in file order; a trailing
// part record is ignored.
std::vector<VaultItem> ReadItemList(std::span<const std::uint8_t> bytes);

// Reads a single-item file and appends its item to the vault: the position it
// took, or nothing after telling the user why.
std::optional<std::size_t> ImportItemFile(const std::filesystem::path& path, MasterVault& vault,
                                          platform::MessageBox& messages);

// Reads an item list file and appends its items in file order: the positions
// they took, or none after telling the user why.
std::vector<std::size_t> ImportItemList(const std::filesystem::path& path, MasterVault& vault,
                                        platform::MessageBox& messages);

// Writes the vault record at a position as the whole file, replacing any
// earlier one; the error text when it cannot. A position outside the vault
// tells the user and writes a reset record, as GetVaultItem gives it.
std::optional<std::string> ExportVaultItem(const MasterVault& vault, long long position,
                                           const std::filesystem::path& path, platform::MessageBox& messages);

// The file name an export suggests for an item: its name with each character
// a file name cannot hold, and each full stop, replaced by "-".
std::string SuggestedExportName(std::string_view itemName);

// The chosen export file name, with ".kwx" appended unless it holds ".kwx".
std::string ExportFileName(std::string_view chosenName);

}  // namespace davoruzivi
