#pragma once
// Whole numbers as the planner's files write them.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace davoruzivi {

// ParseInteger for any form of the text; ParseInteger reads the common form
// itself and leaves the others to this.
std::optional<std::int32_t> ParseIntegerOfAnyForm(std::string_view text);

// A signed 32-bit integer: leading blanks, an optional sign, then decimal digits
// or hexadecimal digits after "$" or "0x". Nothing may follow the digits.
inline std::optional<std::int32_t> ParseInteger(std::string_view text) {
  // Up to nine decimal digits, the form almost every number in a file takes,
  // can neither overflow nor be anything else.
  if (text.empty() || text.size() > 9) return ParseIntegerOfAnyForm(text);
  std::int32_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return ParseIntegerOfAnyForm(text);
    value = value * 10 + (c - '0');
  }
  return value;
}

// ParseInteger, or the fallback when the text is not an integer.
std::int32_t ParseIntegerOr(std::string_view text, std::int32_t fallback);

// The message of a failed conversion: "'%s' is not a valid integer value".
std::string NotAnIntegerMessage(std::string_view text);

// `count` characters of a text from character `first`, counting from 1. A start
// before 1 counts as 1; whatever lies past the end of the text is left out.
inline std::string_view CopyOf(std::string_view text, std::ptrdiff_t first, std::ptrdiff_t count) {
  const auto size = static_cast<std::ptrdiff_t>(text.size());
  const std::ptrdiff_t begin = std::min(std::max<std::ptrdiff_t>(first, 1) - 1, size);
  const std::ptrdiff_t end = std::clamp<std::ptrdiff_t>(begin + count, begin, size);
  return text.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin));
}

}  // namespace davoruzivi
