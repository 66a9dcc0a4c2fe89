// Runtime memory on malloc, with the constant-block range that free skips.
#include "runtime/memory.h"

#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <string>

#include "runtime/errors.h"
#include "runtime/runtime_texts.h"

namespace rt {
namespace {

const char* g_constants_begin = nullptr;
const char* g_constants_end = nullptr;

size_t BlockSize(int64_t n) { return n > 0 ? size_t(n) : 1; }

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

void RaiseOutOfMemory(int64_t n) {
  // Counts are 64-bit here: the whole count replaces the format's "%d".
  std::string message = texts::kOutOfMemoryFormat;
  message.replace(message.find("%d"), 2, std::to_string(n));
  RaiseError(message.c_str(), 0, 0, 0);
}

void* RuntimeAllocRaw(int64_t n) { return std::malloc(BlockSize(n)); }

void* RuntimeAlloc(int64_t n) {
  void* p = RuntimeAllocRaw(n);
  if (p == nullptr) RaiseOutOfMemory(n);
  return p;
}

void RuntimeFree(void* p) {
  if (p == nullptr || IsConstant(p)) return;
  std::free(p);
}

void* RuntimeRealloc(void* p, int64_t n) {
  if (p == nullptr) return RuntimeAlloc(n);
  if (IsConstant(p)) {
    void* copy = RuntimeAlloc(n);
    size_t available = size_t(g_constants_end - static_cast<const char*>(p));
    std::memcpy(copy, p, std::min(BlockSize(n), available));
    return copy;
  }
  void* q = std::realloc(p, BlockSize(n));
  if (q == nullptr) RaiseOutOfMemory(n);
  return q;
}

}  // namespace rt
