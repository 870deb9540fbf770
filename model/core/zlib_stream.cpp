#include "core/zlib_stream.h"

#include "core/huge_pages.h"
#include "core/prefetching_inflater.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace davoruzivi {

std::string Deflate(std::string_view data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::string out(size, '\0');
  const int rc = compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                           reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()), 1);
  if (rc != Z_OK) throw std::runtime_error("compression failed");
  out.resize(size);
  return out;
}

struct Inflater::State {
  z_stream stream{};
};

Inflater::Inflater(std::string_view compressed) : Inflater(std::make_unique<CompressedBytes>(compressed)) {
  if (compressed.size() > kMaxCompressedSize) damaged_ = true;
}

Inflater::Inflater(std::unique_ptr<CompressedInput> input)
    : state_(std::make_unique<State>()), input_(std::move(input)) {
  if (inflateInit(&state_->stream) != Z_OK) damaged_ = true;
}

void Inflater::TakeInput() {
  if (inputEnded_) return;
  const std::string_view piece = input_->NextPiece();
  inputEnded_ = piece.empty();
  if (piece.size() > std::numeric_limits<uInt>::max()) {
    damaged_ = true;
    return;
  }
  z_stream& s = state_->stream;
  s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(piece.data()));
  s.avail_in = static_cast<uInt>(piece.size());
}

Inflater::~Inflater() { inflateEnd(&state_->stream); }

std::size_t Inflater::Read(char* out, std::size_t capacity) {
  if (finished_ || damaged_ || capacity == 0) return 0;
  z_stream& s = state_->stream;
  // One byte past the limit is allowed through so that an oversized text shows.
  const std::size_t allowance = kMaxInflatedSize + 1 - produced_;
  const std::size_t wanted = std::min({capacity, allowance, std::size_t{std::numeric_limits<uInt>::max()}});
  s.next_out = reinterpret_cast<Bytef*>(out);
  s.avail_out = static_cast<uInt>(wanted);
  while (s.avail_out > 0) {
    if (s.avail_in == 0) TakeInput();
    if (damaged_) return 0;
    const int rc = inflate(&s, Z_NO_FLUSH);
    if (rc == Z_STREAM_END) {
      finished_ = true;
      break;
    }
    // Out of input before the stream's end: the file is cut short.
    if (rc != Z_OK || (s.avail_in == 0 && s.avail_out > 0 && inputEnded_)) {
      damaged_ = true;
      return 0;
    }
  }
  const std::size_t got = wanted - s.avail_out;
  produced_ += got;
  if (produced_ > kMaxInflatedSize) {
    damaged_ = true;
    return 0;
  }
  return got;
}

InflatedText InflateText(std::string_view compressed) {
  Inflater inflater(compressed);
  std::string text;
  std::vector<char> piece(std::size_t{1} << 20);
  while (const std::size_t got = inflater.Read(piece.data(), piece.size())) text.append(piece.data(), got);
  if (inflater.TooLarge()) return {InflateStatus::TooLarge, {}};
  if (inflater.Damaged() || !inflater.Finished()) return {InflateStatus::Damaged, {}};
  return {InflateStatus::Ok, std::move(text)};
}

std::optional<std::string> Inflate(std::string_view compressed) {
  InflatedText inflated = InflateText(compressed);
  if (inflated.status != InflateStatus::Ok) return std::nullopt;
  return std::move(inflated.text);
}

namespace {
constexpr std::size_t kLineBufferSize = 64 * 1024;
}

InflatingLineSource::InflatingLineSource(std::unique_ptr<CompressedInput> input)
    : inflater_(std::make_unique<PrefetchingInflater>(std::move(input))),
      buffer_(std::make_unique_for_overwrite<char[]>(kLineBufferSize)),
      bufferSize_(kLineBufferSize) {
  SetWindow(buffer_.get(), buffer_.get());
}

InflatingLineSource::~InflatingLineSource() = default;

bool InflatingLineSource::Damaged() const { return inflater_->Damaged(); }

bool InflatingLineSource::Refill() {
  // New text goes after the unread part. Only when no room is left there does
  // the unread part move to the front, or, when it fills the buffer (a long
  // line, or text read ahead), the buffer double.
  const auto unread = static_cast<std::size_t>(End() - Next());
  auto start = static_cast<std::size_t>(Next() - buffer_.get());
  if (start + unread == bufferSize_) {
    if (start > 0) std::memmove(buffer_.get(), Next(), unread);
    else DoubleBuffer();
    start = 0;
  }
  char* const end = buffer_.get() + start + unread;
  const std::size_t got = inflater_->Read(end, bufferSize_ - start - unread);
  SetWindow(buffer_.get() + start, end + got);
  return got > 0;
}

void InflatingLineSource::DoubleBuffer() {
  auto larger = std::make_unique_for_overwrite<char[]>(2 * bufferSize_);
  AdviseHugePages(larger.get(), 2 * bufferSize_);
  std::memcpy(larger.get(), buffer_.get(), bufferSize_);
  buffer_ = std::move(larger);
  bufferSize_ *= 2;
}

bool InflatingLineSource::VerifyRest() {
  std::vector<char> sink(kLineBufferSize);
  while (inflater_->Read(sink.data(), sink.size()) > 0) {
  }
  return !inflater_->Damaged();
}

}  // namespace davoruzivi
