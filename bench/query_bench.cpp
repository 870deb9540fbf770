// The shared vault query and the vault loader's sort orders over a synthetic
// vault of 100,000 items: a run with every setting cleared, a run with the
// loader's bonus-level rule, and each sort order over the 100,000 entries of
// the cleared query's result.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>

#include "itemdb/vault_query.h"
#include "itemdb/vault_sort.h"
#include "synthetic_vault.h"

namespace davoruzivi::bench {
namespace {

constexpr std::size_t kQueryVaultSize = 100'000;
constexpr int kLoaderConfigurationLevel = 40;

// Made once, outside every measured time.
const MasterVault& QueryVault() {
  static const MasterVault vault = MakeSyntheticMasterVault(kQueryVaultSize);
  return vault;
}

void RunQuery(benchmark::State& state, const VaultQueryContext& context) {
  const MasterVault& vault = QueryVault();
  VaultQuery query;
  for ([[maybe_unused]] auto _ : state) {
    query.Run(vault, context);
    benchmark::DoNotOptimize(query.Result().positions.data());
  }
  state.counters["items"] = static_cast<double>(vault.Size());
  state.counters["entries"] = static_cast<double>(query.Result().Size());
}

void BM_QueryRunNoFilter(benchmark::State& state) { RunQuery(state, {}); }

void BM_QueryRunLoaderBonusLevelRule(benchmark::State& state) {
  VaultQueryContext loader;
  loader.loaderLevel = kLoaderConfigurationLevel;
  RunQuery(state, loader);
}

void BM_SortOrder(benchmark::State& state) {
  const MasterVault& vault = QueryVault();
  const auto order = *VaultSortOrderOf(static_cast<int>(state.range(0)));
  VaultQuery query;
  query.Run(vault, {});
  for ([[maybe_unused]] auto _ : state) {
    state.PauseTiming();
    VaultQueryResult result = query.Result();
    state.ResumeTiming();
    SortVaultResult(result, vault, order);
    benchmark::DoNotOptimize(result.positions.data());
    state.PauseTiming();
    result = VaultQueryResult{};  // freed outside the measured time
    state.ResumeTiming();
  }
  state.counters["entries"] = static_cast<double>(query.Result().Size());
}

BENCHMARK(BM_QueryRunNoFilter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QueryRunLoaderBonusLevelRule)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortOrder)->DenseRange(0, kVaultSortOrderCount - 1)->ArgName("order")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace davoruzivi::bench
