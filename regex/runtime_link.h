// The RuntimeNotify entry the runtime hands this library at start-up, and the
// runtime blocks the library obtains through it for everything it hands out.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/program.h"

namespace regex_service {

// Remembers the runtime's notify entry; later block requests go through it.
void StoreRuntimeNotify(rt::NotifyFunction notify);
bool HasRuntimeNotify();

// A runtime block of n bytes (code 2024, checked: running out raises the
// out-of-memory error). Null before the runtime's notify entry arrived.
void* AllocateRuntimeBlock(size_t n);

// A runtime text holding the n bytes at s plus a terminator; null when n < 1
// or before the notify entry arrived. The caller owns the result.
char* MakeRuntimeText(const char* s, int64_t n);

}  // namespace regex_service
