// Item XML texts: their kind, their tag/value pairs and their conversion.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/text_lines.h"
#include "itemdb/itemdb.h"
#include "platform/testing/recording_message_box.h"

namespace davoruzivi {
namespace {

using platform::testing::RecordingMessageBox;

constexpr std::string_view kHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<SCItem>\r\n\t<ActiveState>drop</ActiveState>\r\n";

// One stat slot as the outside program writes it; an empty type leaves out the type line.
std::string Slot(std::string_view effect, std::string_view amount, std::string_view type = "Stat") {
  std::string slot = "\t\t<SLOT Number=\"0\">\r\n\t\t\t<Remakes>0</Remakes>\r\n\t\t\t<Effect>" + std::string(effect) +
                     "</Effect>\r\n";
  if (!type.empty()) slot += "\t\t\t<Type>" + std::string(type) + "</Type>\r\n";
  slot += "\t\t\t<Amount>" + std::string(amount) + "</Amount>\r\n\t\t\t<Done>0</Done>\r\n\t\t</SLOT>\r\n";
  return slot;
}

// An item XML text: its location, name and item type lines, then the slots.
std::string ItemXml(const std::vector<std::string>& slots, std::string_view location = "Chest") {
  std::string text(kHeader);
  text += "\t<Location>" + std::string(location) + "</Location>\r\n";
  text += "\t<ItemName>Robe of the Magus</ItemName>\r\n\t<Level>51</Level>\r\n\t<Type>Cloth</Type>\r\n\t<DROPITEM>\r\n";
  for (const std::string& slot : slots) text += slot;
  text += "\t</DROPITEM>\r\n</SCItem>\r\n";
  return text;
}

struct Converted {
  ItemTextConversion conversion;
  std::vector<std::string> messages;
};

Converted Convert(const std::string& text) {
  RecordingMessageBox box;
  const std::vector<std::string_view> lines = SplitLines(text);
  Converted result{ConvertItemText(lines, box), {}};
  for (const auto& notice : box.notices) result.messages.push_back(notice.text);
  return result;
}

// The StatId that a single slot converts to.
StatId StatOf(std::string_view effect, std::string_view type = "Stat") {
  const Converted result = Convert(ItemXml({Slot(effect, "1", type)}));
  EXPECT_TRUE(result.conversion.Success) << effect;
  return result.conversion.Item.StatIds[0];
}

TEST(ItemXmlKind, IsDecidedOnTheWholeTextInLowerCase) {
  EXPECT_EQ(ItemTextKindOf("<?XML version=\"1.0\"?>\n<SCITEM>\n"), ItemTextKind::ItemXml);
  EXPECT_EQ(ItemTextKindOf("<?xml?>\n<SCItem>\n<SCTemplate>\n"), ItemTextKind::OtherXml);
  EXPECT_EQ(ItemTextKindOf("<?xml?>\n<SCItem>\n<Source>Oracle</Source>\n"), ItemTextKind::OtherXml);
  EXPECT_EQ(ItemTextKindOf("<SCItem>\n"), ItemTextKind::Unsupported);
  EXPECT_EQ(ItemTextKindOf("*** Chat Log Opened: Mon Jan 01\n"), ItemTextKind::ChatLog);
  EXPECT_EQ(ItemTextKindOf(ItemXml({}) + "*** CHAT LOG Closed\n"), ItemTextKind::ChatLog) << "tested last, overriding";
}

TEST(ItemXmlPairs, TakeTagAndValueFromEveryLineButTheFirst) {
  const std::vector<std::string_view> lines = {
      "<ItemName>First line is never read</ItemName>",
      "no tag here",
      "\t\t<Effect> Strength </Effect>",
      "\t\t</SLOT>",
      "\t\t<SLOT Number=\"0\">",
      "<Amount>15\x01",
      "<Name>a</b>c</Name>",
      "\t<\x02Notes\x1F>\t text \x7F</Notes>",
      "<>",
  };
  const std::vector<TagValue> expected = {
      {"Effect", "Strength"},
      {"/SLOT", ""},
      {"SLOT Number=\"0\"", ""},
      {"Amount", "15"},  // no "</": up to the line's last character
      {"Name", "a"},
      {"Notes", "text \x7F"},
      {"", ""},
  };
  EXPECT_EQ(TagValuePairs(lines), expected);
  EXPECT_TRUE(TagValuePairs({}).empty());
  EXPECT_EQ(TrimBlanksAndControls("\xA0" "Caf\xE9\xA0"), "\xA0" "Caf\xE9\xA0") << "only bytes up to the blank";
}

TEST(ConvertItemText, FillsNameAndSlotsInOrder) {
  const Converted result = Convert(ItemXml({Slot("Strength", "15"), Slot("Crush", "4", "Skill"), Slot("Crush", "6", ""),
                                            Slot(" Quickness ", "-3"), Slot("", "15"), Slot("Dexterity", "lots")}));
  ASSERT_TRUE(result.conversion.Success);
  EXPECT_TRUE(result.messages.empty());
  const VaultItem& item = result.conversion.Item;
  EXPECT_EQ(item.Name, "Robe of the Magus");
  // Crush Skill, then Crush Resist without a type line; an empty effect leaves the stat at 0 but its
  // amount is still read; an amount that is not an integer reads as 0.
  EXPECT_EQ(item.StatIds, (std::array<StatId, kBonusSlots>{1, 29, 11, 4, 0, 3}));
  EXPECT_EQ(item.StatValues, (std::array<std::int32_t, kBonusSlots>{15, 4, 6, -3, 15, 0}));

  VaultItem rest = item;  // every field but the name and the bonuses as reset
  rest.Name = " ";
  rest.StatIds = {};
  rest.StatValues = {};
  EXPECT_EQ(rest, ResetVaultItem());
}

TEST(ConvertItemText, AmountsBeyondAVaultLineAreBroughtWithinRangeAndNamed) {
  const Converted result = Convert(ItemXml({Slot("Strength", "123456"), Slot("Dexterity", "-12345")}));
  ASSERT_TRUE(result.conversion.Success);
  EXPECT_EQ(result.conversion.Item.StatValues[0], 99999);
  EXPECT_EQ(result.conversion.Item.StatValues[1], -9999);
  EXPECT_EQ(result.messages, std::vector<std::string>{"Some values were beyond what the vault can store and have "
                                                      "been brought within range :\n\rRobe of the Magus"});
}

TEST(ConvertItemText, EffectsFoundByPrefixOrByPhrase) {
  EXPECT_EQ(StatOf("Body"), 18) << "the first entry that begins with it";
  EXPECT_EQ(StatOf("All Magic Skills"), 21);
  EXPECT_EQ(StatOf("Two Handed Melee Damage"), 150) << "a later phrase overrides an earlier one";
  EXPECT_EQ(StatOf("Nothing Known"), 0);
  EXPECT_EQ(StatOf("Spirit Magic Focus"), 63) << "a focus starts over with the focus phrases";
}

TEST(ConvertItemText, TypeLinesAdjustTheSlotsStat) {
  EXPECT_EQ(StatOf("Parry", "PvE Bonus"), 168);
  EXPECT_EQ(StatOf("Parry", "Skill"), 24);
  EXPECT_EQ(StatOf("Phantasmal Wail", "Focus"), 99);
  EXPECT_EQ(StatOf("Hits", "Cap Increase"), 146);
}

TEST(ConvertItemText, ReadsOnlyInsideSlotsAndKeepsTheFirstTen) {
  std::vector<std::string> slots;
  for (int n = 1; n <= 12; ++n) slots.push_back(Slot("Strength", std::to_string(n)));
  std::string text = ItemXml(slots);
  text.insert(text.find("\t<DROPITEM>"), "\t<Effect>Dexterity</Effect>\r\n\t<Amount>99</Amount>\r\n");
  const Converted result = Convert(text);
  ASSERT_TRUE(result.conversion.Success);
  for (int n = 0; n < kBonusSlots; ++n) {
    EXPECT_EQ(result.conversion.Item.StatIds[n], 1) << "slot " << n + 1;
    EXPECT_EQ(result.conversion.Item.StatValues[n], n + 1) << "slot " << n + 1;
  }
  EXPECT_EQ(result.conversion.Item.Notes, "") << "nothing written past the bonuses";
}

TEST(ConvertItemText, AnItemTypeBeforeTheLocationIsOutOfOrder) {
  const std::string message = "There is something out of order in this XML file : <Location>Missing</Location";
  for (const std::string_view location : {"Somewhere", ""}) {
    const Converted result = Convert(ItemXml({Slot("Strength", "15")}, location));
    EXPECT_FALSE(result.conversion.Success) << location;
    EXPECT_EQ(result.messages, std::vector<std::string>{message}) << location;
  }
  for (const std::string_view location : {"two handed", "FEET"})
    EXPECT_TRUE(Convert(ItemXml({}, location)).conversion.Success) << location;

  // A damage type outside a slot is not the item's type line.
  std::string text(kHeader);
  text += "\t<DamageType>Slash</DamageType>\r\n\t<Location>Legs</Location>\r\n\t<Type>Cloth</Type>\r\n</SCItem>\r\n";
  EXPECT_TRUE(Convert(text).conversion.Success);
}

TEST(ConvertItemText, OtherTextsGiveNoResultAndNoMessage) {
  for (const std::string& text : {ItemXml({Slot("Strength", "15")}) + "*** Chat Log Opened\r\n",
                                  std::string("<?xml?>\r\n<SCTemplate>\r\n<SCItem>\r\n"), std::string("plain text")}) {
    const Converted result = Convert(text);
    EXPECT_FALSE(result.conversion.Success) << text;
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(result.conversion.Item, ResetVaultItem());
  }
}

}  // namespace
}  // namespace davoruzivi
