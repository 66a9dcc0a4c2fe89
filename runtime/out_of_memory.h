// Running out of memory, wherever it happens: the size the failed request
// asked for, room kept back so the report can still be shown, and the
// runtime's out-of-memory error also for a failure nothing catches.
#pragma once

#include <cstdint>

namespace rt {

// Raises "分配 %d 字节内存失败!" with the byte count; never returns. When not
// even the report box finds room, the report goes to standard error and the
// program ends with the same status.
[[noreturn]] void RaiseOutOfMemory(int64_t n);

// The bytes that the last allocation on this thread which found no room
// asked for: of the runtime's own blocks, of the C++ allocation functions and
// (except in sanitizer builds, whose runtime owns malloc) of malloc itself,
// so also of Qt's. 0 when none has failed.
int64_t FailedRequestOnThisThread();
void RecordFailedRequest(int64_t n);

// From now on running out of memory ends in the out-of-memory error, also
// where nothing can report it (Qt's own allocations, the C++ library's inside
// code that cannot report): some room is kept back, and the first request
// that finds no room and fits in it gets it, while the report waits for the
// main thread's next turn in its event loop, where Qt is in a state to show
// it. A std::bad_alloc that nothing catches ends in the report too, not in
// std::terminate.
void ReportUncaughtOutOfMemory();

// For the allocation functions, when a request of n bytes found no room:
// records n; true when the kept room was given back for it (try once more)
// and the report is on its way to the main thread.
bool GiveKeptRoomFor(int64_t n);

}  // namespace rt
