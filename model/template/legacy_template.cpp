#include "template/legacy_template.h"

#include <algorithm>

#include "core/ascii_text.h"
#include "core/byte_image.h"
#include "core/cp1252.h"
#include "core/file_io.h"
#include "itemdb/legacy_effects.h"
#include "itemdb/master_vault.h"
#include "platform/confirmation_dialog.h"
#include "platform/message_box.h"
#include "template/classes.h"
#include "template/template_workflow.h"

namespace davoruzivi {
namespace {

// Byte offsets of the ".kwc" record.
namespace kwc {
constexpr std::size_t Name = 0, Level = 42, RealmRank = 43, ClassIndex = 44, Server = 45, Slots = 48,
                      Weapons = 5292, ChampionFlag = 5293, EffectsTranslated = 5295;
}  // namespace kwc
static_assert(kwc::Slots + kEquipmentSlotCount * kLegacyItemSize == kwc::Weapons);

// Byte offsets of the ".kwy" record and of its 160-byte slots.
namespace kwy {
constexpr std::size_t Name = 0, Level = 21, RealmRank = 22, Realm = 23, ClassNumber = 25, Server = 26, Slots = 28,
                      SlotSize = 160, SlotCount = 18, Weapons = 2908, ChampionFlag = 2909, MaulerRealm = 2913;
}  // namespace kwy
static_assert(kwy::Slots + kwy::SlotCount * kwy::SlotSize == kwy::Weapons);

// Where each part of an old slot lands in the legacy record: {from, to, size}.
struct ByteCopy {
  std::size_t from, to, size;
};
constexpr ByteCopy kOldSlotFields[] = {
    {0, 59, 1},      // crafted flag
    {1, 0, 52},      // name
    {53, 57, 1},     // armour absorption
    {54, 55, 1},     // item level
    {55, 52, 1},     // 3: an inline item
    {56, 53, 1},     {57, 54, 1},
    {58, 56, 1},     // item kind marker
    {104, 116, 10},  // stats
    {116, 128, 40},  // amounts
    {156, 168, 2},   // proc kinds
};
constexpr std::string_view kNoRoomForConfiguration =
    "Import aborted. The template already holds the most configurations it can.";

constexpr std::size_t kOldInlineMarker = 55;
constexpr std::uint8_t kOldInlineValue = 3;
constexpr std::size_t kInlineFlag = 60;

// Class indices of the ".kwy" class numbers, per realm.
constexpr std::uint8_t kOldClassNumbers[3][15] = {
    {0, 10, 7, 11, 2, 3, 4, 5, 12, 8, 15, 14, 13, 1, 9},
    {24, 20, 30, 19, 21, 31, 18, 27, 28, 22, 23, 26, 16, 29, 17},
    {46, 43, 32, 38, 41, 34, 40, 35, 44, 39, 33, 42, 45, 37, 14},
};
constexpr std::uint8_t kMaulerNumber = 14;
constexpr std::uint8_t kMaulerClasses[] = {6, 25, 36};  // by the Mauler realm byte 1..3

std::uint8_t OldClassIndex(std::uint8_t realm, std::uint8_t number, std::uint8_t maulerRealm) {
  if (realm > 2 || number > 14) return number;
  if (realm == 2 && number == kMaulerNumber)
    return maulerRealm >= 1 && maulerRealm <= 3 ? kMaulerClasses[maulerRealm - 1] : number;
  return kOldClassNumbers[realm][number];
}

LegacyItem ConvertOldSlot(std::span<const std::uint8_t> old) {
  LegacyItem item = ResetLegacyItem();
  for (const ByteCopy& field : kOldSlotFields)
    std::copy_n(old.begin() + static_cast<std::ptrdiff_t>(field.from), field.size,
                item.Bytes().begin() + static_cast<std::ptrdiff_t>(field.to));
  item.Bytes()[kInlineFlag] = old[kOldInlineMarker] == kOldInlineValue ? 1 : 0;
  return item;
}

LegacyTemplate ReadKwc(std::span<const std::uint8_t, kLegacyTemplateSize> bytes) {
  const ImageReader r(bytes);
  LegacyTemplate record;
  record.Name = r.Text<41>(kwc::Name);
  record.Level = r.U8(kwc::Level);
  record.RealmRank = r.U8(kwc::RealmRank);
  record.ClassIndex = r.U8(kwc::ClassIndex);
  record.ServerIndex = r.U8(kwc::Server);
  for (std::size_t s = 0; s < kEquipmentSlotCount; ++s)
    record.Slots[s] = LegacyItem(bytes.subspan(kwc::Slots + s * kLegacyItemSize).first<kLegacyItemSize>());
  record.Weapons = r.U8(kwc::Weapons);
  record.ChampionFlag = r.U8(kwc::ChampionFlag);
  record.EffectsTranslated = r.U8(kwc::EffectsTranslated);
  return record;
}

}  // namespace

LegacyTemplateKind LegacyTemplateKindOf(const std::filesystem::path& path) {
  const std::string lower = AsciiLowerCase(path.string());
  return lower.find(".kwc") != std::string::npos ? LegacyTemplateKind::Kwc : LegacyTemplateKind::Kwy;
}

LegacyTemplate ConvertOldTemplate(std::span<const std::uint8_t, kOldTemplateSize> old) {
  const ImageReader r(old);
  LegacyTemplate record;
  record.Name = r.Text<20>(kwy::Name).View();
  record.Level = r.U8(kwy::Level);
  record.RealmRank = r.U8(kwy::RealmRank);
  record.ClassIndex = OldClassIndex(r.U8(kwy::Realm), r.U8(kwy::ClassNumber), r.U8(kwy::MaulerRealm));
  record.ServerIndex = r.U8(kwy::Server);
  for (std::size_t s = 0; s < kwy::SlotCount; ++s)
    record.Slots[s] = ConvertOldSlot(old.subspan(kwy::Slots + s * kwy::SlotSize, kwy::SlotSize));
  record.Slots[slot::Mythirians] = ResetLegacyItem();  // the old format has no Mythirian slot
  record.Weapons = r.U8(kwy::Weapons);
  record.ChampionFlag = r.U8(kwy::ChampionFlag);
  record.EffectsTranslated = 0;
  return record;
}

std::optional<LegacyTemplate> ReadLegacyTemplateRecord(std::span<const std::uint8_t> bytes, LegacyTemplateKind kind) {
  if (kind == LegacyTemplateKind::Kwc) {
    if (bytes.size() < kLegacyTemplateSize) return std::nullopt;
    return ReadKwc(bytes.first<kLegacyTemplateSize>());
  }
  if (bytes.size() < kOldTemplateSize) return std::nullopt;
  return ConvertOldTemplate(bytes.first<kOldTemplateSize>());
}

void TranslateLegacyEffects(LegacyTemplate& record, const Vocabulary& effects) {
  for (LegacyItem& item : record.Slots) {
    if (item.IsCrafted()) continue;
    for (int p = 0; p < kProcSlots; ++p)
      item.SetProcEffect(p, TranslateLegacyEffect(item.ProcKind(p), item.ProcEffect(p), effects));
  }
  record.EffectsTranslated = 1;
}

int FindVaultItem(const MasterVault& vault, std::string_view name) {
  const TextList& names = vault.VaultMasterList();
  for (std::size_t i = 0; i < names.Size(); ++i)
    if (EqualIgnoringCase(names[i], name)) return i == 0 ? -1 : static_cast<int>(i);
  return -1;
}

CraftedItem LegacyCraftedItem(const LegacyItem& legacy) {
  CraftedItem item;
  item.Autoname = 0;
  item.Name = legacy.Name().View();
  item.Absorption = legacy.Absorption();
  item.ItemLevel = legacy.ItemLevel();
  item.LegacyBonus = legacy.LegacyBonus();
  item.FifthSlotBonus = legacy.FifthSlotBonus();
  for (int n = 0; n < kGemSlots; ++n) {
    item.StatIds[n] = legacy.Stat(n);
    item.StatValues[n] = legacy.Amount(n);
    item.GemTiers[n] = static_cast<std::uint16_t>(legacy.Amount(4 + n));
  }
  // Stats 9 and 10 are the two further bonuses; the first reads the second
  // copies of the all-skill stats as their first.
  const std::uint8_t ninth = legacy.Stat(8);
  item.StatIds[4] = ninth == 179 ? 20 : ninth == 180 ? 21 : ninth;
  item.StatValues[4] = legacy.Amount(8);
  item.StatIds[5] = legacy.Stat(9);
  item.StatValues[5] = legacy.Amount(9);
  return item;
}

// The load and import of a legacy template, over the workflow's operations.
class LegacyTemplateImport {
 public:
  LegacyTemplateImport(TemplateWorkflow& workflow, const std::filesystem::path& path, TemplateReadMode mode)
      : workflow_(workflow), model_(workflow.model_), path_(path), load_(mode == TemplateReadMode::Load) {}

