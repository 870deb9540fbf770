// The template's data model: slots and kinds, slot references, the operations
// that keep references valid, configurations and the crafted item image.

#include <gtest/gtest.h>

#include <string>

#include "core/byte_image.h"
#include "itemdb/itemdb.h"
#include "template/template.h"

namespace davoruzivi {
namespace {

Template WithConfigurations(int count) {
  Template model;
  for (int c = 0; c < count; ++c) model.Configurations.push_back(NewConfiguration(kNoRace));
  model.CurrentConfiguration = 0;
  return model;
}

TEST(SlotKinds, EverySlotMapsToItsKindAndOthersToNoList) {
  const int expected[] = {19, 0, 1, 2, 3, 4, 4, 5, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 19};
  for (int s = -1; s <= 19; ++s) EXPECT_EQ(SlotKindOf(s), expected[s + 1]) << "slot " << s;
}

TEST(SlotRefs, ResolveNamesOnlyEntriesThatExist) {
  Template model = WithConfigurations(1);
  model.ListsOf(4).VaultIds = {12};
  model.ListsOf(4).InlineItems.resize(1);
  Configuration& c = model.Configurations[0];
  const auto resolves = [&](const std::string& ref, int slot = 5) {
    c.Slots[static_cast<std::size_t>(slot)] = ref;
    return Resolve(model, c, slot).has_value();
  };
  for (const char* ref : {"e0", "v", "v-1", "vx", "v1", "c0", "x0", ""}) EXPECT_FALSE(resolves(ref)) << ref;
  EXPECT_TRUE(resolves("i0"));
  ASSERT_TRUE(resolves("v0"));
  EXPECT_EQ(Resolve(model, c, 5)->kind, 4);
  EXPECT_FALSE(resolves("v0", 8));  // the Chest list is empty
  EXPECT_FALSE(Resolve(model, c, 19).has_value());
  EXPECT_FALSE(Resolve(model, c, -1).has_value());
}

TEST(RemovalFixUp, MovesLaterEntriesOfTheKindUpInEveryConfiguration) {
  Template model = WithConfigurations(2);
  for (Configuration& c : model.Configurations) {
    c.Slots[4] = "v1";
    c.Slots[5] = c.Slots[6] = c.Slots[8] = c.Slots[9] = "v3";
  }
  model.Configurations[1].Slots[4] = "i3";
  RemovalFixUp(model, "v2", 5);
  for (const Configuration& c : model.Configurations) {
    EXPECT_EQ(c.Slots[5], "v2");
    EXPECT_EQ(c.Slots[8], "v3");
    EXPECT_EQ(c.Slots[6], "v3");
  }
  EXPECT_EQ(model.Configurations[0].Slots[4], "v1");
  EXPECT_EQ(model.Configurations[1].Slots[4], "i3");

  RemovalFixUp(model, "v2", 8);
  EXPECT_EQ(model.Configurations[0].Slots[8], "v2");
  EXPECT_EQ(model.Configurations[0].Slots[9], "v3");

  const Template before = model;
  RemovalFixUp(model, "e0", 5);
  RemovalFixUp(model, "v0", 19);
  EXPECT_EQ(model.Configurations, before.Configurations);
}

TEST(UsageCount, CountsTheSlotsThatShareTheCurrentList) {
  Template model = WithConfigurations(2);
  model.Configurations[0].Slots[4] = model.Configurations[0].Slots[5] = "v0";
  model.Configurations[1].Slots[4] = "v0";
  model.Configurations[1].Slots[8] = "v0";
  model.CurrentSlot = 5;
  EXPECT_EQ(UsageCount(model, "v0"), 3);
  model.CurrentSlot = 8;
  EXPECT_EQ(UsageCount(model, "v0"), 1);
  model.CurrentSlot = 19;
  EXPECT_EQ(UsageCount(model, "v0"), 0);
}

TEST(Configurations, NewOnesHoldTheDefaultsAndTextsAreCut) {
  const Configuration c = NewConfiguration("Briton");
  EXPECT_EQ(c.Name, "New Configuration");
  for (const std::string& ref : c.Slots) EXPECT_EQ(ref, "e0");
  EXPECT_EQ(c.ChampionLevel, 10);
  EXPECT_EQ(c.Race, "Briton");
  Configuration cut;
  cut.Name = std::string(250, 'n');
  cut.Race = std::string(60, 'r');
  EXPECT_EQ(cut.Name.Str(), std::string(200, 'n'));
  EXPECT_EQ(cut.Race.Str(), std::string(50, 'r'));
}

TEST(CraftedItemImage, FieldsSitAtTheirOffsetsAndRoundTrip) {
  CraftedItem item;
  item.Autoname = 1;
  item.Name = "Crafted Vest";
  item.Absorption = 4;
  item.ItemLevel = 51;
  item.LegacyBonus = 7;
  item.FifthSlotBonus = 9;
  item.AlchemyProc = "Proc";
  item.SpareText = "Spare";
  item.StatIds[0] = 0x0102;
  item.StatIds[9] = 254;
  item.StatValues[0] = -2;
  item.StatValues[9] = 0x01020304;
  item.GemTiers = {1, 2, 3, 0x0A0B};
  const CraftedItemImage image = ToImage(item);
  const ImageReader r(image);
  EXPECT_EQ(r.U8(0), 1);
  EXPECT_EQ(r.Text<200>(1), "Crafted Vest");
  EXPECT_EQ(r.I32(202), 0x09073304) << "absorption, level, legacy bonus, fifth slot bonus";
  EXPECT_EQ(r.Text<100>(206), "Proc");
  EXPECT_EQ(r.Text<100>(307), "Spare");
  EXPECT_EQ(r.U16(408), 0x0102);
  EXPECT_EQ(r.U16(426), 254);
  EXPECT_EQ(r.I32(428), -2);
  EXPECT_EQ(r.I32(464), 0x01020304);
  EXPECT_EQ(r.U16(468), 1);
  EXPECT_EQ(r.U16(474), 0x0A0B);
  EXPECT_EQ(CraftedItemFromImage(image), item);
}

}  // namespace
}  // namespace davoruzivi
