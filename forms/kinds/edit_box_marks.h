// The marks of a press between a window's edit boxes: the source box shows
// the matches, a change of the source or the pattern box ends them, and the
// report box's lines lead to them.
#pragma once

#include <cstdint>

#include "forms/multi_line/marked_matches.h"

namespace forms {

struct MatchBoxes {
  uint32_t window, source, pattern, report;  // WindowId and the boxes' ControlIds
};

// Shows `matches`, found in the source box's text as the program reads it,
// over the source box, and links the report box's lines to them; whatever an
// earlier press showed goes. No matches, or boxes that are missing or not
// multi-line where they must be, show nothing.
void ShowMatchMarks(const MatchBoxes& boxes, MarkedMatches matches);

}  // namespace forms