  bool Run() {
    auto record = Read();
    if (!record) return false;
    if (load_) workflow_.recent_.Loaded(path_.string());
    if (record->EffectsTranslated != 1) TranslateLegacyEffects(*record, workflow_.vault_.Vocabularies().Effects.List());
    if (load_) StartTemplate(*record);
    else if (!MayImport(*record)) return false;
    if (!workflow_.CanAddConfiguration()) {
      Notify(kNoRoomForConfiguration);
      return false;
    }
    FillConfiguration(*record);
    for (int s = 0; s < kEquipmentSlotCount; ++s) PlaceItem(s, record->Slots[static_cast<std::size_t>(s)]);
    Notify(load_ ? "This template was converted from an older format. Please check items for accuracy."
                 : "This template was imported from an older format. Please check items for accuracy.");
    workflow_.ChangeWeapons(WeaponsOf(*record));
    return true;
  }

 private:
  void Notify(std::string_view text) { workflow_.services_.messages.Notify(text); }

  std::string FileName() const { return Utf8ToCp1252(path_.filename().string()); }

  std::optional<LegacyTemplate> Read() {
    const LegacyTemplateKind kind = LegacyTemplateKindOf(path_);
    const FileContent file = ReadWholeFile(path_, kLegacyTemplateSize * 64);
    const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(file.bytes.data()), file.bytes.size());
    auto record = file.status == ReadStatus::Ok ? ReadLegacyTemplateRecord(bytes, kind) : std::nullopt;
    if (!record) {
      Notify("The template file is incomplete or cannot be read : \n\r" + FileName());
      return std::nullopt;
    }
    if (record->ClassIndex >= kClassCount) {
      Notify("The template file names no known class : \n\r" + FileName());
      return std::nullopt;
    }
    return record;
  }

