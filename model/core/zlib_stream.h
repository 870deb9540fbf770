#pragma once
// The planner's compressed container: one zlib stream (RFC 1950) over a whole
// file text, written at level 1 and read back by inflating the whole stream.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
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

// Compressed bytes that an Inflater takes a piece at a time.
class CompressedInput {
 public:
  virtual ~CompressedInput() = default;
  // The next piece, valid until the next call; empty once the input has ended.
  virtual std::string_view NextPiece() = 0;
};

// Compressed bytes held in memory, handed out as one piece.
class CompressedBytes final : public CompressedInput {
 public:
  explicit CompressedBytes(std::string_view bytes) : bytes_(bytes) {}
  std::string_view NextPiece() override { return std::exchange(bytes_, {}); }

 private:
  std::string_view bytes_;
};

// Inflates a stream piece by piece.
class Inflater {
 public:
  // A held stream larger than kMaxCompressedSize is damaged.
  explicit Inflater(std::string_view compressed);
  explicit Inflater(std::unique_ptr<CompressedInput> input);
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
  // Hands zlib the next piece of input once it has used the last one.
  void TakeInput();

  struct State;
  std::unique_ptr<State> state_;
  std::unique_ptr<CompressedInput> input_;
  bool inputEnded_ = false;
  bool finished_ = false;
  bool damaged_ = false;
  std::size_t produced_ = 0;
};

class PrefetchingInflater;

// The lines of a compressed text, inflated a little ahead of their reader on a
// thread of its own, so that the whole text never has to be held at once.
class InflatingLineSource final : public LineSource {
 public:
  explicit InflatingLineSource(std::unique_ptr<CompressedInput> input);
  explicit InflatingLineSource(std::string_view compressed)
      : InflatingLineSource(std::make_unique<CompressedBytes>(compressed)) {}
  ~InflatingLineSource() override;

  // Known once the lines have ended: whether the stream was damaged.
  bool Damaged() const override;
  // Inflates whatever is left unread; true when the whole stream proved valid.
  bool VerifyRest();

 protected:
  bool Refill() override;

 private:
  void DoubleBuffer();

  std::unique_ptr<PrefetchingInflater> inflater_;
  // Grows by doubling; filled as text arrives, so never cleared first.
  std::unique_ptr<char[]> buffer_;
  std::size_t bufferSize_;
};

}  // namespace davoruzivi
