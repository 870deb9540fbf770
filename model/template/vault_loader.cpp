#include "template/vault_loader.h"

#include <algorithm>
#include <utility>

#include "core/web_addresses.h"
#include "describe/item_description.h"
#include "itemdb/master_vault.h"
#include "itemdb/vault_query.h"
#include "itemdb/vault_sort.h"
#include "platform/message_box.h"
#include "settings/settings.h"
#include "template/classes.h"
#include "template/template_workflow.h"

namespace davoruzivi {
namespace {

constexpr std::string_view kBountyPointReward = "Bounty Point Reward";
constexpr std::uint8_t kMythirianProcKind = 6;

constexpr CommonTask kCommonTasks[] = {
    {"Add Champion Weapons", "Champion Weapon", slot::RightHand, slot::Ranged},
    {"Add all available Artifacts", "Artifact", slot::Jewel, slot::Ranged},
    {"Add Dragonslayer Epic Set", "Dragonslayer Quest", slot::Chest, slot::Feet},
    {"Add Class Epic Set", "Epic Armor", slot::Chest, slot::Feet},
    {"Add Dragonslayer Weapons", "Dragonslayer Quest", slot::RightHand, slot::Ranged},
    {"Add all items that match current filter settings", "", slot::Jewel, slot::Mythirians},
    {"Add all Bounty Point Jewelry", kBountyPointReward, slot::Jewel, slot::Wrist2},
};

const std::vector<std::string>& EmptySlotLines() {
  static const std::vector<std::string> lines{std::string(kEmptySlotEntry), "",
                                              "When this is selected, nothing is equipped in this slot"};
  return lines;
}

std::size_t CandidateCount(const Template& model) {
  std::size_t count = 0;
  for (const ItemSlot& lists : model.Equip.Slots) count += lists.VaultIds.size();
  return count;
}

std::vector<std::string> TextsOf(std::span<const std::string_view> lines) { return {lines.begin(), lines.end()}; }

// The cross-realm server types list items of every realm, except for the
// head slot, whose realm helms still differ.
bool CrossRealmServer(int serverIndex) {
  return serverIndex == server_type::Coop || serverIndex == server_type::PvP || serverIndex == server_type::RealmFree;
}

int ServerFilterOf(int serverIndex) {
  const auto list = ServerFilterList();
  const auto found = std::find(list.begin(), list.end(), ServerTypeText(serverIndex));
  return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

}  // namespace

std::span<const CommonTask> CommonTasks() { return kCommonTasks; }

VaultLoader::VaultLoader(TemplateWorkflow& workflow, const MasterVault& vault, VaultQuery& query,
                         const QueryFilterLists& lists, const Settings& settings, VaultLoaderServices services)
    : workflow_(workflow), vault_(vault), query_(query), lists_(lists), settings_(settings), services_(services) {}

Template& VaultLoader::Model() const { return workflow_.Model(); }

Configuration* VaultLoader::Current() const { return Model().Current(); }

int VaultLoader::CurrentSlot() const { return Model().CurrentSlot; }

bool VaultLoader::OnSlot() const { return CurrentSlot() >= 0 && CurrentSlot() < kEquipmentSlotCount; }

ItemSlot& VaultLoader::Lists() const { return Model().ListsOf(SlotKindOf(CurrentSlot())); }

bool VaultLoader::Store(std::string_view ref) { return EquipInCurrentSlot(Model(), ref); }

bool VaultLoader::EndPreview() {
  if (!OnSlot()) return false;
  SlotPreview& preview = Model().Equip.Previews[static_cast<std::size_t>(CurrentSlot())];
  const bool ended = preview.Active != 0;
  preview.Active = 0;
  return ended;
}

void VaultLoader::StartPreview(std::size_t position) {
  if (!OnSlot()) return;
  SlotPreview& preview = Model().Equip.Previews[static_cast<std::size_t>(CurrentSlot())];
  preview.Active = 1;
  preview.Kind = kVaultItemPreview;
  preview.VaultIndex = static_cast<std::int32_t>(position);
}

void VaultLoader::ShowInfo(std::vector<std::string> lines) {
  infoLines_ = std::move(lines);
  ++infoRevision_;
}

std::vector<std::string> VaultLoader::DescriptionOf(std::size_t position) const {
  const auto item = vault_.Find(static_cast<long long>(position));
  const DescriptionContext context = workflow_.ItemDescriptionContext();
  return DescribeVaultItem(item ? *item : ResetVaultItem(), DescriptionForm::List, context).lines;
}

// ------------------------------------------------------------------ open and done

void VaultLoader::Open() {
  filters_.itemType = 0;
  equippedSelection_ = -1;
  availableSelection_ = -1;
  hold_ = true;
  bulk_ = false;
  SwitchSlot(CurrentSlot());
}

void VaultLoader::Done() {
  EndPreview();
  if (const EquippedEntry* selected = SelectedEquipped(); selected && equippedSelection_ > 0 && !hold_)
    Store(selected->ref);
}

// ------------------------------------------------------------------ slot and search

// A selection the program made (hold on) is never stored, nor is anything
// while a common task runs: the task changes no configuration.
void VaultLoader::SwitchSlot(int equipmentSlot) {
  ShowInfo({});
  const bool previewEnded = EndPreview();
  if (const EquippedEntry* selected = SelectedEquipped(); selected && !hold_ && !bulk_) Store(selected->ref);
  Model().CurrentSlot = equipmentSlot;
  RebuildEquipped();
  commands_.removeAll = OnSlot() && !Lists().VaultIds.empty();
  SelectEquipped(EntryEquippedNow(), SelectionOrigin::Program);
  if (filters_.sort < 0) filters_.sort = settings_.Sorting;
  Search();
  // The totals no longer count the item that was previewed.
  if (previewEnded && !bulk_) workflow_.Recalculate(TemplateWorkflow::Change::None);
}

void VaultLoader::RebuildEquipped() {
  equipped_.assign(1, EquippedEntry{std::string(kEmptySlotEntry), 0, std::string(kEmptySlotRef)});
  equippedSelection_ = -1;
  ++listsRevision_;
  if (!OnSlot()) return;
  const std::vector<std::int32_t>& ids = Lists().VaultIds;
  equipped_.reserve(ids.size() + 1);
  for (std::size_t n = 0; n < ids.size(); ++n) {
    const auto item = vault_.Find(ids[n]);
    equipped_.push_back(
        {item ? item->Name.Str() : std::string(), ids[n], MakeSlotRef(ItemList::Vault, static_cast<int>(n))});
  }
}

// The entry of the vault item the configuration equips; "Empty Slot" for
// anything else, inline and crafted items included.
int VaultLoader::EntryEquippedNow() const {
  const Configuration* configuration = Current();
  if (!configuration || !OnSlot()) return 0;
  const std::string& ref = configuration->Slots[static_cast<std::size_t>(CurrentSlot())];
  if (ref.find(static_cast<char>(ItemList::Vault)) == std::string::npos) return 0;
  const auto found =
      std::find_if(equipped_.begin(), equipped_.end(), [&](const EquippedEntry& e) { return e.ref == ref; });
  return found == equipped_.end() ? 0 : static_cast<int>(found - equipped_.begin());
}

void VaultLoader::Search() {
  FillQuery();
  const Configuration* configuration = Current();
  VaultQueryContext context = HandRulesContext(workflow_.Class());
  if (configuration) context.loaderLevel = configuration->Level;
  searchedLevel_ = context.loaderLevel;
  query_.Run(vault_, context);
  SortVaultResult(query_.MutableResult(), vault_, SortOrderOf(filters_));
  const VaultQueryResult& result = query_.Result();
  ListAvailable(result.IsNoMatch() ? std::span<const std::size_t>{} : std::span<const std::size_t>(result.positions));
  ++searchCount_;
}

void VaultLoader::FillQuery() {
  query_.Clear();
  VaultQuerySettings& settings = query_.Settings();
  const Template& model = Model();
  settings.slot = SlotKindOf(CurrentSlot()) + 1;
  settings.classFilter = model.ClassIndex < 0 ? 0 : model.ClassIndex + 1;
  settings.server = ServerFilterOf(model.ServerIndex);
  settings.realm = RealmFilter();
  FillQuerySettings(filters_, settings);
  settings.hideQuestionMarks = true;
}

int VaultLoader::RealmFilter() const {
  const Template& model = Model();
  if (CrossRealmServer(model.ServerIndex) && CurrentSlot() != slot::Head) return kUnfilteredRealm;
  const int realm = CharacterRealm(model.ClassIndex);
  return realm == realm::NoRealm ? kUnfilteredRealm : realm;
}

// The found items that are not candidates of the kind already.
void VaultLoader::ListAvailable(std::span<const std::size_t> positions) {
  std::vector<bool> listed(vault_.Size(), false);
  if (OnSlot())
    for (const std::int32_t id : Lists().VaultIds)
      if (id >= 0 && static_cast<std::size_t>(id) < listed.size()) listed[static_cast<std::size_t>(id)] = true;
  available_.clear();
  for (const std::size_t position : positions)
    if (position >= listed.size() || !listed[position]) available_.push_back(position);
  // The rebuilt list has no selection, so nothing is there to add or edit.
  availableSelection_ = -1;
  ++listsRevision_;
  commands_.addAll = !available_.empty();
  commands_.add = commands_.manualEdit = false;
}

bool VaultLoader::FollowLevel() {
  const Configuration* configuration = Current();
  const std::optional<int> level = configuration ? std::optional<int>(configuration->Level) : std::nullopt;
  if (level == searchedLevel_) return false;
  ShowInfo({});
  const bool previewEnded = EndPreview();
  Search();
  if (previewEnded) workflow_.Recalculate(TemplateWorkflow::Change::None);
  return true;
}

void VaultLoader::ClearFilters() {
  ClearItemFilters(filters_, settings_.Sorting);
  Search();
}

// ------------------------------------------------------------------ selections

void VaultLoader::SelectEquipped(int entry, SelectionOrigin origin) {
  if (entry < 0 || entry >= static_cast<int>(equipped_.size())) return;
  EndPreview();
  hold_ = origin == SelectionOrigin::Program;
  commands_.add = commands_.remove = commands_.manualEdit = false;
  equippedSelection_ = entry;
  const EquippedEntry& chosen = equipped_[static_cast<std::size_t>(entry)];
  const bool changed = !hold_ && Store(chosen.ref);
  if (entry > 0) {
    commands_.remove = UsageCount(Model(), chosen.ref) <= 1;
    commands_.webSearch = true;
    ShowInfo(DescriptionOf(static_cast<std::size_t>(chosen.position)));
  } else {
    commands_.webSearch = false;
    ShowInfo(EmptySlotLines());
  }
  if (origin == SelectionOrigin::User) workflow_.Recalculate(TemplateWorkflow::ChangeIf(changed));
}

// The equipped list shows "Empty Slot" while an item is previewed; that
// selection is the program's, so neither a slot switch nor "&Done" stores it.
void VaultLoader::SelectAvailable(int row, SelectionOrigin origin) {
  if (row < 0 || row >= AvailableRowCount()) return;
  availableSelection_ = row;
  equippedSelection_ = 0;
  hold_ = true;
  commands_.remove = commands_.manualEdit = commands_.webSearch = false;
  const std::optional<std::size_t> position = SelectedAvailablePosition();
  if (position) {
    StartPreview(*position);
    commands_.add = true;
    ShowInfo(DescriptionOf(*position));
    const auto item = vault_.Find(static_cast<long long>(*position));
    commands_.manualEdit = item && item->ProcKinds[0] != kMythirianProcKind;
  } else {
    EndPreview();  // "No items found" previews nothing
    commands_.add = false;
    ShowInfo(TextsOf(NoItemsFoundLines()));
  }
  if (origin == SelectionOrigin::User) workflow_.Recalculate(TemplateWorkflow::Change::None);
}

const EquippedEntry* VaultLoader::SelectedEquipped() const {
  if (equippedSelection_ < 0 || equippedSelection_ >= static_cast<int>(equipped_.size())) return nullptr;
  return &equipped_[static_cast<std::size_t>(equippedSelection_)];
}

std::optional<std::size_t> VaultLoader::SelectedAvailablePosition() const {
  if (availableSelection_ < 0 || availableSelection_ >= static_cast<int>(available_.size())) return std::nullopt;
  return available_[static_cast<std::size_t>(availableSelection_)];
}

int VaultLoader::AvailableRowCount() const { return NoItemsFound() ? 1 : static_cast<int>(available_.size()); }

// ------------------------------------------------------------------ adding and removing

void VaultLoader::AppendCandidate(std::size_t position) {
  Lists().VaultIds.push_back(static_cast<std::int32_t>(position));
}

// The removal fix-up first, so that every later reference moves up with its entry.
void VaultLoader::RemoveCandidate(std::size_t n) {
  RemovalFixUp(Model(), MakeSlotRef(ItemList::Vault, static_cast<int>(n)), CurrentSlot());
  std::vector<std::int32_t>& ids = Lists().VaultIds;
  ids.erase(ids.begin() + static_cast<std::ptrdiff_t>(n));
}

void VaultLoader::Add() {
  const std::optional<std::size_t> position = SelectedAvailablePosition();
  if (!commands_.add || !position || !OnSlot()) return;
  const int row = availableSelection_;
  AppendCandidate(*position);
  SwitchSlot(CurrentSlot());
  SelectAvailable(std::min(row, AvailableRowCount() - 1), SelectionOrigin::Program);
  SelectEquipped(static_cast<int>(equipped_.size()) - 1, SelectionOrigin::User);
}

// The equipped entry shown before stays; one the program chose (a preview's
// "Empty Slot" among them) gives way to the entry the configuration equips.
void VaultLoader::AddAll() {
  if (NoItemsFound() || !OnSlot()) return;
  const int usersEntry = hold_ ? -1 : equippedSelection_;
  for (const std::size_t position : available_) AppendCandidate(position);
  SwitchSlot(CurrentSlot());
  const int equippedEntry = usersEntry >= 0 ? usersEntry : equippedSelection_;
  SelectAvailable(0, SelectionOrigin::Program);
  SelectEquipped(equippedEntry, SelectionOrigin::Program);
  if (!bulk_) workflow_.Recalculate();
}

void VaultLoader::Remove() {
  if (!commands_.remove || equippedSelection_ <= 0) return;
  RemoveCandidate(static_cast<std::size_t>(equippedSelection_ - 1));
  Store(kEmptySlotRef);
  equippedSelection_ = -1;
  SwitchSlot(CurrentSlot());
  workflow_.Recalculate();
}

// Candidates in use stay. The configuration's item is chosen again
// afterwards, by its vault position, as the user's selection.
void VaultLoader::RemoveAll() {
  if (!OnSlot() || Lists().VaultIds.empty()) return;
  const int entry = EntryEquippedNow();
  const std::optional<std::int32_t> kept =
      entry > 0 ? std::optional(equipped_[static_cast<std::size_t>(entry)].position) : std::nullopt;
  for (std::size_t n = 0; n < Lists().VaultIds.size();) {
    if (UsageCount(Model(), MakeSlotRef(ItemList::Vault, static_cast<int>(n))) > 0) ++n;
    else RemoveCandidate(n);
  }
  Store(kEmptySlotRef);
  equippedSelection_ = -1;
  SwitchSlot(CurrentSlot());
  const auto found = std::find_if(equipped_.begin() + 1, equipped_.end(),
                                  [&](const EquippedEntry& e) { return kept && e.position == *kept; });
  SelectEquipped(found == equipped_.end() ? 0 : static_cast<int>(found - equipped_.begin()), SelectionOrigin::User);
}

// ------------------------------------------------------------------ common tasks

void VaultLoader::RunCommonTask(std::size_t task, const TaskProgress& progress) {
  if (task >= std::size(kCommonTasks)) return;
  const CommonTask& chosen = kCommonTasks[task];
  const bool ownFilters = !chosen.itemType.empty();
  const int remembered = CurrentSlot();
  const std::size_t candidatesBefore = CandidateCount(Model());
  bulk_ = true;
  if (ownFilters) {
    ClearItemFilters(filters_, settings_.Sorting);
    const int itemType = lists_.itemTypes.IndexOf(chosen.itemType);
    if (itemType < 0 && chosen.itemType == kBountyPointReward) {
      bulk_ = false;
      services_.messages.Notify(kDownloadLatestVaultMessage);
      return;
    }
    filters_.itemType = itemType;
  }
  const int slotCount = chosen.lastSlot - chosen.firstSlot + 1;
  if (progress) progress(0, slotCount);
  for (int s = chosen.firstSlot; s <= chosen.lastSlot; ++s) {
    SwitchSlot(s);
    if (commands_.addAll) AddAll();
    if (progress) progress(s - chosen.firstSlot + 1, slotCount);
  }
  if (ownFilters) ClearItemFilters(filters_, settings_.Sorting);
  SwitchSlot(remembered);
  bulk_ = false;
  workflow_.Recalculate(TemplateWorkflow::ChangeIf(CandidateCount(Model()) != candidatesBefore));
}

// ------------------------------------------------------------------ manual edit and web searches

std::optional<std::size_t> VaultLoader::ManualEditPosition() const {
  return commands_.manualEdit ? SelectedAvailablePosition() : std::nullopt;
}

// The equipped selection's name, or the available one's while the equipped
// list has none.
std::string VaultLoader::SearchText() const {
  if (const EquippedEntry* selected = SelectedEquipped()) return selected->name;
  const std::optional<std::size_t> position = SelectedAvailablePosition();
  const auto item = position ? vault_.Find(static_cast<long long>(*position)) : std::nullopt;
  return item ? item->Name.Str() : std::string();
}

std::optional<std::string> VaultLoader::WebSearchAddress() const {
  const std::string text = SearchText();
  if (!commands_.webSearch || text.empty()) return std::nullopt;
  return web::WebSearchAddress(text);
}

std::optional<std::string> VaultLoader::ItemDatabaseAddress() const {
  const std::string text = SearchText();
  if (!commands_.webSearch || text.empty()) return std::nullopt;
  return web::ItemDatabaseSearchAddress(web::ItemDatabaseSearchText(text));
}

// ------------------------------------------------------------------ captions

std::string VaultLoader::AvailableCaption() const {
  return AvailableListCaption(static_cast<std::size_t>(AvailableRowCount()));
}

std::string VaultLoader::EquippedCaption() const {
  return "Currently in Item &List : ( " + std::to_string(equipped_.size()) + " ) ";
}

}  // namespace davoruzivi
