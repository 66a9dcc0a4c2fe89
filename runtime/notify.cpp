// RuntimeNotify: memory, live objects, event suppression, errors and exit for
// the libraries.
#include "runtime/notify.h"

#include "runtime/block_group.h"
#include "runtime/errors.h"
#include "runtime/event_suppression.h"
#include "runtime/lifecycle.h"
#include "runtime/memory.h"
#include "runtime/responsive_work.h"
#include "runtime/runtime_texts.h"
#include "runtime/type_tag.h"
#include "runtime/values.h"
#include "runtime/window_host.h"

namespace rt {
namespace {

void* LiveObject(intptr_t window_id, intptr_t control_id) {
  WindowHost* host = GetWindowHost();
  return host ? host->LiveObject(uint32_t(window_id), uint32_t(control_id)) : nullptr;
}

}  // namespace

intptr_t RuntimeNotify(intptr_t code, intptr_t a, intptr_t b) {
  switch (code) {
    case notify::kLiveObject:
      return intptr_t(LiveObject(a, b));
    case notify::kLiveObjectOrError: {
      void* object = LiveObject(a, b);
      if (object == nullptr) RaiseError(texts::kNoSuchWindowOrControl, 0, int32_t(a), int32_t(b));
      return intptr_t(object);
    }
    // Waiting input is left to the message loop: delivered here, it would
    // reach handlers in the middle of the library's work.
    case notify::kSuppressEvents:
      SuppressEvents();
      return 0;
    case notify::kResumeEvents:
      ResumeEvents();
      return 0;
    case notify::kFreeArray:
      FreeArray(TypeTag(a), reinterpret_cast<void*>(b));
      return 0;
    case notify::kAlloc:
      return intptr_t(b == 0 ? RuntimeAlloc(a) : RuntimeAllocRaw(a));
    case notify::kFree:
      RuntimeFree(reinterpret_cast<void*>(a));
      return 0;
    case notify::kRealloc:
      return intptr_t(RuntimeRealloc(reinterpret_cast<void*>(a), b));
    case notify::kRaiseError:
      RaiseError(reinterpret_cast<const char*>(a), 0, 0, 0);
    case notify::kExit:
      RuntimeExit(int32_t(a));
    case notify::kAllocGroup:
      return intptr_t(RuntimeAllocGroup(a));
    case notify::kOutOfMemory:
      RaiseOutOfMemory(a);
    case notify::kRunWhileResponsive:
      rt::RunWhileResponsive(*reinterpret_cast<const ResponsiveWork*>(a));
      return 1;
    case notify::kFailedRequest:
      return intptr_t(FailedRequestOnThisThread());
    default:
      return 0;
  }
}

}  // namespace rt
