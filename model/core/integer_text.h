#pragma once
// Whole numbers as the planner's files write them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace davoruzivi {

// A signed 32-bit integer: leading blanks, an optional sign, then decimal digits
// or hexadecimal digits after "$" or "0x". Nothing may follow the digits.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// ParseInteger, or the fallback when the text is not an integer.
std::int32_t ParseIntegerOr(std::string_view text, std::int32_t fallback);

// The message of a failed conversion: "'%s' is not a valid integer value".
std::string NotAnIntegerMessage(std::string_view text);

// `count` characters of a text from character `first`, counting from 1. A start
// before 1 counts as 1; whatever lies past the end of the text is left out.
std::string_view CopyOf(std::string_view text, std::ptrdiff_t first, std::ptrdiff_t count);

}  // namespace davoruzivi
