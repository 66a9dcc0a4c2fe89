// The group box kind: a captioned frame that other controls are placed into.
#pragma once

#include "forms/registry/control.h"

namespace forms {

extern const KindInfo kGroupBoxKind;

}  // namespace forms
