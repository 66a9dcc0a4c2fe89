// Work a library runs off the main thread while the windows stay responsive
// and the user may cancel it (RuntimeNotify code kRunWhileResponsive), and
// the count of cancelled work still running, which decides how the process ends.
#pragma once

#include <cstdint>
#include <functional>

namespace rt {

struct ResponsiveWork {
  std::function<void()> work;    // may run on another thread: touches only what it owns or shares
  std::function<void()> cancel;  // called on the main thread when the user cancels
  const char* message = "";        // GBK, the progress box's line
  const char* cancel_button = "";  // GBK, its cancel button's caption
};

// What kRunWhileResponsive answers. 0 (a runtime without the service) means
// nothing was run.
enum WorkOutcome : intptr_t { kWorkFinished = 1, kWorkCancelled = 2 };

// Runs the work and returns once it has ended, or at once when the user
// cancels it; cancelled work is left to end on its own thread.
WorkOutcome RunWhileResponsive(const ResponsiveWork& request);

// True while cancelled work has not yet ended.
bool CancelledWorkRunning();

}  // namespace rt
