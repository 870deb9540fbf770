#pragma once
// A text of at most N single-byte characters, as the planner's records hold it:
// a longer value is cut to its first N characters when stored.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace davoruzivi {

template <std::size_t N>
class ShortString {
  static_assert(N <= 255, "the length must fit its length byte");

 public:
  static constexpr std::size_t kCapacity = N;

  ShortString() = default;
  ShortString(std::string_view text) { Assign(text); }  // NOLINT: texts convert freely

  ShortString& operator=(std::string_view text) {
    Assign(text);
    return *this;
  }

  // Only the first Size() characters count; what lies after them is never read.
  void Assign(std::string_view text) {
    length_ = static_cast<std::uint8_t>(std::min(text.size(), N));
    std::copy_n(text.data(), length_, chars_.data());
  }

  std::string_view View() const { return {chars_.data(), length_}; }
  std::string Str() const { return std::string(View()); }
  operator std::string_view() const { return View(); }  // NOLINT
  bool Empty() const { return length_ == 0; }
  std::size_t Size() const { return length_; }

  friend bool operator==(const ShortString& a, const ShortString& b) { return a.View() == b.View(); }
  friend bool operator==(const ShortString& a, std::string_view b) { return a.View() == b; }

 private:
  std::uint8_t length_ = 0;
  std::array<char, N> chars_{};
};

}  // namespace davoruzivi
