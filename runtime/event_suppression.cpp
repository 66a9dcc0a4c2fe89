// The event-suppression counter.
#include "runtime/event_suppression.h"

namespace rt {
namespace {
int g_depth = 0;
}

void SuppressEvents() { ++g_depth; }
void ResumeEvents() {
  if (g_depth > 0) --g_depth;
}
bool EventsSuppressed() { return g_depth > 0; }

}  // namespace rt
