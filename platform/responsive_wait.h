// Long work off the user-interface thread: the caller waits synchronously
// while the windows keep repainting, and a progress box that says how far
// the work got, with a cancel button, appears when the work takes a while.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>

namespace platform {

// What the progress box says: a line (GBK) and, when total > 0, a bar at
// done of total.
struct WaitProgress {
  std::string message;
  int64_t done = 0;
  int64_t total = 0;
};

struct WaitRequest {
  std::function<void()> work;              // runs on a thread of its own
  std::stop_source stop;                   // requested when the user cancels
  std::function<WaitProgress()> progress;  // read on the waiting thread, a few times a second
  std::string cancel_button;               // GBK, the cancel button's caption
};

// Runs work on a thread of its own and returns once it has returned, or at
// once when the user cancels it: then stop has been requested, and work,
// which sees it through its token, ends on its own thread. Work must own or
// share everything it touches. Work of one wait starts only after the work
// of the waits before it has ended, so work left running by a cancel never
// runs beside more of its kind. An exception work throws is thrown again here.
//
// While waiting, every window keeps repainting. After about 300 ms a busy
// cursor and the progress box (its message, a bar, the cancel button) appear;
// Esc, the button and the box's close box cancel, as does a close request of
// any other window, which is carried out once the caller has returned.
// Input (type-ahead): keys and clicks given before the box appears are kept,
// and reach their windows after the caller has returned, as in any busy
// program; while the box shows it is the one window that takes input, and
// input meant for the others is dropped, as under a modal box.
//
// Without an application object, or off the main thread, work runs on the
// calling thread. False when no thread could be started; work has not run.
bool RunWhileResponsive(WaitRequest request);

// Bytes of stack the work's thread asks for.
constexpr size_t kWorkStackBytes = size_t(8) << 20;

// True while work of a cancelled wait has not yet ended. Main thread.
bool WorkStillRunning();

// How long work may run before the busy cursor and the progress box appear
// (300 ms unless set); tests set it to zero or to hours.
void SetProgressBoxDelay(std::chrono::milliseconds delay);

}  // namespace platform
