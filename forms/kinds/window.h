// The window kind: a top-level widget built from the window's own unit, with
// its caption, icon, fixed size and position, background, and the window's
// keyboard rules (window_keys.h).
#pragma once

#include "forms/registry/control.h"

namespace forms {

extern const KindInfo kWindowKind;

// Shows a created window as stored (minimised for position 2) and activates it.
void ShowWindowAsStored(Control* window);
// The stored Enter-moves-focus and Esc-closes settings of a created window.
bool EnterMovesFocus(const Control* window);
bool EscClosesWindow(const Control* window);

}  // namespace forms
