// Work a library runs off the main thread while the windows stay responsive
// and the user may cancel it: the request of RuntimeNotify code
// kRunWhileResponsive, and whether such work is still running after a cancel.
#pragma once

#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>

namespace rt {

// What the progress box says: a line (GBK) and, when total > 0, a bar at done of total.
struct WorkProgress {
  std::string message;
  int64_t done = 0;
  int64_t total = 0;
};

// The request, passed by address as a of kRunWhileResponsive.
struct ResponsiveWork {
  std::function<void()> work;              // on a thread of its own: touches only what it owns or shares
  std::stop_source stop;                   // requested when the user cancels; work watches its token
  std::function<WorkProgress()> progress;  // read on the main thread, a few times a second
  const char* cancel_button = "";          // GBK, the progress box's cancel button
};

// Runs the request's work and returns once it has ended, or at once when the
// user cancels (the request's stop is then requested). Running out of memory,
// also for the work's thread, raises the out-of-memory error.
void RunWhileResponsive(const ResponsiveWork& request);

// True while work the user cancelled has not yet ended.
bool CancelledWorkRunning();

}  // namespace rt
