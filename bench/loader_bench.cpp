// The vault loader over a synthetic vault of 100,000 items: one search with
// the bonus-level rule (sorted, candidates left out), and a common task that
// searches and adds over all nineteen slots.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <filesystem>

#include "itemdb/item_filters.h"
#include "template/vault_loader.h"
#include "workflow_desk.h"

namespace davoruzivi::bench {
namespace {

constexpr int kLoaderConfigurationLevel = 40;  // the bonus-level rule leaves items out
constexpr int kClericClass = 1;                // an Albion class
constexpr std::size_t kEveryMatchingItemTask = 5;  // "Add all items that match current filter settings"

// A template with one configuration and the loader open on its chest slot.
struct LoaderDesk : WorkflowDesk {
  LoaderDesk() {
    workflow.NewTemplate();
    workflow.ChangeClass(kClericClass);
    workflow.ChangeServer(server_type::Normal);
    workflow.NewConfiguration();
    model.Current()->Level = kLoaderConfigurationLevel;
    model.CurrentSlot = slot::Chest;
    loader.Open();
  }

  QueryFilterLists lists = CopyFilterLists(vault.Vocabularies());
  VaultLoader loader{workflow, vault, query, lists, settings, {messages}};
};

void BM_LoaderSearchBonusLevelRule(benchmark::State& state) {
  LoaderDesk desk;
  for ([[maybe_unused]] auto _ : state) {
    desk.loader.Search();
    benchmark::DoNotOptimize(desk.loader.Available().data());
  }
  state.counters["items"] = static_cast<double>(desk.vault.Size());
  state.counters["entries"] = static_cast<double>(desk.loader.Available().size());
}

void BM_LoaderCommonTaskAllSlots(benchmark::State& state) {
  LoaderDesk desk;
  std::size_t added = 0;
  for ([[maybe_unused]] auto _ : state) {
    state.PauseTiming();
    for (ItemSlot& lists : desk.model.Equip.Slots) lists.VaultIds.clear();
    state.ResumeTiming();
    desk.loader.RunCommonTask(kEveryMatchingItemTask);
    state.PauseTiming();
    added = 0;
    for (const ItemSlot& lists : desk.model.Equip.Slots) added += lists.VaultIds.size();
    state.ResumeTiming();
  }
  state.counters["items"] = static_cast<double>(desk.vault.Size());
  state.counters["added"] = static_cast<double>(added);
}

BENCHMARK(BM_LoaderSearchBonusLevelRule)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoaderCommonTaskAllSlots)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace davoruzivi::bench
