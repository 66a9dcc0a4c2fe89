// The one runtime-wide event-suppression counter: while it is positive, no
// event reaches a program handler.
#pragma once

namespace rt {

void SuppressEvents();         // counter + 1
void ResumeEvents();           // counter - 1, not below 0
bool EventsSuppressed();

}  // namespace rt
