// Opening a window: the window and its controls built from the working unit
// list, placed, stacked and shown, with its creation events raised once all
// of them exist.
#pragma once

#include <cstddef>
#include <cstdint>

namespace forms {

// Opens the registered window (or brings an open one forward); false when the
// WindowId is not registered or a control cannot be created.
bool OpenWindow(uint32_t window_id);

struct LoadedWindow;

// Builds one control of an open window anew from its unit record (with the
// control's current settings), in its parent and at its place in the stacking
// order, with events suppressed. False when the kind cannot create it.
bool RecreateControl(LoadedWindow& window, size_t unit);

}  // namespace forms
