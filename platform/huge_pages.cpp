// Huge-page blocks on posix_memalign and madvise.
#include "platform/huge_pages.h"

#include <sys/mman.h>

#include <cstdlib>

namespace platform {

void* AllocateInHugePages(size_t n) {
  void* block = nullptr;
  if (posix_memalign(&block, kHugePageBytes, n) != 0) return nullptr;
  madvise(block, n, MADV_HUGEPAGE);  // advice only: ignored where huge pages are off
  return block;
}

}  // namespace platform
