// Block groups: one runtime block whose inner addresses are handed out as
// blocks of their own, so that many small values made together (the results
// of one search) cost one allocation. Freeing an inner block does nothing;
// freeing the group's first address frees the whole group.
#pragma once

#include <cstddef>
#include <cstdint>

namespace rt {

// A group of n bytes (not zeroed); its first address is the group's own
// block. Running out raises the out-of-memory error.
void* RuntimeAllocGroup(int64_t n);

// The live group an address lies in, as [begin, end); both null when none.
struct GroupRange {
  char* begin = nullptr;
  char* end = nullptr;
};
GroupRange GroupContaining(const void* p);

// Called when a group's first address is freed: the group is gone.
void ForgetGroup(const void* begin);

}  // namespace rt
