// The label kind: a self-painted caption over a filled background.
#pragma once

#include "forms/registry/control.h"

namespace forms {

extern const KindInfo kLabelKind;

// Makes a created label the caption of a box: screen readers then announce
// the box by the label's caption. Does nothing when label is not a label.
void SetLabelledBox(Control* label, QWidget* box);

}  // namespace forms
