// The master vault file: loading it from its zlib container, and the commit
// that writes vault.txt, vault.zip and the master file.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/text_lines.h"
#include "core/zlib_stream.h"
#include "itemdb/itemdb.h"
#include "model/test_support.h"

namespace davoruzivi {
namespace {

using test::ItemBlock;
using test::ParseOk;
using test::ReadBytes;
using test::RecordingProgress;
using test::TemporaryFolder;
using test::VaultText;
using test::WriteBytes;

const std::string kDecompressing = "stage <Decompressing Vault File...>";
const std::string kBuilding = "stage <Building Item List...>";

std::string SampleText() {
  ItemBlock a, b;
  a.name = "Cloak of Shades";
  a.stats = {"Dexterity|15"};
  b.idLine = "~1";
  b.name = "Golden Scarab Vest";
  b.procs = {"Lifedrain|R:120"};
  return VaultText({a, b}, "3");
}

// A text of more than one inflating buffer, so that its first blocks parse
// before the end of the stream is reached.
std::string LargeText() {
  std::vector<ItemBlock> blocks(4000);
  for (std::size_t k = 0; k < blocks.size(); ++k) blocks[k].name = "Item number " + std::to_string(k);
  return VaultText(blocks);
}

VaultLoadResult LoadFile(const std::string& bytes, MasterVault& vault, RecordingProgress& progress) {
  TemporaryFolder folder;
  WriteBytes(folder / "master.kwv", bytes);
  return LoadMasterVault(folder / "master.kwv", vault, &progress);
}

void ExpectInvalid(const std::string& bytes, const char* what) {
  MasterVault vault;
  RecordingProgress progress;
  const VaultLoadResult result = LoadFile(bytes, vault, progress);
  EXPECT_EQ(result.ExitCode, 200) << what;
  EXPECT_EQ(result.Message, "Invalid vault file, please re-download") << what;
  EXPECT_EQ(std::count(progress.events.begin(), progress.events.end(), "finish"), 0) << what;
  EXPECT_TRUE(vault.VaultMasterList().Empty()) << what;
}

TEST(LoadMasterVault, LoadsTheInflatedTextAndBuildsTheNameList) {
  const std::string text = SampleText();
  MasterVault vault;
  RecordingProgress progress;
  const VaultLoadResult result = LoadFile(Deflate(text), vault, progress);
  ASSERT_TRUE(result.Ok()) << result.Message;
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_EQ(vault.Items(), ParseOk(text).Items());
  const TextList& names = vault.VaultMasterList();
  ASSERT_EQ(names.Size(), 3u);
  EXPECT_EQ(names[0], "Cloak of Shades");
  EXPECT_EQ(names[1], "Golden Scarab Vest");
  EXPECT_EQ(names[2], "") << "a record no block filled shows with an empty name";
  EXPECT_EQ(progress.events, (std::vector<std::string>{kDecompressing, "items", "items", kBuilding, "finish"}));
  ASSERT_EQ(progress.items.size(), 2u);
  EXPECT_EQ(progress.items[1].label, "Reading items : <3 / 3>");

  const std::string large = LargeText();
  MasterVault big;
  ASSERT_TRUE(LoadFile(Deflate(large), big, progress).Ok());
  EXPECT_EQ(big.Items(), ParseOk(large).Items());
  EXPECT_EQ(big.VaultMasterList()[3999], "Item number 3999");
}

TEST(LoadMasterVault, MissingFileIsNotFound) {
  TemporaryFolder folder;
  MasterVault vault;
  RecordingProgress progress;
  const VaultLoadResult result = LoadMasterVault(folder / "master.kwv", vault, &progress);
  EXPECT_EQ(result.ExitCode, 200);
  EXPECT_EQ(result.Message, "Vault file not found where expected, please re-install Kitwright");
  EXPECT_EQ(progress.events, std::vector<std::string>{kDecompressing});
  EXPECT_EQ(ReadVaultFile(folder / "master.kwv").Result.Message, result.Message);
}

TEST(LoadMasterVault, DamagedContainersAreInvalid) {
  const std::string compressed = Deflate(SampleText());
  ExpectInvalid("", "empty file");
  ExpectInvalid("~v\r\nVault Version:1\r\n", "plain text");
  ExpectInvalid(compressed.substr(0, compressed.size() - 1), "checksum cut short");
  std::string badChecksum = compressed;
  badChecksum.back() = static_cast<char>(badChecksum.back() ^ 0x55);
  ExpectInvalid(badChecksum, "wrong checksum");
  ExpectInvalid(Deflate(""), "empty inflated text");
  ExpectInvalid(Deflate("\r\n"), "no header");

  // The stream is judged whole: a damaged end fails the load after its first blocks parsed.
  const std::string large = Deflate(LargeText());
  ExpectInvalid(large.substr(0, large.size() - 8), "large text cut short");
  std::string wrongEnd = large;
  wrongEnd[wrongEnd.size() - 2] = static_cast<char>(wrongEnd[wrongEnd.size() - 2] ^ 0x01);
  ExpectInvalid(wrongEnd, "large text with a wrong checksum");
}

TEST(LoadMasterVault, ContentFailuresKeepTheirExitCodes) {
  MasterVault vault;
  RecordingProgress progress;
  EXPECT_EQ(LoadFile(Deflate("~v\r\nVault Version:9\r\n"), vault, progress).ExitCode, 201);
  EXPECT_EQ(LoadFile(Deflate(VaultText({ItemBlock{}}, "0")), vault, progress).ExitCode, 202);
  ItemBlock bad;
  bad.level = "high";
  const VaultLoadResult result = LoadFile(Deflate(VaultText({bad})), vault, progress);
  EXPECT_EQ(result.ExitCode, 202);
  EXPECT_EQ(result.Message, "'high' is not a valid integer value");
  EXPECT_EQ(std::count(progress.events.begin(), progress.events.end(), "finish"), 0);
  EXPECT_EQ(std::count(progress.events.begin(), progress.events.end(), kBuilding), 0);
}

TEST(LoadMasterVault, InflatedTextsAreLimitedTo256MiB) {
  // A valid vault, padded with lines that hold no "~" up to the size wanted.
  auto padded = [](std::size_t size) {
    std::string text = SampleText();
    const std::string filler = std::string(1023, 'a') + "\n";
    text.reserve(size + 1);
    while (text.size() + filler.size() <= size) text += filler;
    text.append(size - text.size(), 'b');
    return text;
  };
  std::string text = padded(kMaxInflatedSize);
  ASSERT_EQ(text.size(), std::size_t{256} << 20);
  {
    MasterVault vault;
    RecordingProgress progress;
    EXPECT_TRUE(LoadFile(Deflate(text), vault, progress).Ok()) << "exactly the limit";
    EXPECT_EQ(vault.Size(), 3u);
  }
  text += "b";
  const std::string compressed = Deflate(text);
  text = {};
  EXPECT_LT(compressed.size(), std::size_t{4} << 20);
  ExpectInvalid(compressed, "one byte past the limit");
  EXPECT_FALSE(Inflate(compressed).has_value());
  TemporaryFolder folder;
  WriteBytes(folder / "big.kwv", compressed);
  EXPECT_EQ(ReadVaultFile(folder / "big.kwv").Result.ExitCode, 200);
}

TEST(ReadVaultFile, GivesTheInflatedText) {
  TemporaryFolder folder;
  const std::string text = SampleText() + "\xE9\r";
  WriteBytes(folder / "master.kwv", Deflate(text));
  const VaultFileText read = ReadVaultFile(folder / "master.kwv");
  EXPECT_TRUE(read.Result.Ok());
  EXPECT_EQ(read.Text, text);
  WriteBytes(folder / "bad.kwv", "not a stream");
  EXPECT_EQ(ReadVaultFile(folder / "bad.kwv").Result.Message, "Invalid vault file, please re-download");
}

TEST(MasterVaultPath, APathWithoutKwvFallsBackToTheProgramFolder) {
  const std::filesystem::path program = "/opt/planner";
  EXPECT_EQ(MasterVaultPathIn(program), program / "master.kwv");
  EXPECT_EQ(RepairMasterVaultPath("/data/items.kwv.old", program), "/data/items.kwv.old");
  EXPECT_EQ(RepairMasterVaultPath("/data/items.KWV", program), program / "master.kwv");
  EXPECT_EQ(RepairMasterVaultPath("", program), program / "master.kwv");
}

TEST(CommitVault, WritesTheTextAndTwoIdenticalCompressedCopies) {
  TemporaryFolder folder;
  MasterVault vault = ParseOk(SampleText());
  WriteBytes(folder / "vault.txt", "old text");
  ASSERT_EQ(CommitVault(vault, folder / "items.kwv"), std::nullopt);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"items.kwv", "vault.txt", "vault.zip"}))
      << "no temporary file is left";

  const std::string text = ReadBytes(folder / "vault.txt");
  EXPECT_EQ(text, WriteVaultText(vault));
  const std::string zip = ReadBytes(folder / "vault.zip");
  EXPECT_EQ(ReadBytes(folder / "items.kwv"), zip);
  EXPECT_EQ(zip, CompressVaultText(text));
  ASSERT_GE(zip.size(), 2u);
  EXPECT_EQ(static_cast<unsigned char>(zip[0]), 0x78);
  EXPECT_EQ(static_cast<unsigned char>(zip[1]), 0x01) << "compression level 1";
  EXPECT_EQ(Inflate(zip), text);

  MasterVault reloaded;
  ASSERT_TRUE(LoadMasterVault(folder / "items.kwv", reloaded).Ok());
  ASSERT_EQ(reloaded.Size(), 3u);
  EXPECT_EQ(reloaded.Items()[1], vault.Items()[1]);
  EXPECT_EQ(reloaded.Items()[2].Id, 2) << "an unfilled record is written and comes back numbered";

  // A second commit replaces all three.
  VaultItem added = ResetVaultItem();
  added.Name = "Added";
  vault.PutVaultItem(-1, added);
  ASSERT_EQ(CommitVault(vault, folder / "items.kwv"), std::nullopt);
  EXPECT_EQ(ReadBytes(folder / "vault.txt"), WriteVaultText(vault));
  EXPECT_EQ(Inflate(ReadBytes(folder / "items.kwv")), WriteVaultText(vault));
  EXPECT_EQ(folder.Entries().size(), 3u);
}

