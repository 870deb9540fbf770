#pragma once
// Lines of the planner's texts. A line ends at CR LF, a lone CR or a lone LF; a
// terminator at the very end of a text does not start another line.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace davoruzivi {

// Hands out the lines of a text held, in whole or in part, in a window of
// memory; a subclass that holds only part of the text refills the window.
class LineSource {
 public:
  virtual ~LineSource() = default;
  // The next line, without its terminator; false at the end. The view stays
  // valid until the next call.
  bool NextLine(std::string_view& line);

 protected:
  // The text now held, of which [next, end) is still unread.
  void SetWindow(const char* next, const char* end) {
    next_ = next;
    end_ = end;
  }
  const char* Next() const { return next_; }
  const char* End() const { return end_; }
  // Brings more text after the unread part (which may move) and calls
  // SetWindow; false once the text has ended.
  virtual bool Refill() = 0;

 private:
  const char* next_ = nullptr;
  const char* end_ = nullptr;
  bool ended_ = false;
};

// Lines of a text held in memory.
class TextLineSource final : public LineSource {
 public:
  explicit TextLineSource(std::string_view text) { SetWindow(text.data(), text.data() + text.size()); }

 protected:
  bool Refill() override { return false; }
};

// Offset of the first CR or LF in [begin, end), or end - begin when there is none.
std::size_t FindLineBreak(const char* begin, const char* end);

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
