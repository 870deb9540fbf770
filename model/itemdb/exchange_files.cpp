#include "itemdb/exchange_files.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <system_error>

#include "core/byte_image.h"
#include "core/cp1252.h"
#include "core/file_io.h"
#include "itemdb/item_xml.h"
#include "platform/message_box.h"

namespace davoruzivi {
namespace {

// Byte offsets of the legacy record.
namespace legacy {
constexpr std::size_t Name = 0, ItemLevel = 55, KindMarker = 56, Absorption = 57, Crafted = 59, Inline = 60,
                      Stats = 116, Amounts = 128, ProcKinds = 168, LegacyBonus = 169, ProcEffects = 170,
                      FifthSlotBonus = 172, ProcAmounts = 270;
}  // namespace legacy

// Byte offsets of the older item record (.kwi).
namespace older {
constexpr std::size_t Name = 1, Stats = 104, Amounts = 116, ProcKinds = 156;
}  // namespace older
static_assert(older::ProcKinds + 2 == kOlderItemSize);

// Byte offsets of an item list record (.kwj); every number is 32 bits.
namespace list {
constexpr std::size_t Name = 0, NameLength = 76, OutsideId = 76, Realm = 80, Quality = 84, Level = 88,
                      BonusLevel = 92, Slot = 96, WeaponType = 100, Speed = 104, Absorb = 108, StatIds = 124,
                      StatValues = 164, ProcEffects = 204, ProcAmounts = 212, ProcKinds = 220;
}  // namespace list
static_assert(list::ProcKinds + 8 == kItemListRecordSize);

// What ResetLegacyItem sets, byte run by byte run; the other bytes keep their values.
struct ByteRun {
  std::size_t first;
  std::size_t last;
  std::uint8_t value;
};
constexpr ByteRun kLegacyResetRuns[] = {
    {0, 0, 1},      {1, 1, ' '},  // the name " "
    {52, 52, 0},    {53, 53, 3},  {54, 54, 0}, {55, 55, 51}, {56, 60, 0}, {61, 64, 1}, {65, 114, 0}, {115, 115, 1},
    {116, 174, 0},                // stats, amounts, proc kinds and effects
    {269, 269, 41}, {270, 275, 0},  // then the proc amounts
};

// Each realm's class mask in an item list record covers the realm's classes from
// its lowest bit up. A mask of 65535 ("every class of the realm") sets them all
// that way too; the Midgard mask's highest bit has no class.
struct RealmClassMask {
  std::size_t offset;
  int firstClass;
  int classCount;
};
constexpr RealmClassMask kRealmClassMasks[] = {{112, 0, 16}, {116, 16, 16}, {120, 32, 15}};

// The vocabulary entries an item list's records are filed under.
constexpr std::uint16_t kJsonImportedItemType = 18;  // "Json Imported Item (Verify)"
constexpr std::uint16_t kBroadswordExpansion = 22;   // "Broadsword Database"
constexpr std::uint16_t kJsonImportSource = 11;      // "JSON Import"

constexpr std::string_view kExportExtension = ".kwx";
constexpr std::string_view kCharactersNotInExportNames = "/\\?*:<>|\".";

std::span<const std::uint8_t> AsBytes(std::string_view bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

std::string_view AsChars(std::span<const std::uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// The low 16 bits of a 32-bit number, as a Word field takes it.
std::uint16_t Word(const ImageReader& r, std::size_t offset) { return static_cast<std::uint16_t>(r.I32(offset)); }

// At most `limit` bytes from the start of a file; nothing when it cannot be read.
std::optional<std::string> ReadFileStart(const std::filesystem::path& path, std::size_t limit) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(limit, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(limit));
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

// The file's name without its folder, as text for a message.
std::string FileNameText(const std::filesystem::path& path) { return Utf8ToCp1252(path.filename().string()); }

LegacyItem LegacyFromOlderRecord(std::span<const std::uint8_t> record) {
  const ImageReader r(record);
  LegacyItem item = ResetLegacyItem();
  item.SetName(r.Text<51>(older::Name));
  for (int n = 0; n < kBonusSlots; ++n) {
    item.SetStat(n, r.U8(older::Stats + n));
    item.SetAmount(n, r.I32(older::Amounts + 4 * n));
  }
  for (int n = 0; n < kProcSlots; ++n) item.SetProcKind(n, r.U8(older::ProcKinds + n));
  return item;
}

LegacyItem LegacyFromInlineRecord(std::span<const std::uint8_t> record) {
  return InlineToLegacyItem(InlineItemFromImage(record.first<kInlineItemImageSize>()));
}

void SetClassesFromMasks(const ImageReader& r, VaultItem& item) {
  for (const RealmClassMask& realm : kRealmClassMasks) {
    const auto mask = static_cast<std::uint32_t>(r.I32(realm.offset));
    for (int k = 0; k < realm.classCount; ++k)
      if (mask & (1u << k)) item.ClassUsable[realm.firstClass + k] = 1;
  }
}

// The reset leaves the record not unique, unverified and usable by no class but
// those its masks name.
VaultItem ItemListRecordToVaultItem(std::span<const std::uint8_t> record) {
  const ImageReader r(record);
  VaultItem item = ResetVaultItem();
  item.Name = TrimBlanksAndControls(AsChars(record.subspan(list::Name, list::NameLength)));
  item.Realm = Word(r, list::Realm);
  item.Quality = Word(r, list::Quality);
  item.Level = Word(r, list::Level);
  item.BonusLevel = Word(r, list::BonusLevel);
  item.BonusLevelManual = 1;
  item.Slot = Word(r, list::Slot);
  item.WeaponType = Word(r, list::WeaponType);
  item.Speed = Word(r, list::Speed);
  item.Absorb = Word(r, list::Absorb);
  SetClassesFromMasks(r, item);
  for (int n = 0; n < kBonusSlots; ++n) {
    item.StatIds[n] = Word(r, list::StatIds + 4 * n);
    item.StatValues[n] = r.I32(list::StatValues + 4 * n);
  }
  for (int n = 0; n < kProcSlots; ++n) {
    item.ProcEffects[n] = Word(r, list::ProcEffects + 4 * n);
    item.ProcAmounts[n] = Word(r, list::ProcAmounts + 4 * n);
    item.ProcKinds[n] = static_cast<std::uint8_t>(r.I32(list::ProcKinds + 4 * n));
  }
  item.ItemType = kJsonImportedItemType;
  item.Expansion = kBroadswordExpansion;
  item.Source = kJsonImportSource;
  item.Notes = "ID:(" + std::to_string(r.I32(list::OutsideId)) +
               ") Imported from the Broadsword JSON Database. Verify before use!";
  item.ServerCoop = item.ServerPvP = item.ServerClassic = item.ServerNormal = 1;
  item.ServerYwaine = item.ServerRealmFree = item.ServerOrigins = 1;
  return item;
}

}  // namespace

LegacyItem::LegacyItem(std::span<const std::uint8_t, kLegacyItemSize> bytes) {
  std::copy(bytes.begin(), bytes.end(), bytes_.begin());
}

ShortString<51> LegacyItem::Name() const { return ImageReader(bytes_).Text<51>(legacy::Name); }
void LegacyItem::SetName(std::string_view name) { ImageWriter(bytes_).Text(legacy::Name, ShortString<51>(name)); }
std::uint8_t LegacyItem::Stat(int index) const { return bytes_[legacy::Stats + index]; }
void LegacyItem::SetStat(int index, std::uint8_t stat) { bytes_[legacy::Stats + index] = stat; }
std::int32_t LegacyItem::Amount(int index) const { return ImageReader(bytes_).I32(legacy::Amounts + 4 * index); }
void LegacyItem::SetAmount(int index, std::int32_t amount) {
  ImageWriter(bytes_).I32(legacy::Amounts + 4 * index, amount);
}
std::uint8_t LegacyItem::ProcKind(int index) const { return bytes_[legacy::ProcKinds + index]; }
void LegacyItem::SetProcKind(int index, std::uint8_t kind) { bytes_[legacy::ProcKinds + index] = kind; }
std::uint16_t LegacyItem::ProcEffect(int index) const {
  return ImageReader(bytes_).U16(legacy::ProcEffects + 2 * index);
}
void LegacyItem::SetProcEffect(int index, std::uint16_t effect) {
  ImageWriter(bytes_).U16(legacy::ProcEffects + 2 * index, effect);
}
std::uint16_t LegacyItem::ProcAmount(int index) const {
  return ImageReader(bytes_).U16(legacy::ProcAmounts + 2 * index);
}
void LegacyItem::SetProcAmount(int index, std::uint16_t amount) {
  ImageWriter(bytes_).U16(legacy::ProcAmounts + 2 * index, amount);
}

std::uint8_t LegacyItem::ItemLevel() const { return bytes_[legacy::ItemLevel]; }
std::uint8_t LegacyItem::KindMarker() const { return bytes_[legacy::KindMarker]; }
std::uint8_t LegacyItem::Absorption() const { return bytes_[legacy::Absorption]; }
bool LegacyItem::IsCrafted() const { return bytes_[legacy::Crafted] == 1; }
bool LegacyItem::IsInline() const { return bytes_[legacy::Inline] == 1; }
void LegacyItem::MarkInline() { bytes_[legacy::Inline] = 1; }
std::uint8_t LegacyItem::LegacyBonus() const { return bytes_[legacy::LegacyBonus]; }
std::uint8_t LegacyItem::FifthSlotBonus() const { return bytes_[legacy::FifthSlotBonus]; }

void ResetLegacyItem(LegacyItem& item) {
  const auto bytes = item.Bytes();
  for (const ByteRun& run : kLegacyResetRuns)
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(run.first),
              bytes.begin() + static_cast<std::ptrdiff_t>(run.last + 1), run.value);
}

LegacyItem ResetLegacyItem() {
  LegacyItem item;
  ResetLegacyItem(item);
  return item;
}

std::optional<ItemFileKind> ItemFileKindOf(std::string_view path) {
  // The file's own extension speaks first: a folder named after another
  // kind says nothing about the file in it.
  const std::string_view name = path.substr(path.find_last_of("/\\") + 1);
  if (const auto dot = name.rfind('.'); dot != std::string_view::npos) {
    const std::string_view extension = name.substr(dot);
    if (extension == ".kwz") return ItemFileKind::Kwz;
    if (extension == ".kwi") return ItemFileKind::Kwi;
    if (extension == ".kwx") return ItemFileKind::Kwx;
  }
  if (path.find("kwz") != std::string_view::npos) return ItemFileKind::Kwz;
  if (path.find("kwi") != std::string_view::npos) return ItemFileKind::Kwi;
  if (path.find("kwx") != std::string_view::npos) return ItemFileKind::Kwx;
  return std::nullopt;
}

std::size_t RecordSizeOf(ItemFileKind kind) {
  switch (kind) {
    case ItemFileKind::Kwz: return kInlineItemImageSize;
    case ItemFileKind::Kwi: return kOlderItemSize;
    case ItemFileKind::Kwx: break;
  }
  return kLegacyItemSize;
}

std::optional<LegacyItem> ReadLegacyItem(std::span<const std::uint8_t> bytes, ItemFileKind kind) {
  if (bytes.size() < RecordSizeOf(kind)) return std::nullopt;
  switch (kind) {
    case ItemFileKind::Kwz: return LegacyFromInlineRecord(bytes);
    case ItemFileKind::Kwi: return LegacyFromOlderRecord(bytes);
    case ItemFileKind::Kwx: break;
  }
  return LegacyItem(bytes.first<kLegacyItemSize>());
}

namespace {

// The bonuses and procs of a legacy record, into a record with the same fields.
template <typename Item>
void CopyBonusesAndProcs(const LegacyItem& legacy, Item& item) {
  for (int n = 0; n < kBonusSlots; ++n) {
    item.StatIds[n] = legacy.Stat(n);
    item.StatValues[n] = legacy.Amount(n);
  }
  for (int n = 0; n < kProcSlots; ++n) {
    item.ProcKinds[n] = legacy.ProcKind(n);
    item.ProcEffects[n] = legacy.ProcEffect(n);
    item.ProcAmounts[n] = legacy.ProcAmount(n);
  }
}

}  // namespace

VaultItem LegacyToVaultItem(const LegacyItem& legacy) {
  VaultItem item = ResetVaultItem();
  item.Name = legacy.Name();
  item.Unique = 1;
  item.ClassUsable.fill(1);
  CopyBonusesAndProcs(legacy, item);
  item.Notes = kImportedFileNotes;
  return item;
}

LegacyItem InlineToLegacyItem(const InlineItem& inlineItem) {
  LegacyItem item = ResetLegacyItem();
  item.SetName(inlineItem.Name);
  for (int n = 0; n < kBonusSlots; ++n) {
    item.SetStat(n, static_cast<std::uint8_t>(inlineItem.StatIds[n]));
    item.SetAmount(n, inlineItem.StatValues[n]);
  }
  for (int n = 0; n < kProcSlots; ++n) {
    item.SetProcKind(n, inlineItem.ProcKinds[n]);
    item.SetProcEffect(n, inlineItem.ProcEffects[n]);
    item.SetProcAmount(n, inlineItem.ProcAmounts[n]);
  }
  return item;
}

std::string RoGMarkedName(std::string_view name) {
  constexpr std::string_view kMark = "RoG";
  return name.find(kMark) != std::string_view::npos ? std::string(name) : std::string(name) + " (" + std::string(kMark) + ")";
}

InlineItem VaultToInlineItem(const VaultItem& item) {
  InlineItem made;
  made.Name = item.Name.View();
  made.StatIds = item.StatIds;
  made.StatValues = item.StatValues;
  made.ProcKinds = item.ProcKinds;
  made.ProcEffects = item.ProcEffects;
  made.ProcAmounts = item.ProcAmounts;
  return made;
}

InlineItem LegacyToInlineItem(const LegacyItem& legacy) {
  InlineItem item;
  item.Name = RoGMarkedName(legacy.Name().View());
  CopyBonusesAndProcs(legacy, item);
  return item;
}

std::optional<VaultItem> ReadItemFile(std::span<const std::uint8_t> bytes, ItemFileKind kind) {
  if (kind == ItemFileKind::Kwx && bytes.size() == kVaultItemImageSize)
    return FromImage(bytes.first<kVaultItemImageSize>());
  if (const auto legacy = ReadLegacyItem(bytes, kind)) return LegacyToVaultItem(*legacy);
  return std::nullopt;
}

std::vector<VaultItem> ReadItemList(std::span<const std::uint8_t> bytes) {
  std::vector<VaultItem> items;
  items.reserve(bytes.size() / kItemListRecordSize);
  for (std::size_t offset = 0; offset + kItemListRecordSize <= bytes.size(); offset += kItemListRecordSize)
    items.push_back(ItemListRecordToVaultItem(bytes.subspan(offset, kItemListRecordSize)));
  return items;
}

std::optional<std::size_t> ImportItemFile(const std::filesystem::path& path, MasterVault& vault,
                                          platform::MessageBox& messages) {
  const auto kind = ItemFileKindOf(path.string());
  if (!kind) {
    messages.Notify(kInvalidImportFileMessage);
    return std::nullopt;
  }
  // One byte past the export image tells a longer file from the export.
  const auto bytes = ReadFileStart(path, kVaultItemImageSize + 1);
  if (!bytes) {
    messages.Notify(std::string(kUnreadableItemFileMessage) + FileNameText(path));
    return std::nullopt;
  }
  auto item = ReadItemFile(AsBytes(*bytes), *kind);
  if (!item) {
    messages.Notify(std::string(kIncompleteItemFileMessage) + FileNameText(path));
    return std::nullopt;
  }
  if (FitToVaultLine(*item, vault.Vocabularies())) messages.Notify(FittedItemsMessage(std::array{item->Name.Str()}));
  return vault.PutVaultItem(static_cast<long long>(vault.Size()), *item);
}

std::vector<std::size_t> ImportItemList(const std::filesystem::path& path, MasterVault& vault,
                                        platform::MessageBox& messages) {
  const FileContent file = ReadWholeFile(path, kMaxVaultRecords * kItemListRecordSize);
  if (file.status != ReadStatus::Ok) {
    messages.Notify(std::string(kUnreadableItemFileMessage) + FileNameText(path));
    return {};
  }
  if (file.bytes.size() < kItemListRecordSize) {
    messages.Notify(kBadItemListMessage);
    return {};
  }
  std::vector<std::size_t> positions;
  std::vector<std::string> fitted;
  for (VaultItem& item : ReadItemList(AsBytes(file.bytes))) {
    if (FitToVaultLine(item, vault.Vocabularies())) fitted.push_back(item.Name.Str());
    positions.push_back(vault.PutVaultItem(static_cast<long long>(vault.Size()), item));
  }
  if (!fitted.empty()) messages.Notify(FittedItemsMessage(fitted));
  return positions;
}

std::optional<std::string> ExportVaultItem(const MasterVault& vault, long long position,
                                           const std::filesystem::path& path, platform::MessageBox& messages) {
  const VaultItemImage image = ToImage(vault.GetVaultItem(position, messages));
  return WriteFileAtomically(path, AsChars(image));
}

std::string SuggestedExportName(std::string_view itemName) {
  std::string name(itemName);
  std::replace_if(
      name.begin(), name.end(), [](char c) { return kCharactersNotInExportNames.find(c) != std::string_view::npos; },
      '-');
  return name;
}

std::string ExportFileName(std::string_view chosenName) {
  std::string name(chosenName);
  if (name.find(kExportExtension) == std::string::npos) name += kExportExtension;
  return name;
}

}  // namespace davoruzivi
