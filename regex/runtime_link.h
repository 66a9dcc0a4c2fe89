// The library's link to the runtime: the RuntimeNotify entry the runtime hands
// it at start-up, and the requests made through it (runtime blocks for
// everything the library hands out, the out-of-memory error, work run while
// the windows stay responsive).
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/program.h"
#include "runtime/responsive_work.h"

namespace regex_service {

// Remembers the runtime's notify entry; later requests go through it.
void StoreRuntimeNotify(rt::NotifyFunction notify);
bool HasRuntimeNotify();

// A runtime block of n bytes (code 2024, checked: running out raises the
// out-of-memory error). Null before the runtime's notify entry arrived.
void* AllocateRuntimeBlock(size_t n);
// A runtime block group of n bytes, checked the same way (see runtime/block_group.h).
void* AllocateRuntimeGroup(size_t n);

// A runtime text holding the n bytes at s plus a terminator; null when n < 1
// or before the notify entry arrived. The caller owns the result.
char* MakeRuntimeText(const char* s, int64_t n);

// Ends the program with the runtime's out-of-memory error for n bytes.
[[noreturn]] void ReportOutOfMemory(size_t n);

// Runs the work through the runtime's responsive wait; a runtime without
// that service gets the work run here, to its end.
rt::WorkOutcome RunResponsiveWork(const rt::ResponsiveWork& request);

}  // namespace regex_service