TEST(CommitVault, AFailureInTheFirstFileLeavesEverythingAsItWas) {
  TemporaryFolder folder;
  const MasterVault vault = ParseOk(SampleText());
  std::filesystem::create_directory(folder / "vault.txt");
  WriteBytes(folder / "vault.zip", "old zip");
  WriteBytes(folder / "master.kwv", "old master");
  const auto error = CommitVault(vault, folder / "master.kwv");
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find("vault.txt"), std::string::npos) << *error;
  EXPECT_EQ(ReadBytes(folder / "vault.zip"), "old zip");
  EXPECT_EQ(ReadBytes(folder / "master.kwv"), "old master");
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"master.kwv", "vault.txt", "vault.zip"}));

  const auto missing = CommitVault(vault, folder / "no such folder" / "master.kwv");
  ASSERT_TRUE(missing.has_value());
  EXPECT_NE(missing->find("no such folder"), std::string::npos) << *missing;
  EXPECT_FALSE(std::filesystem::exists(folder / "no such folder"));
}

// The commit must replace the three files only when it can replace them all.
// With the master file's path taken by a folder, vault.txt and vault.zip are
// renamed over the old ones before the master file's rename fails.
TEST(CommitVault, AFailureInTheMasterFileLeavesTheOldFilesAsTheyWere) {
  TemporaryFolder folder;
  const MasterVault vault = ParseOk(SampleText());
  WriteBytes(folder / "vault.txt", "old text");
  WriteBytes(folder / "vault.zip", "old zip");
  std::filesystem::create_directory(folder / "master.kwv");
  const auto error = CommitVault(vault, folder / "master.kwv");
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find("master.kwv"), std::string::npos) << *error;
  EXPECT_EQ(ReadBytes(folder / "vault.txt"), "old text");
  EXPECT_EQ(ReadBytes(folder / "vault.zip"), "old zip");
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"master.kwv", "vault.txt", "vault.zip"}));
}

