// The window kind: a top-level widget built from the window's own unit, with
// its caption, icon, fixed size and the window's keyboard rules.
#pragma once

#include "forms/control.h"

namespace forms {

extern const KindInfo kWindowKind;

}  // namespace forms
