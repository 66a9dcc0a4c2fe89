// The template loader: decode, check every handler offset, register.
#include "forms/registry/template_loader.h"

#include "forms/template/template_format.h"
#include "forms/registry/window_registry.h"
#include "runtime/errors.h"
#include "runtime/runtime_texts.h"

namespace forms {
namespace {

bool ResolvesIn(uint32_t offset, const rt::ProcedureTable* code) {
  return offset == rt::kNoHandler || (code != nullptr && offset < code->count);
}

bool HandlersResolve(const std::vector<WindowTemplate>& windows, const rt::ProcedureTable* code) {
  for (const WindowTemplate& window : windows)
    for (const UnitRecord& unit : window.units) {
      if (unit.is_menu_item && !ResolvesIn(unit.menu.handler_offset, code)) return false;
      for (const EventBinding& binding : unit.events)
        if (!ResolvesIn(binding.handler_offset, code)) return false;
    }
  return true;
}

}  // namespace

void LoadTemplates(const uint8_t* data, uint32_t size, const rt::ProcedureTable* code) {
  if (size == 0) return;
  auto windows = data ? ReadTemplates(data, size) : std::nullopt;
  if (!windows || !HandlersResolve(*windows, code)) rt::RaiseError(rt::texts::kTemplateDataDamaged, 0, 0, 0);
  WindowRegistry::Instance().Register(std::move(*windows), code);
}

}  // namespace forms
