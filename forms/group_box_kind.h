// The group box kind: a captioned frame that other controls are placed into.
#pragma once

#include "forms/control.h"

namespace forms {

extern const KindInfo kGroupBoxKind;

}  // namespace forms
