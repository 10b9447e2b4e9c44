// Large blocks (image pixels, font tables, whole files) are touched page by page right after they are
// allocated; asking for huge pages there saves thousands of page faults per image, the
// largest part of the system time of a job on a big image. Harmless where the system
// does not offer them.
#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <cstdint>

inline void MEM_AdviseLargeBlock(void* p, size_t size) {
#ifdef MADV_HUGEPAGE
  const uintptr_t kHuge = uintptr_t(2) << 20;
  if (!p || size < 2 * kHuge) return;
  const uintptr_t start = (reinterpret_cast<uintptr_t>(p) + kHuge - 1) & ~(kHuge - 1);
  const uintptr_t end = (reinterpret_cast<uintptr_t>(p) + size) & ~(kHuge - 1);
  if (end > start) madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
#else
  (void)p, (void)size;
#endif
}
