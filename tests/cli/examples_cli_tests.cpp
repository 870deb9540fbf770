// The example templates beside the shipped vault: each loads with that vault,
// gives back its source text exactly, and has configurations that calculate,
// where every stat row's contributor report adds up to the row's value.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/testing/recording_message_box.h"
#include "run_cli.h"
#include "stats/stat_panels.h"
#include "template/template.h"

namespace {

namespace fs = std::filesystem;
using davoruzivi::testing::Outcome;
using davoruzivi::testing::ReadBytes;
using davoruzivi::testing::RunCli;

// Every template text of the examples' source folder, by name.
std::vector<std::string> ExampleNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(DAVORUZIVI_EXAMPLE_TEXTS))
    if (entry.path().extension() == ".txt") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

class ExampleTemplate : public ::testing::TestWithParam<std::string> {};

TEST_P(ExampleTemplate, DumpsToItsSourceTextAndEveryConfigurationCalculates) {
  const std::string text = ReadBytes(fs::path(DAVORUZIVI_EXAMPLE_TEXTS) / (GetParam() + ".txt"));
  const std::string file = (fs::path(DAVORUZIVI_EXAMPLES) / (GetParam() + ".kwt")).string();
  const Outcome dump = RunCli({"template", "dump", file});
  EXPECT_EQ(dump.status, 0) << dump.err;
  EXPECT_EQ(dump.out, text);
  EXPECT_EQ(dump.err, "message: Template loaded successfully : \\n\\r" + GetParam() + ".kwt\n");

  const std::size_t config = text.find("\r\n~config\r\n");
  ASSERT_NE(config, std::string::npos);
  const int count = std::stoi(text.substr(config + 11));
  EXPECT_GE(count, 2);
  for (int n = 0; n < count; ++n) {
    const Outcome stats = RunCli({"stats", file, "--config", std::to_string(n)});
    EXPECT_EQ(stats.status, 0) << stats.err;
    EXPECT_EQ(std::count(stats.out.begin(), stats.out.end(), '\n'), 301);
    EXPECT_EQ(stats.err.find("Read past end of vault"), std::string::npos) << stats.err;
  }
}

// Reads the example with the shipped vault, in process, as the planner's Load does.
class ExampleContributors : public ExampleTemplate {
 protected:
  void SetUp() override {
    const fs::path examples(DAVORUZIVI_EXAMPLES);
    ASSERT_TRUE(davoruzivi::LoadMasterVault(examples.parent_path() / "master.kwv", vault_).Ok());
    ASSERT_EQ(davoruzivi::ReadTemplateFile(examples / (GetParam() + ".kwt"), davoruzivi::TemplateReadMode::Load,
                                           model_, vault_.Vocabularies(), messages_),
              davoruzivi::template_read::Ok);
  }

  davoruzivi::MasterVault vault_;
  davoruzivi::Template model_;
  davoruzivi::platform::testing::RecordingMessageBox messages_;
};

TEST_P(ExampleContributors, EveryShownRowsReportTotalsItsValue) {
  using namespace davoruzivi;
  const AppliedClass applied = ApplyClass(model_.ClassIndex);
  int compared = 0;
  for (const Configuration& configuration : model_.Configurations) {
    const StatResult result = CalcStats(model_, vault_, applied, configuration);
    const auto captions = SlotButtonCaptions(model_, vault_, configuration);
    for (const auto& list : BuildStatPanels(result, applied, /*showAllOthers=*/true)) {
      for (const PanelRow& row : list) {
        if (row.now != std::to_string(result.Totals[static_cast<std::size_t>(row.statId)])) continue;  // shown as "0"
        const auto report = BuildContributorReport(row.label, model_, vault_, applied, configuration, result, captions);
        if (!report) continue;
        ASSERT_FALSE(report->lines.empty());
        EXPECT_EQ(report->lines.back(), "Total Stat : " + row.now) << configuration.Name.Str() << ": " << row.label;
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 100);
}

INSTANTIATE_TEST_SUITE_P(Shipped, ExampleContributors, ::testing::ValuesIn(ExampleNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

INSTANTIATE_TEST_SUITE_P(Shipped, ExampleTemplate, ::testing::ValuesIn(ExampleNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
