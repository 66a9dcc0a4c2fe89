// Runtime memory on malloc, with the constant-block range and the inner
// blocks of block groups that free skips.
#include "runtime/memory.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "runtime/block_group.h"

namespace rt {
namespace {

const char* g_constants_begin = nullptr;
const char* g_constants_end = nullptr;

size_t BlockSize(int64_t n) { return n > 0 ? size_t(n) : 1; }

// A new block of n bytes holding what lies from p up to limit, at most n bytes.
void* CopyOut(const void* p, const char* limit, int64_t n) {
  void* copy = RuntimeAlloc(n);
  const size_t available = size_t(limit - static_cast<const char*>(p));
  std::memcpy(copy, p, std::min(BlockSize(n), available));
  return copy;
}

}  // namespace

void SetConstantBlock(const void* start, size_t size) {
  if (start == nullptr || size == 0) return ClearConstantBlock();
  g_constants_begin = static_cast<const char*>(start);
  g_constants_end = g_constants_begin + size;
}

void ClearConstantBlock() { g_constants_begin = g_constants_end = nullptr; }

bool IsConstant(const void* p) {
  const char* c = static_cast<const char*>(p);
  return c != nullptr && g_constants_begin != nullptr && c >= g_constants_begin &&
         c < g_constants_end;
}

void* RuntimeAllocRaw(int64_t n) {
  void* p = std::malloc(BlockSize(n));
  if (p == nullptr) RecordFailedRequest(n);
  return p;
}

void* RuntimeAlloc(int64_t n) {
  void* p = RuntimeAllocRaw(n);
  if (p == nullptr) RaiseOutOfMemory(n);
  return p;
}

void EnsureMemoryFor(int64_t n) {
  void* trial = RuntimeAllocRaw(n);  // taken and given back at once: only the room counts
  if (trial == nullptr) RaiseOutOfMemory(n);
  std::free(trial);
}

void RuntimeFree(void* p) {
  if (p == nullptr || IsConstant(p)) return;
  const GroupRange group = GroupContaining(p);
  if (group.begin != nullptr) {
    if (group.begin != p) return;  // an inner block goes with its group
    ForgetGroup(p);
  }
  FreeGroupOwnedBy(p);
  std::free(p);
}

void* RuntimeRealloc(void* p, int64_t n) {
  if (p == nullptr) return RuntimeAlloc(n);
  if (IsConstant(p)) return CopyOut(p, g_constants_end, n);
  const GroupRange group = GroupContaining(p);
  if (group.begin != nullptr) {
    // The bytes move into a plain block; the inner blocks stay in the group,
    // which the new block owns when it was the group's first address.
    void* copy = CopyOut(p, group.end, n);
    if (group.begin == p) PassGroupTo(p, copy);
    return copy;
  }
  const void* owned = TakeGroupOwnedBy(p);
  void* q = std::realloc(p, BlockSize(n));
  if (q == nullptr) RaiseOutOfMemory(n);
  if (owned != nullptr) PassGroupTo(owned, q);
  return q;
}

}  // namespace rt
