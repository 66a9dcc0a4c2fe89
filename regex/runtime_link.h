// The library's link to the runtime: the RuntimeNotify entry the runtime hands
// it at start-up, and every request made through it (runtime blocks for
// everything the library hands out, the out-of-memory error, work run while
// the windows stay responsive).
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <optional>
#include <stop_token>

#include "regex/progress_box.h"
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
// The bytes the last allocation on the calling thread that found no room
// asked for (any thread).
size_t FailedRequestOnThisThread();

// Runs the request through the runtime's responsive wait: returns once its
// work has ended (false), or at once when the user cancels (true); the work
// then sees its stop token and ends on its own thread. A runtime without
// that service gets the work run here, to its end.
bool RunResponsiveWork(const rt::ResponsiveWork& request);

// The same for work(std::stop_token), with the progress box showing what
// progress() says. Running out of memory setting the wait up ends the program.
template <class Work, class Progress>
bool RunResponsively(Work work, Progress progress) {
  std::optional<rt::ResponsiveWork> request;
  try {  // the std::functions take memory of their own
    request.emplace();
    request->work = [work = std::move(work), stop = request->stop.get_token()] { work(stop); };
    request->progress = std::move(progress);
    request->cancel_button = CancelCaption();
  } catch (const std::bad_alloc&) {
    ReportOutOfMemory(FailedRequestOnThisThread());
  }
  return RunResponsiveWork(*request);
}

}  // namespace regex_service
