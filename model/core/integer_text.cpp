#include "core/integer_text.h"

#include <algorithm>
#include <limits>

namespace davoruzivi {
namespace {

int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9') value = c - '0';
  else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

}  // namespace

namespace {

// Up to nine decimal digits, the form almost every number in a file takes.
std::optional<std::int32_t> ParsePlainDigits(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  std::int32_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  if (auto plain = ParsePlainDigits(text)) return plain;
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  int base = 10;
  if (pos < text.size() && text[pos] == '$') {
    base = 16;
    ++pos;
  } else if (text.size() - pos >= 2 && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
    base = 16;
    pos += 2;
  }
  if (pos == text.size()) return std::nullopt;
  // Decimal values are range-checked as signed; hexadecimal ones as 32 bits.
  const std::int64_t limit = base == 10 ? std::int64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0)
                                        : std::int64_t{std::numeric_limits<std::uint32_t>::max()};
  std::int64_t value = 0;
  for (; pos < text.size(); ++pos) {
    const int digit = DigitValue(text[pos], base);
    if (digit < 0) return std::nullopt;
    value = value * base + digit;
    if (value > limit) return std::nullopt;
  }
  if (negative) value = -value;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::int32_t ParseIntegerOr(std::string_view text, std::int32_t fallback) {
  return ParseInteger(text).value_or(fallback);
}

std::string NotAnIntegerMessage(std::string_view text) {
  std::string message = "'";
  message += text;
  message += "' is not a valid integer value";
  return message;
}

std::string_view CopyOf(std::string_view text, std::ptrdiff_t first, std::ptrdiff_t count) {
  const auto size = static_cast<std::ptrdiff_t>(text.size());
  const std::ptrdiff_t begin = std::min(std::max<std::ptrdiff_t>(first, 1) - 1, size);
  const std::ptrdiff_t end = std::clamp<std::ptrdiff_t>(begin + count, begin, size);
  return text.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin));
}

}  // namespace davoruzivi
