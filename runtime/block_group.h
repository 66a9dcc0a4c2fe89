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

// Resizing a group's first address (an array of results grown by the
// program) moves its bytes into a plain block; the inner blocks stay where
// they are, so the group lives on, owned by that block: freeing the owner
// frees the group. Moving the owner by a resize moves the ownership too.
void PassGroupTo(const void* begin, const void* owner);
// The first address of the group block owns (null when none), which from
// now on has no owner.
const void* TakeGroupOwnedBy(const void* block);
// Frees the group that block owns, if any.
void FreeGroupOwnedBy(const void* block);

}  // namespace rt
