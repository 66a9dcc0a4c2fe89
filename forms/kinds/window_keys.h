// The keyboard rules of our windows, applied before the focused control sees
// the key: Tab and Shift+Tab move the focus in template order, Enter follows
// the default-button rules, Esc closes when the window says so.
#pragma once

class QWidget;

namespace forms {

struct LoadedWindow;

// Installs the application-wide key filter once per application object.
void InstallWindowKeyRules();

// Moves the focus to the next (or previous) visible, enabled tab-stop control
// in template order, wrapping around; false when there is none.
bool MoveFocus(LoadedWindow& window, bool forward);
// Applies Enter; false when the focused control keeps the key.
bool HandleEnter(LoadedWindow& window);

}  // namespace forms
