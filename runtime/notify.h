// RuntimeNotify: the one entry through which libraries reach the runtime.
#pragma once

#include <cstdint>

namespace rt {

namespace notify {
constexpr intptr_t kLiveObject = 2006;          // a WindowId, b ControlId or 0 -> object or null
constexpr intptr_t kLiveObjectOrError = 2007;   // as 2006; missing raises the run-time error
constexpr intptr_t kSuppressEvents = 2009;      // counter + 1
constexpr intptr_t kResumeEvents = 2010;        // counter - 1 (not below 0)
constexpr intptr_t kFreeArray = 2023;           // a array tag, b array
constexpr intptr_t kAlloc = 2024;               // a byte count, b 0 checked / non-zero raw
constexpr intptr_t kFree = 2025;                // a block
constexpr intptr_t kRealloc = 2026;             // a block, b byte count
constexpr intptr_t kRaiseError = 2027;          // a message text
constexpr intptr_t kExit = 2028;                // a exit code
constexpr intptr_t kAllocGroup = 2029;          // a byte count -> a block group (checked)
constexpr intptr_t kOutOfMemory = 2030;         // a byte count: raises the out-of-memory error
constexpr intptr_t kRunWhileResponsive = 2031;  // a ResponsiveWork* -> 1 once it has ended or was cancelled
constexpr intptr_t kFailedRequest = 2032;       // -> bytes the last failed allocation of the calling thread asked for
}  // namespace notify

// Answers one request of a library; 0 for codes the runtime does not serve.
// Main thread only, except kFailedRequest, which any thread may ask.
intptr_t RuntimeNotify(intptr_t code, intptr_t a, intptr_t b);

}  // namespace rt
