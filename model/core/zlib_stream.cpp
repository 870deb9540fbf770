#include "core/zlib_stream.h"

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

Inflater::Inflater(std::string_view compressed) : state_(std::make_unique<State>()) {
  z_stream& s = state_->stream;
  if (compressed.size() > kMaxCompressedSize || inflateInit(&s) != Z_OK) {
    damaged_ = true;
    return;
  }
  s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  s.avail_in = static_cast<uInt>(compressed.size());
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
    const int rc = inflate(&s, Z_NO_FLUSH);
    if (rc == Z_STREAM_END) {
      finished_ = true;
      break;
    }
    // Out of input before the stream's end: the file is cut short.
    if (rc != Z_OK || (s.avail_in == 0 && s.avail_out > 0)) {
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

InflatingLineSource::InflatingLineSource(std::string_view compressed)
    : inflater_(std::make_unique<PrefetchingInflater>(compressed)), buffer_(kLineBufferSize) {
  SetWindow(buffer_.data(), buffer_.data());
}

InflatingLineSource::~InflatingLineSource() = default;

bool InflatingLineSource::Damaged() const { return inflater_->Damaged(); }

bool InflatingLineSource::Refill() {
  // Keep the unread part at the front; a line longer than the buffer doubles it.
  const auto unread = static_cast<std::size_t>(End() - Next());
  std::memmove(buffer_.data(), Next(), unread);
  if (unread == buffer_.size()) buffer_.resize(buffer_.size() * 2);
  const std::size_t got = inflater_->Read(buffer_.data() + unread, buffer_.size() - unread);
  SetWindow(buffer_.data(), buffer_.data() + unread + got);
  return got > 0;
}

bool InflatingLineSource::VerifyRest() {
  std::vector<char> sink(kLineBufferSize);
  while (inflater_->Read(sink.data(), sink.size()) > 0) {
  }
  return !inflater_->Damaged();
}

}  // namespace davoruzivi
