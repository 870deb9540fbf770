#pragma once
// Helpers shared by the model tests: vault texts built line by line, a
// progress recorder, and fixtures for the template workflow and for equipping
// items made of bonuses.

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "itemdb/itemdb.h"
#include "platform/testing/recording_message_box.h"
#include "platform/testing/scripted_dialogs.h"
#include "stats/stat_engine.h"
#include "support/temporary_folder.h"
#include "template/template.h"

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

// A vault holding the records in order.
MasterVault VaultOf(const std::vector<VaultItem>& items);

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

// A new template in a workflow whose dialogs answer from scripts, saving into a temporary folder.
class WorkflowTest : public ::testing::Test {
 protected:
  void SetUp() override { workflow_.NewTemplate(); }
  std::string LastMessage() const { return messages_.notices.empty() ? "" : messages_.notices.back().text; }

  TemporaryFolder folder_;
  MasterVault vault_;
  Settings settings_ = DefaultSettings();
  platform::testing::InMemorySettingsStore store_;
  platform::testing::RecordingMessageBox messages_;
  platform::testing::ScriptedConfirmationDialog questions_;
  platform::testing::ScriptedFileDialogs files_;
  platform::testing::FixedClock clock_{"1/2/2020 3:04:05 PM"};
  Template model_;
  TemplateWorkflow workflow_{model_, vault_, settings_, {messages_, questions_, files_, clock_, store_}, folder_.Path()};
};

// A template, a vault and one configuration, with items of (StatId, amount) bonuses equipped into it.
class EquippingTest : public ::testing::Test {
 protected:
  using Bonuses = std::initializer_list<std::pair<int, int>>;

  template <typename Item>
  static Item Made(Item item, Bonuses bonuses, std::string_view name = {}) {
    if (!name.empty()) item.Name = name;
    std::size_t j = 0;
    for (const auto& [stat, amount] : bonuses) {
      item.StatIds[j] = static_cast<StatId>(stat);
      item.StatValues[j++] = amount;
    }
    return item;
  }
  // Puts an item into the vault and returns its position.
  int AddToVault(Bonuses bonuses, std::string_view name = {}, std::string_view notes = {}) {
    VaultItem item = Made(ResetVaultItem(), bonuses, name);
    item.Notes = notes;
    return static_cast<int>(vault_.PutVaultItem(static_cast<long long>(vault_.Size()), item));
  }
  // Appends to one list of the slot's kind and equips the new entry.
  template <typename Entry>
  void Equip(int s, std::vector<Entry>& list, ItemList letter, Entry entry) {
    list.push_back(entry);
    config_.Slots[static_cast<std::size_t>(s)] = MakeSlotRef(letter, static_cast<int>(list.size()) - 1);
  }
  ItemSlot& Lists(int s) { return model_.ListsOf(SlotKindOf(s)); }
  void EquipVault(int s, int position) { Equip(s, Lists(s).VaultIds, ItemList::Vault, position); }
  void EquipVault(int s, std::string_view name, Bonuses b) { EquipVault(s, AddToVault(b, name)); }
  void EquipInline(int s, Bonuses b, std::string_view name = {}) {
    Equip(s, Lists(s).InlineItems, ItemList::Inline, Made(InlineItem{}, b, name));
  }
  void EquipCrafted(int s, Bonuses b, std::string_view name = {}) {
    Equip(s, Lists(s).CraftedItems, ItemList::Crafted, Made(CraftedItem{}, b, name));
  }
  StatResult Run(int classIndex = 0) const { return CalcStats(model_, vault_, ApplyClass(classIndex), config_); }

  Template model_;
  MasterVault vault_;
  Configuration config_ = NewConfiguration("<None>");
};

}  // namespace davoruzivi::test