  void StartTemplate(const LegacyTemplate& record) {
    workflow_.status_ = TemplateStatus::Saved;
    workflow_.StartNewTemplate();
    workflow_.status_ = TemplateStatus::Saved;
    workflow_.ChangeClass(record.ClassIndex);
    int server = record.ServerIndex;
    if (IsOldServerType(server)) {
      const auto& question = kServerConversionQuestion;
      const int answer = workflow_.services_.questions.Ask({std::string(question.Message),
                                                            std::string(question.Caption),
                                                            std::string(question.ConvertButton),
                                                            std::string(question.DontConvertButton), "", ""});
      if (answer == kConvertServerButton) server = ConvertOldServerType(server);
    }
    workflow_.ChangeServer(ServerTypeText(server).empty() ? -1 : server);
  }

  bool MayImport(const LegacyTemplate& record) {
    if (record.ClassIndex != model_.ClassIndex) {
      Notify(kClassMismatchMessage);
      return false;
    }
    if (const auto refusal = LegacyImportServerRefusal(record.ServerIndex, model_.ServerIndex)) {
      Notify(*refusal);
      return false;
    }
    return true;
  }

  static std::uint8_t WeaponsOf(const LegacyTemplate& record) {
    switch (record.Weapons) {
      case 0:
      case 1: return weapons::OneHanded;
      case 2: return weapons::TwoHanded;
      case 3: return weapons::Ranged;
      default: return weapons::NotChosen;
    }
  }

