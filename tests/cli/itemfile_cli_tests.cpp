// The command-line companion's item file and item XML commands, run as a separate process.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "core/byte_image.h"
#include "run_cli.h"

namespace {

namespace fs = std::filesystem;

using davoruzivi::testing::Outcome;
using davoruzivi::testing::RunCli;
using davoruzivi::testing::TemporaryFolder;
using davoruzivi::testing::WriteBytes;

std::span<std::uint8_t> Writable(std::string& bytes) {
  return {reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()};
}

// One item list record: a name, a realm, level, quality, slot and absorb, an
// Albion class mask and an outside id; everything else 0.
std::string ListRecord(std::string_view name, std::int32_t id) {
  std::string record(davoruzivi::kItemListRecordSize, '\0');
  record.replace(0, name.size(), name);
  davoruzivi::ImageWriter w(Writable(record));
  w.I32(76, id);
  w.I32(84, 30);
  w.I32(88, 50);
  w.I32(92, 37);
  w.I32(96, 7);
  w.I32(108, 1);
  w.I32(112, 65535);
  return record;
}

class ItemFileCommands : public ::testing::Test {
 protected:
  void SetUp() override { davoruzivi::testing::WriteVault(folder_ / "test.kwv", {davoruzivi::ResetVaultItem()}); }

  Outcome Run(const std::string& command, const std::string& file) const {
    return RunCli({"--vault", (folder_ / "test.kwv").string(), command, (folder_ / file).string()});
  }

  TemporaryFolder folder_;
};

TEST_F(ItemFileCommands, PrintsTheBlockOfAnImportedItemAtItsPosition) {
  std::string record(davoruzivi::kOlderItemSize, '\0');
  record.replace(1, 7, "\x06Gloves");
  record[104] = 1;
  record[116] = 15;
  WriteBytes(folder_ / "gloves.kwi", record);
  const Outcome run = Run("itemfile", "gloves.kwi");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "~1\nGloves\nNormal Drop\nU\n51\n<Unknown>\n\n<Not Selected>\nN/A\nN/A\nN/A\nX\n" +
                         std::string(47, '1') +
                         "\nU\nABLV\nUnknown\nImported File, please edit!\n1\nStrength|15\n0\n");
}

TEST_F(ItemFileCommands, PrintsEveryRecordOfAnItemListWithoutEmptyLines) {
  WriteBytes(folder_ / "items.KWJ", ListRecord("Caf\xE9 Robe", 7) + ListRecord("  Second  ", 8) + "part");
  const Outcome run = Run("itemfile", "items.KWJ");
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string first = "~1\nCaf\xC3\xA9 Robe\nJson Imported Item (Verify)\nA\n50\nBroadsword Database\n"
                            "100\nChest\n0% (Cloth)\nN/A\nN/A\nNCPBOYR\n" +
                            std::string(16, '1') + std::string(31, '0') +
                            "\nU\nMB:37\nJSON Import\n"
                            "ID:(7) Imported from the Broadsword JSON Database. Verify before use!\n0\n0\n";
  EXPECT_TRUE(run.out.starts_with(first + "~2\nSecond\n")) << run.out;
  EXPECT_EQ(run.out.find("\r"), std::string::npos);
  EXPECT_EQ(run.out.find("~3"), std::string::npos);
}

TEST_F(ItemFileCommands, XmlPrintsTheNameAndTheTenSlots) {
  WriteBytes(folder_ / "item.xml",
             "<?xml version=\"1.0\"?>\r\n<SCItem>\r\n<Location>Neck</Location>\r\n"
             "<ItemName>Torc of \xC9ire</ItemName>\r\n"
             "<SLOT Number=\"0\">\r\n<Effect>Strength</Effect>\r\n<Type>Cap Increase</Type>\r\n<Amount>5</Amount>\r\n"
             "</SLOT>\r\n<SLOT Number=\"1\">\r\n<Effect>Casting Speed</Effect>\r\n<Amount>-2</Amount>\r\n</SLOT>\r\n"
             "</SCItem>\r\n");
  const Outcome run = Run("xml", "item.xml");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  std::string expected = "Torc of \xC3\x89ire\n134\t5\n152\t-2\n";
  for (int n = 3; n <= 10; ++n) expected += "0\t0\n";
  EXPECT_EQ(run.out, expected);
}

TEST_F(ItemFileCommands, RefusedFilesPrintTheirMessage) {
  WriteBytes(folder_ / "item.txt", std::string(300, '\0'));
  WriteBytes(folder_ / "short.kwx", std::string(100, '\0'));
  WriteBytes(folder_ / "short.kwj", std::string(100, '\0'));
  WriteBytes(folder_ / "order.xml", "<?xml?>\r\n<SCItem>\r\n<Type>Cloth</Type>\r\n<Location>Neck</Location>\r\n");
  WriteBytes(folder_ / "template.xml", "<?xml?>\r\n<SCTemplate>\r\n");
  const std::vector<std::tuple<std::string, std::string, std::string>> refused = {
      {"itemfile", "item.txt", "Invalid import file"},
      {"itemfile", "short.kwx", "The item file is incomplete : short.kwx"},
      {"itemfile", "short.kwj", "Something is wrong with the JSON import file..."},
      {"xml", "order.xml", "There is something out of order in this XML file : <Location>Missing</Location"},
      {"xml", "template.xml", "This is not an item XML file"},
  };
  for (const auto& [command, file, message] : refused) {
    const Outcome run = Run(command, file);
    EXPECT_EQ(run.status, 1) << file;
    EXPECT_EQ(run.out, "") << file;
    EXPECT_EQ(run.err, "message: " + message + "\n") << file;
  }
  const Outcome missing = Run("xml", "none.xml");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err, "");
}

}  // namespace
