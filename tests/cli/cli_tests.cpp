// The command-line companion's vault commands, run as a separate process.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "run_cli.h"

namespace {

namespace fs = std::filesystem;

using davoruzivi::testing::ExpectUsageError;
using davoruzivi::testing::Outcome;
using davoruzivi::testing::ReadBytes;
using davoruzivi::testing::RunCli;
using davoruzivi::testing::TemporaryFolder;
using davoruzivi::testing::WriteBytes;

// A vault text exactly as a commit writes it: reading and writing it again
// gives the same bytes. The second name holds a Windows-1252 byte.
const std::string kCanonicalText =
    "~v\r\nVault Version:1\r\nVault Date:1/27/2018\r\n2\r\n100\r\n"
    "\r\n~0\r\nCloak of Shades\r\nArtifact\r\nU\r\n51\r\nTrials of Atlantis (ToA)\r\n100\r\nCloak\r\nN/A\r\n"
    "N/A\r\nN/A\r\nNCPYR\r\n" +
    std::string(47, '1') +
    "\r\nV\r\nABLV\r\nAllakhazam\r\nArtifact level 10\r\n2\r\nDexterity|15\r\nCrush Skill |4\r\n"
    "1\r\nDirect Damage|N:100\r\n"
    "\r\n~1\r\nCaf\xE9 Robe\r\nNormal Drop\r\nH\r\n40\r\n<Unknown>\r\n\r\nChest\r\n0% (Cloth)\r\nN/A\r\n"
    "N/A\r\nX\r\n" +
    std::string(16, '0') + std::string(16, '1') + std::string(15, '0') +
    "\r\nU\r\nMB:12\r\nXML Import\r\n=\r\n0\r\n2\r\nLifedrain|R:120\r\nHaste|M:5\r\n";

class VaultCommands : public ::testing::Test {
 protected:
  void SetUp() override { WriteBytes(vault_, davoruzivi::Deflate(kCanonicalText)); }

  // Runs the command on the vault at the path.
  static Outcome On(const fs::path& vault, std::vector<std::string> args) {
    args.insert(args.begin(), {"--vault", vault.string(), "vault"});
    return RunCli(args);
  }

  TemporaryFolder folder_;
  fs::path vault_ = folder_ / "test.kwv";
};

TEST_F(VaultCommands, CheckCountsTheRecordsAndDumpWritesTheTextAsACommitWritesIt) {
  fs::copy_file(vault_, folder_ / "copy.kwv.old");  // a path holding ".kwv" anywhere is used as given
  Outcome run = On(folder_ / "copy.kwv.old", {"check"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "items: 2\n");
  EXPECT_EQ(run.err, "");

  run = On(vault_, {"dump"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, kCanonicalText) << "exact bytes: CR LF and Windows-1252 kept";
}

TEST_F(VaultCommands, MissingOrDamagedVaultsEndWithThePlannersCodes) {
  std::string badLevel = kCanonicalText;
  badLevel.replace(badLevel.find("\r\n40\r\n"), 6, "\r\n4O\r\n");
  WriteBytes(folder_ / "plain.kwv", kCanonicalText);
  WriteBytes(folder_ / "version.kwv", davoruzivi::Deflate("~v\r\nVault Version:2\r\n"));
  WriteBytes(folder_ / "level.kwv", davoruzivi::Deflate(badLevel));
  const struct {
    const char* file;
    int status;
    const char* message;
  } failures[] = {
      {"none.kwv", 200, "Vault file not found where expected, please re-install Kitwright"},
      {"plain.kwv", 200, "Invalid vault file, please re-download"},
      {"version.kwv", 201, "Unknown vault version, please update Kitwright"},
      {"level.kwv", 202, "'4O' is not a valid integer value"},
  };
  for (const auto& [file, status, message] : failures) {
    const Outcome run = On(folder_ / file, {"commit", (folder_ / "out").string()});
    EXPECT_EQ(run.status, status) << file;
    EXPECT_EQ(run.out, "") << file;
    EXPECT_EQ(run.err, "message: " + std::string(message) + "\n");
  }
  EXPECT_FALSE(fs::exists(folder_ / "out" / "master.kwv"));
}

// The file named is the file loaded, whatever its name: never the shipped vault instead.
TEST_F(VaultCommands, TheVaultOptionLoadsExactlyTheFileGiven) {
  WriteBytes(folder_ / "vault.zip", davoruzivi::Deflate(kCanonicalText));
  EXPECT_EQ(On(folder_ / "vault.zip", {"check"}).out, "items: 2\n");
  for (const fs::path& unusable : {folder_ / "none", folder_.Path(), fs::path("/dev/zero")}) {
    const Outcome run = On(unusable, {"check"});
    EXPECT_EQ(run.status, 200) << unusable;
    EXPECT_EQ(run.out, "") << unusable;
    EXPECT_EQ(run.err, "message: Vault file not found where expected, please re-install Kitwright\n") << unusable;
  }
}

TEST_F(VaultCommands, PackAndUnpackRoundTripTheBytes) {
  const std::string text = kCanonicalText + "trailing \x80\x9F\r\nno end";
  WriteBytes(folder_ / "in.txt", text);
  Outcome run = RunCli({"vault", "pack", (folder_ / "in.txt").string(), (folder_ / "packed.kwv").string()});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string packed = ReadBytes(folder_ / "packed.kwv");
  ASSERT_GE(packed.size(), 2u);
  EXPECT_EQ(static_cast<unsigned char>(packed[1]), 0x01) << "compression level 1";
  EXPECT_EQ(davoruzivi::Inflate(packed), text);

  // Neither needs a vault: a missing one does not matter.
  run = On(folder_ / "none.kwv", {"unpack", (folder_ / "packed.kwv").string()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, text);

  run = RunCli({"vault", "unpack", (folder_ / "in.txt").string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err, "");
  EXPECT_EQ(RunCli({"vault", "pack", (folder_ / "none.txt").string(), (folder_ / "x.kwv").string()}).status, 1);
  EXPECT_FALSE(fs::exists(folder_ / "x.kwv"));
}

TEST_F(VaultCommands, CommitWritesTheThreeFilesIntoTheFolder) {
  const fs::path out = folder_ / "new" / "folder";
  const Outcome run = On(vault_, {"commit", out.string()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "message: Vault File saved to disk\n");
  EXPECT_EQ(ReadBytes(out / "vault.txt"), kCanonicalText);
  EXPECT_EQ(ReadBytes(out / "vault.zip"), ReadBytes(out / "master.kwv"));
  EXPECT_EQ(davoruzivi::Inflate(ReadBytes(out / "master.kwv")), kCanonicalText);
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(out)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"master.kwv", "vault.txt", "vault.zip"}));
}

TEST(CliUsage, UsageErrorsExitWithTwo) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {}, {"vault", "frobnicate"}, {"nonsense"}, {"--vault"}, {"--unknown", "vault", "check"},
           {"vault", "check", "extra"}, {"vault", "pack", "only-one"}, {"vault", "commit", "a", "b"}})
    ExpectUsageError(args);
  const Outcome help = RunCli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("vault commit"), std::string::npos);
}

}  // namespace
