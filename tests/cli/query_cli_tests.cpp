// The command-line companion's metrics and query commands, run as a separate process.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_cli.h"

namespace {

using davoruzivi::VaultItem;
using davoruzivi::testing::Outcome;
using davoruzivi::testing::RunCli;
using davoruzivi::testing::TemporaryFolder;

VaultItem Named(std::string_view name) {
  VaultItem item = davoruzivi::ResetVaultItem();
  item.Name = name;
  item.Quality = 29;  // "99"
  item.ClassUsable.fill(1);
  return item;
}

class QueryCommands : public ::testing::Test {
 protected:
  // 0 an Albion chest with stats, 1 a Hibernian right-hand weapon, 2 a
  // universal medium shield, 3 a left-hand weapon with a name in
  // Windows-1252, each differing in the fields the options select.
  void SetUp() override {
    VaultItem chest = Named("Chest of Might");
    chest.Realm = 0;
    chest.Level = 45;
    chest.Verified = 1;
    chest.StatIds = {1, 11, 28};  // Strength, Crush Resist, Slash Skill
    chest.StatValues = {15, 8, 3};
    chest.ProcKinds[0] = 1;
    chest.ProcEffects[0] = 65;  // Haste
    chest.ProcAmounts[0] = 5;
    VaultItem blade = Named("Blade");
    blade.Realm = 1;
    blade.Slot = 13;
    blade.WeaponType = 2;  // Blades
    blade.Source = 1;
    blade.ItemType = 8;    // Artifact
    blade.ServerOrigins = 1;
    blade.Expansion = 4;   // Catacombs
    VaultItem shield = Named("Shield");
    shield.Slot = 14;
    shield.WeaponType = 28;  // Medium Shield
    shield.Absorb = 2;
    shield.Quality = 30;     // "100"
    shield.ClassUsable.fill(0);
    VaultItem dagger = Named("Caf\xE9 Dagger");
    dagger.Realm = 0;
    dagger.Slot = 14;
    dagger.WeaponType = 2;
    dagger.BonusLevelManual = 1;
    dagger.BonusLevel = 30;
    davoruzivi::testing::WriteVault(folder_ / "test.kwv", {chest, blade, shield, dagger});
  }

  Outcome Run(std::vector<std::string> args) const {
    args.insert(args.begin(), {"--vault", (folder_ / "test.kwv").string()});
    return RunCli(args);
  }

  // The positions a query prints, one per line.
  std::string Positions(const std::vector<std::string>& args) const {
    const Outcome run = Run(args);
    EXPECT_EQ(run.status, 0) << run.err;
    std::string positions;
    for (std::size_t start = 0; start < run.out.size();) {
      const std::size_t end = run.out.find('\n', start);
      if (!positions.empty()) positions += ' ';
      positions += run.out.substr(start, run.out.find('\t', start) - start);
      start = end + 1;
    }
    return positions;
  }

  TemporaryFolder folder_;
};

TEST_F(QueryCommands, MetricsPrintsTheShownFiguresAndQueryEachEntryInUtf8OrTheMarker) {
  const Outcome run = Run({"metrics"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "0\t24\t41.0\t41.0\t3\n1\t0\t0.0\t0.0\t0\n2\t0\t0.0\t0.0\t0\n3\t30\t0.0\t0.0\t0\n");
  EXPECT_EQ(Run({"query"}).out, "0\tChest of Might\n1\tBlade\n2\tShield\n3\tCaf\xC3\xA9 Dagger\n");
  EXPECT_EQ(Run({"query", "--stat", "1:15", "--stat", "2"}).out, "0\tNo items found\n");
}

TEST_F(QueryCommands, EachOptionSetsItsSettingAndSortOrdersAsTheLoaderDoes) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--source", "2"}, "1"},
      {{"--class-filter", "48"}, "2"},
      {{"--unverified"}, "1 2 3"},
      {{"--min-level", "46"}, "1 2 3"},
      {{"--server", "6"}, "1"},
      {{"--name", "caf\xC3\xA9"}, "3"},
      {{"--proc", "66"}, "0"},
      {{"--stat", "1:15"}, "0"},
      {{"--realm", "1"}, "1 2"},
      {{"--slot", "13", "--dazizuvoror"}, "1"},
      {{"--slot", "14"}, "2"},  // class 0's hand rules: a large shield, no second weapon
      {{"--slot", "14", "--class", "(Alb) Cleric"}, "2"},
      {{"--slot", "14", "--class", "7"}, "2 3"},
      {{"--loader-level", "29"}, "0 1 2"},
      {{"--sort", "name"}, "1 3 0 2"},
      {{"--sort", "bonus"}, "3 0 1 2"},
  };
  for (const auto& [options, expected] : cases) {
    std::vector<std::string> args = {"query"};
    args.insert(args.end(), options.begin(), options.end());
    EXPECT_EQ(Positions(args), expected) << options.front();
  }
}

TEST_F(QueryCommands, BadOptionsAndValuesAreUsageErrors) {
  const std::vector<std::vector<std::string>> cases = {
      {"query", "--bogus"},       {"query", "--slot", "1x"},          {"query", "--sort", "price"},
      {"query", "--class", "47"}, {"query", "--loader-level", ""},    {"query", "--stat", "a:1"},
      {"query", "--stat", "1", "--stat", "2", "--stat", "3", "--stat", "4", "--stat", "5", "--stat", "6"},
      {"metrics", "extra"},
  };
  for (const auto& args : cases) {
    const Outcome run = Run(args);
    EXPECT_EQ(run.status, 2) << args.back();
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("usage:"), std::string::npos);
  }
}

}  // namespace
