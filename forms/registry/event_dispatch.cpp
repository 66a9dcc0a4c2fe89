// The event path: a control's event record, through the suppression counter
// and the registry, to the first handler the unit's bindings name.
#include "forms/registry/event_dispatch.h"

#include "forms/registry/control.h"
#include "forms/registry/window_registry.h"
#include "runtime/errors.h"
#include "runtime/event_suppression.h"
#include "runtime/runtime_texts.h"

namespace forms {
namespace {

int g_running_handlers = 0;

// Counts a handler as running while it is on the stack, however it leaves.
struct RunningHandler {
  RunningHandler() { ++g_running_handlers; }
  ~RunningHandler() { --g_running_handlers; }
};

[[noreturn]] void RaiseEventError(const char* message, const EventRecord& record) {
  rt::RaiseError(message, 0, int32_t(record.window_id), int32_t(record.control_id));
}

// Follows event-source links to the unit whose bindings this one shares; stops
// at a link of 0, a missing unit, a unit of another kind, or a cycle.
size_t BindingUnit(const LoadedWindow& window, size_t unit) {
  const uint32_t kind = window.tmpl.units[unit].kind;
  for (size_t steps = 0; steps < window.tmpl.units.size(); ++steps) {
    const uint32_t link = window.tmpl.units[unit].event_source;
    if (link == 0) break;
    const auto next = window.UnitIndex(link);
    if (!next || window.tmpl.units[*next].kind != kind) break;
    unit = *next;
  }
  return unit;
}

uint32_t HandlerOffset(const UnitRecord& unit, int32_t event) {
  if (unit.is_menu_item) return unit.menu.handler_offset;
  for (const EventBinding& binding : unit.events)
    if (binding.event == event) return binding.handler_offset;
  return rt::kNoHandler;
}

// A handler may raise events itself (a property write runs another handler
// before it returns), so handlers nest.
void RunHandler(rt::Procedure handler, EventRecord& record) {
  const RunningHandler running;
  handler();  // the program's handlers take no arguments and return nothing
  record.result_present = 1;
  record.result = 0;
}

}  // namespace

void DispatchEvent(EventRecord& record) {
  if (rt::EventsSuppressed()) return;
  WindowRegistry& registry = WindowRegistry::Instance();
  LoadedWindow* window = registry.Find(record.window_id);
  if (window == nullptr) RaiseEventError(rt::texts::kEventWindowNotFound, record);
  const auto unit = window->UnitIndex(record.control_id);
  if (!unit) RaiseEventError(rt::texts::kEventControlNotFound, record);
  const UnitRecord& bound = window->tmpl.units[BindingUnit(*window, *unit)];
  const KindInfo* kind = FindKind(bound.kind);
  if (!bound.is_menu_item && kind == nullptr)
    RaiseEventError(rt::texts::kEventControlInvalid, record);
  const rt::Procedure handler = registry.Handler(HandlerOffset(bound, record.event));
  if (handler != nullptr) RunHandler(handler, record);
}

bool HandlerRunning() { return g_running_handlers > 0; }

std::optional<int32_t> Control::RaiseEvent(int32_t event, std::initializer_list<int32_t> args) {
  EventRecord record;
  record.window_id = window_id_;
  record.control_id = control_id_;
  record.event = event;
  for (int32_t arg : args) {
    if (record.arg_count == 5) break;
    record.args[record.arg_count++] = arg;
  }
  DispatchEvent(record);
  if (record.result_present == 0) return std::nullopt;
  return record.result;
}

}  // namespace forms
