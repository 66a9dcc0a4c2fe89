// Runtime blocks through the stored RuntimeNotify entry.
#include "regex/service_memory.h"

#include <cstring>

#include "runtime/notify.h"

namespace regex_service {
namespace {

// Written once at start-up, before any command runs.
rt::NotifyFunction g_runtime_notify = nullptr;

}  // namespace

void StoreRuntimeNotify(rt::NotifyFunction notify) { g_runtime_notify = notify; }

bool HasRuntimeNotify() { return g_runtime_notify != nullptr; }

void* AllocateRuntimeBlock(size_t n) {
  if (g_runtime_notify == nullptr) return nullptr;
  return reinterpret_cast<void*>(g_runtime_notify(rt::notify::kAlloc, intptr_t(n), 0));
}

char* MakeRuntimeText(const char* s, int64_t n) {
  if (n < 1) return nullptr;
  auto* text = static_cast<char*>(AllocateRuntimeBlock(size_t(n) + 1));
  if (text == nullptr) return nullptr;
  std::memcpy(text, s, size_t(n));
  text[n] = '\0';
  return text;
}

}  // namespace regex_service
