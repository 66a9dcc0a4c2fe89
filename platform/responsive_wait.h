// Long work off the user-interface thread: the caller waits synchronously
// while the windows keep repainting, and a progress box with a cancel button
// appears when the work takes a while.
#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace platform {

enum class WaitOutcome { kFinished, kCancelled };

struct WaitTexts {
  std::string message;        // GBK, e.g. a "searching..." line
  std::string cancel_button;  // GBK, the cancel button's caption (取消)
};

// Runs work on a new thread and returns kFinished once it has returned.
// While waiting, every window keeps repainting and no window other than the
// progress box takes user input. When work has not finished after about
// 300 ms, a busy cursor and a small progress box (message, a cancel button;
// Esc cancels too), the one window that takes input, appear; quicker work
// shows nothing at all.
// Cancelling (the button, Esc, closing the box, or a close request of any other
// top-level window) calls cancel on this thread and returns kCancelled at once,
// without waiting for work: the thread is left to finish on its own (detached),
// so work must own or share everything it touches. Work is destroyed on its
// thread once it has returned. A close request of another
// window is not lost: it is carried out once control is back in the outer event loop
// (after the caller's handler has returned).
// Without an application object, or when not called on the main thread, work
// runs on the calling thread and the result is kFinished.
// An exception thrown by work is thrown again here when the outcome is
// kFinished; when no thread can be started, work runs on the calling thread.
WaitOutcome RunWhileResponsive(std::function<void()> work, std::function<void()> cancel,
                               const WaitTexts& texts);

// How long work may run before the busy cursor and the progress box appear
// (300 ms unless set); tests set it to zero or to hours.
void SetProgressBoxDelay(std::chrono::milliseconds delay);

}  // namespace platform
