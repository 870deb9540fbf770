#pragma once
// The salvage calculator: what amounts of the ten metal grades are worth in
// the game's money, once sold raw and once as trinkets.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace davoruzivi {

inline constexpr int kMetalGradeCount = 10;
inline constexpr int kMaxMetalCount = 32000;
inline constexpr int kMetalCountStep = 100;  // what a spin button click adds or takes

// The two money values shown for the metal.
enum class SalvageOutput { Raw, Trinket };

struct MetalGrade {
  std::string_view Label;  // both metals of the grade
  std::string_view Field;  // the input field's name
  std::int64_t RawCopper;
  std::int64_t TrinketCopper;

  constexpr std::int64_t CopperPerUnit(SalvageOutput output) const {
    return output == SalvageOutput::Raw ? RawCopper : TrinketCopper;
  }
};

inline constexpr std::array<MetalGrade, kMetalGradeCount> kMetalGrades = {{
    {"Bronze / Copper", "sBronze", 4, 8},
    {"Iron / Ferrite", "sIron", 70, 138},
    {"Steel / Quartz", "sSteel", 280, 552},
    {"Alloy / Dolomite", "sAlloy", 840, 1656},
    {"Fine Alloy / Cobalt", "sFineAlloy", 2520, 4968},
    {"Mithril / Carbide", "sMithril", 5040, 9936},
    {"Adamantium / Saphire", "sAdamantium", 7560, 14904},
    {"Asterite / Diamond", "sAsterite", 11340, 22356},
    {"Netherium / Netherite", "sNetherium", 17010, 33534},
    {"Arcanium / Arcanite", "sArcanium", 25515, 50301},
}};

// A count field's text after a change: empty becomes "0", leading zeros are
// dropped (a lone "0" stays) and a value above 32000 becomes "32000". A text
// that is not all digits (pasted) is left as it is.
std::string CorrectedCountText(std::string_view typed);

// The count a field's text stands for: its integer value within 0..32000; a
// text that is not a number counts 0.
int CountOf(std::string_view fieldText);

// One count per grade, in the order of kMetalGrades.
using MetalCounts = std::array<int, kMetalGradeCount>;

MetalCounts CountsOf(const std::array<std::string, kMetalGradeCount>& fieldTexts);

// The copper that the counts are worth, in 64 bits: all ten counts at 32000
// exceed 32 bits.
std::int64_t SalvageCopper(const MetalCounts& counts, SalvageOutput output);

// 100 copper make a silver, 100 silver a gold, 1000 gold a platinum.
struct Money {
  std::int64_t Platinum = 0;  // no upper bound
  int Gold = 0;               // 0..999
  int Silver = 0;             // 0..99
  int Copper = 0;             // 0..99

  friend bool operator==(const Money&, const Money&) = default;
};

Money MoneyOf(std::int64_t copper);

struct SalvageValues {
  Money Raw;
  Money Trinket;

  friend bool operator==(const SalvageValues&, const SalvageValues&) = default;
};

SalvageValues SalvageValuesOf(const MetalCounts& counts);

// The four panels of an output's status line: "P: 0p", "G: 0g", "S: 0s", "C: 0c".
std::array<std::string, 4> MoneyPanelTexts(const Money& money);

}  // namespace davoruzivi
