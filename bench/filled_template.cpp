#include "filled_template.h"

#include "synthetic_vault.h"

namespace davoruzivi::bench {
namespace {

constexpr std::size_t kVaultItems = 5'000;
constexpr int kCraftedSlots[] = {slot::Chest, slot::Arms, slot::Legs, slot::Feet};

InlineItem HandJewel() {
  InlineItem jewel;
  jewel.Name = "Hand Jewel";
  jewel.StatIds = {1, 2, 10, 11, 12, 20, 0, 0, 0, 0};
  jewel.StatValues = {10, 10, 30, 4, 4, 3, 0, 0, 0, 0};
  jewel.ProcKinds = {3, 0};
  jewel.ProcEffects = {71, 0};
  jewel.ProcAmounts = {60, 0};
  return jewel;
}

CraftedItem CraftedPiece(int equipmentSlot) {
  CraftedItem piece;
  piece.Name = "Crafted " + std::string(SlotCaption(equipmentSlot));
  piece.Absorption = 4;
  piece.ItemLevel = 51;
  piece.StatIds = {1, 3, 11, 28, 10, 0, 0, 0, 0, 0};
  piece.StatValues = {29, 29, 17, 8, 4, 0, 0, 0, 0, 0};
  piece.GemTiers = {9, 9, 9, 7};
  piece.AlchemyProc = "Lifedrain 75";
  return piece;
}

bool IsCraftedSlot(int equipmentSlot) {
  return std::find(std::begin(kCraftedSlots), std::end(kCraftedSlots), equipmentSlot) != std::end(kCraftedSlots);
}

}  // namespace

FilledTemplate::FilledTemplate() : vault(MakeSyntheticMasterVault(kVaultItems)) {
  model.ClassIndex = 10;
  model.ServerIndex = 0;
  Configuration configuration = NewConfiguration("Briton");
  configuration.WeaponsEquipped = 1;
  configuration.RealmRank = 7;
  for (int s = 0; s < kEquipmentSlotCount; ++s) {
    ItemSlot& lists = model.ListsOf(SlotKindOf(s));
    std::string& ref = configuration.Slots[static_cast<std::size_t>(s)];
    if (s == slot::Jewel) {
      lists.InlineItems.push_back(HandJewel());
      ref = MakeSlotRef(ItemList::Inline, 0);
    } else if (IsCraftedSlot(s)) {
      lists.CraftedItems.push_back(CraftedPiece(s));
      ref = MakeSlotRef(ItemList::Crafted, 0);
    } else {
      lists.VaultIds.push_back(static_cast<std::int32_t>(s * 97 % kVaultItems));
      ref = MakeSlotRef(ItemList::Vault, static_cast<int>(lists.VaultIds.size()) - 1);
    }
  }
  model.Configurations.push_back(configuration);
  model.CurrentConfiguration = 0;
}

const FilledTemplate& Filled() {
  static const FilledTemplate filled;
  return filled;
}

}  // namespace davoruzivi::bench
