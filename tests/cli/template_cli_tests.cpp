// The command-line companion's template commands, run as a separate process.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "run_cli.h"
#include "template/template.h"

namespace {

namespace dz = davoruzivi;
using dz::testing::Outcome;
using dz::testing::ReadBytes;
using dz::testing::RunCli;
using dz::testing::TemporaryFolder;
using dz::testing::WriteBytes;

// A ".kwc" of the class and server whose Ring 1 names the vault's ring.
std::string Kwc(int classIndex, int server) {
  std::string bytes(5296, '\0');
  const std::string name = "Cli Config";
  bytes[0] = static_cast<char>(name.size());
  bytes.replace(1, name.size(), name);
  bytes[42] = 50;
  bytes[43] = 1;
  bytes[44] = static_cast<char>(classIndex);
  bytes[45] = static_cast<char>(server);
  for (int s = 0; s < 19; ++s) {
    dz::LegacyItem item = dz::ResetLegacyItem();
    if (s == 4) item.SetName("Ring of Tests");
    bytes.replace(48 + static_cast<std::size_t>(s) * 276, 276, reinterpret_cast<const char*>(item.Bytes().data()), 276);
  }
  return bytes;
}

class TemplateCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    dz::VaultItem zero = dz::ResetVaultItem();
    zero.Slot = 5;
    dz::VaultItem ring = zero;
    ring.Name = "Ring of Tests";
    dz::testing::WriteVault(folder_ / "test.kwv", {zero, ring});
  }

  std::string WriteTemplate(const std::string& name, int classIndex) {
    dz::Template t;
    t.ClassIndex = classIndex;
    t.ServerIndex = 5;
    t.ListsOf(4).VaultIds = {1};
    t.Configurations = {dz::NewConfiguration("<None>"), dz::NewConfiguration("Briton")};
    t.Configurations[1].Slots[4] = "v0";
    t.CurrentConfiguration = 1;
    t.Notes = {"a note"};
    text_ = dz::WriteTemplateText(t, dz::ItemVocabularies());
    WriteBytes(folder_ / name, dz::Deflate(text_));
    return (folder_ / name).string();
  }

  Outcome Run(std::vector<std::string> args) const {
    args.insert(args.begin(), {"--vault", (folder_ / "test.kwv").string(), "template"});
    return RunCli(args);
  }

  TemporaryFolder folder_;
  std::string text_;
};

TEST_F(TemplateCommands, DumpWritesTheTextOfASavedTemplateExactlyAndImportOfAnotherClassFails) {
  const std::string base = WriteTemplate("a.kwt", 0);
  const Outcome dump = Run({"dump", base});
  EXPECT_EQ(dump.status, 0) << dump.err;
  EXPECT_EQ(dump.out, text_);
  EXPECT_NE(dump.err.find("message: Template loaded successfully : \\n\\ra.kwt\n"), std::string::npos) << dump.err;

  const Outcome other = Run({"import", base, WriteTemplate("c.kwt", 2)});
  EXPECT_EQ(other.status, 1);
  EXPECT_TRUE(other.out.empty());
  EXPECT_NE(other.err.find("message: Import aborted. This template is not specifically designed for this character "
                           "class.\nmessage: Import failure. A backup has been restored so no data has been lost. "
                           "Please try again.\n"),
            std::string::npos)
      << other.err;
}

TEST_F(TemplateCommands, AnOldTemplateDumpsConvertingServersOnlyWhenAskedAndSavesToTheSameText) {
  WriteBytes(folder_ / "old.kwc", Kwc(0, 0));
  const Outcome kept = Run({"dump", (folder_ / "old.kwc").string()});
  ASSERT_EQ(kept.status, 0) << kept.err;
  EXPECT_EQ(kept.out.rfind("~Kitwright Template v2\r\n~Vault version :1\r\n \r\n(Alb) Armsman\r\nNormal\r\n", 0), 0u);
  EXPECT_NE(kept.out.find("~4\r\n~V\r\n1\r\n/\r\n"), std::string::npos);
  EXPECT_NE(
      kept.err.find("message: This template was converted from an older format. Please check items for accuracy.\n"),
      std::string::npos);
  const Outcome converted = Run({"dump", (folder_ / "old.kwc").string(), "--convert-servers"});
  ASSERT_EQ(converted.status, 0) << converted.err;
  EXPECT_NE(converted.out.find("\r\n(Alb) Armsman\r\nYwain\r\n"), std::string::npos);

  const Outcome saved = Run({"save", (folder_ / "old.kwc").string(), (folder_ / "new").string()});
  ASSERT_EQ(saved.status, 0) << saved.err;
  EXPECT_NE(saved.err.find("message: Character saved : new.kwt\n"), std::string::npos) << saved.err;
  EXPECT_EQ(dz::Inflate(ReadBytes(folder_ / "new.kwt")), kept.out);
}

}  // namespace
