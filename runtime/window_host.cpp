// The installed forms layer and window-unload bookkeeping.
#include "runtime/window_host.h"

#include "platform/application.h"
#include "runtime/lifecycle.h"

namespace rt {
namespace {
WindowHost* g_host = nullptr;
}

void SetWindowHost(WindowHost* host) { g_host = host; }
WindowHost* GetWindowHost() { return g_host; }

void WindowUnloaded() {
  if (!ProgramEnding()) return;
  if (g_host != nullptr && g_host->AnyWindowAlive()) return;
  platform::QuitMessageLoop(0);
}

}  // namespace rt
