// The one path from a control's event to the program's handler.
#pragma once

#include <cstdint>
#include <optional>

namespace forms {

// The event record a control hands to the dispatch path.
struct EventRecord {
  uint32_t window_id = 0;
  uint32_t control_id = 0;  // 0 = the window's own unit
  int32_t event = 0;        // 0 and up: the kind's events; -7 focus gained, -8 focus lost
  uint32_t arg_count = 0;   // 0..5
  int32_t args[5] = {};
  uint32_t result_present = 0;
  int32_t result = 0;
};

// Runs the bound handler unless events are suppressed; run-time errors for a
// window or control that is not registered, or a unit of an unknown kind.
void DispatchEvent(EventRecord& record);

// True while a handler runs (the widget that raised its event is still on
// the stack). A handler that ends by an exception no longer counts.
bool HandlerRunning();

}  // namespace forms
