// The preset list: filling 超级列表框1 from the stored catalogue at start-up,
// and copying a focused row's pattern into the pattern box.
#pragma once

#include "app/runtime_calls.h"

namespace app {

// Event 0 of the main window: one row per catalogue entry, the label in
// column 0 and the pattern in the hidden column 1.
void FillPresetList();

// Event 0 of 超级列表框1: the focused row's pattern replaces the pattern box,
// with "(?i)" in front while the ignore-case box is ticked.
void PresetRowFocused();

// The part of text before the first separator; empty when there is none.
OwnedText TextBeforeSeparator(const char* text, const char* separator);
// The part of text after the last separator; empty when there is none.
OwnedText TextAfterSeparator(const char* text, const char* separator);

}  // namespace app
