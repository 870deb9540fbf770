#include "core/text_lines.h"

#include <cstdint>
#include <cstring>


namespace davoruzivi {

namespace {

// True when one of the eight bytes of a word is zero.
constexpr bool HasZeroByte(std::uint64_t word) {
  return ((word - 0x0101010101010101ull) & ~word & 0x8080808080808080ull) != 0;
}

constexpr std::uint64_t kAllLineFeeds = 0x0A0A0A0A0A0A0A0Aull;
constexpr std::uint64_t kAllCarriageReturns = 0x0D0D0D0D0D0D0D0Dull;

}  // namespace

std::size_t FindLineBreak(const char* begin, const char* end) {
  // Eight bytes at a time while none of them is a CR or an LF.
  const char* p = begin;
  for (; end - p >= 8; p += 8) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    if (HasZeroByte(word ^ kAllLineFeeds) || HasZeroByte(word ^ kAllCarriageReturns)) break;
  }
  while (p != end && *p != '\n' && *p != '\r') ++p;
  return static_cast<std::size_t>(p - begin);
}

bool LineSource::NextLine(std::string_view& line) {
  std::size_t scanned = 0;  // bytes after next_ known to hold no line break
  for (;;) {
    const std::size_t held = static_cast<std::size_t>(end_ - next_);
    const std::size_t length = scanned + FindLineBreak(next_ + scanned, end_);
    // A CR as the last byte held may be the first half of a CR LF.
    const bool pendingCr = length + 1 == held && next_[length] == '\r' && !ended_;
    if ((length < held && !pendingCr) || (ended_ && held > 0)) {
      line = std::string_view(next_, length);
      std::size_t step = length;
      if (length < held) step += (next_[length] == '\r' && length + 1 < held && next_[length + 1] == '\n') ? 2 : 1;
      next_ += step;
      return true;
    }
    if (ended_) return false;
    scanned = length;
    if (!Refill()) ended_ = true;
  }
}

std::string SingleLine(std::string_view text) {
  std::string line(text);
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  return line;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  TextLineSource source(text);
  std::string_view line;
  while (source.NextLine(line)) lines.push_back(line);
  return lines;
}

}  // namespace davoruzivi
