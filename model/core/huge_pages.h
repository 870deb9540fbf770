#pragma once
// A hint for large buffers that are written soon after they are allocated.

#include <cstddef>
#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace davoruzivi {

// Asks the system to back the whole 2 MB blocks inside [begin, begin + bytes)
// with huge pages, so that a buffer of many megabytes written page by page
// takes a few page faults instead of thousands; on some virtual machines those
// cost more than the writing itself. It is only a hint: where the system does
// not know it or refuses it, nothing changes.
inline void AdviseHugePages([[maybe_unused]] const void* begin, [[maybe_unused]] std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
  const auto start = reinterpret_cast<std::uintptr_t>(begin);
  const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
  const std::uintptr_t last = (start + bytes) & ~(kHugePage - 1);
  if (first < last) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

}  // namespace davoruzivi
