// The label kind: a self-painted caption over a filled background.
#pragma once

#include "forms/control.h"

namespace forms {

extern const KindInfo kLabelKind;

}  // namespace forms