TEST(InflatingLineSource, LinesMatchTheWholeTextAcrossBufferBoundaries) {
  constexpr std::size_t kBuffer = 256 * 1024;
  auto linesOf = [](const std::string& compressed) {
    InflatingLineSource source(compressed);
    std::vector<std::string> lines;
    std::string_view line;
    while (source.NextLine(line)) lines.emplace_back(line);
    EXPECT_FALSE(source.Damaged());
    return lines;
  };
  auto expectSameLines = [&](const std::string& text, const std::string& what) {
    std::vector<std::string> expected;
    for (std::string_view line : SplitLines(text)) expected.emplace_back(line);
    EXPECT_EQ(linesOf(Deflate(text)), expected) << what;
  };
  for (std::size_t breakAt = kBuffer - 3; breakAt <= kBuffer + 1; ++breakAt) {
    for (const char* ending : {"\r\n", "\r", "\n", "\r\r\n", "\n\r"}) {
      std::string text(breakAt, 'x');
      for (std::size_t i = 1000; i < breakAt; i += 1000) text[i] = '\n';
      text += ending;
      text += std::string(60000, 'y') + "\r\nlast";
      expectSameLines(text, "break at " + std::to_string(breakAt));
    }
  }
  expectSameLines(std::string(kBuffer * 2 + 17, 'z') + "\r\n\r\nend\r", "a line longer than the buffer");
  expectSameLines("", "no text");
  expectSameLines("\r\n", "one empty line");

  const std::string cut = Deflate(std::string(kBuffer * 3, 'q') + "\nrest");
  InflatingLineSource source(std::string_view(cut).substr(0, cut.size() - 6));
  std::string_view line;
  while (source.NextLine(line)) {
  }
  EXPECT_FALSE(source.VerifyRest());
}

