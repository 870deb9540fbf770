#pragma once
// Column formatting of texts: padded with blanks to a width, never cut.

#include <string>
#include <string_view>

namespace davoruzivi {

// The text followed by blanks up to `width` characters.
inline std::string LeftAligned(std::string_view text, std::size_t width) {
  std::string padded(text);
  if (padded.size() < width) padded.append(width - padded.size(), ' ');
  return padded;
}

// Blanks up to `width` characters, then the text.
inline std::string RightAligned(std::string_view text, std::size_t width) {
  std::string padded;
  if (text.size() < width) padded.assign(width - text.size(), ' ');
  padded += text;
  return padded;
}

}  // namespace davoruzivi
