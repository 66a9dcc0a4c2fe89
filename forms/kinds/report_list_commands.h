// The report list's row commands, called through the command convention with
// the list reference as their first argument.
#pragma once

#include "runtime/call.h"

namespace forms {

// (list, [position], [text], [image], [state image], [indent], [item value])
// -> integer: the new row's number. An omitted or negative position appends.
void ListInsertItem(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args);
// (list, row, [column = 0], text) -> nothing; a missing row or column changes nothing.
void ListSetItemText(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args);
// (list, row, [column = 0]) -> text owned by the caller; null when the cell
// is empty or does not exist.
void ListGetItemText(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args);

}  // namespace forms
