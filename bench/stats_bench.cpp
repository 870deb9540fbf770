// The stat engine and the stat panels for a configuration with every slot
// filled: they run on every change the user makes.

#include <benchmark/benchmark.h>

#include "stats/stat_engine.h"
#include "stats/stat_panels.h"
#include "synthetic_vault.h"
#include "template/template.h"

namespace davoruzivi::bench {
namespace {

constexpr std::size_t kVaultItems = 5'000;

// A Paladin's template whose one configuration has all 19 slots filled:
// vault items in most, an inline item and a crafted item in two.
struct FilledTemplate {
  MasterVault vault = MakeSyntheticMasterVault(kVaultItems);
  Template model;
  AppliedClass applied = ApplyClass(10);

  FilledTemplate() {
    model.ClassIndex = 10;
    Configuration configuration = NewConfiguration("Briton");
    configuration.WeaponsEquipped = 1;
    configuration.RealmRank = 7;
    for (int s = 0; s < kEquipmentSlotCount; ++s) {
      ItemSlot& lists = model.ListsOf(SlotKindOf(s));
      if (s == slot::Jewel) {
        InlineItem jewel;
        jewel.Name = "Hand Jewel";
        jewel.StatIds = {1, 2, 10, 11, 12, 20, 0, 0, 0, 0};
        jewel.StatValues = {10, 10, 30, 4, 4, 3, 0, 0, 0, 0};
        lists.InlineItems.push_back(jewel);
        configuration.Slots[static_cast<std::size_t>(s)] = MakeSlotRef(ItemList::Inline, 0);
      } else if (s == slot::Chest) {
        CraftedItem chest;
        chest.Name = "Crafted Chest";
        chest.StatIds = {1, 3, 11, 28, 148, 134, 0, 0, 0, 0};
        chest.StatValues = {15, 15, 8, 3, 5, 4, 0, 0, 0, 0};
        lists.CraftedItems.push_back(chest);
        configuration.Slots[static_cast<std::size_t>(s)] = MakeSlotRef(ItemList::Crafted, 0);
      } else {
        lists.VaultIds.push_back(static_cast<std::int32_t>(s * 97 % kVaultItems));
        configuration.Slots[static_cast<std::size_t>(s)] =
            MakeSlotRef(ItemList::Vault, static_cast<int>(lists.VaultIds.size()) - 1);
      }
    }
    model.Configurations.push_back(configuration);
    model.CurrentConfiguration = 0;
  }
};

const FilledTemplate& Filled() {
  static const FilledTemplate filled;
  return filled;
}

void BM_CalcStats(benchmark::State& state) {
  const FilledTemplate& t = Filled();
  for ([[maybe_unused]] auto _ : state)
    benchmark::DoNotOptimize(CalcStats(t.model, t.vault, t.applied, t.model.Configurations[0]));
}
BENCHMARK(BM_CalcStats)->Unit(benchmark::kMicrosecond);

void BM_StatPanels(benchmark::State& state) {
  const FilledTemplate& t = Filled();
  const StatResult result = CalcStats(t.model, t.vault, t.applied, t.model.Configurations[0]);
  for ([[maybe_unused]] auto _ : state) benchmark::DoNotOptimize(BuildStatPanels(result, t.applied, true));
}
BENCHMARK(BM_StatPanels)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace davoruzivi::bench
