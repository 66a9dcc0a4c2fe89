// The look of the text-entry kinds (edit box, combo box, report list) beyond
// what appearance.h gives every kind: text and base colours of a text field,
// and the frame a border number stands for.
#pragma once

#include <cstdint>

#include "forms/template/kind_settings.h"

class QFrame;
class QWidget;

namespace forms {

// Sets the colours of the widget's text and of the field behind it.
void SetFieldColours(QWidget* widget, Colour text, Colour field);

// Frame of a border number: 0 none, 2 raised, 3 and 5 a one-pixel line,
// otherwise (1, 4) sunken.
void ApplyFrameBorder(QFrame* frame, uint32_t border);

}  // namespace forms
