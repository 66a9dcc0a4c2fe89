// The WindowHost implementation: each runtime request goes to the registry,
// the window builder or the property layer.
#include "forms/registry/forms_host.h"

#include "forms/registry/property_access.h"
#include "forms/registry/template_loader.h"
#include "forms/registry/window_builder.h"
#include "forms/registry/window_registry.h"
#include "forms/registry/window_unload.h"
#include "runtime/window_host.h"

namespace forms {
namespace {

// The created control of a unit whose widget still exists, or null.
Control* LiveControl(uint32_t window_id, uint32_t control_id) {
  LoadedWindow* window = WindowRegistry::Instance().Find(window_id);
  const auto unit = window ? window->UnitIndex(control_id) : std::nullopt;
  Control* control = unit ? window->ControlAt(*unit) : nullptr;
  return control && control->widget() ? control : nullptr;
}

const UnitRecord* FindUnit(uint32_t window_id, uint32_t control_id) {
  LoadedWindow* window = WindowRegistry::Instance().Find(window_id);
  const auto unit = window ? window->UnitIndex(control_id) : std::nullopt;
  return unit ? &window->tmpl.units[*unit] : nullptr;
}

class FormsHost : public rt::WindowHost {
 public:
  void LoadTemplates(const uint8_t* data, uint32_t size, const rt::ProcedureTable* code) override {
    SetShuttingDown(false);
    forms::LoadTemplates(data, size, code);
  }
  bool OpenWindow(uint32_t window_id) override { return forms::OpenWindow(window_id); }
  uint64_t ReadProperty(uint32_t window_id, uint32_t control_id, int32_t index, int32_t member) override {
    return forms::ReadProperty(window_id, control_id, index, member);
  }
  void WriteProperty(uint32_t window_id, uint32_t control_id, int32_t index, int32_t member,
                     uint64_t value) override {
    forms::WriteProperty(window_id, control_id, index, member, value);
  }
  void* LiveObject(uint32_t window_id, uint32_t control_id) override { return LiveControl(window_id, control_id); }
  void* PlatformWindow(uint32_t window_id, uint32_t control_id) override {
    const Control* control = LiveControl(window_id, control_id);
    return control ? control->widget() : nullptr;
  }
  bool AnyWindowAlive() override {
    for (const auto& window : WindowRegistry::Instance().windows())
      if (window->IsOpen()) return true;
    return false;
  }
  std::optional<std::string> WindowTag(uint32_t window_id) override {
    const UnitRecord* unit = FindUnit(window_id, 0);
    if (unit == nullptr) return std::nullopt;
    return unit->tag;
  }
  std::optional<std::string> UnitTag(uint32_t window_id, uint32_t control_id) override {
    const UnitRecord* unit = FindUnit(window_id, control_id);
    if (unit == nullptr || unit->is_menu_item) return std::nullopt;
    return unit->tag;
  }
  void Shutdown() override {
    SetShuttingDown(true);
    WindowRegistry::Instance().Clear();
  }
};

}  // namespace

void InstallWindowHost() {
  static FormsHost host;
  rt::SetWindowHost(&host);
}

}  // namespace forms
