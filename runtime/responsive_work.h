// Work a library runs off the main thread while the windows stay responsive
// and the user may cancel it: the request of RuntimeNotify code
// kRunWhileResponsive, and whether such work is still running after a cancel.
#pragma once

#include "platform/responsive_wait.h"

namespace rt {

// What the progress box says, and the request, passed by address as a of
// kRunWhileResponsive: the platform's own (platform/responsive_wait.h).
using WorkProgress = platform::WaitProgress;
using ResponsiveWork = platform::WaitRequest;

// Runs the request's work and returns once it has ended, or at once when the
// user cancels (the request's stop is then requested). Running out of memory,
// also for the work's thread, raises the out-of-memory error.
void RunWhileResponsive(const ResponsiveWork& request);

// True while work the user cancelled has not yet ended.
bool CancelledWorkRunning();

}  // namespace rt
