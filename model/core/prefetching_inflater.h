#pragma once
// Inflates a stream on a thread of its own, a few pieces ahead of its reader,
// so that inflating and using the text overlap.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

#include "core/zlib_stream.h"

namespace davoruzivi {

class PrefetchingInflater {
 public:
  explicit PrefetchingInflater(std::unique_ptr<CompressedInput> input);
  ~PrefetchingInflater();
  PrefetchingInflater(const PrefetchingInflater&) = delete;
  PrefetchingInflater& operator=(const PrefetchingInflater&) = delete;

  // Up to `capacity` more bytes, waiting for them when none are ready; 0 once
  // the stream has ended or proved damaged.
  std::size_t Read(char* out, std::size_t capacity);
  // Known once Read has returned 0: whether the stream was damaged.
  bool Damaged() const;

 private:
  void Run();

  Inflater inflater_;  // used by the worker thread only, until it has ended
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::vector<char>> ready_;    // inflated pieces, oldest first
  std::vector<std::vector<char>> spare_;   // read pieces the worker may fill again
  std::size_t readInFront_ = 0;            // bytes of the oldest piece already read
  bool ended_ = false;
  bool stopping_ = false;
  std::thread worker_;  // started last, once everything it uses exists
};

}  // namespace davoruzivi
