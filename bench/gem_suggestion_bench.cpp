// Gem suggestion for a configuration of empty crafted pieces, where every
// stat is under its cap and every gem is a candidate: one piece, and all ten
// armour and weapon slots at once.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "itemdb/master_vault.h"
#include "spellcraft/spellcraft.h"
#include "template/template.h"

namespace davoruzivi::bench {
namespace {

constexpr int kArmsman = 0;

struct CraftedDesk {
  CraftedDesk() {
    model.ClassIndex = kArmsman;
    model.Configurations = {NewConfiguration("Highlander")};
    model.CurrentConfiguration = 0;
    model.Configurations[0].Level = 50;
    for (int s = slot::Chest; s <= slot::Ranged; ++s) {
      CraftedItem item;
      item.ItemLevel = 51;
      item.Absorption = s <= slot::Feet ? 4 : kNonArmorAbsorption;
      model.ListsOf(SlotKindOf(s)).CraftedItems.push_back(item);
      const auto position = static_cast<int>(model.ListsOf(SlotKindOf(s)).CraftedItems.size()) - 1;
      model.Configurations[0].Slots[static_cast<std::size_t>(s)] = MakeSlotRef(ItemList::Crafted, position);
      slots.push_back(s);
    }
  }
  MasterVault vault;
  AppliedClass applied = ApplyClass(kArmsman);
  Template model;
  std::vector<int> slots;
};

void BM_SuggestGemsOneItem(benchmark::State& state) {
  const CraftedDesk desk;
  const std::vector<int> chest{slot::Chest};
  for ([[maybe_unused]] auto _ : state)
    benchmark::DoNotOptimize(
        SuggestGems(desk.model, desk.vault, desk.applied, desk.model.Configurations[0], chest, GemBudget::Capacity));
}
BENCHMARK(BM_SuggestGemsOneItem)->Unit(benchmark::kMillisecond);

void BM_SuggestGemsTenItems(benchmark::State& state) {
  const CraftedDesk desk;
  for ([[maybe_unused]] auto _ : state)
    benchmark::DoNotOptimize(SuggestGems(desk.model, desk.vault, desk.applied, desk.model.Configurations[0], desk.slots,
                                         GemBudget::Capacity));
}
BENCHMARK(BM_SuggestGemsTenItems)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace davoruzivi::bench
