#include "heap_counter.h"

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

namespace davoruzivi::bench {
namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void RaisePeakTo(std::size_t live) {
  std::size_t peak = peakBytes.load(std::memory_order_relaxed);
  while (live > peak && !peakBytes.compare_exchange_weak(peak, live, std::memory_order_relaxed)) {
  }
}

void* Counted(void* block) {
  if (block != nullptr) {
    const std::size_t size = malloc_usable_size(block);
    RaisePeakTo(liveBytes.fetch_add(size, std::memory_order_relaxed) + size);
  }
  return block;
}

void* TryAllocate(std::size_t size) { return Counted(std::malloc(std::max<std::size_t>(size, 1))); }

void* TryAllocateAligned(std::size_t size, std::align_val_t alignment) {
  void* block = nullptr;
  const std::size_t bytes = std::max<std::size_t>(static_cast<std::size_t>(alignment), sizeof(void*));
  if (posix_memalign(&block, bytes, std::max<std::size_t>(size, 1)) != 0) return nullptr;
  return Counted(block);
}

// As the standard's operator new: calls the new-handler until the block comes,
// throws bad_alloc when there is none.
template <typename Attempt>
void* AllocateOrThrow(Attempt attempt) {
  for (;;) {
    if (void* block = attempt()) return block;
    const std::new_handler handler = std::get_new_handler();
    if (handler == nullptr) throw std::bad_alloc();
    handler();
  }
}

void* Allocate(std::size_t size) {
  return AllocateOrThrow([size] { return TryAllocate(size); });
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
  return AllocateOrThrow([size, alignment] { return TryAllocateAligned(size, alignment); });
}

template <typename Attempt>
void* AllocateOrNull(Attempt attempt) noexcept {
  try {
    return attempt();
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

void Release(void* block) noexcept {
  if (block == nullptr) return;
  liveBytes.fetch_sub(malloc_usable_size(block), std::memory_order_relaxed);
  std::free(block);
}

}  // namespace

std::size_t LiveHeapBytes() { return liveBytes.load(std::memory_order_relaxed); }
std::size_t PeakHeapBytes() { return peakBytes.load(std::memory_order_relaxed); }
void RestartHeapPeak() { peakBytes.store(LiveHeapBytes(), std::memory_order_relaxed); }

}  // namespace davoruzivi::bench

using davoruzivi::bench::Allocate;
using davoruzivi::bench::AllocateAligned;
using davoruzivi::bench::AllocateOrNull;
using davoruzivi::bench::Release;

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, std::align_val_t alignment) { return AllocateAligned(size, alignment); }
void* operator new[](std::size_t size, std::align_val_t alignment) { return AllocateAligned(size, alignment); }

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return AllocateOrNull([size] { return Allocate(size); });
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return AllocateOrNull([size] { return Allocate(size); });
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return AllocateOrNull([size, alignment] { return AllocateAligned(size, alignment); });
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return AllocateOrNull([size, alignment] { return AllocateAligned(size, alignment); });
}

void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t) noexcept { Release(block); }
void operator delete(void* block, std::align_val_t) noexcept { Release(block); }
void operator delete[](void* block, std::align_val_t) noexcept { Release(block); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept { Release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Release(block); }
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept { Release(block); }
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept { Release(block); }
