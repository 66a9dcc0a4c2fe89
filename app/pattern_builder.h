// The pattern builder: 按钮_生成 composes a pattern from the start, end and
// contained texts by a fixed decision table and writes it into the pattern box.
#pragma once

namespace app {

// Event 0 of 按钮_生成. A ticked use-box with an empty text shows its message
// and leaves the pattern box as it was.
void BuildClicked();

}  // namespace app
