// Small blocks from operator new, big ones aligned to a huge page.
#include "regex/service_heap.h"

#include <new>

#include <sys/mman.h>

namespace regex_service {
namespace {

constexpr size_t kHugePageBytes = size_t(2) << 20;

}  // namespace

void* AllocateServiceBlock(size_t n) {
  if (n < kHugePageBytes) return ::operator new(n, std::nothrow);
  void* block = ::operator new(n, std::align_val_t(kHugePageBytes), std::nothrow);
  if (block != nullptr) madvise(block, n, MADV_HUGEPAGE);  // advice only: ignored where huge pages are off
  return block;
}

void FreeServiceBlock(void* block, size_t n) {
  if (n < kHugePageBytes) ::operator delete(block);
  else ::operator delete(block, std::align_val_t(kHugePageBytes));
}

}  // namespace regex_service
