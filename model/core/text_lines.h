#pragma once
// Lines of the planner's texts. A line ends at CR LF, a lone CR or a lone LF; a
// terminator at the very end of a text does not start another line.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace davoruzivi {

// Offset of the first CR or LF in [begin, end), or end - begin when there is none.
inline std::size_t FindLineBreak(const char* begin, const char* end) {
  const char* p = begin;
#if defined(__SSE2__)
  // Sixteen bytes at a time: most lines of the planner's files end within the first sixteen.
  const __m128i lineFeeds = _mm_set1_epi8('\n');
  const __m128i carriageReturns = _mm_set1_epi8('\r');
  for (; end - p >= 16; p += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i breaks = _mm_or_si128(_mm_cmpeq_epi8(bytes, lineFeeds), _mm_cmpeq_epi8(bytes, carriageReturns));
    if (const auto found = static_cast<unsigned>(_mm_movemask_epi8(breaks)))
      return static_cast<std::size_t>(p - begin) + static_cast<std::size_t>(std::countr_zero(found));
  }
#endif
  // Eight bytes at a time; a byte's high bit in `breaks` marks a CR or an LF,
  // and no byte's test carries into its neighbour's.
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kLowBits = 0x7F7F7F7F7F7F7F7Full;
  constexpr auto zeroBytes = [](std::uint64_t word) { return ~(((word & kLowBits) + kLowBits) | word | kLowBits); };
  for (; end - p >= 8; p += 8) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    const std::uint64_t breaks = zeroBytes(word ^ ('\n' * kOnes)) | zeroBytes(word ^ ('\r' * kOnes));
    if (breaks == 0) continue;
    const int bit = std::endian::native == std::endian::little ? std::countr_zero(breaks) : std::countl_zero(breaks);
    return static_cast<std::size_t>(p - begin) + static_cast<std::size_t>(bit / 8);
  }
  while (p != end && *p != '\n' && *p != '\r') ++p;
  return static_cast<std::size_t>(p - begin);
}

// Hands out the lines of a text held, in whole or in part, in a window of
// memory; a subclass that holds only part of the text refills the window.
class LineSource {
 public:
  virtual ~LineSource() = default;
  // The next line, without its terminator; false at the end. The view stays
  // valid until the next call.
  bool NextLine(std::string_view& line) {
    // Almost every line lies whole in the window with a byte after its
    // terminator, which tells a CR LF from a lone CR.
    const char* const lineEnd = next_ + FindLineBreak(next_, end_);
    if (end_ - lineEnd < 2) return NextLineAtWindowEnd(line);
    line = std::string_view(next_, static_cast<std::size_t>(lineEnd - next_));
    next_ = lineEnd + ((lineEnd[0] == '\r' && lineEnd[1] == '\n') ? 2 : 1);
    return true;
  }
  // Brings in text until the window holds `bytes` unread bytes or the text
  // has ended.
  void ReadAhead(std::size_t bytes);
  // Known once the lines have ended: whether they ended because the text
  // proved damaged rather than because it was all read.
  virtual bool Damaged() const { return false; }
  // Bytes of text brought into the window so far: all of a text held in
  // memory, what has arrived of one that is refilled.
  std::size_t ReceivedBytes() const { return received_; }

 protected:
  // The text now held, of which [next, end) is still unread; a refill keeps the
  // unread part of the window before, so what lies past it is new.
  void SetWindow(const char* next, const char* end) {
    received_ += static_cast<std::size_t>((end - next) - (end_ - next_));
    next_ = next;
    end_ = end;
  }
  const char* Next() const { return next_; }
  const char* End() const { return end_; }
  // Brings more text after the unread part (which may move) and calls
  // SetWindow; false once the text has ended.
  virtual bool Refill() = 0;

 private:
  bool NextLineAtWindowEnd(std::string_view& line);

  const char* next_ = nullptr;
  const char* end_ = nullptr;
  std::size_t received_ = 0;
  bool ended_ = false;
};

// Lines of a text held in memory.
class TextLineSource final : public LineSource {
 public:
  explicit TextLineSource(std::string_view text) { SetWindow(text.data(), text.data() + text.size()); }

 protected:
  bool Refill() override { return false; }
};

std::vector<std::string_view> SplitLines(std::string_view text);

// The text with every CR and LF replaced by a blank, so that it stays one line
// of a file (a name that came in through an item file may hold line breaks).
std::string SingleLine(std::string_view text);

// Appends a line and the CR LF that ends it.
inline void AppendLine(std::string& out, std::string_view line) {
  out += line;
  out += "\r\n";
}

}  // namespace davoruzivi
