#pragma once
// Helpers shared by the model tests: vault texts built line by line and a
// progress recorder.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "itemdb/itemdb.h"
#include "support/temporary_folder.h"

namespace davoruzivi::test {

// One item block of a vault text, each line as written in the file. The
// defaults form a valid block, so a test changes only the line it is about.
struct ItemBlock {
  std::string idLine = "~0";
  std::string name = "Test Item";
  std::string itemType = "Normal Drop";
  std::string realm = "A";
  std::string level = "50";
  std::string expansion = "<Unknown>";
  std::string quality = "99";
  std::string slot = "Chest";
  std::string absorb = "N/A";
  std::string weaponType = "N/A";
  std::string speed = "N/A";
  std::string servers = "X";
  std::string classes = std::string(47, '0');
  std::string verification = "U";
  std::string bonusLevel = "ABLV";
  std::string source = "Unknown";
  std::string notes = "=";
  std::vector<std::string> stats;
  std::vector<std::string> procs;
  std::string statCount;  // empty: the number of stat lines
  std::string procCount;  // empty: the number of proc lines

  // The block's lines, each ended by CR LF, with the empty line the writer puts before it.
  std::string Text() const;
};

// The header ("~v", version, date, count, the free line 4) followed by the blocks.
// An empty count writes the number of blocks.
std::string VaultText(const std::vector<ItemBlock>& blocks, const std::string& count = "");

// Parses the text into a fresh vault; fails the calling test when the parse fails.
MasterVault ParseOk(const std::string& text);

// Records what a load shows.
class RecordingProgress final : public VaultLoadProgress {
 public:
  struct ItemsRead {
    std::string label;
    int percent;
  };
  void ShowStage(std::string_view label) override { events.push_back("stage " + std::string(label)); }
  void ShowItemsRead(std::string_view label, int percent) override {
    items.push_back({std::string(label), percent});
    events.push_back("items");
  }
  void Finish() override { events.push_back("finish"); }

  std::vector<ItemsRead> items;
  std::vector<std::string> events;
};

using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

}  // namespace davoruzivi::test