TEST(InflatingLineSource, ReadAheadHoldsWhatIsAskedForOrAllThereIs) {
  std::string text;
  for (int k = 0; text.size() < 1'500'000; ++k) text += "line " + std::to_string(k) + (k % 3 ? "\r\n" : "\n");
  const std::string compressed = Deflate(text);
  std::vector<std::string> expected;
  for (std::string_view line : SplitLines(text)) expected.emplace_back(line);

  InflatingLineSource source(compressed);
  std::vector<std::string> lines;
  std::string_view line;
  for (int k = 0; k < 1000 && source.NextLine(line); ++k) lines.emplace_back(line);
  source.ReadAhead(700'000);
  EXPECT_GE(source.ReceivedBytes(), 700'000u);
  EXPECT_LT(source.ReceivedBytes(), text.size());
  while (source.NextLine(line)) lines.emplace_back(line);
  EXPECT_EQ(lines, expected) << "no line is lost or cut where the window grew";
  EXPECT_EQ(source.ReceivedBytes(), text.size());

  InflatingLineSource whole(compressed);
  whole.ReadAhead(text.size() * 2);
  EXPECT_EQ(whole.ReceivedBytes(), text.size());
}

// A count line is believed only as far as the text holds blocks for it (a
// block takes at least 70 bytes), so a small file that announces a million
// records never reserves room for them.
TEST(LoadMasterVault, ACountLineBeyondTheTextReservesNothingForIt) {
  const auto holdable = [](const std::string& text) { return text.size() / 70 + 1; };
  ItemBlock good;
  ItemBlock bad;
  bad.level = "x";
  const std::string failing = VaultText({good, bad}, "1000000");
  MasterVault vault;
  RecordingProgress progress;
  VaultLoadResult result = LoadFile(Deflate(failing), vault, progress);
  EXPECT_EQ(result.ExitCode, 202);
  EXPECT_EQ(result.Message, "'x' is not a valid integer value");
  EXPECT_EQ(vault.Size(), 2u);
  EXPECT_LE(vault.ItemCapacity(), holdable(failing));

  // A stream cut short fails the load, and the records its count announced
  // are not made up.
  const std::string large = LargeText();
  const std::string cutText = VaultText({good}, "1000000") + large.substr(large.find("\r\n~"));
  const std::string compressed = Deflate(cutText);
  MasterVault cut;
  result = LoadFile(compressed.substr(0, compressed.size() / 2), cut, progress);
  EXPECT_EQ(result.ExitCode, 200);
  EXPECT_GT(cut.Size(), 1u);
  EXPECT_LT(cut.Size(), 4001u);
  EXPECT_LE(cut.ItemCapacity(), holdable(cutText));

  // An honest count is believed before the first record is read: one array of
  // exactly its size, in which no record has to move.
  MasterVault honest;
  ASSERT_TRUE(LoadFile(Deflate(large), honest, progress).Ok());
  EXPECT_EQ(honest.Size(), 4000u);
  EXPECT_EQ(honest.ItemCapacity(), 4000u);
}

}  // namespace
}  // namespace davoruzivi
