// Runtime initialisation, the message loop, exit routines and the
// end-of-program routine.
#include "runtime/lifecycle.h"

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "platform/application.h"
#include "runtime/errors.h"
#include "runtime/event_suppression.h"
#include "runtime/memory.h"
#include "runtime/notify.h"
#include "runtime/responsive_work.h"
#include "runtime/runtime_texts.h"
#include "runtime/window_host.h"

namespace rt {
namespace {

constexpr int32_t kLibraryStart = 1;
constexpr int32_t kLibraryEnd = 6;

const ProgramHeader* g_header = nullptr;
std::string g_program_directory;
std::vector<ExitRoutine> g_exit_routines;
std::vector<const LibraryInfo*> g_libraries;
std::vector<uint32_t> g_extra1, g_extra2;
bool g_ending = false;                       // set by EndProgram
std::atomic<bool> g_shutting_down = false;   // the end-of-program routine has begun

void NotifyLibraries(int32_t code, intptr_t a) {
  for (const LibraryInfo* library : g_libraries)
    if (library->notify) library->notify(code, a, 0);
}

void CopyExtraTables(const ProgramHeader& h) {
  if (h.extra_count == 0) return;
  if (h.extra1) g_extra1.assign(h.extra1, h.extra1 + h.extra_count);
  if (h.extra2) g_extra2.assign(h.extra2, h.extra2 + h.extra_count);
}

void RegisterLibraries(const ProgramHeader& h) {
  g_libraries.clear();
  for (uint32_t i = 0; i < h.library_count && h.libraries; ++i) {
    const LibraryInfo* library = h.libraries[i];
    if (library == nullptr) continue;
    g_libraries.push_back(library);
    if (library->notify) library->notify(kLibraryStart, intptr_t(&RuntimeNotify), 0);
  }
}

void ShutDownOnMainThread() {
  if (g_shutting_down.exchange(true)) return;  // already running
  std::vector<ExitRoutine> routines;
  routines.swap(g_exit_routines);
  for (ExitRoutine routine : routines) routine();
  NotifyLibraries(kLibraryEnd, 0);
  g_libraries.clear();
  if (WindowHost* host = GetWindowHost()) host->Shutdown();
  ClearConstantBlock();
  platform::DestroyOwnerObject();
}

}  // namespace

void SetProgramHeader(const ProgramHeader* header) { g_header = header; }
const char* ProgramDirectory() { return g_program_directory.c_str(); }

int RunProgram(int argc, char** argv, const ProgramHeader& header, StartRoutine start) {
  ReportUncaughtOutOfMemory();
  SetProgramHeader(&header);
  platform::CreateApplication(argc, argv);
  g_program_directory = platform::ExecutableDirectory();
  start();  // returns 0: no framework loop of its own, straight to the exit step
  EndOfProgram(0);
  platform::DestroyApplication();
  // Cancelled work may still be inside the regex engine on its own thread;
  // ending here keeps the static destructors from running under it.
  if (CancelledWorkRunning()) platform::ExitProcess(0);
  return 0;
}

void InitialiseRuntime() {
  static const ProgramHeader kEmpty{};
  const ProgramHeader& h = g_header ? *g_header : kEmpty;
  if (g_program_directory.empty()) g_program_directory = platform::ExecutableDirectory();
  platform::SetCurrentDirectory(g_program_directory);
  platform::CreateOwnerObject();
  platform::RecordMainThread();
  if (h.constants_size != 0) SetConstantBlock(h.constants, h.constants_size);
  CopyExtraTables(h);
  RegisterLibraries(h);
  if (h.templates_size != 0) {
    if (WindowHost* host = GetWindowHost()) host->LoadTemplates(h.templates, h.templates_size, h.code_base);
  }
}

void RegisterExitRoutine(ExitRoutine routine) {
  if (routine == nullptr) return;
  if (std::find(g_exit_routines.begin(), g_exit_routines.end(), routine) != g_exit_routines.end()) return;
  g_exit_routines.push_back(routine);
}

void DropExitRoutines() { g_exit_routines.clear(); }

void LoadWindow(uint32_t window_id) {
  WindowHost* host = GetWindowHost();
  if (host == nullptr || !host->OpenWindow(window_id))
    RaiseError(texts::kStartWindowFailed, 0, int32_t(window_id), 0);
}

void EndProgram() {
  g_ending = true;
  WindowHost* host = GetWindowHost();
  if (host != nullptr && host->AnyWindowAlive()) platform::RunMessageLoop();
}

bool ProgramEnding() { return g_ending; }

void EndOfProgram(int32_t k) {
  SuppressEvents();
  if (platform::OnMainThread()) return ShutDownOnMainThread();
  // Another thread: hand the request to the main thread without waiting for
  // it (a busy main thread must not hold this thread up), then end the
  // process here unless the routine is already under way on the main thread.
  platform::PostToMainThread([k] { RuntimeExit(k); });
  if (!g_shutting_down) platform::ExitProcess(k);
  for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));  // the main thread ends the process
}

void RuntimeExit(int32_t code) {
  EndOfProgram(code);
  platform::ExitProcess(code);
}

}  // namespace rt
