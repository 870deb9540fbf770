#include "core/prefetching_inflater.h"

#include <algorithm>
#include <cstring>

namespace davoruzivi {
namespace {

constexpr std::size_t kPieceSize = 256 * 1024;
constexpr std::size_t kPiecesAhead = 4;

}  // namespace

PrefetchingInflater::PrefetchingInflater(std::unique_ptr<CompressedInput> input)
    : inflater_(std::move(input)), worker_([this] { Run(); }) {}

PrefetchingInflater::~PrefetchingInflater() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  worker_.join();
}

void PrefetchingInflater::Run() {
  for (;;) {
    std::vector<char> piece;
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [this] { return stopping_ || ready_.size() < kPiecesAhead; });
      if (stopping_) return;
      if (!spare_.empty()) {
        piece = std::move(spare_.back());
        spare_.pop_back();
      }
    }
    piece.resize(kPieceSize);
    piece.resize(inflater_.Read(piece.data(), piece.size()));
    const bool ended = piece.empty();
    {
      std::lock_guard lock(mutex_);
      if (ended) ended_ = true;
      else ready_.push_back(std::move(piece));
    }
    changed_.notify_all();
    if (ended) return;
  }
}

std::size_t PrefetchingInflater::Read(char* out, std::size_t capacity) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !ready_.empty() || ended_; });
  if (ready_.empty() || capacity == 0) return 0;
  std::vector<char>& front = ready_.front();
  const std::size_t count = std::min(capacity, front.size() - readInFront_);
  std::memcpy(out, front.data() + readInFront_, count);
  readInFront_ += count;
  if (readInFront_ == front.size()) {
    spare_.push_back(std::move(front));
    ready_.pop_front();
    readInFront_ = 0;
    lock.unlock();
    changed_.notify_all();
  }
  return count;
}

bool PrefetchingInflater::Damaged() const {
  std::lock_guard lock(mutex_);
  return ended_ && (inflater_.Damaged() || !inflater_.Finished());
}

}  // namespace davoruzivi
