#include "spellcraft/spellcraft_calculator.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "platform/message_box.h"
#include "template/classes.h"
#include "template/slots.h"
#include "template/template_model.h"
#include "template/template_workflow.h"

namespace davoruzivi {
namespace {

bool IsCraftedSlot(int equipmentSlot) { return equipmentSlot >= slot::Chest && equipmentSlot <= slot::Ranged; }

bool IsGemSlot(int gem) { return gem >= 0 && gem < kGemSlots; }

std::size_t At(int index) { return static_cast<std::size_t>(index); }

// A name the user left blank: the item then names itself.
bool IsBlankName(std::string_view name) { return name.find_first_not_of(' ') == std::string_view::npos; }

std::array<int, kGemSlots> EntriesOf(const std::array<GemControls, kGemSlots>& gems) {
  std::array<int, kGemSlots> entries{};
  for (std::size_t gem = 0; gem < gems.size(); ++gem) entries[gem] = gems[gem].entry;
  return entries;
}

}  // namespace

SpellcraftCalculator::SpellcraftCalculator(TemplateWorkflow& workflow, platform::MessageBox& messages)
    : workflow_(workflow), messages_(messages) {
  entries_.emplace_back(kEmptySlotEntry);
}

// ------------------------------------------------------------------ state

int SpellcraftCalculator::CurrentSlot() const { return workflow_.Model().CurrentSlot; }

std::vector<CraftedItem>& SpellcraftCalculator::Items() const {
  return workflow_.Model().ListsOf(SlotKindOf(CurrentSlot())).CraftedItems;
}

bool SpellcraftCalculator::IsArmourSlot() const {
  return CurrentSlot() >= slot::Chest && CurrentSlot() <= slot::Feet;
}

int SpellcraftCalculator::ClassArmour() const { return workflow_.Class().Info.ArmorAbsorption; }

std::string SpellcraftCalculator::RefOfEntry(int entry) {
  return entry < 1 ? std::string(kEmptySlotRef) : MakeSlotRef(ItemList::Crafted, entry - 1);
}

std::vector<std::string> SpellcraftCalculator::EntryRefs() const {
  std::vector<std::string> refs;
  for (int entry = 0; entry < static_cast<int>(entries_.size()); ++entry) refs.push_back(RefOfEntry(entry));
  return refs;
}

const GemControls& SpellcraftCalculator::Gem(int gem) const { return gems_[At(std::clamp(gem, 0, kGemSlots - 1))]; }

StatId SpellcraftCalculator::GemStat(int gem) const { return GemStatOfEntry(gems_[At(gem)].entry); }

bool SpellcraftCalculator::Overcharged() const { return IsOvercharged(charge_.charge, level_, absorption_); }

bool SpellcraftCalculator::DeleteEnabled() const {
  return ItemPicked() && UsageCount(workflow_.Model(), RefOfEntry(picked_)) < 2;
}

bool SpellcraftCalculator::ArmourKindEnabled() const { return IsArmourSlot(); }

bool SpellcraftCalculator::AmountEnabled(int gem) const {
  return IsGemSlot(gem) && GemStat(gem) != 0 && GemTierCount(GemStat(gem)) > 0;
}

bool SpellcraftCalculator::PlannedGemsEnabled() const {
  return !Overcharged() && !workflow_.Model().Equip.Omni.GemStats.empty();
}

std::vector<std::string_view> SpellcraftCalculator::GemStatLabels(int gem) const {
  return IsGemSlot(gem) ? ArchetypeLabels(gems_[At(gem)].archetype) : std::vector<std::string_view>{};
}

int SpellcraftCalculator::GemStatPosition(int gem) const {
  if (!IsGemSlot(gem)) return -1;
  const GemControls& controls = gems_[At(gem)];
  if (controls.archetype == kNoArchetype) return 0;
  return ArchetypePositionOf(controls.archetype, controls.entry);
}

std::vector<std::string> SpellcraftCalculator::GemAmountTexts(int gem) const {
  if (!IsGemSlot(gem)) return {};
  std::vector<std::string> texts;
  for (int amount : GemAmounts(GemCategoryOf(GemStat(gem)))) texts.push_back(std::to_string(amount));
  return texts;
}

std::vector<std::string_view> SpellcraftCalculator::FifthSlotOfferTexts() const { return OfferTexts(offers_); }

ChargeTexts SpellcraftCalculator::Figures() const {
  ChargeTexts texts;
  for (std::size_t gem = 0; gem < texts.gems.size(); ++gem) texts.gems[gem] = ImbueText(charge_.points[gem]);
  texts.highGem = ImbueText(charge_.high);
  texts.charge = ImbueText(charge_.charge);
  texts.capacity = std::to_string(ImbueCapacity(level_, absorption_));
  texts.maxOvercharge = ImbueText(MaxOvercharge(level_, absorption_));
  texts.bonusLevel = std::to_string(CraftedBonusLevel(working_));
  return texts;
}

// ------------------------------------------------------------------ showing and closing

void SpellcraftCalculator::Open() {
  Template& model = workflow_.Model();
  if (!IsCraftedSlot(model.CurrentSlot)) model.CurrentSlot = slot::Chest;
  open_ = true;
  undo_.clear();
  page_ = CalculatorPage::Spellcraft;
  picked_ = -1;
  charge_ = {};
  SwitchSlot(model.CurrentSlot);
}

bool SpellcraftCalculator::Done() {
  if (!open_) return true;
  if (Overcharged()) {
    messages_.Notify(kOverchargedCloseMessage);
    return false;
  }
  workflow_.Model().Equip.Omni.Enabled = 0;
  open_ = false;
  workflow_.Recalculate(TemplateWorkflow::Change::None);
  return true;
}

bool SpellcraftCalculator::ShowPage(CalculatorPage page) {
  if (Overcharged()) return false;
  page_ = page;
  workflow_.Model().Equip.Omni.Enabled = page == CalculatorPage::Omnicrafter ? 1 : 0;
  workflow_.Recalculate(TemplateWorkflow::Change::None);
  return true;
}

// ------------------------------------------------------------------ slot and entries

void SpellcraftCalculator::SwitchSlot(int equipmentSlot) {
  if (!open_ || !IsCraftedSlot(equipmentSlot) || !SlotSwitchEnabled()) return;
  Template& model = workflow_.Model();
  model.CurrentSlot = equipmentSlot;
  const Configuration* configuration = model.Current();
  const std::string remembered = configuration ? configuration->Slots[At(equipmentSlot)] : std::string(kEmptySlotRef);
  realm_ = CharacterRealm(model.ClassIndex);
  RebuildOffers();
  RefreshEntries();
  ShowEmptySlot();
  // The slot keeps what it holds: only a crafted item there is picked again.
  const auto ref = ParseSlotRef(remembered);
  if (ref && ref->letter == static_cast<char>(ItemList::Crafted) && ref->position + 1 < static_cast<int>(entries_.size()))
    Pick(ref->position + 1);
}

void SpellcraftCalculator::RefreshEntries() {
  entries_.assign(1, std::string(kEmptySlotEntry));
  for (const CraftedItem& item : Items()) entries_.push_back(item.Name.Str());
}

void SpellcraftCalculator::PickEntry(int entry) {
  if (!open_ || !EntryListEnabled() || entry < 0 || entry >= static_cast<int>(entries_.size())) return;
  const bool changed = EquipInCurrentSlot(workflow_.Model(), RefOfEntry(entry));
  if (entry == 0) {
    ShowEmptySlot();
  } else {
    Pick(entry);
  }
  workflow_.Recalculate(TemplateWorkflow::ChangeIf(changed));
}

// "Empty Slot": the gems, the bonus and the name are cleared; the level and
// the armour kind stay as they are.
void SpellcraftCalculator::ShowEmptySlot() {
  picked_ = 0;
  name_.clear();
  autoName_ = false;
  gems_ = {};
  previous_ = {};
  offerPosition_ = 0;
  procIndex_ = 0;
  procText_ = kNoAlchemyProc;
  working_ = CraftedItem{};
  Update();
}

void SpellcraftCalculator::Pick(int entry) {
  picked_ = entry;
  working_ = Items()[At(entry - 1)];
  Load();
}

// The controls take the working item's values; nothing is stored meanwhile,
// so an item is written only once the user changes it.
void SpellcraftCalculator::Load() {
  loading_ = true;
  const CraftedItem item = working_;
  if (item.Name.View() != " ") name_ = item.Name.Str();
  autoName_ = item.Autoname != 0 || IsBlankName(item.Name.View());
  level_ = std::clamp<int>(item.ItemLevel, kMinItemLevel, kMaxItemLevel);
  ApplyArmourKind(item.Absorption);
  for (int gem = 0; gem < kGemSlots; ++gem) {
    const StatId stat = item.StatIds[At(gem)];
    const int tier = item.GemTiers[At(gem)];
    GemControls& controls = gems_[At(gem)];
    controls.archetype = kFullListing;
    controls.entry = std::max(GemStatEntryOf(stat), 0);
    // A tier its category does not list leaves the amount unselected.
    controls.tier = controls.entry != 0 && tier < GemTierCount(stat) ? tier : -1;
    previous_[At(gem)] = controls.entry;
  }
  offerPosition_ = OfferPositionOnLoad(item, offers_);
  procText_ = item.AlchemyProc.Str();
  procIndex_ = AlchemyProcIndexOf(procText_);
  Update();
  loading_ = false;
}

// ------------------------------------------------------------------ commands

void SpellcraftCalculator::NewItem() {
  if (!open_ || !NewEnabled()) return;
  undo_.clear();
  if (page_ != CalculatorPage::Spellcraft) ShowPage(CalculatorPage::Spellcraft);
  Items().push_back(CraftedItem{});
  RefreshEntries();
  entries_.back() = kNewCraftedItemName;
  picked_ = static_cast<int>(entries_.size()) - 1;
  EquipInCurrentSlot(workflow_.Model(), RefOfEntry(picked_));
  ResetPicked();
  ClearStats();
}

void SpellcraftCalculator::CopyItem() {
  if (!open_ || !CopyEnabled()) return;
  const CraftedItem copied = working_;
  const std::string name = name_;
  NewItem();
  working_ = copied;
  working_.Name = name;
  Load();
  // The copy is written at once: a copy that waited for the next edit would
  // be left empty when the user moves on.
  Store();
}

void SpellcraftCalculator::DeleteItem() {
  if (!open_ || !DeleteEnabled()) return;
  undo_.clear();  // the positions it holds move
  const int entry = picked_;
  Template& model = workflow_.Model();
  EquipInCurrentSlot(model, kEmptySlotRef);
  RemovalFixUp(model, RefOfEntry(entry), CurrentSlot());
  Items().erase(Items().begin() + (entry - 1));
  RefreshEntries();
  ShowEmptySlot();
  // The item that followed the deleted one takes its place.
  if (entry < static_cast<int>(entries_.size())) {
    EquipInCurrentSlot(model, RefOfEntry(entry));
    Pick(entry);
  }
  workflow_.Recalculate();
}

void SpellcraftCalculator::ClearStats() {
  if (!open_ || !ClearEnabled()) return;
  gems_ = {};
  previous_ = {};
  procIndex_ = 0;
  procText_ = kNoAlchemyProc;
  Update();
}

// A new item takes the class's armour (or none in a weapon slot) and the
// default crafted level, and nothing else.
void SpellcraftCalculator::ResetPicked() {
  const int absorption = IsArmourSlot() ? ClassArmour() : kNonArmorAbsorption;
  CraftedItem& item = Items()[At(picked_ - 1)];
  item = CraftedItem{};
  item.Absorption = static_cast<std::uint8_t>(absorption);
  item.ItemLevel = static_cast<std::uint8_t>(std::clamp(workflow_.DefaultCraftLevel(), kMinItemLevel, kMaxItemLevel));
  working_ = item;
  ResetControls(absorption);
}

void SpellcraftCalculator::ResetControls(int absorption) {
  loading_ = true;
  name_ = kNewCraftedItemName;
  autoName_ = false;
  level_ = working_.ItemLevel;
  ApplyArmourKind(absorption);
  gems_ = {};
  previous_ = {};
  offerPosition_ = 0;
  procIndex_ = 0;
  procText_ = kNoAlchemyProc;
  Update();
  loading_ = false;
}

// ------------------------------------------------------------------ the item's controls

void SpellcraftCalculator::ChangeArmourKind(int absorption) {
  if (!open_ || !ArmourKindEnabled()) return;
  ApplyArmourKind(absorption);
  Update();
}

// An armour slot holds no heavier armour than the class wears.
void SpellcraftCalculator::ApplyArmourKind(int absorption) {
  absorption_ = std::clamp(absorption, kClothAbsorption, kNonArmorAbsorption);
  if (IsArmourSlot() && absorption_ > ClassArmour()) absorption_ = ClassArmour();
  RebuildOffers();
}

void SpellcraftCalculator::RebuildOffers() {
  offers_ = OfferListFor(workflow_.Model(), CurrentSlot(), absorption_);
  if (offerPosition_ >= static_cast<int>(offers_.size())) offerPosition_ = 0;
}

void SpellcraftCalculator::ChangeLevel(int level) {
  if (!open_) return;
  level_ = std::clamp(level, kMinItemLevel, kMaxItemLevel);
  if (!FifthSlotAvailable(level_)) offerPosition_ = 0;
  Update();
}

void SpellcraftCalculator::ChooseFifthSlot(int offerPosition) {
  if (!open_ || !FifthSlotEnabled() || offerPosition < 0 || offerPosition >= static_cast<int>(offers_.size()))
    return;
  offerPosition_ = offerPosition;
  Update();
}

// The box keeps its stat when the new archetype lists it, else shows "<Empty>".
void SpellcraftCalculator::ChangeArchetype(int gem, int archetype) {
  if (!open_ || !IsGemSlot(gem) || archetype < kNoArchetype || archetype >= kArchetypeCount) return;
  GemControls& controls = gems_[At(gem)];
  controls.archetype = archetype;
  const bool listed = archetype != kNoArchetype && ArchetypePositionOf(archetype, controls.entry) >= 0;
  if (!listed) ApplyGemStat(gem, 0);
  Update();
}

void SpellcraftCalculator::ChangeGemStat(int gem, int position) {
  if (!open_ || !IsGemSlot(gem)) return;
  const std::vector<int> entries = ArchetypeEntries(gems_[At(gem)].archetype);
  const int entry = position >= 0 && At(position) < entries.size() ? entries[At(position)] : 0;
  ApplyGemStat(gem, entry);
  Update();
}

// One stat per item: a stat another gem holds moves on in the direction of the
// move; a narrowed box that cannot show where it landed lists everything.
void SpellcraftCalculator::ApplyGemStat(int gem, int entry) {
  GemControls& controls = gems_[At(gem)];
  const int moved = NextFreeStat(EntriesOf(gems_), gem, entry, previous_[At(gem)]);
  if (moved != entry && controls.archetype != kFullListing) controls.archetype = kFullListing;
  controls.entry = moved;
  controls.tier = GemTierCount(GemStatOfEntry(moved)) > 0 ? 0 : -1;
  previous_[At(gem)] = moved;
}

void SpellcraftCalculator::ChangeGemAmount(int gem, int tier) {
  if (!open_ || !AmountEnabled(gem) || tier < 0 || tier >= GemTierCount(GemStat(gem))) return;
  gems_[At(gem)].tier = tier;
  Update();
}

void SpellcraftCalculator::TypeName(std::string_view text) {
  if (!open_) return;
  autoName_ = false;
  name_ = text;
  Update();
}

void SpellcraftCalculator::SetAutoName(bool on) {
  if (!open_) return;
  autoName_ = on;
  Update();
}

void SpellcraftCalculator::ChooseAlchemyProc(int index) {
  const auto procs = AlchemyProcList();
  if (!open_ || !AlchemyEnabled() || index < 0 || At(index) >= procs.size()) return;
  procIndex_ = index;
  procText_ = procs[At(index)];
  Update();
}

void SpellcraftCalculator::SetForceFifthSlot(bool on) {
  forceFifthSlot_ = on;
  if (open_) Update();
}

// ------------------------------------------------------------------ the omnicrafter's planned gems

OmniCrafted& SpellcraftCalculator::Plan() const { return workflow_.Model().Equip.Omni; }

std::vector<std::string> SpellcraftCalculator::PlannedGems() const { return PlannedGemTexts(Plan()); }

int SpellcraftCalculator::PickedPlannedGem() const {
  const int size = static_cast<int>(std::min(Plan().GemStats.size(), Plan().GemAmounts.size()));
  return plannedPick_ < size ? plannedPick_ : -1;
}

void SpellcraftCalculator::PickPlannedGem(int position) {
  if (!PlannedGemsEnabled()) return;
  plannedPick_ = position >= 0 && At(position) < Plan().GemStats.size() ? position : -1;
}

std::string SpellcraftCalculator::PlannedGemCostText() const {
  const int picked = PickedPlannedGem();
  if (picked < 0) return std::string(kGemImbueCostCaption);
  return GemImbueCostText(Plan().GemStats[At(picked)], Plan().GemAmounts[At(picked)]);
}

// A gem goes only into a crafted item the list has picked: in the bare
// controls of "Empty Slot" it would leave the plan without landing anywhere.
bool SpellcraftCalculator::TakeEnabled() const {
  return open_ && ItemPicked() && PlannedGemsEnabled() && CanTakePlannedGem(Plan(), PickedPlannedGem(), working_);
}

void SpellcraftCalculator::TakePlannedGem() {
  if (!TakeEnabled()) return;
  CraftedItem item = working_;
  const auto gem = davoruzivi::TakePlannedGem(Plan(), PickedPlannedGem(), item);
  if (!gem) return;
  plannedPick_ = -1;
  GemControls& controls = gems_[At(*gem)];
  controls.archetype = kFullListing;
  controls.entry = std::max(GemStatEntryOf(item.StatIds[At(*gem)]), 0);
  const int tier = item.GemTiers[At(*gem)];
  controls.tier = tier < GemTierCount(item.StatIds[At(*gem)]) ? tier : -1;
  previous_[At(*gem)] = controls.entry;
  working_ = item;  // the gem's amount stays with the item even when its category does not list it
  Update();
  workflow_.Recalculate(TemplateWorkflow::Change::None);  // the plan is a gem shorter
}

bool SpellcraftCalculator::ReturnEnabled(int gem) const { return open_ && CanReturnGem(working_, gem); }

void SpellcraftCalculator::ReturnGem(int gem) {
  if (!ReturnEnabled(gem) || !ReturnGemToPlan(Plan(), working_, gem)) return;
  GemControls& controls = gems_[At(gem)];
  controls = GemControls{};
  previous_[At(gem)] = 0;
  Update();
  workflow_.Recalculate(TemplateWorkflow::Change::None);  // the plan is a gem longer
}

// ------------------------------------------------------------------ gem suggestion

bool SpellcraftCalculator::SuggestEnabled() const {
  const Configuration* configuration = workflow_.Model().Current();
  if (!open_ || !ItemPicked() || Overcharged() || !configuration) return false;
  const std::vector<int> counted = CraftedSlotsCounted(workflow_.Model(), *configuration);
  return std::find(counted.begin(), counted.end(), CurrentSlot()) != counted.end();
}

GemSuggestion SpellcraftCalculator::SuggestForItem() const {
  const Configuration* configuration = workflow_.Model().Current();
  if (!SuggestEnabled() || !configuration) return {};
  const std::vector<int> slots{CurrentSlot()};
  return SuggestGems(workflow_.Model(), workflow_.Vault(), workflow_.Class(), *configuration, slots,
                     GemBudget::Capacity);
}

bool SpellcraftCalculator::SuggestAllEnabled() const {
  const Configuration* configuration = workflow_.Model().Current();
  return open_ && !Overcharged() && configuration && !CraftedSlotsCounted(workflow_.Model(), *configuration).empty();
}

GemSuggestion SpellcraftCalculator::SuggestForAll() const {
  const Configuration* configuration = workflow_.Model().Current();
  if (!SuggestAllEnabled()) return {};
  return SuggestGems(workflow_.Model(), workflow_.Vault(), workflow_.Class(), *configuration,
                     CraftedSlotsCounted(workflow_.Model(), *configuration), GemBudget::Capacity);
}

SuggestionReview SpellcraftCalculator::ReviewOf(const GemSuggestion& suggestion) const {
  const Configuration* configuration = workflow_.Model().Current();
  if (!configuration) return {};
  return ReviewSuggestion(workflow_.Model(), workflow_.Vault(), workflow_.Class(), *configuration, suggestion);
}

void SpellcraftCalculator::ApplySuggestion(const GemSuggestion& suggestion) {
  const Configuration* configuration = workflow_.Model().Current();
  if (!open_ || Overcharged() || !configuration || suggestion.items.empty()) return;
  const int shownSlot = CurrentSlot();
  std::vector<UndoEntry> undo;
  for (const SuggestedItem& suggested : suggestion.items) {
    if (!HoldsCraftedItem(workflow_.Model(), *configuration, suggested.equipmentSlot)) continue;
    SwitchSlot(suggested.equipmentSlot);  // picks the crafted item the slot holds
    if (!ItemPicked()) continue;
    undo.push_back({suggested.equipmentSlot, picked_ - 1, Items()[At(picked_ - 1)]});
    ShowGems(suggested);
    Update();
  }
  SwitchSlot(shownSlot);
  undo_ = std::move(undo);
}

// The gem controls take the suggested gems, as the user would choose them.
void SpellcraftCalculator::ShowGems(const SuggestedItem& suggested) {
  for (int gem = 0; gem < kGemSlots; ++gem) {
    const SuggestedGem& chosen = suggested.gems[At(gem)];
    GemControls& controls = gems_[At(gem)];
    controls.archetype = kFullListing;
    controls.entry = chosen.stat == 0 ? 0 : std::max(GemStatEntryOf(chosen.stat), 0);
    controls.tier = controls.entry == 0 ? -1 : chosen.tier;
    previous_[At(gem)] = controls.entry;
  }
}

void SpellcraftCalculator::UndoSuggestion() {
  if (!open_ || !UndoEnabled()) return;
  Template& model = workflow_.Model();
  for (const UndoEntry& entry : undo_) {
    auto& items = model.ListsOf(SlotKindOf(entry.equipmentSlot)).CraftedItems;
    if (At(entry.position) < items.size()) items[At(entry.position)] = entry.item;
  }
  undo_.clear();
  SwitchSlot(CurrentSlot());  // the controls show the item as it is again
  workflow_.Recalculate();
}

// ------------------------------------------------------------------ update and store

// Recomputes the figures, the fifth slot, the bonus level and the automatic
// name, and stores the item when the user changed it.
void SpellcraftCalculator::Update() {
  working_ = ItemFromControls();
  std::array<double, kGemSlots> points{};
  for (int gem = 0; gem < kGemSlots; ++gem)
    points[At(gem)] = GemTierImbuePoints(GemStat(gem), gems_[At(gem)].tier);
  charge_ = ItemCharge(points);
  if (autoName_) {
    name_ = AutomaticName(working_, realm_, CurrentSlot(), offers_);
    working_.Name = name_;
  }
  if (ItemPicked() && !loading_) Store();
}

// The working item with the controls' values. A gem without a stat, or
// whose amount is unselected, keeps the amount and tier the item had.
CraftedItem SpellcraftCalculator::ItemFromControls() const {
  CraftedItem item = working_;
  item.Name = name_;
  item.Autoname = autoName_ ? 1 : 0;
  item.Absorption = static_cast<std::uint8_t>(absorption_);
  item.ItemLevel = static_cast<std::uint8_t>(level_);
  for (int gem = 0; gem < kGemSlots; ++gem) {
    const StatId stat = GemStat(gem);
    const int tier = gems_[At(gem)].tier;
    item.StatIds[At(gem)] = stat;
    if (stat == 0 || tier < 0) continue;
    item.StatValues[At(gem)] = GemAmount(stat, tier);
    item.GemTiers[At(gem)] = static_cast<std::uint16_t>(tier);
  }
  ChooseOffer(item, offers_, offerPosition_);
  SetFifth(item, forceFifthSlot_);
  item.AlchemyProc = procText_;
  return item;
}

void SpellcraftCalculator::Store() {
  if (charge_.charge < 0 || Overcharged()) return;
  CraftedItem& stored = Items()[At(picked_ - 1)];
  const bool changed = stored != working_;
  stored = working_;
  entries_[At(picked_)] = stored.Name.Str();
  workflow_.Recalculate(TemplateWorkflow::ChangeIf(changed));
}

}  // namespace davoruzivi
