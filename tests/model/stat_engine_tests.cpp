// The stat engine: totals of the equipped items, caps from level, realm rank
// and cap bonuses, and the comparison of the two.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "model/test_support.h"

namespace davoruzivi {
namespace {

using Values = std::vector<std::int32_t>;

class StatEngine : public test::EquippingTest {
 protected:
  void Preview(int s, int vaultPosition) {
    SlotPreview& preview = model_.Equip.Previews[static_cast<std::size_t>(s)];
    preview.Active = preview.Kind = 1;
    preview.VaultIndex = vaultPosition;
  }
  // The values of the array for the stats, in order.
  static Values Pick(const std::array<std::int32_t, kStatArraySize>& values, std::initializer_list<int> stats) {
    Values picked;
    for (int stat : stats) picked.push_back(values[static_cast<std::size_t>(stat)]);
    return picked;
  }
  static void ExpectTotals(const StatResult& r, int first, int last, int expected) {
    for (int stat = first; stat <= last; ++stat) EXPECT_EQ(r.Totals[static_cast<std::size_t>(stat)], expected) << stat;
  }
};

TEST_F(StatEngine, BaseCapsFollowLevelAndRealmRank) {
  struct Case {
    int level, realmRank, capStat, capResist, capSkill, fifth, half;
  };
  for (const Case& c : {Case{1, 0, 1, 1, 1, 0, 0}, Case{5, 0, 7, 3, 2, 1, 2}, Case{50, 0, 75, 26, 11, 10, 25},
                        Case{50, 12, 75, 26, 23, 10, 25}}) {
    SCOPED_TRACE(std::to_string(c.level) + " RR index " + std::to_string(c.realmRank));
    config_.Level = static_cast<std::uint8_t>(c.level);
    config_.RealmRank = static_cast<std::uint8_t>(c.realmRank);
    const StatResult r = Run();
    // The first and last stat of each group.
    EXPECT_EQ(Pick(r.Caps, {1, 142, 9, 143, 20, 189, 144, 169, 149, 197, 145, 184, 10, 146}),
              (Values{c.capStat, c.capStat, c.capResist, c.capResist, c.capSkill, c.capSkill, c.level, c.level, c.fifth,
                      c.fifth, c.half, c.half, c.level * 4, c.level * 8}));
    EXPECT_EQ(Pick(r.Caps, {22, 200, 171, 213, 203, 217, 198, 202, 218, 227, 228, 245, 0, 174, 249, 300}),
              (Values{50, 50, 10, 10, 100, 100, 41, 1, 52, 52, 15, 15, 0, 0, 0, 0}));
  }
}

TEST_F(StatEngine, ComparesUpTo248AndLeavesTheRestUncompared) {
  StatResult r = Run();
  for (std::size_t stat = 0; stat <= 248; ++stat) {
    EXPECT_EQ(r.Totals[stat], 0) << stat;
    EXPECT_EQ(r.Diffs[stat], -r.Caps[stat]) << stat;
    EXPECT_EQ(r.States[stat], r.Caps[stat] == 0 ? StatState::AtCap : StatState::UnderCap) << stat;
  }
  EquipVault(slot::Chest, AddToVault({{1, 80}, {2, 75}, {3, -4}, {249, 5}, {300, 7}, {301, 9}, {65535, 11}}));
  r = Run();
  EXPECT_EQ(r.Diffs[1], 5);
  EXPECT_EQ(r.States[1], StatState::OverCap);
  EXPECT_EQ(r.Diffs[2], 0);
  EXPECT_EQ(r.States[2], StatState::AtCap);
  EXPECT_EQ(r.Diffs[3], -79);
  EXPECT_EQ(r.Totals[249], 5);
  EXPECT_EQ(r.Totals[300], 7);
  for (std::size_t stat = 249; stat <= 300; ++stat) {
    EXPECT_EQ(r.States[stat], StatState::NotCompared) << stat;
    EXPECT_EQ(r.Diffs[stat], 0) << stat;
  }
  long long sum = 0;
  for (std::int32_t total : r.Totals) sum += std::abs(total);
  EXPECT_EQ(sum, 80 + 75 + 4 + 5 + 7);  // the bonuses of stats 301 and 65535 went nowhere
}

TEST_F(StatEngine, RealmRankRaisesOnlyTheCharactersSkills) {
  config_.RealmRank = 4;
  StatResult r = Run(0);  // Albion
  ExpectTotals(r, 23, 53, 4);
  ExpectTotals(r, 54, 133, 0);
  ExpectTotals(r, 185, 189, 4);
  EXPECT_EQ(Pick(r.Totals, {20, 21, 22, 181, 182, 249}), Values(6, 0));
  EXPECT_EQ(r.Caps[28], 15);
  r = Run(16);  // Hibernia
  ExpectTotals(r, 28, 64, 0);
  ExpectTotals(r, 65, 91, 4);
  ExpectTotals(r, 92, 133, 0);
  r = Run(32);  // Midgard
  ExpectTotals(r, 28, 102, 0);
  ExpectTotals(r, 103, 125, 4);
}

TEST_F(StatEngine, AllSkillBonusesAddToTheirSkillGroups) {
  config_.RealmRank = 1;
  EquipVault(slot::Neck, AddToVault({{20, 3}, {21, 2}, {181, 1}, {182, 5}, {179, 7}, {180, 9}}));
  // Melee 28, 37, 185; casting 38, 189; dual wield 34; archery 35; no group 23; another realm 65.
  EXPECT_EQ(Pick(Run(0).Totals, {28, 37, 185, 38, 189, 34, 35, 23, 65, 179}), (Values{4, 4, 4, 3, 3, 2, 6, 1, 0, 7}));
  EXPECT_EQ(Pick(Run(16).Totals, {70, 73, 69, 72, 28}), (Values{4, 3, 2, 6, 0}));
}

TEST_F(StatEngine, RaceResistsRaiseTotalsAndCaps) {
  config_.Race = "Briton";
  StatResult r = Run(0);
  EXPECT_EQ(Pick(r.Totals, {11, 12, 13, 19}), (Values{2, 3, 0, 5}));
  EXPECT_EQ(Pick(r.Caps, {11, 12, 13, 19}), (Values{28, 29, 26, 31}));
  for (const char* race : {"<None>", "briton", "Martian"}) {
    config_.Race = race;
    r = Run(0);
    ExpectTotals(r, 11, 19, 0);
    EXPECT_EQ(Pick(r.Caps, {11, 15, 19}), (Values{26, 26, 26})) << race;
  }
}

TEST_F(StatEngine, WeaponChoiceSelectsTheWeaponSlots) {
  EquipVault(slot::RightHand, AddToVault({{1, 1}}));
  EquipVault(slot::LeftHand, AddToVault({{1, 2}}));
  EquipVault(slot::TwoHand, AddToVault({{1, 4}}));
  EquipVault(slot::Ranged, AddToVault({{1, 8}}));
  EquipVault(slot::Chest, AddToVault({{1, 16}}));
  const int expected[] = {16, 19, 20, 24, 16};
  for (int w = 0; w <= 4; ++w) {
    config_.WeaponsEquipped = static_cast<std::uint8_t>(w);
    EXPECT_EQ(Run().Totals[1], expected[w]) << w;
  }
}

TEST_F(StatEngine, PreviewReplacesTheSlotsItem) {
  EquipVault(slot::Chest, AddToVault({{1, 5}}));
  EquipVault(slot::TwoHand, AddToVault({{4, 9}}));
  Preview(slot::Chest, AddToVault({{1, 7}}));
  Preview(slot::Head, AddToVault({{3, 3}}));  // the head slot is empty
  Preview(slot::RightHand, AddToVault({{2, 6}}));  // excluded by the two-handed choice
  config_.WeaponsEquipped = weapons::TwoHanded;
  EXPECT_EQ(Pick(Run().Totals, {1, 2, 3, 4}), (Values{7, 0, 3, 9}));
  Preview(slot::TwoHand, AddToVault({{5, 2}}));
  EXPECT_EQ(Pick(Run().Totals, {4, 5}), (Values{0, 2}));
}

TEST_F(StatEngine, MythirianCountsOnlyAtItsChampionLevel) {
  const int needs8 = AddToVault({{1, 5}}, {}, "Requires CL8");
  const int needs10 = AddToVault({{1, 6}}, {}, "CL10 only");
  const int needs6 = AddToVault({{1, 7}}, {}, "CL6");
  const int plain = AddToVault({{2, 2}});
  const auto totalsAt = [&](int championLevel) {
    config_.ChampionLevel = static_cast<std::uint8_t>(championLevel);
    return Pick(Run().Totals, {1, 2, 3});
  };
  for (const auto& [item, level, amount] : {std::tuple{needs8, 8, 5}, {needs10, 10, 6}, {needs6, 6, 7}}) {
    EquipVault(slot::Mythirians, item);
    EXPECT_EQ(totalsAt(level - 1), (Values{0, 0, 0})) << level;
    EXPECT_EQ(totalsAt(level), (Values{amount, 0, 0})) << level;
  }
  config_.Slots[slot::Mythirians] = "e0";  // a preview in an empty slot is tested itself
  Preview(slot::Mythirians, needs8);
  EXPECT_EQ(totalsAt(7), (Values{0, 0, 0}));
  EquipVault(slot::Mythirians, plain);  // an equipped vault item is tested instead of the preview
  EXPECT_EQ(totalsAt(7), (Values{5, 0, 0}));
  EquipVault(slot::Mythirians, needs8);
  Preview(slot::Mythirians, plain);
  EXPECT_EQ(totalsAt(7), (Values{0, 0, 0}));
  EquipInline(slot::Mythirians, {{3, 4}});  // an inline item is not tested: the preview is
  Preview(slot::Mythirians, needs8);
  EXPECT_EQ(totalsAt(7), (Values{0, 0, 0}));
  model_.Equip.Previews[slot::Mythirians].Active = 0;
  EXPECT_EQ(totalsAt(7), (Values{0, 0, 4}));
}

TEST_F(StatEngine, OmnicrafterPlanCountsGemsOnceAndFurtherBonusesOfFlaggedSlots) {
  EquipCrafted(slot::Chest, {{1, 10}, {2, 10}, {3, 10}, {4, 10}, {5, 3}, {10, 40}});
  EquipCrafted(slot::Legs, {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {5, 2}, {0, 9}});
  EquipCrafted(slot::Head, {{1, 1}, {0, 0}, {0, 0}, {0, 0}, {5, 1}});
  EquipVault(slot::Neck, AddToVault({{1, 50}}));
  Preview(slot::Legs, AddToVault({{4, 12}}));
  OmniCrafted& omni = model_.Equip.Omni;
  omni.SlotFlags[slot::Chest] = omni.SlotFlags[slot::Legs] = omni.SlotFlags[slot::Neck] = 1;
  omni.GemStats = {1, 2, 65535};
  omni.GemAmounts = {6, 4, 8};
  omni.Enabled = 1;
  // Gems once, bonuses 5 and 6 of flagged crafted items, the head whole; no neck, no preview, no empty bonus.
  EXPECT_EQ(Pick(Run().Totals, {1, 2, 3, 4, 5, 10, 0}), (Values{7, 4, 0, 0, 6, 40, 0}));

  omni.Enabled = 0;
  model_.Equip.Previews[slot::Legs].Active = 0;
  const StatResult r = Run();
  EXPECT_EQ(Pick(r.Totals, {1, 2, 5, 0}), (Values{61, 10, 6, 9}));  // an empty bonus adds into entry 0
  EXPECT_EQ(r.States[0], StatState::OverCap);
}

TEST_F(StatEngine, CapBonusesRaiseAttributeCaps) {
  EquipVault(slot::Chest, AddToVault({{134, 30}, {135, -5}, {136, 10}}));
  // A negative Constitution Cap counts as larger than the cap.
  EXPECT_EQ(Pick(Run().Caps, {1, 219, 2, 221, 3, 223, 4, 225}), (Values{101, 26, 101, 26, 85, 42, 75, 52}));
  EquipVault(slot::Head, AddToVault({{219, 10}, {222, 30}}));  // a Stat+Cap bonus counts as its Cap-only twin
  const StatResult r = Run();
  EXPECT_EQ(Pick(r.Caps, {1, 3}), (Values{111, 115}));
  EXPECT_EQ(Pick(r.Totals, {1, 3, 223}), (Values{0, 30, 30}));
}

TEST_F(StatEngine, AcuityGoesToTheClassAttribute) {
  EquipVault(slot::Chest, AddToVault({{142, 10}, {5, 20}, {138, 5}, {143, 8}, {226, 4}, {227, 3}}));
  StatResult r = Run(2);  // Cleric: Piety
  EXPECT_EQ(Pick(r.Totals, {5, 6}), (Values{34, 0}));
  EXPECT_EQ(Pick(r.Caps, {5, 6, 142, 227}), (Values{95, 75, 83, 39}));
  r = Run(0);  // Armsman: no acuity attribute
  EXPECT_EQ(Pick(r.Totals, {5, 6}), (Values{20, 0}));
  EXPECT_EQ(Pick(r.Caps, {5, 6, 227}), (Values{75, 75, 52}));
}

TEST_F(StatEngine, MythicalResistsAndPoolCaps) {
  EquipVault(slot::Chest, AddToVault({{228, 5}, {229, 4}, {215, 3}, {236, 20}, {242, 2}, {218, 7}}));
  EquipVault(slot::Head, AddToVault({{144, 60}, {146, 100}, {190, 10}}));
  const StatResult r = Run();
  // Crush: cap raised by both crush bonuses before one counts as the other; damage reduction into 11..13.
  EXPECT_EQ(Pick(r.Caps, {11, 15, 16}), (Values{35, 41, 28}));
  EXPECT_EQ(Pick(r.Totals, {11, 12, 13, 14, 15, 16, 229}), (Values{8, 3, 3, 0, 20, 2, 9}));
  EXPECT_EQ(Pick(r.Totals, {1, 219}), (Values{7, 7}));
  EXPECT_EQ(Pick(r.Caps, {9, 145, 10, 147}), (Values{76, 75, 300, 60}));
}

// Amounts near the 32-bit limit wrap in two's complement, in the sums, the
// caps the bonuses raise and the difference to the cap alike.
TEST_F(StatEngine, TotalsNearTheLimitWrap) {
  constexpr std::int32_t kMax = 2147483647;
  config_.Level = 50;
  EquipInline(slot::Chest, {{1, kMax}, {142, kMax}, {226, kMax}, {228, kMax}, {229, kMax}, {215, kMax}});
  EquipInline(slot::Head, {{1, kMax}, {20, kMax}, {143, kMax}, {11, kMax}});
  const StatResult r = Run();
  EXPECT_EQ(r.Totals[1], -2);  // 2 x max
  EXPECT_EQ(r.Totals[11], kMax - 2);  // the item, the physical damage reduction and its mythical bonus
  EXPECT_EQ(r.Diffs[20], kMax - r.Caps[20]);
  EXPECT_EQ(r.Diffs[1], static_cast<std::int32_t>(static_cast<std::uint32_t>(r.Totals[1]) - static_cast<std::uint32_t>(r.Caps[1])));
  config_.Slots[slot::Chest].clear();
  config_.Slots[slot::Head].clear();
  EquipInline(slot::Legs, {{1, -kMax}, {1, -kMax}});
  EXPECT_EQ(Run().Totals[1], 2);  // -2 x max
}

TEST_F(StatEngine, InvalidReferencesCountAsEmptySlots) {
  EquipVault(slot::Legs, 999);  // past the vault
  const std::pair<int, const char*> refs[] = {{slot::Chest, "vx"}, {slot::Head, "v9"},  {slot::Arms, "c0"},
                                               {slot::Hands, "i-1"}, {slot::Neck, ""},   {slot::Cloak, "q0"},
                                               {slot::Belt, "v"},    {slot::Feet, "v99999999999"},
                                               {slot::Mythirians, "v3"}};
  for (const auto& [s, ref] : refs) config_.Slots[static_cast<std::size_t>(s)] = ref;
  model_.Equip.Omni.Enabled = 1;
  model_.Equip.Omni.SlotFlags[slot::Arms] = 1;
  Preview(slot::Jewel, 12345);
  StatResult r;
  EXPECT_NO_THROW(r = Run());
  ExpectTotals(r, 0, 300, 0);
}

}  // namespace
}  // namespace davoruzivi
