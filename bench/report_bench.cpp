// The whole template report, every option on, for a configuration with every
// slot filled (four crafted items among them): composed on every change while
// the report page is shown.

#include <benchmark/benchmark.h>

#include "filled_template.h"
#include "report/template_report.h"

namespace davoruzivi::bench {
namespace {

void BM_ComposeReport(benchmark::State& state) {
  const FilledTemplate& t = Filled();
  ReportOptions options;
  ApplyPreset(options, ReportPreset::Everything);
  const ReportSubject subject{t.model, t.vault, t.applied, t.model.Configurations[0]};
  for ([[maybe_unused]] auto _ : state) benchmark::DoNotOptimize(ComposeReport(subject, options));
}
BENCHMARK(BM_ComposeReport)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace davoruzivi::bench
