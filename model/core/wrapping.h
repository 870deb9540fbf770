#pragma once
// 32-bit and 16-bit sums that wrap in two's complement, as the planner's
// totals always have, without the undefined behaviour of a signed overflow.

#include <cstdint>

namespace davoruzivi {

constexpr std::int32_t WrappingAdd(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

constexpr std::int32_t WrappingSubtract(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

// The low 16 bits of a + b.
constexpr std::int16_t WrappingAdd16(std::int32_t a, std::int32_t b) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b)));
}

// A place in an array of 32-bit totals that adds with wrapping.
class WrappingTotal {
 public:
  explicit constexpr WrappingTotal(std::int32_t& value) : value_(value) {}
  constexpr WrappingTotal& operator=(std::int32_t value) {
    value_ = value;
    return *this;
  }
  constexpr WrappingTotal& operator+=(std::int32_t amount) {
    value_ = WrappingAdd(value_, amount);
    return *this;
  }
  constexpr operator std::int32_t() const { return value_; }

 private:
  std::int32_t& value_;
};

}  // namespace davoruzivi
