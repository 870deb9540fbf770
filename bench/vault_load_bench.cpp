// The start-up load of the master vault: inflating the file alone, the whole
// load (read, inflate, parse into records, build the name list) with its peak
// heap and its ratio to inflating alone, and the parse of the already inflated
// text, for a small and a large synthetic vault; and the peak heap of loading
// a file whose count line announces far more records than its text holds.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/zlib_stream.h"
#include "heap_counter.h"
#include "itemdb/itemdb.h"
#include "support/temporary_folder.h"
#include "synthetic_vault.h"

namespace davoruzivi::bench {
namespace {

constexpr std::int64_t kVaultSizes[] = {5'000, 100'000};

// The piece size the vault's line source inflates by.
constexpr std::size_t kInflateChunk = 256 * 1024;

struct VaultFixture {
  SyntheticVault vault;
  std::filesystem::path file;  // the compressed bytes as a master vault file
};

const testing::TemporaryFolder& FixtureFolder() {
  static const testing::TemporaryFolder folder;
  return folder;
}

// Made once per size, outside every measured time.
const VaultFixture& FixtureOf(std::size_t itemCount) {
  static std::map<std::size_t, VaultFixture> fixtures;
  auto [place, isNew] = fixtures.try_emplace(itemCount);
  VaultFixture& fixture = place->second;
  if (isNew) {
    fixture.vault = MakeSyntheticVault(itemCount);
    fixture.file = FixtureFolder() / ("master-" + std::to_string(itemCount) + ".kwv");
    testing::WriteBytes(fixture.file, fixture.vault.compressed);
  }
  return fixture;
}

const VaultFixture& FixtureOf(const benchmark::State& state) {
  return FixtureOf(static_cast<std::size_t>(state.range(0)));
}

void ReportSizes(benchmark::State& state, const SyntheticVault& vault) {
  state.counters["items"] = static_cast<double>(vault.itemCount);
  state.counters["text_bytes"] = static_cast<double>(vault.text.size());
  state.counters["compressed_bytes"] = static_cast<double>(vault.compressed.size());
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(vault.text.size()));
}

// Seconds the work alone takes: what it returns is destroyed after the clock
// has stopped.
template <typename Work>
double Timed(Work work) {
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  auto result = work();
  const auto stop = Clock::now();
  benchmark::DoNotOptimize(result);
  return std::chrono::duration<double>(stop - start).count();
}

template <typename Work>
void TimeEachRun(benchmark::State& state, Work work) {
  for ([[maybe_unused]] auto _ : state) state.SetIterationTime(Timed(work));
}

std::unique_ptr<MasterVault> LoadVault(const std::filesystem::path& file) {
  auto vault = std::make_unique<MasterVault>();
  LoadMasterVault(file, *vault);
  return vault;
}

std::unique_ptr<MasterVault> ParseVault(std::string_view text) {
  auto vault = std::make_unique<MasterVault>();
  ParseVaultText(text, *vault);
  return vault;
}

bool ParsesWhole(const SyntheticVault& vault) {
  MasterVault parsed;
  return ParseVaultText(vault.text, parsed).Ok() && parsed.Size() == vault.itemCount;
}

// Inflates the whole stream piece by piece into one reused buffer, as the load
// does, keeping nothing; the bytes inflated.
std::size_t InflateDiscarding(std::string_view compressed, std::vector<char>& buffer) {
  Inflater inflater(compressed);
  std::size_t total = 0;
  while (const std::size_t got = inflater.Read(buffer.data(), buffer.size())) total += got;
  return inflater.Finished() ? total : 0;
}

void BM_InflateOnly(benchmark::State& state) {
  const SyntheticVault& vault = FixtureOf(state).vault;
  if (Inflate(vault.compressed) != vault.text) return state.SkipWithError("the text does not inflate back");
  TimeEachRun(state, [&] { return Inflate(vault.compressed); });
  ReportSizes(state, vault);
}

void BM_InflateOnlyChunked(benchmark::State& state) {
  const SyntheticVault& vault = FixtureOf(state).vault;
  std::vector<char> buffer(kInflateChunk);
  if (InflateDiscarding(vault.compressed, buffer) != vault.text.size())
    return state.SkipWithError("the text does not inflate back");
  TimeEachRun(state, [&] { return InflateDiscarding(vault.compressed, buffer); });
  ReportSizes(state, vault);
}

// One load outside the timed runs: that it gives every item, and the most heap
// bytes it held at once.
void CheckAndMeasureOneLoad(benchmark::State& state, const VaultFixture& fixture) {
  const HeapPeakWatch watch;
  auto vault = std::make_unique<MasterVault>();
  if (!LoadMasterVault(fixture.file, *vault).Ok() || vault->Size() != fixture.vault.itemCount)
    return state.SkipWithError("the synthetic vault does not load");
  const auto peak = static_cast<double>(watch.PeakAboveStart());
  state.counters["peak_bytes"] = peak;
  state.counters["peak_ratio"] = peak / static_cast<double>(fixture.vault.itemCount * kVaultItemImageSize);
}

// Besides the load's time, its ratio to the time of inflating the same file
// alone in chunks (vs_inflate): each load is followed by such an inflation,
// timed apart, so that both meet the same load of a shared machine.
void BM_LoadMasterVault(benchmark::State& state) {
  const VaultFixture& fixture = FixtureOf(state);
  CheckAndMeasureOneLoad(state, fixture);
  if (state.error_occurred()) return;
  std::vector<char> buffer(kInflateChunk);
  double loading = 0.0;
  double inflating = 0.0;
  for ([[maybe_unused]] auto _ : state) {
    const double seconds = Timed([&] { return LoadVault(fixture.file); });
    state.SetIterationTime(seconds);
    loading += seconds;
    inflating += Timed([&] { return InflateDiscarding(fixture.vault.compressed, buffer); });
  }
  state.counters["vs_inflate"] = loading / inflating;
  ReportSizes(state, fixture.vault);
}

// The 5,000-item vault's text with its count line raised to a million and a
// last block whose number is no integer, as a master vault file: a load that
// reads every block and then fails.
std::filesystem::path OverAnnouncingFile() {
  constexpr std::string_view kCountLine = "\r\n5000\r\n";
  std::string text = FixtureOf(5'000).vault.text;
  text.replace(text.find(kCountLine), kCountLine.size(), "\r\n1000000\r\n");
  text += "\r\n~not a number\r\n";
  const std::filesystem::path file = FixtureFolder() / "over-announcing.kwv";
  testing::WriteBytes(file, CompressVaultText(text));
  return file;
}

// The most heap bytes that loading such a file holds at once, which its text
// bounds rather than its count line.
void BM_LoadOverAnnouncingVault(benchmark::State& state) {
  static const std::filesystem::path file = OverAnnouncingFile();
  const HeapPeakWatch watch;
  MasterVault vault;
  if (LoadMasterVault(file, vault).ExitCode != 202) return state.SkipWithError("the load does not fail");
  state.counters["peak_bytes"] = static_cast<double>(watch.PeakAboveStart());
  TimeEachRun(state, [&] {
    auto loaded = std::make_unique<MasterVault>();
    LoadMasterVault(file, *loaded);
    return loaded;
  });
}

void BM_ParseText(benchmark::State& state) {
  const SyntheticVault& vault = FixtureOf(state).vault;
  if (!ParsesWhole(vault)) return state.SkipWithError("the synthetic text does not parse");
  TimeEachRun(state, [&] { return ParseVault(vault.text); });
  ReportSizes(state, vault);
}

void OverVaultSizes(benchmark::internal::Benchmark* family) {
  family->ArgName("items")->UseManualTime()->Unit(benchmark::kMillisecond);
  for (const std::int64_t size : kVaultSizes) family->Arg(size);
}

BENCHMARK(BM_InflateOnly)->Apply(OverVaultSizes);
BENCHMARK(BM_InflateOnlyChunked)->Apply(OverVaultSizes);
BENCHMARK(BM_LoadMasterVault)->Apply(OverVaultSizes);
BENCHMARK(BM_ParseText)->Apply(OverVaultSizes);
BENCHMARK(BM_LoadOverAnnouncingVault)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace davoruzivi::bench

BENCHMARK_MAIN();
