// The caption a screen reader announces each box of a window by. A box is a
// control that takes the keyboard focus and has no caption of its own: an
// edit box, a combo box, a list. Its caption is derived from the window as
// the template lays it out, with nothing stored for it.
#pragma once

namespace forms {

struct LoadedWindow;

// Makes the label placed just above a box, or just before it on its line,
// the box's buddy; a box with no such label is named by the role part of its
// stored name ("编辑框_包含个数" gives "包含个数"). A box inside a group box
// and without either is announced by the group's caption (Qt's own rule).
void NameBoxesByCaptions(LoadedWindow& window);

}  // namespace forms
