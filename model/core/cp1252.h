#pragma once
// Windows-1252, the single-byte code page of every text the planner's files hold.
// The model keeps texts in it byte for byte; only output and display convert.

#include <array>
#include <string>
#include <string_view>

namespace davoruzivi {

namespace detail {
constexpr std::array<char, 256> MakeCaseFoldTable() {
  std::array<char, 256> table{};
  for (int i = 0; i < 256; ++i) table[i] = static_cast<char>(i);
  for (int c = 'A'; c <= 'Z'; ++c) table[c] = static_cast<char>(c + 32);
  for (int c = 0xC0; c <= 0xDE; ++c)
    if (c != 0xD7) table[c] = static_cast<char>(c + 32);  // 0xD7 is the multiplication sign
  table[0x8A] = static_cast<char>(0x9A);  // S caron
  table[0x8C] = static_cast<char>(0x9C);  // OE ligature
  table[0x8E] = static_cast<char>(0x9E);  // Z caron
  table[0x9F] = static_cast<char>(0xFF);  // Y diaeresis
  return table;
}
inline constexpr std::array<char, 256> kCaseFoldTable = MakeCaseFoldTable();
}  // namespace detail

// Lower-case partner of a Windows-1252 byte (ASCII and the accented letters).
inline char FoldCase1252(char c) { return detail::kCaseFoldTable[static_cast<unsigned char>(c)]; }

// True when both texts are equal ignoring letter case.
inline bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (FoldCase1252(a[i]) != FoldCase1252(b[i])) return false;
  return true;
}

// Lower-cased copy of a text (Windows-1252 letters included).
std::string FoldCase(std::string_view text);

std::string Cp1252ToUtf8(std::string_view text);

// Characters without a Windows-1252 form become '?'; malformed UTF-8 bytes too.
std::string Utf8ToCp1252(std::string_view text);

}  // namespace davoruzivi
