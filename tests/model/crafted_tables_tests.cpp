// The crafted item bonus tables: fifth-slot bonuses and offers, the bonus
// level and automatic name of a crafted item, alchemy procs, gem stat labels
// and archetypes.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "spellcraft/spellcraft.h"
#include "template/template.h"

namespace davoruzivi {
namespace {

constexpr int kArmsman = 0, kCleric = 2, kHeretic = 4, kMinstrel = 8, kScout = 12, kAnimist = 16, kBard = 18,
              kHero = 24, kBerserker = 32, kValkyrie = 44;

std::vector<FifthSlotOffer> Offers(int classIndex, int equipmentSlot, int absorption, int server = server_type::Normal,
                                   int championLevel = 0) {
  return BuildOfferList({classIndex, server, equipmentSlot, absorption, championLevel});
}

std::vector<std::string_view> Names(const std::vector<FifthSlotOffer>& offers) {
  std::vector<std::string_view> names;
  for (const FifthSlotOffer& offer : offers) names.push_back(offer.ItemName);
  return names;
}

bool HasName(const std::vector<FifthSlotOffer>& offers, std::string_view name) {
  const auto names = Names(offers);
  return std::find(names.begin(), names.end(), name) != names.end();
}

CraftedItem ItemWithGems(int level, int gems) {
  CraftedItem item;
  item.ItemLevel = static_cast<std::uint8_t>(level);
  for (int g = 0; g < gems; ++g) {
    item.StatIds[static_cast<std::size_t>(g)] = static_cast<StatId>(g + 1);
    item.StatValues[static_cast<std::size_t>(g)] = 29;
  }
  return item;
}

// ---- fifth-slot bonus list ----

TEST(FifthSlotBonuses, GrantsTextsAndLookups) {
  EXPECT_EQ(FifthSlotBonusText(0), "No Extra Bonuses");
  EXPECT_TRUE(FifthSlotGrants(0).empty());
  const auto staff = FifthSlotGrants(32);
  ASSERT_EQ(staff.size(), 3u);
  EXPECT_EQ(staff[1].Stat, 153);  // spell damage before spell speed
  EXPECT_EQ(staff[2].Stat, 152);
  EXPECT_EQ(FifthSlotBonusText(29), "To Hit (PvE) + 3%");
  for (int entry : {-1, 33}) {
    EXPECT_EQ(FifthSlotBonusText(entry), "");
    EXPECT_TRUE(FifthSlotGrants(entry).empty());
  }
  EXPECT_EQ(FifthSlotBonusIndexOf("Legendary Staff"), 32);
  EXPECT_EQ(FifthSlotBonusIndexOf("No Extra Bonus"), -1);  // the offer text is not the entry text
  EXPECT_EQ(FifthSlotBonusIndexOf("legendary staff"), -1);
}

// ---- offer lists ----

TEST(OfferLists, AlbionPlateChestAndNonArmour) {
  const auto plate = Offers(kArmsman, slot::Chest, 4);
  EXPECT_EQ(Names(plate), (std::vector<std::string_view>{"", "Sigil Gilded Plate Breastplate (All Melee +3)",
                                                         "Dragonsworn Gilded Plate Breastplate (Melee Damage +2%)"}));
  EXPECT_EQ(OfferTexts(plate), (std::vector<std::string_view>{"No Extra Bonus", "All Melee + 3", "Melee Damage + 2%"}));
  EXPECT_EQ(Offers(kArmsman, slot::Chest, 5).size(), 1u);
  EXPECT_EQ(Offers(kArmsman, slot::Neck, 4).size(), 1u);
  EXPECT_EQ(Offers(-1, slot::Chest, 4).size(), 1u);
  // Armour kinds without rows offer nothing.
  EXPECT_EQ(Offers(kHero, slot::Chest, 4).size(), 1u);
  EXPECT_EQ(Offers(kAnimist, slot::Chest, 0)[1], (FifthSlotOffer{8, "Bespelled Woven Robes (All Casting +3)"}));
}

TEST(OfferLists, IrregularLiteralsAreKept) {
  EXPECT_EQ(Offers(kArmsman, slot::Chest, 1)[2].ItemName, "Sigil Etched Leather Jerkin (All Melee +3");
  EXPECT_EQ(Offers(kBerserker, slot::Legs, 3)[4].ItemName, "Dragonsworn Scribed legs (Power Cap +5)");
  EXPECT_EQ(Offers(kBerserker, slot::Ranged, 5)[3].ItemName,
            "Elemental Weapon (Armor Factor+10, Melee/Style Damage +3%))");
  EXPECT_EQ(Offers(kArmsman, slot::RightHand, 5)[1].ItemName, "Dragonsworn Weapon (Strength Cap + 5)");
  const auto leftHand = Offers(kArmsman, slot::LeftHand, 5);
  EXPECT_EQ(leftHand[1], (FifthSlotOffer{1, ""}));  // an offer without a special name
}

TEST(OfferLists, ShieldConditions) {
  // A Bard carries small shields only.
  const auto bard = Offers(kBard, slot::LeftHand, 5);
  EXPECT_FALSE(HasName(bard, "Speedy Shield (Med/Lg) (Quickness Cap +5)"));
  EXPECT_TRUE(HasName(bard, "Insightful Shield (Small) (Acuity Cap +5)"));
  // An Animist carries none: the small-shield offers need champion level 3.
  EXPECT_EQ(Offers(kAnimist, slot::LeftHand, 5, server_type::Normal, 2).size(), 4u);
  const auto champion = Offers(kAnimist, slot::LeftHand, 5, server_type::Normal, 3);
  EXPECT_TRUE(HasName(champion, "Insightful Shield (Small) (Acuity Cap +5)"));
  EXPECT_TRUE(HasName(champion, "Regrown Shield (Small/Lg) (Healing +5%)"));
  EXPECT_FALSE(HasName(champion, "Protector's Shield (Med/Large) (Shield Skill +3)"));
  // Large shields only, in their listed order.
  const auto armsman = Offers(kArmsman, slot::LeftHand, 5);
  ASSERT_EQ(armsman.size(), 14u);
  EXPECT_EQ(armsman[4].ItemName, "Sigil Speedy Large Shield (Quickness Cap +5)");
  EXPECT_EQ(armsman[13].ItemName, "Protector Shield (Small) (Shield Skill +3)");
  EXPECT_FALSE(HasName(Offers(kCleric, slot::LeftHand, 5), "Sigil Speedy Large Shield (Quickness Cap +5)"));
}

TEST(OfferLists, ClassAndSkillConditions) {
  EXPECT_TRUE(HasName(Offers(kHeretic, slot::Chest, 1), "Dragonsworn Bound Leather Friar Robes (Healing +5%)"));
  EXPECT_FALSE(HasName(Offers(kArmsman, slot::Chest, 1), "Dragonsworn Bound Leather Friar Robes (Healing +5%)"));
  const auto valkyrie = Offers(kValkyrie, slot::Head, 3);
  EXPECT_EQ(valkyrie.back(), (FifthSlotOffer{13, "Rune Bound Winged Helm (Healing +5%)"}));
  EXPECT_EQ(Offers(kValkyrie - 1, slot::Head, 3).size(), valkyrie.size() - 1);

  EXPECT_TRUE(HasName(Offers(kMinstrel, slot::Ranged, 5), "Dragonsworn Arpeggio Mandolin (Acuity Cap +5)"));
  const auto scout = Offers(kScout, slot::Ranged, 5);
  EXPECT_EQ(scout.back(), (FifthSlotOffer{31, "Elemental Bow (Armor Factor +10, Archery Speed/Damage +3%)"}));
  EXPECT_FALSE(HasName(scout, "Dragonsworn Arpeggio Mandolin (Acuity Cap +5)"));
}

TEST(OfferLists, CrossRealmServersAddEveryRealmButNotForHead) {
  const auto coopArms = Offers(kCleric, slot::Arms, 3, server_type::Coop);
  ASSERT_EQ(coopArms.size(), 13u);
  EXPECT_EQ(coopArms[1].ItemName, "Sigil Enchanted Mail Sleeves (HP Cap +40)");
  EXPECT_EQ(coopArms[9].ItemName, "Rune Bound Starkakedja Sleeves (HP Cap +40)");
  EXPECT_EQ(Offers(kCleric, slot::Arms, 3, server_type::Normal).size(), 5u);
  EXPECT_EQ(Offers(kCleric, slot::Head, 3, server_type::Coop), Offers(kCleric, slot::Head, 3));
  // Realm order stays Albion, Hibernia, Midgard for a Midgard class too.
  const auto midgardPvP = Offers(kValkyrie, slot::Arms, 3, server_type::PvP);
  EXPECT_EQ(midgardPvP, coopArms);
  EXPECT_EQ(Offers(kCleric, slot::Arms, 3, server_type::Ywain).size(), 5u);
}

TEST(OfferLists, FromTheTemplate) {
  Template model;
  model.ClassIndex = kAnimist;
  model.ServerIndex = server_type::Normal;
  EXPECT_EQ(OfferListFor(model, slot::LeftHand, 5).size(), 4u);  // no configuration: champion level 0
  model.Configurations.push_back(NewConfiguration(kNoRace));     // champion level 10
  model.CurrentConfiguration = 0;
  EXPECT_EQ(OfferListFor(model, slot::LeftHand, 5), Offers(kAnimist, slot::LeftHand, 5, server_type::Normal, 10));
}

// ---- choosing and applying ----

TEST(FifthSlotChoice, ChooseOfferStoresPositionAndEntry) {
  const auto offers = Offers(kArmsman, slot::Chest, 4);
  CraftedItem item = ItemWithGems(51, 4);
  ChooseOffer(item, offers, 2);
  EXPECT_EQ(item.FifthSlotBonus, 2);
  EXPECT_EQ(item.LegacyBonus, 26);
  ChooseOffer(item, offers, 3);  // past the list
  EXPECT_EQ(item.FifthSlotBonus + item.LegacyBonus, 0);
  item.ItemLevel = 50;
  ChooseOffer(item, offers, 1);
  EXPECT_EQ(item.FifthSlotBonus + item.LegacyBonus, 0);
}

TEST(FifthSlotChoice, LoadFindsTheOfferAgain) {
  const auto plate = Offers(kArmsman, slot::Chest, 4);  // bonuses 0, 7, 26
  CraftedItem item;
  item.FifthSlotBonus = 2;
  item.LegacyBonus = 7;
  EXPECT_EQ(OfferPositionOnLoad(item, plate), 2);  // the position wins while the list is long enough
  item.FifthSlotBonus = 4;
  EXPECT_EQ(OfferPositionOnLoad(item, plate), 1);
  item.LegacyBonus = 200;  // no such entry
  EXPECT_EQ(OfferPositionOnLoad(item, plate), 0);
}

TEST(FifthSlotChoice, SetFifthWritesGrantsOnlyWhenActive) {
  CraftedItem item = ItemWithGems(51, 4);
  item.LegacyBonus = 17;
  item.StatIds[9] = 5;
  item.StatValues[9] = 7;
  SetFifth(item, false);
  EXPECT_EQ(item.StatIds[4], 148);
  EXPECT_EQ(item.StatIds[6], 151);
  EXPECT_EQ(item.StatIds[9] + item.StatValues[9], 0);

  CraftedItem threeGems = ItemWithGems(51, 3);
  threeGems.LegacyBonus = 17;
  SetFifth(threeGems, false);
  EXPECT_EQ(threeGems.StatIds[4], 0);
  SetFifth(threeGems, true);
  EXPECT_EQ(threeGems.StatIds[4], 148);

  CraftedItem levelFifty = ItemWithGems(50, 4);
  levelFifty.LegacyBonus = 17;
  SetFifth(levelFifty, true);
  EXPECT_EQ(levelFifty.StatIds[4], 0);
}

// ---- bonus level and name ----

TEST(CraftedBonusLevel, HalvesTheWeightsRoundingToEven) {
  EXPECT_EQ(CraftedBonusLevel(ItemWithGems(51, 4)), 48);  // (4 x 19 + 19) / 2 = 47.5
  EXPECT_EQ(CraftedBonusLevel(CraftedItem{}), 0);
  CraftedItem negative;
  negative.StatIds[0] = 1;
  negative.StatValues[0] = -30;
  EXPECT_EQ(CraftedBonusLevel(negative), 0);
  CraftedItem heavy = ItemWithGems(51, 4);
  heavy.LegacyBonus = 17;
  SetFifth(heavy, false);
  EXPECT_EQ(CraftedBonusLevel(heavy), 50);  // (76 + 22 + 19) / 2 is capped
}

TEST(AutomaticName, KindWordsByRealmAndSlot) {
  CraftedItem item;
  item.ItemLevel = 51;
  const auto name = [&](int absorption, int realm, int equipmentSlot) {
    item.Absorption = static_cast<std::uint8_t>(absorption);
    return AutomaticName(item, realm, equipmentSlot, {});
  };
  EXPECT_EQ(name(2, realm::Hibernia, slot::Chest), "Lv51 Reinforced");
  EXPECT_EQ(name(3, realm::Midgard, slot::Chest), "Lv51 Chain");
  EXPECT_EQ(name(5, realm::Albion, slot::Chest), "Lv51 Item");
  EXPECT_EQ(name(5, realm::Albion, slot::LeftHand), "Lv51 Weapon/Shield");
  EXPECT_EQ(name(4, realm::Albion, slot::RightHand), "Lv51 Plate");
  EXPECT_EQ(name(9, realm::Albion, slot::Ranged), "Lv51 Weapon");
  item.ItemLevel = 7;
  EXPECT_EQ(name(1, realm::Albion, slot::Feet), "Lv7 Leather");
}

TEST(AutomaticName, BonusTextOrSpecialName) {
  const auto cloth = Offers(kCleric, slot::Chest, 0);
  CraftedItem item = ItemWithGems(51, 4);
  item.Absorption = 0;
  item.FifthSlotBonus = 0;
  item.LegacyBonus = 8;
  EXPECT_EQ(AutomaticName(item, realm::Albion, slot::Chest, cloth), "Lv51 Cloth : ( All Casting + 3 )");
  const auto chain = Offers(kCleric, slot::Chest, 3);
  ChooseOffer(item, chain, 1);
  EXPECT_EQ(AutomaticName(item, realm::Albion, slot::Chest, chain), "Sigil Enchanted Mail Hauberk (All Melee +3)");
  const auto weapon = Offers(kCleric, slot::TwoHand, 5);
  ChooseOffer(item, weapon, 1);  // an offer without a special name
  item.Absorption = 5;
  EXPECT_EQ(AutomaticName(item, realm::Albion, slot::TwoHand, weapon), "Lv51 Weapon : ( Strength Cap + 5 )");
  item.LegacyBonus = 120;  // no such entry
  EXPECT_EQ(AutomaticName(item, realm::Albion, slot::TwoHand, weapon), "Lv51 Weapon");
}

// ---- alchemy procs ----

TEST(AlchemyProcs, KindsInOrderAndLookup) {
  const auto procs = AlchemyProcList();
  ASSERT_EQ(procs.size(), 127u);
  EXPECT_EQ(procs[0], "(No Proc Selected)");
  const auto count = [&](std::string_view kind) {
    return std::count_if(procs.begin(), procs.end(), [&](std::string_view p) { return p.starts_with(kind); });
  };
  EXPECT_EQ(count("(Reactive) ("), 33);
  EXPECT_EQ(count("(Charges) ("), 52);
  EXPECT_TRUE(procs[33].starts_with("(Reactive)"));
  EXPECT_EQ(procs[126], "(Offensive) (20) Direct Damage (Spirit:41v)");

  EXPECT_EQ(AlchemyProcIndexOf("(charges) (49) celerity (15%/5MIN)"), 34);
  EXPECT_EQ(AlchemyProcIndexOf("(Charges) (49) Celerity"), 0);
}

// ---- gem stat labels and archetypes ----

TEST(GemStatLabels, OverridesCatalogueAndMaulerLines) {
  EXPECT_EQ(GemStatLabel(9), "Power");
  EXPECT_EQ(GemStatLabel(21), "All Casting ");
  EXPECT_EQ(GemStatLabel(28), "Slash ");
  EXPECT_EQ(GemStatLabel(133), "Focus:Witchcraft");
  EXPECT_EQ(GemStatLabel(134), "Mauler Staff");
  EXPECT_EQ(GemStatLabel(139), "");
  // Resolving a narrowed box by label must land on the same entry.
  for (int entry = 0; entry < kGemStatEntryCount; ++entry) EXPECT_EQ(GemStatEntryOfLabel(GemStatLabel(entry)), entry);
  EXPECT_EQ(GemStatEntryOfLabel("Slash"), -1);
}

TEST(Archetypes, SubListsOfTheGemStatList) {
  ASSERT_EQ(ArchetypeCaptions().size(), 8u);
  EXPECT_EQ(ArchetypeCaptions()[7], "6. Full Listing");
  EXPECT_TRUE(ArchetypeEntries(kNoArchetype).empty());
  EXPECT_TRUE(ArchetypeEntries(8).empty());
  EXPECT_EQ(ArchetypeEntries(1), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  const auto common = ArchetypeEntries(3);
  ASSERT_EQ(common.size(), 14u);
  EXPECT_EQ(GemStatLabel(common[2]), "All Casting ");
  EXPECT_EQ(GemStatLabel(common[9]), "Mauler Staff");
  const auto midgard = ArchetypeEntries(6);
  EXPECT_EQ(midgard.size(), 32u);
  EXPECT_EQ(midgard[1], 103);
  EXPECT_EQ(midgard.back(), 133);
  EXPECT_EQ(ArchetypeEntries(kFullListing).size(), 139u);
  EXPECT_EQ(ArchetypePositionOf(4, 28), 1);
  EXPECT_EQ(ArchetypePositionOf(4, 65), -1);
  EXPECT_EQ(ArchetypePositionOf(kFullListing, 138), 138);
}

}  // namespace
}  // namespace davoruzivi
