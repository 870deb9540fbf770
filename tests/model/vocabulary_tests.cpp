// The item vocabularies, their twin filter lists and the legacy effect lists.

#include <gtest/gtest.h>

#include <string>

#include "core/cp1252.h"
#include "itemdb/itemdb.h"

namespace davoruzivi {
namespace {

TEST(Vocabulary, LooksUpIgnoringCaseAndFindsTheFirstOfEqualEntries) {
  Vocabulary list{"Alpha", "beta", "ALPHA", "\xC9p\xE9" "e"};
  EXPECT_EQ(list.IndexOf("alpha"), 0);
  EXPECT_EQ(list.IndexOf("BETA"), 1);
  EXPECT_EQ(list.IndexOf("\xE9P\xC9" "E"), 3) << "Windows-1252 accented letters fold too";
  EXPECT_EQ(list.IndexOf("gamma"), -1);
  EXPECT_EQ(list.TextOf(4), "");
  EXPECT_EQ(list.TextOf(-1), "");
  EXPECT_EQ(list.Append("beta"), 4);
  EXPECT_EQ(list.IndexOf("Beta"), 1) << "a later equal name does not shadow the first";
  EXPECT_EQ(ToWordIndex(list.IndexOf("delta")), 65535);

  EXPECT_TRUE(EqualIgnoringCase("\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF"));
  EXPECT_FALSE(EqualIgnoringCase("\xD7", "\xF7")) << "multiplication and division signs are not letters";
  EXPECT_FALSE(EqualIgnoringCase("ab", "abc"));
}

TEST(ItemVocabularies, FixedListsHoldTheirEntries) {
  EXPECT_EQ(SlotList().TextOf(17), "Mythirians");
  EXPECT_EQ(AbsorbList().TextOf(6), "Max armor grade allowed by Class");
  ASSERT_EQ(QualityList().Size(), 32);
  EXPECT_EQ(QualityList().TextOf(30), "100");
  EXPECT_EQ(QualityList().TextOf(31), "N/A");
  EXPECT_EQ(QualityList().TextOf(kNoQuality), "") << "no quality recorded";
  ASSERT_EQ(SpeedList().Size(), 48);
  EXPECT_EQ(SpeedList().TextOf(1), "1.5");
  EXPECT_EQ(SpeedList().TextOf(46), "6.0");
  EXPECT_EQ(SpeedList().TextOf(47), "Other");
  EXPECT_EQ(ClassList().TextOf(16), "(Hib) Animist");
}

TEST(ItemVocabularies, TwinFiltersHoldAHeaderThenTheSameNames) {
  const ItemVocabularies vocab;
  const struct {
    const TwinnedVocabulary* twins;
    const char* header;
  } headed[] = {{&vocab.ItemTypes, "<Item Type Filter>"},
                {&vocab.Expansions, "<Expansion Filter>"},
                {&vocab.Sources, "<Info Source Filter>"},
                {&vocab.Effects, "<No Proc Filter>"}};
  for (const auto& [twins, header] : headed) {
    ASSERT_EQ(twins->Filter().Size(), twins->List().Size() + 1) << header;
    EXPECT_EQ(twins->Filter().TextOf(0), header);
    for (int i = 0; i < twins->List().Size(); ++i)
      EXPECT_EQ(twins->Filter().TextOf(i + 1), twins->List().TextOf(i)) << header << " " << i;
  }

  // The weapon filter's header replaces "N/A": filter index = type index.
  const Vocabulary& weapons = vocab.WeaponTypes.Filter();
  ASSERT_EQ(weapons.Size(), 31);
  EXPECT_EQ(weapons.TextOf(0), "<Weapon Type Filter>");
  for (int i = 1; i < 27; ++i) EXPECT_EQ(weapons.TextOf(i), vocab.WeaponTypes.TextOf(i)) << i;
  EXPECT_EQ(weapons.TextOf(27), "Small Shields");
  EXPECT_EQ(weapons.TextOf(30), "Class-Sized Shields");
}

TEST(ItemVocabularies, AppendingGrowsBothTwinsAndIsFoundAgain) {
  ItemVocabularies vocab;
  EXPECT_EQ(vocab.ItemTypes.Append("Raid Drop"), 19);
  EXPECT_EQ(vocab.ItemTypes.Filter().TextOf(20), "Raid Drop");
  EXPECT_EQ(vocab.ItemTypes.IndexOrAppend("RAID DROP"), 19);
  EXPECT_EQ(vocab.ItemTypes.List().Size(), 20);
  EXPECT_EQ(vocab.ItemTypes.IndexOrAppend("artifact"), 8);

  EXPECT_EQ(vocab.WeaponTypes.IndexOrAppend("Whip"), 31);
  EXPECT_EQ(vocab.WeaponTypes.Filter().TextOf(31), "Whip") << "filter index = type index";

  const ItemVocabularies fresh;
  EXPECT_EQ(fresh.ItemTypes.List().Size(), 19) << "each vault has its own growing lists";
}

TEST(LegacyEffects, ListsShareTheNormalProcsButWhereTheyDiffer) {
  const int sizes[] = {91, 91, 91, 7, 1, 34};
  for (int kind = 1; kind <= 6; ++kind) EXPECT_EQ(LegacyEffectList(kind)->Size(), sizes[kind - 1]) << kind;
  for (int i = 0; i < 91; ++i) {
    if (i < 36 || i > 38) {
      EXPECT_EQ(LegacyReverseProcs().TextOf(i), LegacyNormalProcs().TextOf(i)) << i;
    }
    if (i < 36) {
      EXPECT_EQ(LegacyCharges().TextOf(i), LegacyNormalProcs().TextOf(i)) << i;
    }
  }
  EXPECT_EQ(LegacyReverseProcs().TextOf(38), "Disorient");
  EXPECT_EQ(LegacyCharges().TextOf(89), "Reserved");
}

TEST(LegacyEffects, TranslateByTextIntoTheEffectList) {
  ItemVocabularies vocab;
  const Vocabulary& effects = vocab.Effects.List();
  EXPECT_EQ(TranslateLegacyEffect(1, 7, effects), 78) << "Lifedrain";
  EXPECT_EQ(TranslateLegacyEffect(6, 19, effects), 94) << "Mythical Strength Bonus";
  EXPECT_EQ(TranslateLegacyEffect(1, 63, effects), 65535) << "Reserved";
  EXPECT_EQ(TranslateLegacyEffect(7, 7, effects), 0);
  EXPECT_EQ(TranslateLegacyEffect(1, 91, effects), 65535) << "past the list: the empty text, not an effect";

  // Every legacy text but "Reserved" names an effect of the list.
  for (int kind = 1; kind <= 6; ++kind) {
    const Vocabulary* legacy = LegacyEffectList(kind);
    ASSERT_NE(legacy, nullptr);
    for (int i = 0; i < legacy->Size(); ++i) {
      const std::uint16_t translated = TranslateLegacyEffect(kind, i, effects);
      if (legacy->TextOf(i) == "Reserved") continue;
      ASSERT_LT(translated, effects.Size()) << kind << "/" << i << " " << legacy->TextOf(i);
      EXPECT_EQ(effects.TextOf(translated), legacy->TextOf(i));
    }
  }
  EXPECT_EQ(LegacyEffectList(0), nullptr);
  EXPECT_EQ(LegacyEffectList(7), nullptr);
}

}  // namespace
}  // namespace davoruzivi
