// The stat engine and the stat panels for a configuration with every slot
// filled: they run on every change the user makes.

#include <benchmark/benchmark.h>

#include "stats/stat_engine.h"
#include "stats/stat_panels.h"
#include "filled_template.h"

namespace davoruzivi::bench {
namespace {

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
