// Runtime memory: every block handed between commands, properties and the
// program lives here; pointers into the program's constant block are never freed.
#pragma once

#include <cstddef>
#include <cstdint>

namespace rt {

// Allocates n bytes (not zeroed). Running out raises the out-of-memory
// run-time error and does not return. A negative n counts as 0.
void* RuntimeAlloc(int64_t n);
// Allocates n bytes; null on failure, no error.
void* RuntimeAllocRaw(int64_t n);
// Returns p to the heap; null and constant pointers and the inner blocks of a
// block group are ignored, and a group's first address frees the whole group.
void RuntimeFree(void* p);
// Resizes p (null: allocates). A constant p, or an address inside a block
// group, is copied into a new block of n bytes, at most up to the end of the
// constant block or the group; for the group's first address the new block
// owns the group from then on and frees it when freed. Failure raises the
// out-of-memory error.
void* RuntimeRealloc(void* p, int64_t n);
// Big blocks that are written at once (the results of big searches) are
// aligned to and advised as transparent huge pages, so they fault in 2 MB at
// a time instead of 4 KB, which makes their first touch several times
// cheaper. Null when there is no room; freed with std::free. Any thread.
constexpr size_t kHugePageBytes = size_t(2) << 20;
void* AllocateInHugePages(size_t n);

// Raises the out-of-memory error unless n bytes can be had now: a trial for
// work whose allocations are not the runtime's (the C++ library, Qt), which
// cannot be carried through running out halfway.
void EnsureMemoryFor(int64_t n);

// The constant block: [start, start + size). Set at start-up, cleared at the end.
void SetConstantBlock(const void* start, size_t size);
void ClearConstantBlock();
bool IsConstant(const void* p);

// Raises "分配 %d 字节内存失败!" with the byte count; never returns.
[[noreturn]] void RaiseOutOfMemory(int64_t n);

}  // namespace rt
