// What happens when an open window is destroyed: its controls go, its unit
// list returns to the state kept when it was opened, and the runtime is told.
#pragma once

#include <cstdint>

namespace forms {

// Destroys the controls of the window, restores its kept unit list and calls
// rt::WindowUnloaded(). Does nothing for a window that is not open, or while
// the program is shutting down.
void UnloadWindow(uint32_t window_id);

// The program is ending (or starting again in tests): unloading skips or
// resumes its bookkeeping.
void SetShuttingDown(bool shutting_down);

}  // namespace forms
