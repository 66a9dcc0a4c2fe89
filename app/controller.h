// The program's start routine and the two handlers that belong to no feature:
// the ignore-case toggle and the guard that keeps the count box non-empty.
#pragma once

namespace app {

// Initialises the runtime, loads the main window and runs the program until
// the window is closed. Returns 0.
int Start();
// The part of Start before the message loop: the runtime is initialised and
// the main window is open. For drivers that run their own loop (tests).
void StartUp();

// Event 0 of 选择框_忽略大小写: ticked puts "(?i)" in front of the pattern
// unless it holds one already; unticked removes the first "(?i)".
void IgnoreCaseToggled();

// Event 0 of 编辑框_包含个数: an empty box gets "1" back. The write raises the
// same event once more, which then finds "1" and stops.
void CountGuard();

}  // namespace app
