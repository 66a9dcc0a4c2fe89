// The runtime's side of the responsive wait: counts cancelled work until it
// ends, so that the program's end does not run static destructors under it.
#include "runtime/responsive_work.h"

#include <atomic>
#include <memory>
#include <new>
#include <utility>

#include "platform/responsive_wait.h"
#include "runtime/memory.h"

namespace rt {
namespace {

enum class WorkState { kRunning, kEnded, kAbandoned };

std::atomic<int> g_cancelled_running = 0;

}  // namespace

WorkOutcome RunWhileResponsive(const ResponsiveWork& request) {
  platform::WaitOutcome outcome;
  // Shared with the work's thread, which may outlive this call.
  std::shared_ptr<std::atomic<WorkState>> state;
  try {
    state = std::make_shared<std::atomic<WorkState>>(WorkState::kRunning);
    auto work = [work = request.work, state] {
      // Also when work throws: its end is counted however it ends.
      struct MarkEnded {
        std::atomic<WorkState>& state;
        ~MarkEnded() {
          if (state.exchange(WorkState::kEnded) == WorkState::kAbandoned) --g_cancelled_running;
        }
      } mark_ended{*state};
      work();
    };
    outcome = platform::RunWhileResponsive(std::move(work), request.cancel,
                                           {request.message, request.cancel_button});
  } catch (const std::bad_alloc&) {
    // Setting the work up, or the work itself, ran out; the size it asked
    // for is not known here.
    RaiseOutOfMemory(int64_t(sizeof request));
  }
  if (outcome == platform::WaitOutcome::kFinished) return kWorkFinished;
  // Counted first and taken back if the work has already ended, so the count
  // never misses work that is still running.
  ++g_cancelled_running;
  if (state->exchange(WorkState::kAbandoned) != WorkState::kRunning) --g_cancelled_running;
  return kWorkCancelled;
}

bool CancelledWorkRunning() { return g_cancelled_running.load() > 0; }

}  // namespace rt
