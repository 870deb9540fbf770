#pragma once
// The planner's compressed container: one zlib stream (RFC 1950) over a whole
// file text, written at level 1 and read back by inflating the whole stream.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text_lines.h"

namespace davoruzivi {

// No text the planner reads may inflate past this; a stream that would is damaged.
inline constexpr std::size_t kMaxInflatedSize = std::size_t{256} << 20;

// A compressed file larger than this cannot hold a text within the limit.
inline constexpr std::size_t kMaxCompressedSize = kMaxInflatedSize + (std::size_t{1} << 20);

std::string Deflate(std::string_view data);

enum class InflateStatus { Ok, Damaged, TooLarge };

struct InflatedText {
  InflateStatus status = InflateStatus::Ok;
  std::string text;  // empty unless Ok
};

// The whole inflated text, or why there is none: the stream is damaged or
// incomplete, or it inflates past kMaxInflatedSize.
InflatedText InflateText(std::string_view compressed);

// The whole inflated text, or nothing for either failure.
std::optional<std::string> Inflate(std::string_view compressed);

// Inflates a stream piece by piece.
class Inflater {
 public:
  explicit Inflater(std::string_view compressed);
  ~Inflater();
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;

  // Up to `capacity` more bytes; 0 once the stream has ended or proved damaged.
  std::size_t Read(char* out, std::size_t capacity);
  // The stream is not valid zlib, ends early or inflates past the limit.
  bool Damaged() const { return damaged_; }
  bool Finished() const { return finished_; }
  // The stream inflated past the limit (which also makes it damaged).
  bool TooLarge() const { return produced_ > kMaxInflatedSize; }

 private:
  struct State;
  std::unique_ptr<State> state_;
  bool finished_ = false;
  bool damaged_ = false;
  std::size_t produced_ = 0;
};

class PrefetchingInflater;

// The lines of a compressed text, inflated a little ahead of their reader on a
// thread of its own, so that the whole text never has to be held at once.
class InflatingLineSource final : public LineSource {
 public:
  explicit InflatingLineSource(std::string_view compressed);
  ~InflatingLineSource() override;

  // Known once the lines have ended: whether the stream was damaged.
  bool Damaged() const;
  // Inflates whatever is left unread; true when the whole stream proved valid.
  bool VerifyRest();

 protected:
  bool Refill() override;

 private:
  std::unique_ptr<PrefetchingInflater> inflater_;
  std::vector<char> buffer_;
};

}  // namespace davoruzivi
