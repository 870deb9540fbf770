// The gem command: name, materials and imbue points of one gem.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_cli.h"

namespace {

using davoruzivi::testing::ExpectOutput;
using davoruzivi::testing::ExpectUsageError;

TEST(GemCommand, PrintsNameMaterialsAndPointsOrZeroForGemsWithoutCost) {
  ExpectOutput({"gem", "1", "9"}, "Perfect fiery essence jewel\n1 Ra , 37 Essence of Life | 10 Draconic Fire\n16.0\n");
  ExpectOutput({"gem", "10", "9", "--realm", "2"},
               "Perfect blood essence jewel\n1 Ra , 37 Essence of Life | 10 Giant Blood\n19.0\n");
  ExpectOutput({"gem", "0", "0"}, "Raw \n1 Lo ,  | \n0.0\n");
  ExpectOutput({"gem", "22", "1"},  // focus: a tier it has costs 1, one it lacks 0
               "Uncut brilliant focus sigil\n1 Um , 6 Ground Draconic Scales | 2 Draconic Fire, Mystic Energy & Treant "
               "Blood\n1.0\n");
  ExpectOutput({"gem", "20", "3"},  // all-skill gems list tier 0 only: no tier word and no materials
               "finesse war sigil\n1  ,  | \n0.0\n");
}

TEST(GemCommand, BadArgumentsAreUsageErrors) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"gem", "1"}, {"gem", "one", "2"}, {"gem", "-1", "2"}, {"gem", "1", "2", "--realm", "3"}})
    ExpectUsageError(args);
}

TEST(GemCommand, TierMustFitAStoredGemTier) {
  for (const std::string tier : {"-1", "-2147483648", "65536", "2147483647", "99999999999"})
    ExpectUsageError({"gem", "22", tier});
  ExpectOutput({"gem", "1", "65535"}, "fiery essence jewel\n1  ,  | \n0.0\n");
}

}  // namespace
