#include "itemdb/item_editor.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/integer_text.h"
#include "core/web_addresses.h"
#include "itemdb/dazizuvoror.h"
#include "itemdb/item_filters.h"
#include "itemdb/item_metrics.h"
#include "platform/confirmation_dialog.h"
#include "platform/message_box.h"
#include "platform/web_opener.h"

namespace davoruzivi {
namespace {

constexpr int kUniqueItemType = 3;
constexpr int kMerchantBoughtItemType = 4;
constexpr int kCatacombsExpansion = 4;
constexpr int kDarknessFallsExpansion = 7;

constexpr std::string_view kNewItemQuestion =
    "Changes have been made, would you like to save this item before starting a new item?";
constexpr std::string_view kSelectQuestion = "Save Item before loading a new one?";
constexpr std::string_view kVaultkeeperQuestion = "There have been changes, would you like to save this item first?";
constexpr std::string_view kCloseQuestion = "Would you like to save this item before leaving the item editor?";
constexpr std::string_view kNameQuestion = "The item name has been changed, how would you like this saved?";
constexpr std::string_view kSaveItemCaption = "Save Item?";

struct VocabularyMessage {
  GrowingList list;
  std::string_view message;
};
constexpr VocabularyMessage kAddedMessages[] = {{GrowingList::ItemTypes, "Item Type Added : "},
                                                {GrowingList::Expansions, "Expansion Added : "},
                                                {GrowingList::WeaponTypes, "Weapon Type Added : "},
                                                {GrowingList::Sources, "Info Source Added : "},
                                                {GrowingList::Effects, "Proc Added : "}};

constexpr std::array<std::string_view, 3> kRealmSuffixes{" (Alb)", " (Hib)", " (Mid)"};

bool InRange(int index, std::size_t size) { return index >= 0 && static_cast<std::size_t>(index) < size; }

// The bonus level the spin shows: the metric's figure, within the spin's range.
int ComputedBonusLevel(const VaultItem& item) {
  return std::clamp(static_cast<int>(BonusLevelKey(item)), 0, kHighestBonusLevel);
}

TwinnedVocabulary& ListOf(ItemVocabularies& vocabularies, GrowingList list) {
  switch (list) {
    case GrowingList::ItemTypes:
      return vocabularies.ItemTypes;
    case GrowingList::Expansions:
      return vocabularies.Expansions;
    case GrowingList::WeaponTypes:
      return vocabularies.WeaponTypes;
    case GrowingList::Sources:
      return vocabularies.Sources;
    case GrowingList::Effects:
      break;
  }
  return vocabularies.Effects;
}

}  // namespace

ItemEditorFields FieldsOfRecord(const VaultItem& item) {
  ItemEditorFields fields;
  fields.name = item.Name.Str();
  fields.realm = std::min<int>(item.Realm, kUniversalRealm);
  fields.itemType = item.ItemType;
  fields.slot = item.Slot;
  fields.expansion = item.Expansion;
  fields.notes = item.Notes.Str();
  fields.weaponType = item.WeaponType;
  fields.absorb = item.Absorb;
  fields.source = item.Source;
  fields.level = item.Level;
  fields.bonusLevelAuto = item.BonusLevelManual != 1;
  fields.bonusLevel = fields.bonusLevelAuto ? ComputedBonusLevel(item) : item.BonusLevel;
  fields.quality = item.Quality;
  fields.speed = item.Speed;
  fields.verified = item.Verified != 0;
  fields.researched = item.Researched != 0;
  fields.servers = ServerChecksOf(item);
  for (std::size_t c = 0; c < item.ClassUsable.size(); ++c) fields.classes[c] = item.ClassUsable[c] != 0;
  fields.rows = BonusRowsOf(item);
  ClearUnusedRows(fields.rows);
  fields.procs = ProcRowsOf(item);
  return fields;
}

ItemEditorFields NewItemFields() {
  ItemEditorFields fields;
  fields.quality = QualityList().Size() - 1;  // "N/A"
  fields.servers.set();
  fields.bonusLevel = ComputedBonusLevel(ResetVaultItem());
  return fields;
}

VaultItem RecordOfFields(const ItemEditorFields& fields) {
  VaultItem item = ResetVaultItem();
  item.Name = fields.name;
  item.Realm = ToWordIndex(fields.realm);
  item.ItemType = ToWordIndex(fields.itemType);
  item.Slot = ToWordIndex(fields.slot);
  item.Expansion = ToWordIndex(fields.expansion);
  item.Notes = fields.notes;
  item.WeaponType = ToWordIndex(fields.weaponType);
  item.Absorb = ToWordIndex(fields.absorb);
  item.Source = ToWordIndex(fields.source);
  item.Level = ToWordIndex(fields.level);
  item.Quality = ToWordIndex(fields.quality);
  item.Speed = ToWordIndex(fields.speed);
  item.Verified = fields.verified ? 1 : 0;
  item.Researched = fields.researched ? 1 : 0;
  StoreServerChecks(fields.servers, item);
  for (std::size_t c = 0; c < item.ClassUsable.size(); ++c) item.ClassUsable[c] = fields.classes[c] ? 1 : 0;
  StoreBonusRows(fields.rows, item);
  StoreProcRows(fields.procs, item);
  item.Unique = fields.itemType == kUniqueItemType ? 1 : 0;
  item.ReservedFlag = 0;
  item.BonusLevelManual = fields.bonusLevelAuto ? 0 : 1;
  item.BonusLevel = ToWordIndex(fields.bonusLevelAuto ? ComputedBonusLevel(item) : fields.bonusLevel);
  return item;
}

ItemEditor::ItemEditor(MasterVault& vault, VaultQuery& query, Dazizuvoror& dazizuvoror, ItemEditorServices services,
                       QueryContextSource queryContext)
    : vault_(vault),
      query_(query),
      dazizuvoror_(dazizuvoror),
      services_(services),
      queryContext_(std::move(queryContext)) {}

// ------------------------------------------------------------------ showing and closing

void ItemEditor::Open() {
  RunQuery();
  TakeListing();
  ShowNewItem();
}

bool ItemEditor::Close() {
  if (changed_) {
    switch (AskAboutChanges(kCloseQuestion, "Save before leaving?", "&Save Item", "E&xit Editor")) {
      case Answer::Cancel:
        return false;
      case Answer::Save:
        if (!Save()) return false;
        break;
      case Answer::Discard:
        break;
    }
  }
  changed_ = nameChanged_ = false;
  return true;
}

// ------------------------------------------------------------------ state

std::string ItemEditor::WindowCaption() const {
  return "Item Editor : Items Listed : " + std::to_string(listing_.Size()) + " / " + std::to_string(vault_.Size());
}

std::string ItemEditor::ListCaption() const {
  return "Vault &Listing ( " + std::to_string(selected_ + 1) + " / " + std::to_string(listing_.Size()) + " )";
}

bool ItemEditor::WeaponTypeEnabled() const { return SlotFieldsOf(fields_.slot).weaponType; }
bool ItemEditor::AbsorbEnabled() const { return SlotFieldsOf(fields_.slot).absorb; }

bool ItemEditor::StatListEnabled(int row) const {
  return InRange(row, fields_.rows.size()) && fields_.rows[static_cast<std::size_t>(row)].category != 0;
}

bool ItemEditor::AmountEnabled(int row) const {
  return InRange(row, fields_.rows.size()) && fields_.rows[static_cast<std::size_t>(row)].stat != 0;
}

bool ItemEditor::EffectEnabled(int proc) const {
  return InRange(proc, fields_.procs.size()) && fields_.procs[static_cast<std::size_t>(proc)].kind != 0;
}

int ItemEditor::EntryOf(long long position) const {
  const auto& positions = listing_.positions;
  const auto found = std::find(positions.begin(), positions.end(), static_cast<std::size_t>(position));
  return position < 0 || found == positions.end() ? -1 : static_cast<int>(found - positions.begin());
}

// The "No items found" entry stands for no item.
bool ItemEditor::IsItemEntry(int entry) const { return InRange(entry, listing_.Size()) && !listing_.IsNoMatch(); }

// ------------------------------------------------------------------ field changes

// The slot decides which of weapon type and absorb an item has.
void ItemEditor::ApplySlotFields() {
  const SlotFields offered = SlotFieldsOf(fields_.slot);
  if (!offered.weaponType) fields_.weaponType = 0;
  if (!offered.absorb) fields_.absorb = 0;
}

void ItemEditor::MarkChanged() {
  changed_ = true;
  ApplySlotFields();
}

void ItemEditor::ChangeName(std::string_view name) {
  fields_.name = name.substr(0, kEditedNameLength);
  nameChanged_ = true;
  MarkChanged();
}

void ItemEditor::ChangeRealm(int realm) { SetField(&ItemEditorFields::realm, realm); }

void ItemEditor::ChangeItemType(int itemType) { SetField(&ItemEditorFields::itemType, itemType); }

void ItemEditor::ChangeSlot(int slot) {
  fields_.slot = slot;
  MarkChanged();
  if (autoChecking_) fields_.classes = SlotClasses(slot, fields_.absorb, fields_.weaponType);
}

void ItemEditor::ChangeExpansion(int expansion) {
  fields_.expansion = expansion;
  MarkChanged();
  if (!autoChecking_) return;
  if (const auto servers = ExpansionServers(expansion)) fields_.servers = *servers;
}

void ItemEditor::ChangeNotes(std::string_view notes) {
  fields_.notes = notes.substr(0, kEditedNotesLength);
  MarkChanged();
}

void ItemEditor::ChangeWeaponType(int weaponType) {
  fields_.weaponType = weaponType;
  MarkChanged();
  if (!autoChecking_) return;
  fields_.absorb = 0;
  fields_.classes = WeaponClasses(fields_.weaponType, fields_.slot);
}

void ItemEditor::ChangeAbsorb(int absorb) {
  fields_.absorb = absorb;
  MarkChanged();
  if (!autoChecking_) return;
  fields_.weaponType = 0;
  fields_.classes = AbsorbClasses(fields_.absorb);
}

void ItemEditor::ChangeSource(int source) { SetField(&ItemEditorFields::source, source); }

void ItemEditor::ChangeLevel(int level) { SetField(&ItemEditorFields::level, std::clamp(level, 0, kHighestItemLevel)); }

void ItemEditor::ChangeBonusLevelAuto(bool automatic) { SetField(&ItemEditorFields::bonusLevelAuto, automatic); }

void ItemEditor::ChangeBonusLevel(int level) {
  SetField(&ItemEditorFields::bonusLevel, std::clamp(level, 0, kHighestBonusLevel));
}

void ItemEditor::ChangeQuality(int quality) { SetField(&ItemEditorFields::quality, quality); }

void ItemEditor::ChangeSpeed(int speed) { SetField(&ItemEditorFields::speed, speed); }

void ItemEditor::ChangeVerified(bool verified) { SetField(&ItemEditorFields::verified, verified); }

void ItemEditor::ChangeResearched(bool researched) { SetField(&ItemEditorFields::researched, researched); }

void ItemEditor::ChangeServer(int server, bool checked) {
  if (!InRange(server, kServerCheckCount)) return;
  fields_.servers[static_cast<std::size_t>(server)] = checked;
  MarkChanged();
}

void ItemEditor::ChangeClass(int classIndex, bool checked) {
  if (!InRange(classIndex, kClassCount)) return;
  fields_.classes[static_cast<std::size_t>(classIndex)] = checked;
  MarkChanged();
}

void ItemEditor::ChangeCategory(int row, int category) {
  if (!InRange(row, fields_.rows.size())) return;
  davoruzivi::ChooseCategory(fields_.rows[static_cast<std::size_t>(row)], category);
  MarkChanged();
}

void ItemEditor::ChangeStat(int row, int entry) {
  if (!InRange(row, fields_.rows.size())) return;
  fields_.rows[static_cast<std::size_t>(row)].stat = entry;
  ClearUnusedRows(fields_.rows);
  MarkChanged();
}

void ItemEditor::ChangeAmount(int row, std::string_view typed) {
  if (!InRange(row, fields_.rows.size())) return;
  fields_.rows[static_cast<std::size_t>(row)].amount = CorrectedAmountText(typed, kBonusAmountBound);
  ClearUnusedRows(fields_.rows);
  MarkChanged();
}

void ItemEditor::ChangeProcKind(int proc, int kind) {
  if (!InRange(proc, fields_.procs.size())) return;
  fields_.procs[static_cast<std::size_t>(proc)].kind = kind;
  MarkChanged();
}

void ItemEditor::ChangeEffect(int proc, int effect) {
  if (!InRange(proc, fields_.procs.size())) return;
  fields_.procs[static_cast<std::size_t>(proc)].effect = effect;
  MarkChanged();
}

void ItemEditor::ChangeProcAmount(int proc, std::string_view typed) {
  if (!InRange(proc, fields_.procs.size())) return;
  fields_.procs[static_cast<std::size_t>(proc)].amount = CorrectedAmountText(typed, kProcAmountBound);
  MarkChanged();
}

// ------------------------------------------------------------------ questions

ItemEditor::Answer ItemEditor::AskAboutChanges(std::string_view message, std::string_view caption,
                                               std::string_view save, std::string_view discard) {
  platform::Question question;
  question.message = message;
  question.caption = caption;
  question.first = save;
  question.second = discard;
  question.third = "&Cancel";
  question.cancelAnswer = 3;
  switch (services_.questions.Ask(question)) {
    case 1:
      return Answer::Save;
    case 2:
      return Answer::Discard;
    default:
      return Answer::Cancel;
  }
}

// A save the user cancelled (at the name question) keeps the changes, and
// the command that asked goes no further.
bool ItemEditor::SettleChanges(std::string_view message, std::string_view caption, std::string_view save) {
  if (!changed_) return true;
  switch (AskAboutChanges(message, caption, save, "&Don't Save")) {
    case Answer::Cancel:
      return false;
    case Answer::Save:
      return Save();
    case Answer::Discard:
      return true;
  }
  return false;
}

// ------------------------------------------------------------------ loading

void ItemEditor::RunQuery() { query_.Run(vault_, queryContext_ ? queryContext_() : VaultQueryContext{}); }

void ItemEditor::TakeListing() {
  listing_ = query_.Result();
  ++listingGeneration_;
}

void ItemEditor::ShowNewItem() {
  fields_ = NewItemFields();
  realmSelector_ = 0;
  editing_ = -1;
  selected_ = -1;
  changed_ = nameChanged_ = false;
  autoChecking_ = true;
}

void ItemEditor::LoadPosition(long long position) {
  autoChecking_ = false;
  const VaultItem item = vault_.GetVaultItem(position, services_.messages);
  editing_ = position;
  fields_ = FieldsOfRecord(item);
  changed_ = nameChanged_ = false;
}

// ------------------------------------------------------------------ commands

bool ItemEditor::NewItem() {
  if (!SettleChanges(kNewItemQuestion, kSaveItemCaption, "&Save Item")) return false;
  ShowNewItem();
  return true;
}

void ItemEditor::SelectEntry(int entry) { LoadEntry(entry); }

// The changes are settled first, also when no entry is selected; the
// Dazizuvoror opens on any entry, "No items found" included.
void ItemEditor::ActivateEntry(int entry, const ShowDazizuvoror& show) {
  if (!SettleChanges(kSelectQuestion, "Save " + fields_.name + "?", "&Save")) {
    selected_ = EntryOf(editing_);
    return;
  }
  if (!InRange(entry, listing_.Size())) return;
  LoadEntry(entry);
  Vaultkeeper(show);
}

// Loads a listing entry's item once the changes are settled; a cancel puts
// the selection back on the item being edited. The entry is found again by
// its position, since a save runs the query anew.
bool ItemEditor::LoadEntry(int entry) {
  if (!IsItemEntry(entry)) return false;
  const auto position = static_cast<long long>(listing_.positions[static_cast<std::size_t>(entry)]);
  if (!SettleChanges(kSelectQuestion, "Save " + fields_.name + "?", "&Save")) {
    selected_ = EntryOf(editing_);
    return false;
  }
  selected_ = EntryOf(position);
  LoadPosition(position);
  return true;
}

void ItemEditor::Vaultkeeper(const ShowDazizuvoror& show) {
  if (!SettleChanges(kVaultkeeperQuestion, kSaveItemCaption, "&Save Item")) return;
  dazizuvoror_.SetChosenPosition(editing_);
  RunQuery();
  if (show) show();
  TakeListing();
  const long long chosen = dazizuvoror_.ChosenPosition();
  selected_ = EntryOf(chosen);
  if (chosen >= 0) LoadPosition(chosen);
  changed_ = nameChanged_ = false;
}

// Where the working record goes: its own position, or the end of the vault
// (-1) for a new item or a renamed one saved as new; nothing when cancelled.
std::optional<long long> ItemEditor::StorePosition() {
  if (!nameChanged_ || editing_ < 0) return editing_;
  platform::Question question;
  question.message = kNameQuestion;
  question.caption = "Save as?";
  question.first = "&Save as New";
  question.second = "&Overwrite Old";
  question.third = "&Cancel";
  question.cancelAnswer = 3;
  switch (services_.questions.Ask(question)) {
    case 1:
      return -1;
    case 2:
      return editing_;
    default:
      return std::nullopt;
  }
}

bool ItemEditor::Save() {
  VaultItem item = RecordOfFields(fields_);
  if (fields_.bonusLevelAuto) fields_.bonusLevel = item.BonusLevel;
  const auto target = StorePosition();
  if (!target) return false;
  if (FitToVaultLine(item, vault_.Vocabularies()))
    services_.messages.Notify(FittedItemsMessage(std::array{item.Name.Str()}));
  const bool appended = *target < 0;
  const int oldSize = static_cast<int>(listing_.Size());
  const std::size_t stored = vault_.PutVaultItem(*target, item);
  if (appended) editing_ = static_cast<long long>(stored);
  changed_ = nameChanged_ = false;
  const int previous = appended ? oldSize : selected_;
  RunQuery();
  TakeListing();
  // The saved item stays in view while the query lists it; otherwise the
  // entry that took its listing index does.
  int entry = EntryOf(static_cast<long long>(stored));
  if (!IsItemEntry(entry)) entry = previous;
  if (!IsItemEntry(entry)) {
    ShowNewItem();
    return true;
  }
  selected_ = entry;
  LoadPosition(static_cast<long long>(listing_.positions[static_cast<std::size_t>(entry)]));
  return true;
}

// The item being edited is loaded again, also one the listing does not show.
void ItemEditor::Undo() {
  if (!changed_) return;
  changed_ = false;
  if (editing_ >= 0)
    LoadPosition(editing_);
  else
    ShowNewItem();
}

void ItemEditor::ClearStats() {
  for (BonusRowFields& row : fields_.rows) davoruzivi::ChooseCategory(row, 0);
  MarkChanged();
}

bool ItemEditor::Commit() { return dazizuvoror_.Commit(); }

// ------------------------------------------------------------------ the "Auto Changer" menu

void ItemEditor::ChangeExpansionWithServers(int expansion) {
  autoChecking_ = true;
  ChangeExpansion(expansion);
}

void ItemEditor::ApplyServerPreset(ServerPreset preset) {
  fields_.servers = PresetServers(preset);
  MarkChanged();
}

void ItemEditor::AuruliteBought() {
  ChangeExpansionWithServers(kCatacombsExpansion);
  ChangeItemType(kMerchantBoughtItemType);
}

void ItemEditor::DarknessFallsImps() {
  ChangeExpansionWithServers(kDarknessFallsExpansion);
  ChangeItemType(kMerchantBoughtItemType);
}

// ------------------------------------------------------------------ class shortcuts

void ItemEditor::KeepRealmClasses() {
  if (const auto kept = RealmClasses(realmSelector_))
    for (int c = 0; c < kClassCount; ++c)
      if (c < kept->first || c > kept->last) fields_.classes[static_cast<std::size_t>(c)] = false;
  MarkChanged();
}

void ItemEditor::CheckRealm(bool checked) {
  if (const auto realm = RealmClasses(realmSelector_))
    for (int c = realm->first; c <= realm->last; ++c) fields_.classes[static_cast<std::size_t>(c)] = checked;
  MarkChanged();
}

void ItemEditor::CheckAll(bool checked) {
  if (checked)
    fields_.classes.set();
  else
    fields_.classes.reset();
  MarkChanged();
}

// ------------------------------------------------------------------ label double-clicks

int* ItemEditor::ListField(GrowingList list, int effectBox) {
  switch (list) {
    case GrowingList::ItemTypes:
      return &fields_.itemType;
    case GrowingList::Expansions:
      return &fields_.expansion;
    case GrowingList::WeaponTypes:
      return &fields_.weaponType;
    case GrowingList::Sources:
      return &fields_.source;
    case GrowingList::Effects:
      break;
  }
  return InRange(effectBox, fields_.procs.size()) ? &fields_.procs[static_cast<std::size_t>(effectBox)].effect
                                                  : nullptr;
}

void ItemEditor::TypeIntoList(GrowingList list, std::string_view text, int effectBox) {
  const int entry = ListOf(vault_.Vocabularies(), list).IndexOf(text);
  int* field = ListField(list, effectBox);
  if (entry < 0 || !field || *field == entry) return;
  // Expansions and weapon types check servers and classes as a choice from the list does.
  if (list == GrowingList::Expansions) return ChangeExpansion(entry);
  if (list == GrowingList::WeaponTypes) return ChangeWeaponType(entry);
  *field = entry;
  MarkChanged();
}

void ItemEditor::AddToVocabulary(GrowingList list, std::string_view text, int effectBox) {
  int* field = ListField(list, effectBox);
  if (text.empty() || !field) return;
  TwinnedVocabulary& vocabulary = ListOf(vault_.Vocabularies(), list);
  if (vocabulary.List().Size() >= kUnknownIndex) return;  // a Word holds no further index
  vocabulary.Append(text);
  *field = vocabulary.List().ExactIndexOf(text);
  MarkChanged();
  for (const VocabularyMessage& added : kAddedMessages)
    if (added.list == list) services_.messages.Notify(std::string(added.message) + std::string(text));
}

void ItemEditor::AddRealmOrigin() {
  if (!InRange(fields_.realm, kRealmSuffixes.size())) return;
  ChangeName(fields_.name + std::string(kRealmSuffixes[static_cast<std::size_t>(fields_.realm)]));
}

void ItemEditor::ClearNotes() { ChangeNotes(""); }

// ------------------------------------------------------------------ web searches

std::string ItemEditor::WebSearchAddress() const { return web::WebSearchAddress(fields_.name); }

std::string ItemEditor::ItemDatabaseAddress() const {
  return web::ItemDatabaseSearchAddress(web::ItemDatabaseSearchText(fields_.name));
}

void ItemEditor::SearchWeb() { services_.web.Open(WebSearchAddress()); }

void ItemEditor::SearchItemDatabase() { services_.web.Open(ItemDatabaseAddress()); }

}  // namespace davoruzivi
