// Requests to the runtime through the stored RuntimeNotify entry.
#include "regex/runtime_link.h"

#include <cstdlib>
#include <cstring>
#include "runtime/notify.h"

namespace regex_service {
namespace {

// Written once at start-up, before any command runs.
rt::NotifyFunction g_runtime_notify = nullptr;

intptr_t Notify(intptr_t code, intptr_t a, intptr_t b = 0) {
  return g_runtime_notify ? g_runtime_notify(code, a, b) : 0;
}

}  // namespace

void StoreRuntimeNotify(rt::NotifyFunction notify) { g_runtime_notify = notify; }

bool HasRuntimeNotify() { return g_runtime_notify != nullptr; }

void* AllocateRuntimeBlock(size_t n) { return reinterpret_cast<void*>(Notify(rt::notify::kAlloc, intptr_t(n))); }

void* AllocateRuntimeGroup(size_t n) {
  return reinterpret_cast<void*>(Notify(rt::notify::kAllocGroup, intptr_t(n)));
}

char* MakeRuntimeText(const char* s, int64_t n) {
  if (n < 1) return nullptr;
  auto* text = static_cast<char*>(AllocateRuntimeBlock(size_t(n) + 1));
  if (text == nullptr) return nullptr;
  std::memcpy(text, s, size_t(n));
  text[n] = '\0';
  return text;
}

void ReportOutOfMemory(size_t n) {
  Notify(rt::notify::kOutOfMemory, intptr_t(n));
  // Only a runtime without the error path gets here; carrying on would hand
  // out a result that is not what the search found.
  std::abort();
}

size_t FailedRequestOnThisThread() { return size_t(Notify(rt::notify::kFailedRequest, 0)); }

bool RunResponsiveWork(const rt::ResponsiveWork& request) {
  if (Notify(rt::notify::kRunWhileResponsive, reinterpret_cast<intptr_t>(&request)) == 0) request.work();
  return request.stop.stop_requested();
}

}  // namespace regex_service
