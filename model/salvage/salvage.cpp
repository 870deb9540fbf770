#include "salvage/salvage.h"

#include <algorithm>

#include "core/integer_text.h"

namespace davoruzivi {
namespace {

constexpr std::int64_t kCopperPerSilver = 100;
constexpr std::int64_t kCopperPerGold = 100 * kCopperPerSilver;
constexpr std::int64_t kCopperPerPlatinum = 1000 * kCopperPerGold;

bool IsAllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string_view WithoutLeadingZeros(std::string_view digits) {
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string_view::npos ? digits.substr(digits.size() - 1) : digits.substr(first);
}

// Digits without leading zeros: longer than the bound's five digits is above it.
bool IsAboveMaxCount(std::string_view digits) {
  const std::string_view bound = "32000";
  return digits.size() > bound.size() || (digits.size() == bound.size() && digits > bound);
}

}  // namespace

std::string CorrectedCountText(std::string_view typed) {
  if (typed.empty()) return "0";
  if (!IsAllDigits(typed)) return std::string(typed);
  const std::string_view digits = WithoutLeadingZeros(typed);
  return IsAboveMaxCount(digits) ? std::to_string(kMaxMetalCount) : std::string(digits);
}

int CountOf(std::string_view fieldText) {
  return std::clamp(ParseIntegerOr(fieldText, 0), 0, kMaxMetalCount);
}

MetalCounts CountsOf(const std::array<std::string, kMetalGradeCount>& fieldTexts) {
  MetalCounts counts{};
  std::transform(fieldTexts.begin(), fieldTexts.end(), counts.begin(),
                 [](const std::string& text) { return CountOf(text); });
  return counts;
}

std::int64_t SalvageCopper(const MetalCounts& counts, SalvageOutput output) {
  std::int64_t copper = 0;
  for (std::size_t grade = 0; grade < kMetalGrades.size(); ++grade) {
    copper += counts[grade] * kMetalGrades[grade].CopperPerUnit(output);
  }
  return copper;
}

Money MoneyOf(std::int64_t copper) {
  return {copper / kCopperPerPlatinum, static_cast<int>(copper % kCopperPerPlatinum / kCopperPerGold),
          static_cast<int>(copper % kCopperPerGold / kCopperPerSilver), static_cast<int>(copper % kCopperPerSilver)};
}

SalvageValues SalvageValuesOf(const MetalCounts& counts) {
  return {MoneyOf(SalvageCopper(counts, SalvageOutput::Raw)), MoneyOf(SalvageCopper(counts, SalvageOutput::Trinket))};
}

std::array<std::string, 4> MoneyPanelTexts(const Money& money) {
  return {"P: " + std::to_string(money.Platinum) + "p", "G: " + std::to_string(money.Gold) + "g",
          "S: " + std::to_string(money.Silver) + "s", "C: " + std::to_string(money.Copper) + "c"};
}

}  // namespace davoruzivi
