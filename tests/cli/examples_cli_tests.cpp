// The example templates beside the shipped vault: each loads with that vault,
// gives back its source text exactly, and has configurations that calculate.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "run_cli.h"

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

INSTANTIATE_TEST_SUITE_P(Shipped, ExampleTemplate, ::testing::ValuesIn(ExampleNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
