// Window-unload processing.
#include "forms/registry/window_unload.h"

#include "forms/registry/window_registry.h"
#include "runtime/window_host.h"

namespace forms {
namespace {
bool g_shutting_down = false;
}

void UnloadWindow(uint32_t window_id) {
  if (g_shutting_down) return;
  LoadedWindow* window = WindowRegistry::Instance().Find(window_id);
  if (window == nullptr || window->WindowControl() == nullptr) return;
  window->DestroyControls();
  if (window->kept) {
    window->tmpl.units = std::move(*window->kept);
    window->kept.reset();
    window->unit_slots.clear();
    window->unit_slots.resize(window->tmpl.units.size());
  }
  rt::WindowUnloaded();
}

void SetShuttingDown(bool shutting_down) { g_shutting_down = shutting_down; }

}  // namespace forms
