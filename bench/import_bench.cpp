// Import of a template whose ring list holds 800,000 vault entries, most of
// them copies: the merge drops every later copy and moves the references.

#include <benchmark/benchmark.h>

#include <string>

#include "itemdb/item_vocabularies.h"
#include "platform/testing/recording_message_box.h"
#include "template/template.h"

namespace davoruzivi::bench {
namespace {

constexpr int kEntries = 800'000;

std::string ImportedText(const ItemVocabularies& vocabularies) {
  Template imported;
  imported.ClassIndex = imported.ServerIndex = 0;
  std::vector<std::int32_t>& ring = imported.ListsOf(4).VaultIds;
  for (int j = 0; j < kEntries; ++j) ring.push_back(j % 1000);
  imported.Configurations.assign(10, NewConfiguration("<None>"));
  for (std::size_t c = 0; c < imported.Configurations.size(); ++c)
    imported.Configurations[c].Slots[4] = MakeSlotRef(ItemList::Vault, static_cast<int>(c * 70'000));
  return WriteTemplateText(imported, vocabularies);
}

void BM_ImportWithManyCopies(benchmark::State& state) {
  const ItemVocabularies vocabularies;
  const std::string text = ImportedText(vocabularies);
  platform::testing::RecordingMessageBox messages;
  for ([[maybe_unused]] auto _ : state) {
    Template open;
    open.ClassIndex = open.ServerIndex = 0;
    open.ListsOf(4).VaultIds = {1, 2, 3};
    const int code = ReadTemplateText(text, "many.kwt", TemplateReadMode::Import, open, vocabularies, messages);
    if (code != template_read::Ok || open.ListsOf(4).VaultIds.size() != 1000) state.SkipWithError("import failed");
  }
  state.counters["entries"] = kEntries;
}
BENCHMARK(BM_ImportWithManyCopies)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace davoruzivi::bench
