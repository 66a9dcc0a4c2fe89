// Runtime memory: every block handed between commands, properties and the
// program lives here; pointers into the program's constant block are never freed.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/out_of_memory.h"

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
// Raises the out-of-memory error unless n bytes can be had now: a trial for
// work whose allocations are not the runtime's (the C++ library, Qt), which
// cannot be carried through running out halfway. The trial takes the bytes
// and gives them back untouched, so it proves the room where the system
// refuses what it cannot give: under an address-space limit (ulimit -v, as
// the tests and the memory sweep set) or strict overcommit. Under Linux's
// default overcommit it refuses only what exceeds the system's memory as a
// whole; the room may then still run out later, when the pages are touched.
void EnsureMemoryFor(int64_t n);

// The constant block: [start, start + size). Set at start-up, cleared at the end.
void SetConstantBlock(const void* start, size_t size);
void ClearConstantBlock();
bool IsConstant(const void* p);

}  // namespace rt
