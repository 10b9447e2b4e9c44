// Large blocks: huge-page alignment of whole-file buffers, the job heap's advice.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>

#include "common/memory/large_block.h"

namespace {

TEST(LargeBlock, BigBlocksStartOnAHugePageAndSmallOnesAreOrdinary) {
  const size_t big = 5 * MEM_HUGE_PAGE + 123;
  auto* p = static_cast<uint8_t*>(MEM_AllocLargeBlock(big));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(p) % MEM_HUGE_PAGE, 0u);
  std::memset(p, 0xA5, big);  // every byte of the asked size is usable
  EXPECT_EQ(p[big - 1], 0xA5);
  std::free(p);
  void* one = MEM_AllocLargeBlock(MEM_HUGE_PAGE + 1);  // a font document's size
  EXPECT_EQ(reinterpret_cast<uintptr_t>(one) % MEM_HUGE_PAGE, 0u);
  std::free(one);
  for (size_t n : {size_t(0), size_t(1), size_t(4096), MEM_HUGE_PAGE - 1}) {
    void* q = MEM_AllocLargeBlock(n);
    ASSERT_NE(q, nullptr) << n;
    std::free(q);
  }
  EXPECT_EQ(MEM_AllocLargeBlock(SIZE_MAX), nullptr);
  EXPECT_EQ(MEM_AllocLargeBlock(SIZE_MAX - MEM_HUGE_PAGE / 2), nullptr);
}

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORIX_ASAN 1
#endif
#endif
#if !defined(__SANITIZE_ADDRESS__) && !defined(VORIX_ASAN)
// The heap region a job grows into is marked for huge pages ("hg" in its flags).
TEST(LargeBlock, TheJobHeapIsAdvisedOnce) {
  MEM_UseHugePagesForHeap();
  std::ifstream maps("/proc/self/smaps");
  std::string line;
  bool inHeap = false, advised = false;
  while (std::getline(maps, line)) {
    // A mapping's first line starts with its address range, "start-end perms ...".
    const size_t dash = line.find('-');
    if (dash != std::string::npos && dash > 0 && line.find_first_not_of("0123456789abcdef") == dash)
      inHeap = line.find("[heap]") != std::string::npos;
    else if (inHeap && line.rfind("VmFlags:", 0) == 0 && line.find(" hg") != std::string::npos)
      advised = true;
  }
  EXPECT_TRUE(advised);
}
#endif

}  // namespace
