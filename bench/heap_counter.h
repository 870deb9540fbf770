#pragma once
// Heap bytes of the benchmark program, counted by its replacements of the
// global operator new and delete (every form: plain, array, nothrow, sized,
// aligned). A block counts at its usable size. Memory that a library takes
// with malloc directly (zlib's inflate state and window) is not counted.

#include <cstddef>

namespace davoruzivi::bench {

// Bytes held through operator new right now.
std::size_t LiveHeapBytes();

// The most bytes held at once since the last RestartHeapPeak.
std::size_t PeakHeapBytes();
void RestartHeapPeak();

// The most heap bytes held at once, above what was held when it was created.
class HeapPeakWatch {
 public:
  HeapPeakWatch() : baseline_(LiveHeapBytes()) { RestartHeapPeak(); }
  std::size_t PeakAboveStart() const { return PeakHeapBytes() - baseline_; }

 private:
  std::size_t baseline_;
};

}  // namespace davoruzivi::bench
