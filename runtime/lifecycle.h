// The program's life: start-up, runtime initialisation, the message loop,
// exit routines and the end-of-program routine.
#pragma once

#include <cstdint>

#include "runtime/program.h"

namespace rt {

using StartRoutine = int (*)();
using ExitRoutine = void (*)();

// The application object's whole life: creates the platform application,
// records the program's directory, calls start, then runs the end-of-program
// routine with code 0. Returns the process exit status.
int RunProgram(int argc, char** argv, const ProgramHeader& header, StartRoutine start);

// Service 6: initialises the runtime from the header given to RunProgram (or
// SetProgramHeader), every step in order.
void InitialiseRuntime();
void SetProgramHeader(const ProgramHeader* header);

// Service 3: registers an exit routine once; a routine already registered is
// not added again.
void RegisterExitRoutine(ExitRoutine routine);
// Empties the list of exit routines (a run-time error does this).
void DropExitRoutines();

// Entry 11: opens a window of the templates; failure raises
// "载入启动窗口失败" with the WindowId.
void LoadWindow(uint32_t window_id);
// Entry 10: sets the ending flag and runs the message loop while a loaded
// window is alive; returns at once when none is.
void EndProgram();
bool ProgramEnding();

// The end-of-program routine with exit code k (see RuntimeExit for the
// cross-thread rule).
void EndOfProgram(int32_t k);
// Runs the end-of-program routine and ends the process with code.
[[noreturn]] void RuntimeExit(int32_t code);

// The directory the program's file lies in, with its trailing slash.
const char* ProgramDirectory();

}  // namespace rt
