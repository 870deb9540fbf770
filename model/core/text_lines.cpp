#include "core/text_lines.h"

namespace davoruzivi {

bool LineSource::NextLineAtWindowEnd(std::string_view& line) {
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

void LineSource::ReadAhead(std::size_t bytes) {
  while (!ended_ && static_cast<std::size_t>(end_ - next_) < bytes)
    if (!Refill()) ended_ = true;
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
