#include "itemdb/vault_item.h"

#include <algorithm>

#include "core/byte_image.h"
#include "itemdb/vault_text_format.h"

namespace davoruzivi {
namespace {

// Byte offsets of the record image.
namespace offset {
constexpr std::size_t Id = 0, Name = 4, ItemType = 205, Realm = 207, Expansion = 209, Level = 211, Slot = 213,
                      Absorb = 215, WeaponType = 217, Quality = 219, Speed = 221, Source = 223, BonusLevel = 225,
                      BonusLevelManual = 227, ReservedFlag = 229, Unique = 230, ServerCoop = 231, ServerPvP = 232,
                      ServerClassic = 233, ServerNormal = 234, ServerYwaine = 235, ServerRealmFree = 236,
                      ServerOrigins = 237, ClassUsable = 238, Verified = 285, Researched = 286, StatIds = 287,
                      StatValues = 307, ProcKinds = 347, ProcEffects = 349, ProcAmounts = 353, Notes = 357;
}  // namespace offset
static_assert(offset::Notes + 201 == kVaultItemImageSize);

}  // namespace

VaultItem ResetVaultItem() {
  VaultItem item;
  item.Id = -1;
  item.Name = " ";
  item.Realm = kUniversalRealm;
  item.Level = 51;
  item.Quality = kNoQuality;
  return item;
}

void ResetVaultItem(VaultItem& item) {
  static const VaultItem reset = ResetVaultItem();
  item = reset;
}

VaultItemImage ToImage(const VaultItem& item) {
  VaultItemImage image{};
  ImageWriter w(image);
  w.I32(offset::Id, item.Id);
  w.Text(offset::Name, item.Name);
  w.U16(offset::ItemType, item.ItemType);
  w.U16(offset::Realm, item.Realm);
  w.U16(offset::Expansion, item.Expansion);
  w.U16(offset::Level, item.Level);
  w.U16(offset::Slot, item.Slot);
  w.U16(offset::Absorb, item.Absorb);
  w.U16(offset::WeaponType, item.WeaponType);
  w.U16(offset::Quality, item.Quality);
  w.U16(offset::Speed, item.Speed);
  w.U16(offset::Source, item.Source);
  w.U16(offset::BonusLevel, item.BonusLevel);
  w.U16(offset::BonusLevelManual, item.BonusLevelManual);
  w.U8(offset::ReservedFlag, 0);  // always written as 0
  w.U8(offset::Unique, item.Unique);
  w.U8(offset::ServerCoop, item.ServerCoop);
  w.U8(offset::ServerPvP, item.ServerPvP);
  w.U8(offset::ServerClassic, item.ServerClassic);
  w.U8(offset::ServerNormal, item.ServerNormal);
  w.U8(offset::ServerYwaine, item.ServerYwaine);
  w.U8(offset::ServerRealmFree, item.ServerRealmFree);
  w.U8(offset::ServerOrigins, item.ServerOrigins);
  w.Bytes(offset::ClassUsable, item.ClassUsable);
  w.U8(offset::Verified, item.Verified);
  w.U8(offset::Researched, item.Researched);
  w.U16s(offset::StatIds, item.StatIds);
  w.I32s(offset::StatValues, item.StatValues);
  w.Bytes(offset::ProcKinds, item.ProcKinds);
  w.U16s(offset::ProcEffects, item.ProcEffects);
  w.U16s(offset::ProcAmounts, item.ProcAmounts);
  w.Text(offset::Notes, item.Notes);
  return image;
}

VaultItem FromImage(std::span<const std::uint8_t, kVaultItemImageSize> image) {
  const ImageReader r(image);
  VaultItem item;
  item.Id = r.I32(offset::Id);
  item.Name = r.Text<200>(offset::Name);
  item.ItemType = r.U16(offset::ItemType);
  item.Realm = r.U16(offset::Realm);
  item.Expansion = r.U16(offset::Expansion);
  item.Level = r.U16(offset::Level);
  item.Slot = r.U16(offset::Slot);
  item.Absorb = r.U16(offset::Absorb);
  item.WeaponType = r.U16(offset::WeaponType);
  item.Quality = r.U16(offset::Quality);
  item.Speed = r.U16(offset::Speed);
  item.Source = r.U16(offset::Source);
  item.BonusLevel = r.U16(offset::BonusLevel);
  item.BonusLevelManual = r.U16(offset::BonusLevelManual);
  item.ReservedFlag = r.U8(offset::ReservedFlag);
  item.Unique = r.U8(offset::Unique);
  item.ServerCoop = r.U8(offset::ServerCoop);
  item.ServerPvP = r.U8(offset::ServerPvP);
  item.ServerClassic = r.U8(offset::ServerClassic);
  item.ServerNormal = r.U8(offset::ServerNormal);
  item.ServerYwaine = r.U8(offset::ServerYwaine);
  item.ServerRealmFree = r.U8(offset::ServerRealmFree);
  item.ServerOrigins = r.U8(offset::ServerOrigins);
  item.ClassUsable = r.Bytes<kClassCount>(offset::ClassUsable);
  item.Verified = r.U8(offset::Verified);
  item.Researched = r.U8(offset::Researched);
  item.StatIds = r.U16s<kBonusSlots>(offset::StatIds);
  item.StatValues = r.I32s<kBonusSlots>(offset::StatValues);
  item.ProcKinds = r.Bytes<kProcSlots>(offset::ProcKinds);
  item.ProcEffects = r.U16s<kProcSlots>(offset::ProcEffects);
  item.ProcAmounts = r.U16s<kProcSlots>(offset::ProcAmounts);
  item.Notes = r.Text<200>(offset::Notes);
  return item;
}

namespace {

// Stores the value brought within [low, high]; true when that changed it.
template <typename Value>
bool Fit(Value& value, Value low, Value high) {
  const Value fitted = std::clamp(value, low, high);
  const bool changed = fitted != value;
  value = fitted;
  return changed;
}

}  // namespace

bool FitValuesToVaultLine(VaultItem& item) {
  bool changed = false;
  for (std::int32_t& amount : item.StatValues) changed |= Fit(amount, kMinVaultLineAmount, kMaxVaultLineAmount);
  for (std::uint8_t& kind : item.ProcKinds) changed |= Fit(kind, std::uint8_t{0}, kMaxProcKind);
  // A computed bonus level is never written; only one entered by hand is.
  if (item.BonusLevelManual != 0) changed |= Fit(item.BonusLevel, std::uint16_t{0}, kMaxManualBonusLevel);
  changed |= Fit(item.Realm, std::uint16_t{0}, kUniversalRealm);
  return changed;
}

bool FitToVaultLine(VaultItem& item, const ItemVocabularies& vocabularies) {
  bool changed = FitValuesToVaultLine(item);
  if (static_cast<int>(item.Source) >= vocabularies.Sources.List().Size()) {
    item.Source = vault_text::kSourceOfEmptyText;
    changed = true;
  }
  return changed;
}

std::string FittedItemsMessage(std::span<const std::string> names) {
  std::string message = "Some values were beyond what the vault can store and have been brought within range :";
  for (const std::string& name : names) message += "\n\r" + name;
  return message;
}

}  // namespace davoruzivi
