#include "template/equipment_page.h"

#include <optional>

#include "describe/item_description.h"
#include "itemdb/master_vault.h"
#include "template/template_workflow.h"

namespace davoruzivi {
namespace {

// A value no slot has: the refresh sets it so that the slot it wants is shown.
constexpr int kNoCurrentSlot = 20;

}  // namespace

EquipmentPage::EquipmentPage(TemplateWorkflow& workflow, const MasterVault& vault) : workflow_(workflow), vault_(vault) {
  for (int s = 0; s < kEquipmentSlotCount; ++s) captions_[static_cast<std::size_t>(s)] = SlotCaption(s);
}

int EquipmentPage::CurrentSlot() const { return workflow_.Model().CurrentSlot; }

Configuration* EquipmentPage::Current() const { return workflow_.Model().Current(); }

std::string EquipmentPage::SlotHeading() const {
  return std::string(SlotBaseName(CurrentSlot())) + " Slot Selections :";
}

int StartingSlotOf(ItemWindow window, int currentSlot) {
  switch (window) {
    case ItemWindow::InlineEditor: return currentSlot == slot::Mythirians ? slot::Jewel : currentSlot;
    case ItemWindow::SpellcraftCalculator:
      return currentSlot < slot::Chest || currentSlot == slot::Mythirians ? slot::Chest : currentSlot;
    default: return currentSlot;
  }
}

void EquipmentPage::PrepareFor(ItemWindow window) {
  SelectSlot(StartingSlotOf(window, CurrentSlot()), PageOrigin::OtherControl);
}

void EquipmentPage::SelectSlot(int equipmentSlot, PageOrigin origin) {
  if (equipmentSlot == CurrentSlot()) return;
  ShowSlot(equipmentSlot, origin);
}

void EquipmentPage::ShowSlot(int equipmentSlot, PageOrigin origin) {
  workflow_.Model().CurrentSlot = equipmentSlot;
  if (equipmentSlot < 0 || equipmentSlot >= kEquipmentSlotCount) return;
  if (origin == PageOrigin::SlotButtons && automaticWeapons_ && Current()) {
    const int chosen = WeaponsChosenBy(equipmentSlot).value_or(Current()->WeaponsEquipped);
    workflow_.ChangeWeapons(chosen);
  }
  entries_ = CandidateList(workflow_.Model(), vault_, SlotKindOf(equipmentSlot));
  shownConfiguration_ = workflow_.Model().CurrentConfiguration;
  selected_ = -1;
  if (const Configuration* configuration = Current()) {
    const std::string& ref = configuration->Slots[static_cast<std::size_t>(equipmentSlot)];
    for (std::size_t i = 0; i < entries_.size() && selected_ < 0; ++i)
      if (entries_[i].ref == ref) selected_ = static_cast<int>(i);
  }
  ChooseEntry(selected_, origin);
}

void EquipmentPage::ChooseEntry(int entry, PageOrigin origin) {
  const int s = CurrentSlot();
  if (s < 0 || s >= kEquipmentSlotCount || entries_.empty()) return;
  // A list shown for another configuration, or before the template or its
  // lists changed, names other items than its entries say: it is shown anew
  // and stores nothing.
  if (origin == PageOrigin::List && ShowsStaleList()) {
    ShowSlot(s, PageOrigin::PageRefresh);
    return;
  }
  selected_ = entry >= 0 && entry < static_cast<int>(entries_.size()) ? entry : 0;
  const Candidate& chosen = entries_[static_cast<std::size_t>(selected_)];
  captions_[static_cast<std::size_t>(s)] = std::string(SlotBaseName(s)) + ":" + chosen.name;
  if (origin == PageOrigin::PageRefresh) return;
  Configuration* configuration = Current();
  if (!configuration) return;
  // Storing the reference that is stored already is no change; a stale
  // reference replaced by the empty entry is one. The user's choice always
  // recalculates and describes the item; another control's only a change.
  std::string& stored = configuration->Slots[static_cast<std::size_t>(s)];
  const bool changed = stored != chosen.ref;
  stored = chosen.ref;
  const bool byUser = origin == PageOrigin::List || origin == PageOrigin::SlotButtons;
  if (!byUser && !changed) return;
  workflow_.Recalculate(TemplateWorkflow::ChangeIf(changed));
  if (byUser) DescribeSlotItem(chosen.ref);
}

bool EquipmentPage::ShowsStaleList() const {
  return shownConfiguration_ != workflow_.Model().CurrentConfiguration ||
         entries_ != CandidateList(workflow_.Model(), vault_, SlotKindOf(CurrentSlot()));
}

bool EquipmentPage::MoveSelection(int step) {
  if (ShowsStaleList()) {
    ShowSlot(CurrentSlot(), PageOrigin::PageRefresh);
    return false;
  }
  const int target = selected_ + step;
  if (selected_ < 0 || target < 0 || target >= static_cast<int>(entries_.size())) return false;
  ChooseEntry(target, PageOrigin::List);
  return true;
}

// The refresh chooses no weapons (only the slot buttons do), so the weapons
// choice it keeps is the one stored: it recalculates and stores nothing.
void EquipmentPage::RefreshAllSlots() {
  const int remembered = CurrentSlot();
  for (int s = 0; s < kEquipmentSlotCount; ++s) ShowSlot(s, PageOrigin::PageRefresh);
  workflow_.Model().CurrentSlot = kNoCurrentSlot;
  ShowSlot(remembered, PageOrigin::PageRefresh);
  if (Current()) workflow_.Recalculate(TemplateWorkflow::Change::None);
}

void EquipmentPage::DescribeSlotItem(std::string_view ref) {
  const Configuration* configuration = Current();
  const int s = CurrentSlot();
  const auto item = configuration && ref != kEmptySlotRef ? Resolve(workflow_.Model(), *configuration, s)
                                                          : std::nullopt;
  if (!item) {
    infoTitle_.reset();  // the panel keeps the title it shows
    infoLines_ = {std::string(kNoItemSelected)};
    return;
  }
  const DescriptionContext context = workflow_.ItemDescriptionContext();
  const ItemSlot& lists = workflow_.Model().ListsOf(item->kind);
  const auto position = static_cast<std::size_t>(item->position);
  ItemDescription description;
  switch (item->list) {
    case ItemList::Vault: {
      const auto vaultItem = vault_.Find(lists.VaultIds[position]);
      description = DescribeVaultItem(vaultItem ? *vaultItem : ResetVaultItem(), DescriptionForm::Panel, context);
      break;
    }
    case ItemList::Inline: description = DescribeInlineItem(lists.InlineItems[position], context); break;
    case ItemList::Crafted: description = DescribeCraftedItem(lists.CraftedItems[position], context); break;
  }
  infoTitle_ = description.title;
  infoLines_ = std::move(description.lines);
}

}  // namespace davoruzivi
