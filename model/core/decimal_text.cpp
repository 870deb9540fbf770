#include "core/decimal_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cctype>
#include <cmath>
#include <cstdint>

namespace davoruzivi {
namespace {

constexpr int kSignificantDigits = 15;

// A finite number as decimal digits: digit i stands for digit × 10^(exponent − i).
// No digits is zero.
struct DecimalDigits {
  bool negative = false;
  std::array<char, kSignificantDigits + 1> digits{};
  int count = 0;
  int exponent = 0;
};

// The value's 15 significant digits, correctly rounded ("-1.23450000000000e+01").
DecimalDigits SignificantDigitsOf(double value) {
  std::array<char, 32> buffer{};
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                     std::chars_format::scientific, kSignificantDigits - 1);
  DecimalDigits number;
  const char* p = buffer.data();
  if (*p == '-') {
    number.negative = true;
    ++p;
  }
  for (; *p != 'e'; ++p)
    if (*p != '.') number.digits[static_cast<std::size_t>(number.count++)] = *p;
  ++p;
  if (*p == '+') ++p;
  std::from_chars(p, written.ptr, number.exponent);
  if (number.digits[0] == '0') number.count = 0;
  return number;
}

// Adds one unit in the place of the last of the first `kept` digits; a carry
// out of the first digit makes the number one place longer ("999" → "1000").
void IncrementLastKeptDigit(DecimalDigits& number, int kept) {
  int i = kept - 1;
  for (; i >= 0 && number.digits[static_cast<std::size_t>(i)] == '9'; --i)
    number.digits[static_cast<std::size_t>(i)] = '0';
  if (i >= 0) {
    ++number.digits[static_cast<std::size_t>(i)];
    return;
  }
  number.digits[0] = '1';
  if (kept > 0) number.digits[static_cast<std::size_t>(kept)] = '0';
  number.count = kept + 1;
  ++number.exponent;
}

// Keeps the first `kept` digits; a following digit of 5 or more rounds the
// magnitude up.
void KeepDigits(DecimalDigits& number, int kept) {
  if (kept >= number.count) return;
  if (kept < 0) {
    number.count = 0;
    return;
  }
  const bool roundUp = number.digits[static_cast<std::size_t>(kept)] >= '5';
  number.count = kept;
  if (roundUp) IncrementLastKeptDigit(number, kept);
}

// Cuts the digits after the place 10^-decimals.
void RoundToDecimals(DecimalDigits& number, int decimals) { KeepDigits(number, number.exponent + decimals + 1); }

DecimalDigits RoundedDigits(double value, int decimals, int significantDigits = kSignificantDigits) {
  DecimalDigits number = SignificantDigitsOf(value);
  KeepDigits(number, significantDigits);
  RoundToDecimals(number, decimals);
  return number;
}

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t kLargestExactInteger = std::uint64_t{1} << 53;
constexpr double kLargestWholeShownExactly = 1e15;

// The digits as the whole number digits × 10^decimals, when that number and
// the power of ten are both exact doubles.
std::optional<double> ScaledValue(const DecimalDigits& number, int decimals) {
  const int places = number.exponent + decimals + 1;
  if (places > 17 || decimals >= static_cast<int>(kPowersOfTen.size())) return std::nullopt;
  std::uint64_t scaled = 0;
  for (int i = 0; i < places; ++i)
    scaled = scaled * 10 + (i < number.count ? static_cast<std::uint64_t>(number.digits[static_cast<std::size_t>(i)] - '0') : 0);
  if (scaled > kLargestExactInteger) return std::nullopt;
  // Both operands are exact, so the quotient is the double nearest to the
  // decimal number, which is what parsing its text gives.
  const double magnitude = static_cast<double>(scaled) / kPowersOfTen[static_cast<std::size_t>(decimals)];
  return number.negative ? -magnitude : magnitude;
}

}  // namespace

std::string FixedText(double value, int decimals) { return FixedText(value, decimals, kSignificantDigits); }

std::string FixedText(double value, int decimals, int significantDigits) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  decimals = std::max(decimals, 0);
  const DecimalDigits number = RoundedDigits(value, decimals, std::clamp(significantDigits, 1, kSignificantDigits));
  std::string text;
  if (number.negative && number.count > 0) text += '-';
  const int highestPlace = number.count > 0 ? std::max(number.exponent, 0) : 0;
  for (int place = highestPlace; place >= -decimals; --place) {
    if (place == -1) text += '.';
    const int index = number.exponent - place;
    const bool shown = number.count > 0 && index >= 0 && index < number.count;
    text += shown ? number.digits[static_cast<std::size_t>(index)] : '0';
  }
  return text;
}

double FixedTextValue(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  decimals = std::max(decimals, 0);
  // A whole number of at most 15 digits is shown as it is.
  if (decimals == 0 && std::fabs(value) < kLargestWholeShownExactly &&
      value == static_cast<double>(static_cast<std::int64_t>(value)))
    return value + 0.0;
  const DecimalDigits number = RoundedDigits(value, decimals);
  if (number.count == 0) return 0.0;
  if (const auto scaled = ScaledValue(number, decimals)) return *scaled;
  return ParseDecimal(FixedText(value, decimals)).value_or(0.0);
}

std::optional<double> ParseDecimal(std::string_view text) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  const char* digits = !text.empty() && text.front() == '-' ? first + 1 : first;
  if (digits == last || !(std::isdigit(static_cast<unsigned char>(*digits)) || *digits == '.')) return std::nullopt;
  double value = 0.0;
  const auto parsed = std::from_chars(first, last, value, std::chars_format::fixed);
  if (parsed.ec != std::errc() || parsed.ptr != last) return std::nullopt;
  return value;
}

double NearestEven(double value) {
  // From 2^52 on every double is whole; those, zeros of either sign,
  // infinities and NaN are their own nearest. Below, a 64-bit integer holds
  // the whole part exactly, which spares the library's rounding calls.
  if (!(std::fabs(value) < 0x1p52) || value == 0.0) return value;
  const auto truncated = static_cast<std::int64_t>(value);
  const std::int64_t below = static_cast<double>(truncated) > value ? truncated - 1 : truncated;
  const double fraction = value - static_cast<double>(below);
  if (fraction < 0.5) return static_cast<double>(below);
  if (fraction > 0.5 || below % 2 != 0) return static_cast<double>(below + 1);
  return static_cast<double>(below);
}

}  // namespace davoruzivi