  void FillConfiguration(const LegacyTemplate& record) {
    workflow_.NewConfiguration();
    workflow_.RenameConfiguration(record.Name.View());
    workflow_.ChangeLevel(record.Level, /*byUser=*/false);
    // A record stores no champion level, only its flag: below 50 the level's
    // change sets CL0, and the flag gives CL15 at any level.
    if (Current().Level < kMaxLevel) workflow_.ChangeChampionLevel(0);
    if (record.ChampionFlag != 0) workflow_.ChangeChampionLevel(15);
    workflow_.ChangeRealmRank(std::max(record.RealmRank - 1, 0));
    workflow_.SelectConfiguration(model_.CurrentConfiguration);
    Current().WeaponsEquipped = WeaponsOf(record);
  }

  Configuration& Current() { return *model_.Current(); }

  void SetSlot(int equipmentSlot, ItemList list, int position) {
    Current().Slots[static_cast<std::size_t>(equipmentSlot)] = MakeSlotRef(list, position);
  }

  void PlaceItem(int equipmentSlot, LegacyItem item) {
    const ShortString<51> name = item.Name();
    if (name.Empty() || name == " ") return;
    ItemSlot& lists = model_.ListsOf(SlotKindOf(equipmentSlot));
    if (item.IsCrafted()) {
      if (item.KindMarker() == 2) item.MarkInline();
      if (!item.IsInline()) {
        lists.CraftedItems.push_back(LegacyCraftedItem(item));
        SetSlot(equipmentSlot, ItemList::Crafted, static_cast<int>(lists.CraftedItems.size()) - 1);
        return;
      }
    } else if (!item.IsInline()) {
      if (PlaceVaultItem(equipmentSlot, name.View())) return;
      item.MarkInline();
    }
    lists.InlineItems.push_back(LegacyToInlineItem(item));
    SetSlot(equipmentSlot, ItemList::Inline, static_cast<int>(lists.InlineItems.size()) - 1);
  }

  // False when the vault does not hold the name: the item is then entered by hand.
  bool PlaceVaultItem(int equipmentSlot, std::string_view name) {
    const int position = FindVaultItem(workflow_.vault_, name);
    if (position < 0) return false;
    std::vector<std::int32_t>& ids = model_.ListsOf(SlotKindOf(equipmentSlot)).VaultIds;
    if (const auto known = std::find(ids.begin(), ids.end(), position); known != ids.end()) {
      SetSlot(equipmentSlot, ItemList::Vault, static_cast<int>(known - ids.begin()));
      return true;
    }
    // A two-handed or ranged slot that names an item of another slot lists it
    // there instead and stays empty itself.
    const int ownSlot = workflow_.vault_.Items()[static_cast<std::size_t>(position)].Slot;
    const int expected = equipmentSlot == slot::TwoHand ? 15 : equipmentSlot == slot::Ranged ? 16 : ownSlot;
    if (ownSlot != expected) {
      const int otherKind = ownSlot - 1;
      if (otherKind >= 0 && otherKind < kSlotKindCount) model_.ListsOf(otherKind).VaultIds.push_back(position);
      return true;
    }
    ids.push_back(position);
    SetSlot(equipmentSlot, ItemList::Vault, static_cast<int>(ids.size()) - 1);
    return true;
  }

  TemplateWorkflow& workflow_;
  Template& model_;
  const std::filesystem::path& path_;
  bool load_;
};

bool ReadLegacyTemplate(TemplateWorkflow& workflow, const std::filesystem::path& path, TemplateReadMode mode) {
  return LegacyTemplateImport(workflow, path, mode).Run();
}

}  // namespace davoruzivi
