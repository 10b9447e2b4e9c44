// Large blocks (image pixels, font tables, whole files) are touched page by page right
// after they are allocated; asking for huge pages there saves thousands of page faults
// per image, the largest part of the system time of a job on a big image. Harmless where
// the system does not offer them.
#pragma once

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>

constexpr size_t MEM_HUGE_PAGE = size_t(2) << 20;

// Advises the huge pages that lie wholly inside [p, p + size).
inline void MEM_AdviseLargeBlock(void* p, size_t size) {
#ifdef MADV_HUGEPAGE
  const uintptr_t kHuge = MEM_HUGE_PAGE;
  if (!p || size < 2 * kHuge) return;
  const uintptr_t start = (reinterpret_cast<uintptr_t>(p) + kHuge - 1) & ~(kHuge - 1);
  const uintptr_t end = (reinterpret_cast<uintptr_t>(p) + size) & ~(kHuge - 1);
  if (end > start) madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
#else
  (void)p, (void)size;
#endif
}

// Uninitialised memory for a block that is filled at once (a file read whole, a table
// built in one pass); released with std::free. Blocks of a huge page or more start on a
// huge-page boundary and fill whole huge pages, so none of their pages is left to
// small-page faults.
inline void* MEM_AllocLargeBlock(size_t size) {
  if (size < MEM_HUGE_PAGE) return std::malloc(size ? size : 1);
  if (size > SIZE_MAX - MEM_HUGE_PAGE) return nullptr;
  const size_t rounded = (size + MEM_HUGE_PAGE - 1) & ~(MEM_HUGE_PAGE - 1);
  void* p = std::aligned_alloc(MEM_HUGE_PAGE, rounded);
  MEM_AdviseLargeBlock(p, rounded);
  return p;
}

// Lets the heap grow in huge pages: the heap is extended by 64 MB at once, ahead of its
// use, and that region is advised (an extension made later is a region of its own, so
// this happens once). For jobs that build many small blocks (a font's 57,000 glyph
// planes fault over 1,000 small pages). Address space only: pages are still taken when
// first touched. Setting the pad fixes the allocator's mmap threshold at 128 KB, so a
// program of many large short-lived buffers is better off without this.
inline void MEM_UseHugePagesForHeap() {
#if defined(MADV_HUGEPAGE) && defined(M_TOP_PAD)
  constexpr size_t kReserve = 32 * MEM_HUGE_PAGE;
  mallopt(M_TOP_PAD, static_cast<int>(kReserve));
  const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const uintptr_t before = (reinterpret_cast<uintptr_t>(sbrk(0)) + page - 1) & ~(page - 1);
  // Blocks below the mmap threshold until the heap has to grow (by the reserve); a heap
  // that already holds megabytes of free blocks is left as it is.
  void* blocks[256] = {};
  const size_t needed = mallinfo2().fordblks / (64 << 10) + 2;
  if (needed > 256) return;
  for (void*& b : blocks) {
    b = std::malloc(64 << 10);
    if (!b || reinterpret_cast<uintptr_t>(sbrk(0)) > before) break;
  }
  for (void* b : blocks) std::free(b);
  const uintptr_t after = reinterpret_cast<uintptr_t>(sbrk(0));
  if (after > before) madvise(reinterpret_cast<void*>(before), after - before, MADV_HUGEPAGE);
#endif
}

// Allocator for vectors that hold a whole file or image: huge-page blocks as above, and
// elements that resize() leaves uninitialised (the file's bytes overwrite them at once).
template <typename T>
struct MemLargeBlockAllocator {
  using value_type = T;
  MemLargeBlockAllocator() = default;
  template <typename U>
  MemLargeBlockAllocator(const MemLargeBlockAllocator<U>&) noexcept {}
  T* allocate(size_t n) {
    void* p = n <= SIZE_MAX / sizeof(T) ? MEM_AllocLargeBlock(n * sizeof(T)) : nullptr;
    if (!p) throw std::bad_alloc();
    return static_cast<T*>(p);
  }
  void deallocate(T* p, size_t) noexcept { std::free(p); }
  template <typename U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <typename U, typename... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
  template <typename U>
  bool operator==(const MemLargeBlockAllocator<U>&) const noexcept {
    return true;
  }
};
