// Stand-in until the progress box exists: the work runs on the calling
// thread, as it does without an application object.
#include "platform/responsive_wait.h"

namespace platform {

WaitOutcome RunWhileResponsive(std::function<void()> work, std::function<void()>, const WaitTexts&) {
  work();
  return WaitOutcome::kFinished;
}

}  // namespace platform
