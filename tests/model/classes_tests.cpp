// The class, race, realm and server type tables and Apply class.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "template/classes.h"

namespace davoruzivi {
namespace {

std::set<int> ClassesWhere(bool (*test)(const ClassInfo&)) {
  std::set<int> found;
  for (int c = 0; c < 47; ++c) {
    if (test(ClassInfoOf(c))) found.insert(c);
  }
  return found;
}

TEST(ClassTable, FlagsAcuityArmourAndShields) {
  EXPECT_EQ(ClassesWhere([](const ClassInfo& i) { return i.DualWields; }),
            (std::set<int>{5, 6, 7, 19, 25, 27, 28, 32, 36, 38, 39}));
  EXPECT_EQ(ClassesWhere([](const ClassInfo& i) { return i.UsesArchery; }), (std::set<int>{12, 28, 35}));
  EXPECT_EQ(ClassesWhere([](const ClassInfo& i) { return i.IsMauler; }), (std::set<int>{6, 25, 36}));
  // Acuity, armour index and shield size of an Armsman, a Cleric and a Bard.
  for (const auto& [c, acuity, armour, shield] : {std::array{0, 0, 4, 17}, {2, 1, 3, 16}, {18, 4, 2, 15}}) {
    const ClassInfo& info = ClassInfoOf(c);
    EXPECT_EQ((std::array<int, 4>{c, info.AcuityStat, info.ArmorAbsorption, info.ShieldSize}),
              (std::array<int, 4>{c, acuity, armour, shield}));
  }
  EXPECT_EQ(ClassInfoOf(3).SpecPointsPerLevel, 1.801) << "kept as the decimal, not 1.8";
}

TEST(ClassTable, FocusAndInstrumentClasses) {
  EXPECT_EQ(ClassesWhere([](const ClassInfo& i) { return i.FocusCaster; }),
            (std::set<int>{1, 9, 13, 14, 15, 16, 17, 22, 23, 26, 33, 37, 42, 45}));
  EXPECT_EQ(ClassesWhere([](const ClassInfo& i) { return i.UsesInstrument; }), (std::set<int>{8, 18}));
}

TEST(ClassTable, SpecLinesAndAutoTrain) {
  EXPECT_EQ(ClassInfoOf(0).AutoTrain, (std::array<bool, 8>{false, false, false, false, true, false, true, false}));
  EXPECT_EQ(ClassInfoOf(10).SpecLines[6], (SpecLine{"Chants+", 249}));
  EXPECT_EQ(ClassInfoOf(27).SpecLines[6], (SpecLine{"Nightshade Magic", 255}));
  EXPECT_EQ(ClassInfoOf(12).SpecLines[1], (SpecLine{"Archery (L.Bow)+", 35}));
  EXPECT_EQ(ClassInfoOf(38).SpecLines[1], (SpecLine{"Hand 2 Hand", 108}));
  EXPECT_EQ(ClassInfoOf(45).SpecLines[5], (SpecLine{"", 133})) << "a focus without a row";
  EXPECT_EQ(ClassInfoOf(45).SpecLines[7], (SpecLine{"", 255})) << "a line the table does not list";

  for (int c = 0; c < 47; ++c) {
    const ClassInfo& info = ClassInfoOf(c);
    for (int n = 0; n < 8; ++n) {
      const SpecLine& line = info.SpecLines[n];
      EXPECT_EQ(info.AutoTrain[n], line.Caption.ends_with('+')) << "class " << c << " line " << n;
      if (line.Caption.empty() && line.Stat != 255) {
        EXPECT_TRUE(info.FocusCaster) << "only casters have lines without a row: class " << c;
      }
    }
  }
  EXPECT_EQ(ClassInfoOf(-1), ClearedClassInfo());
  EXPECT_EQ(ClassInfoOf(47), ClearedClassInfo());
  for (const SpecLine& line : ClearedClassInfo().SpecLines) EXPECT_EQ(line, (SpecLine{" ", 255}));
}

TEST(Classes, RealmsAndEntryTexts) {
  for (const auto& [classIndex, realm] : {std::pair{-1, -1}, {15, 0}, {16, 1}, {46, 2}, {47, -1}})
    EXPECT_EQ(CharacterRealm(classIndex), realm) << classIndex;
  for (int c = 0; c < 47; ++c) EXPECT_EQ(ClassIndexOf(ClassEntryText(c)), c);
  EXPECT_EQ(ClassEntryText(46), "(Mid) Warrior");
  EXPECT_EQ(ClassEntryText(47), "");
  EXPECT_EQ(ClassIndexOf("(alb) armsman"), -1) << "the class box compares exactly";
  EXPECT_EQ(ClassIndexOf("(Alb) Cleric "), -1);
  EXPECT_EQ(DefaultClassOfRealm(2), 32);
  EXPECT_EQ(DefaultClassOfRealm(3), -1);
}

TEST(ApplyClass, FillsTheClearedValuesFromTheTable) {
  const AppliedClass warrior = ApplyClass(46);
  EXPECT_EQ(warrior.Realm, 2);
  EXPECT_EQ(warrior.Info.SpecLines[5], (SpecLine{"Sword+", 103}));
  EXPECT_EQ(warrior.Info.SpecLines[6], (SpecLine{" ", 255}));
  EXPECT_EQ(warrior.Info.AutoTrain, (std::array<bool, 8>{false, false, false, true, true, true, false, false}));
  EXPECT_FALSE(warrior.Info.UsesInstrument || warrior.Info.UsesArchery || warrior.Info.DualWields ||
               warrior.Info.FocusCaster || warrior.Info.IsMauler);
  ASSERT_EQ(warrior.Races.size(), 8u);
  EXPECT_EQ(warrior.Races[7], "Valkyn");

  const AppliedClass cabalist = ApplyClass(1);
  EXPECT_EQ(cabalist.Info.SpecLines[3], (SpecLine{" ", 54})) << "no row: the caption stays blank";
  EXPECT_EQ(cabalist.Info.AcuityStat, acuity::Intelligence);

  const AppliedClass none = ApplyClass(-1);
  EXPECT_EQ(none.Realm, -1);
  EXPECT_EQ(none.Info, ClearedClassInfo());
  EXPECT_EQ(std::vector<std::string_view>(none.Races.begin(), none.Races.end()), std::vector<std::string_view>{"<None>"});
}

TEST(Races, ListsIndicesAndResists) {
  using Races = std::vector<std::string_view>;
  const auto racesOf = [](int realm) { return Races(RaceList(realm).begin(), RaceList(realm).end()); };
  EXPECT_EQ(racesOf(0), (Races{"<None>", "Avalonian", "Briton", "Half-Ogres", "Highlander", "Inconnu", "Minotaur",
                               "Saracen"}));
  EXPECT_EQ(racesOf(1), (Races{"<None>", "Celt", "Elf", "Firbolg", "Lurikeen", "Minotaur", "Shar", "Sylvan"}));
  EXPECT_EQ(RaceIndex("Briton"), 1);
  EXPECT_EQ(RaceIndex("Minotaur"), 19);
  EXPECT_EQ(RaceIndex("briton"), 0);
  EXPECT_EQ(RaceResists("Inconnu"), (RaceResistValues{2, 0, 3, 5, 0, 0, 0, 0, 5}));
  EXPECT_EQ(RaceResists("Valkyn"), (RaceResistValues{0, 3, 2, 0, 5, 0, 0, 5, 0}));
  EXPECT_EQ(RaceResists("Minotaur"), (RaceResistValues{4, 0, 0, 3, 3, 0, 0, 0, 0})) << "crush, heat and cold";
  EXPECT_EQ(RaceResists("Half-Ogre"), RaceResistValues{});
}

TEST(ServerTypes, TextsAndMenu) {
  EXPECT_EQ(ServerTypeText(7), "");
  EXPECT_EQ(ServerTypeIndex("Ywaine"), -1);
  EXPECT_EQ(ReadServerTypeText("Ywaine"), "Ywain");
  EXPECT_EQ(ServerTypeMenuCaption(1), "&Cooperative");
  EXPECT_EQ(ServerTypeMenuCaption(2), "Cla&ssic");
  EXPECT_EQ(ServerTypeMenuCaption(6), "&Realm-Free");
}

TEST(ServerTypes, ImportAcceptsOnlyEqualTypesAndTheirSuccessors) {
  const std::set<std::pair<int, int>> accepted = {{0, 5}, {1, 6}, {2, 5}, {3, 6}};
  for (int imported = 0; imported < 7; ++imported) {
    for (int open = 0; open < 7; ++open) {
      const bool expected = imported == open || accepted.contains({imported, open});
      EXPECT_EQ(!ImportServerRefusal(ServerTypeText(imported), ServerTypeText(open)).has_value(), expected)
          << imported << " into " << open;
      if (imported <= 4) {
        EXPECT_EQ(!LegacyImportServerRefusal(imported, open).has_value(), expected) << imported << " into " << open;
      }
    }
  }
  EXPECT_EQ(ImportServerRefusal("Ywain", "Normal"),
            "Import aborted. The template being imported is not specifically for your server type (Ywaine).");
  EXPECT_EQ(ImportServerRefusal("Realm Free", "Coop"),
            "Import aborted. The template being imported is not specifically for your server type (Realm-Free).");
  EXPECT_EQ(ImportServerRefusal("Ywaine", "Ywain"), "Import aborted. Unrecognized server type in template.");
  EXPECT_FALSE(LegacyImportServerRefusal(6, 2).has_value()) << "5 and above pass";
  EXPECT_EQ(LegacyImportServerRefusal(4, 5),
            "Import aborted. The template being imported is not specifically for your server type (Origins).");
}

TEST(ServerTypes, OldTypesConvertToTheirSuccessors) {
  const int converted[] = {5, 6, 5, 6, 4, 5, 6};
  for (int s = 0; s < 7; ++s) EXPECT_EQ(ConvertOldServerType(s), converted[s]) << s;
  EXPECT_TRUE(IsOldServerType(3));
  EXPECT_FALSE(IsOldServerType(4));
}

TEST(SkillGroups, MembershipAtTheRangeEdges) {
  const auto groupsOf = [](int statId) {
    std::string groups;
    if (IsInSkillGroup(SkillGroup::Melee, statId)) groups += 'M';
    if (IsInSkillGroup(SkillGroup::Casting, statId)) groups += 'C';
    if (IsInSkillGroup(SkillGroup::DualWield, statId)) groups += 'D';
    if (IsInSkillGroup(SkillGroup::Archery, statId)) groups += 'A';
    return groups;
  };
  const std::vector<std::pair<int, std::string>> cases = {
      {27, ""},  {28, "M"},  {34, "D"},  {35, "A"},  {36, ""},   {38, "C"},  {53, "C"},  {54, ""},
      {69, "D"}, {72, "A"},  {92, ""},   {108, "M"}, {109, "A"}, {126, ""},  {185, "M"}, {187, "C"}, {190, ""}};
  for (const auto& [statId, groups] : cases) EXPECT_EQ(groupsOf(statId), groups) << "StatId " << statId;
}

}  // namespace
}  // namespace davoruzivi
