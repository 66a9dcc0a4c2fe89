// The message box command: shows a value as a message with a caption and a
// button style, and returns which button closed the box.
#pragma once

#include "runtime/call.h"

namespace rt {

// (message value, [style = 0], [caption = "信息："], [owner window]) -> button
// code: OK 0, Cancel 1, Abort 2, Retry 3, Ignore 4, Yes 5, No 6; 0 otherwise.
void ShowMessage(ResultRecord* result, int32_t count, const ArgRecord* args);

}  // namespace rt
