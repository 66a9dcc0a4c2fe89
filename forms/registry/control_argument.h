// Commands that take a control reference (WindowId low word, ControlId high
// word) reach the live control through the runtime's notify entry, code 2007:
// a missing window or control there is the run-time error
// "指定窗口或窗口组件不存在或尚未载入".
#pragma once

#include "forms/registry/control.h"
#include "runtime/call.h"
#include "runtime/program.h"

namespace forms {

// The notify entry the control lookups use; rt::RuntimeNotify until a
// library's start-up notification hands over another.
void SetControlLookupNotify(rt::NotifyFunction notify);

// The live control the reference names; a missing one ends the program with
// the run-time error.
Control* LiveControlOf(const rt::ArgRecord& reference);

// Ends the program with the run-time error for a missing window or control.
[[noreturn]] void RaiseMissingControl(const rt::ArgRecord& reference);

// The live control as a Kind; a control of another kind is treated as missing.
template <class Kind>
Kind& LiveControlAs(const rt::ArgRecord& reference) {
  Kind* control = dynamic_cast<Kind*>(LiveControlOf(reference));
  if (control == nullptr) RaiseMissingControl(reference);
  return *control;
}

}  // namespace forms
