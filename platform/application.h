// The platform's application object and message loop, the hidden owner
// object that takes exit requests from other threads, and process exit.
// The runtime reaches Qt only through these functions.
#pragma once

#include <functional>
#include <string>

#include <QSize>

namespace platform {

// Creates the application object once (later calls do nothing), with Qt's own
// texts in the user's language. Qt gets only the program name from argv, so no
// command-line option reaches it; its desktop file name is the desktop
// entry's (the Wayland app id). Ends the process with status 1 and one line on
// stderr when the GB18030 converter, a display or the Wayland plugin a
// Wayland display needs is missing.
void CreateApplication(int& argc, char** argv);
bool ApplicationExists();
// Destroys the application object made by CreateApplication.
void DestroyApplication();

// Lowers the scale of the whole interface so that a fixed window of this size
// (device-independent pixels), with room for a window manager's frame, fits
// the available area of the primary screen. Acts only while no window exists
// and only downwards; does nothing when the window fits.
void ScaleToFitScreen(QSize window);

// Runs the message loop until QuitMessageLoop; returns the quit code.
int RunMessageLoop();
// Ends the running loop with code (posted: takes effect when the loop next runs).
void QuitMessageLoop(int code);

// The hidden owner object on the main thread.
void CreateOwnerObject();
void DestroyOwnerObject();
// Queues fn to run on the main thread through the owner object and returns
// at once, without waiting for the main thread; false, with nothing queued,
// when there is no owner object. Safe on any thread while the main thread
// creates or destroys the owner.
bool PostToMainThread(const std::function<void()>& fn);

void RecordMainThread();
bool OnMainThread();

// Ends the process with code at once (status = code & 0xFF).
[[noreturn]] void ExitProcess(int code);

// The directory of the running executable, with its trailing '/'; empty when
// the path has no '/'.
std::string ExecutableDirectory();
bool SetCurrentDirectory(const std::string& dir);

}  // namespace platform
