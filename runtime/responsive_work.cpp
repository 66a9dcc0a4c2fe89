// The runtime's side of the responsive wait: the platform's wait, with a
// failure to get memory or a thread reported as the runtime reports it.
#include "runtime/responsive_work.h"

#include <new>

#include "platform/responsive_wait.h"
#include "runtime/memory.h"

namespace rt {

void RunWhileResponsive(const ResponsiveWork& request) {
  bool started = false;
  try {
    started = platform::RunWhileResponsive(request);
  } catch (const std::bad_alloc&) {
    RaiseOutOfMemory(FailedRequestOnThisThread());
  }
  if (!started) RaiseOutOfMemory(int64_t(platform::kWorkStackBytes));
}

bool CancelledWorkRunning() { return platform::WorkStillRunning(); }

}  // namespace rt
