// The stat catalogue and its ten categories.

#include <gtest/gtest.h>

#include "itemdb/itemdb.h"

namespace davoruzivi {
namespace {

StatId StatOf(int category, int entry) {
  StatChoice choice{category, entry};
  return CategoryToStat(choice);
}

StatChoice ShownAs(int statId) {
  StatChoice choice{-5, -5};
  StatToCategory(statId, choice);
  return choice;
}

TEST(StatCatalogue, NamesAreLiteralKeysWithTrailingBlanks) {
  const Vocabulary& catalogue = StatCatalogue();
  ASSERT_EQ(catalogue.Size(), 254);
  EXPECT_EQ(catalogue.TextOf(29), "Crush Skill ");
  EXPECT_EQ(catalogue.TextOf(193), "Style Damage Vs. ");
  EXPECT_EQ(catalogue.TextOf(246), "Focus: Cave Magic");
  EXPECT_EQ(catalogue.TextOf(254), "") << "past the end is the empty text";

  EXPECT_EQ(catalogue.IndexOf("all melee skills"), 20) << "the first of two equal names";
  EXPECT_EQ(catalogue.IndexOf("Crush Skill"), -1) << "the trailing blank is part of the name";
  EXPECT_EQ(catalogue.IndexOf("Crush Skill "), 29);
  EXPECT_EQ(catalogue.IndexOf("Mythical Strength Bonus (Cap Only)"), 219) << "case differs from the entry";
}

TEST(StatCategories, EntryCountsAndTexts) {
  EXPECT_EQ(StatCategoryList().Size(), 11);
  EXPECT_EQ(StatCategoryList().TextOf(10), "9. Full Listing");
  const int counts[] = {12, 10, 15, 37, 38, 32, 12, 25, 14, 253};
  for (int c = 1; c <= 10; ++c) {
    EXPECT_EQ(StatCategoryEntries(c).Size(), counts[c - 1] + 1) << "category " << c;
    EXPECT_EQ(StatCategoryEntries(c).TextOf(0), "<Empty>") << "category " << c;
  }
  EXPECT_EQ(StatCategoryEntries(11).Size(), 0);

  // The entries that differ from their catalogue names.
  EXPECT_EQ(StatCategoryEntries(1).TextOf(10), "Power Points (Not %)");
  EXPECT_EQ(StatCategoryEntries(1).TextOf(12), "Power Pool");
  EXPECT_EQ(StatCategoryEntries(2).TextOf(10), "Essence Resist");
  EXPECT_EQ(StatCategoryEntries(6).TextOf(32), "Focus:Cave Magic");

  // Every other entry reads as the catalogue name of the stat it stands for.
  for (int c = 1; c <= 10; ++c) {
    for (int e = 1; e < StatCategoryEntries(c).Size(); ++e) {
      if ((c == 1 && (e == 10 || e == 12)) || (c == 2 && e == 10) || (c == 6 && e == 32)) continue;
      StatChoice choice{c, e};
      EXPECT_EQ(StatCategoryEntries(c).TextOf(e), StatCatalogue().TextOf(CategoryToStat(choice))) << c << "/" << e;
    }
  }
}

TEST(StatCategories, CategoryToStatAndStatToCategoryFollowTheTables) {
  const int choices[][3] = {{1, 10, 9},   {1, 12, 145}, {2, 10, 198}, {3, 15, 189}, {6, 32, 246},
                            {8, 25, 197}, {10, 253, 253}, {4, 0, 0},  {4, 38, 0},   {11, 1, 0}};
  for (const auto& [category, entry, stat] : choices) EXPECT_EQ(StatOf(category, entry), stat) << category << "/" << entry;
  StatChoice reset{0, 7};
  EXPECT_EQ(CategoryToStat(reset), 0);
  EXPECT_EQ(reset.Category, 0) << "category 0 resets the choice";
  EXPECT_EQ(reset.Entry, 0);

  const int shown[][3] = {{142, 1, 9}, {179, 3, 1}, {157, 8, 7}, {159, 8, 8}, {198, 10, 198}, {255, 10, 255}};
  for (const auto& [stat, category, entry] : shown) {
    EXPECT_EQ(ShownAs(stat).Category, category) << "stat " << stat;
    EXPECT_EQ(ShownAs(stat).Entry, entry) << "stat " << stat;
  }
  for (int stat : {0, 256, -1}) {
    StatChoice choice{4, 17};
    StatToCategory(stat, choice);
    EXPECT_EQ(choice.Category, 4) << "stat " << stat << " leaves the choice";
    EXPECT_EQ(choice.Entry, 17) << "stat " << stat << " leaves the choice";
  }
}

TEST(StatCategories, ShowingAndChoosingAgainRoundTripsExceptTheDocumentedStats) {
  // Choosing a shown stat again gives the stat back for every catalogue entry
  // but the archery stats and the second all-skills entries.
  for (int stat = 1; stat < 254; ++stat) {
    StatChoice choice = ShownAs(stat);
    const StatId again = CategoryToStat(choice);
    if (stat == 157) EXPECT_EQ(again, 152);
    else if (stat == 158) EXPECT_EQ(again, 154);
    else if (stat == 159) EXPECT_EQ(again, 153);
    else if (stat == 179) EXPECT_EQ(again, 20);
    else if (stat == 180) EXPECT_EQ(again, 21);
    else EXPECT_EQ(again, stat) << "stat " << stat;
  }
  // And every entry of the first nine categories is shown again where it was
  // chosen, except the three that belong elsewhere.
  for (int c = 1; c <= 9; ++c) {
    for (int e = 1; e < StatCategoryEntries(c).Size(); ++e) {
      const StatChoice shown = ShownAs(StatOf(c, e));
      if ((c == 1 && e == 12) || (c == 2 && e == 10) || (c == 6 && e == 32)) continue;
      EXPECT_EQ(shown.Category, c) << c << "/" << e;
      EXPECT_EQ(shown.Entry, e) << c << "/" << e;
    }
  }
}

}  // namespace
}  // namespace davoruzivi
