// The button kind: a push button that raises event 0 when clicked.
#pragma once

#include "forms/registry/control.h"

namespace forms {

extern const KindInfo kButtonKind;

// A created button: the window's Enter rules need to know default buttons.
class ButtonControl;
bool IsDefaultButton(const Control* control);
// Raises the button's event 0 as a click would; false when control is not a button.
bool PressButton(Control* control);

}  // namespace forms
