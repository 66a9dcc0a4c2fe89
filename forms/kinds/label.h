// The label kind: a self-painted caption over a filled background.
#pragma once

#include "forms/registry/control.h"

namespace forms {

extern const KindInfo kLabelKind;

}  // namespace forms
