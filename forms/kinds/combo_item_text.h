// ComboItemText: the text of one item of a live combo box.
#pragma once

#include "runtime/call.h"

namespace forms {

// (combo box reference, item index from 0) -> text owned by the caller: the
// item's text for 0 <= index < item count, else the empty text (null).
void ComboItemText(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args);

}  // namespace forms
