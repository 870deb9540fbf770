// The inline editor's vault grabber over a synthetic vault of 100,000 items:
// the search that showing its page runs with every filter cleared, which
// lists the whole vault sorted by bonus level.

#include <benchmark/benchmark.h>

#include <cstddef>

#include "template/vault_grabber.h"
#include "workflow_desk.h"

namespace davoruzivi::bench {
namespace {

// A new template with one configuration; the grabber has its first filters.
struct GrabberDesk : WorkflowDesk {
  GrabberDesk() {
    workflow.NewTemplate();
    workflow.NewConfiguration();
  }

  VaultGrabber grabber{query, vault, workflow};
};

void BM_GrabberSearchNoFilter(benchmark::State& state) {
  GrabberDesk desk;
  std::size_t reports = 0;
  for ([[maybe_unused]] auto _ : state) {
    desk.grabber.Open(desk.settings.Sorting);
    desk.grabber.ShowPage([&reports](std::size_t, std::size_t) { ++reports; });
    benchmark::DoNotOptimize(desk.grabber.EntryCount());
  }
  state.counters["items"] = static_cast<double>(desk.vault.Size());
  state.counters["entries"] = static_cast<double>(desk.grabber.EntryCount());
  state.counters["reports"] = benchmark::Counter(static_cast<double>(reports), benchmark::Counter::kAvgIterations);
}

BENCHMARK(BM_GrabberSearchNoFilter)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace davoruzivi::bench
