// The command-line companion's vault commands, run as a separate process.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/zlib_stream.h"
#include "run_cli.h"
#include "support/temporary_folder.h"

namespace {

namespace fs = std::filesystem;

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
  void SetUp() override {
    vault_ = folder_ / "test.kwv";
    WriteBytes(vault_, davoruzivi::Deflate(kCanonicalText));
  }

  Outcome RunOnVault(std::vector<std::string> args) const {
    args.insert(args.begin(), {"--vault", vault_.string()});
    return RunCli(args);
  }

  TemporaryFolder folder_;
  fs::path vault_;
};

TEST_F(VaultCommands, CheckPrintsTheNumberOfRecords) {
  Outcome run = RunOnVault({"vault", "check"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "items: 2\n");
  EXPECT_EQ(run.err, "");

  // A path that contains ".kwv" anywhere is used as given.
  fs::copy_file(vault_, folder_ / "copy.kwv.old");
  run = RunCli({"--vault", (folder_ / "copy.kwv.old").string(), "vault", "check"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "items: 2\n");
}

TEST_F(VaultCommands, MissingOrDamagedVaultsEndWithThePlannersCodes) {
  Outcome run = RunCli({"--vault", (folder_ / "none.kwv").string(), "vault", "check"});
  EXPECT_EQ(run.status, 200);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "message: Vault file not found where expected, please re-install Kitwright\n");

  WriteBytes(folder_ / "plain.kwv", kCanonicalText);
  run = RunCli({"--vault", (folder_ / "plain.kwv").string(), "vault", "dump"});
  EXPECT_EQ(run.status, 200);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "message: Invalid vault file, please re-download\n");

  WriteBytes(folder_ / "version.kwv", davoruzivi::Deflate("~v\r\nVault Version:2\r\n"));
  run = RunCli({"--vault", (folder_ / "version.kwv").string(), "vault", "check"});
  EXPECT_EQ(run.status, 201);
  EXPECT_EQ(run.err, "message: Unknown vault version, please update Kitwright\n");

  std::string badLevel = kCanonicalText;
  badLevel.replace(badLevel.find("\r\n40\r\n"), 6, "\r\n4O\r\n");
  WriteBytes(folder_ / "level.kwv", davoruzivi::Deflate(badLevel));
  run = RunCli({"--vault", (folder_ / "level.kwv").string(), "vault", "commit", (folder_ / "out").string()});
  EXPECT_EQ(run.status, 202);
  EXPECT_EQ(run.err, "message: '4O' is not a valid integer value\n");
  EXPECT_FALSE(fs::exists(folder_ / "out" / "master.kwv"));
}

TEST_F(VaultCommands, DumpWritesTheTextAsACommitWritesIt) {
  const Outcome run = RunOnVault({"vault", "dump"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, kCanonicalText) << "exact bytes: CR LF and Windows-1252 kept";
}

TEST_F(VaultCommands, PackAndUnpackRoundTripTheBytes) {
  const std::string text = kCanonicalText + "trailing \x80\x9F\r\nno end";
  WriteBytes(folder_ / "in.txt", text);
  Outcome run = RunCli({"vault", "pack", (folder_ / "in.txt").string(), (folder_ / "packed.kwv").string()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  const std::string packed = ReadBytes(folder_ / "packed.kwv");
  ASSERT_GE(packed.size(), 2u);
  EXPECT_EQ(static_cast<unsigned char>(packed[0]), 0x78);
  EXPECT_EQ(static_cast<unsigned char>(packed[1]), 0x01) << "compression level 1";
  EXPECT_EQ(davoruzivi::Inflate(packed), text);

  run = RunCli({"vault", "unpack", (folder_ / "packed.kwv").string()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, text);

  // Neither needs a vault: a missing one does not matter.
  run = RunCli({"--vault", (folder_ / "none.kwv").string(), "vault", "unpack", vault_.string()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, kCanonicalText);

  run = RunCli({"vault", "unpack", (folder_ / "in.txt").string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err, "");
  run = RunCli({"vault", "unpack", (folder_ / "none.kwv").string()});
  EXPECT_EQ(run.status, 1);
  run = RunCli({"vault", "pack", (folder_ / "none.txt").string(), (folder_ / "x.kwv").string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(fs::exists(folder_ / "x.kwv"));
}

TEST_F(VaultCommands, CommitWritesTheThreeFilesIntoTheFolder) {
  const fs::path out = folder_ / "new" / "folder";
  Outcome run = RunOnVault({"vault", "commit", out.string()});
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

  run = RunCli({"--vault", (out / "master.kwv").string(), "vault", "check"});
  EXPECT_EQ(run.out, "items: 2\n");
}

TEST(CliUsage, UsageErrorsExitWithTwo) {
  const std::vector<std::vector<std::string>> wrong = {
      {},
      {"vault"},
      {"vault", "frobnicate"},
      {"nonsense"},
      {"--vault"},
      {"--unknown", "vault", "check"},
      {"vault", "check", "extra"},
      {"vault", "dump", "extra"},
      {"vault", "pack", "only-one"},
      {"vault", "pack", "a", "b", "c"},
      {"vault", "unpack"},
      {"vault", "commit"},
      {"vault", "commit", "a", "b"},
  };
  for (const auto& args : wrong) {
    const Outcome run = RunCli(args);
    std::string shown;
    for (const std::string& arg : args) shown += arg + " ";
    EXPECT_EQ(run.status, 2) << shown;
    EXPECT_NE(run.err.find("usage"), std::string::npos) << shown;
    EXPECT_EQ(run.out, "") << shown;
  }
  const Outcome help = RunCli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("vault commit"), std::string::npos);
}

}  // namespace
