// The command-line companion's small calculators: spec points and salvage.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_cli.h"

namespace {

using davoruzivi::testing::ExpectOutput;
using davoruzivi::testing::ExpectUsageError;

TEST(CalculatorCommands, SpecPointsPrintsTheTotal) {
  ExpectOutput({"spec-points", "50", "1.801"}, "2660\n");
  ExpectUsageError({"spec-points", "50"});
  ExpectUsageError({"spec-points", "50", "1,5"});
}

TEST(CalculatorCommands, SalvagePrintsRawAndTrinketValues) {
  ExpectOutput({"salvage", "1", "0", "0", "0", "0", "0", "0", "0", "0", "100"},
               "Raw\t0\t255\t15\t4\nTrinket\t0\t503\t1\t8\n");
  // Counts are corrected as the fields correct them.
  ExpectOutput({"salvage", "40000", "32000", "32000", "32000", "32000", "32000", "32000", "32000", "032000", "99999"},
               "Raw\t224\t572\t80\t0\nTrinket\t442\t729\t60\t0\n");
  ExpectUsageError({"salvage", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
  ExpectUsageError({"salvage", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"});
}

}  // namespace
