// The out-of-memory error, the room kept back for it, and the terminate
// handler that turns an uncaught std::bad_alloc into it.
#include "runtime/out_of_memory.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <string_view>
#include <thread>

#include "platform/application.h"
#include "runtime/errors.h"
#include "runtime/runtime_texts.h"

namespace rt {
namespace {

constinit thread_local int64_t t_failed_request = 0;
constinit thread_local bool t_giving_room = false;

// Room for the report box (Qt's window, its fonts and layout) and what a
// failing allocation of Qt's own still needs to return to a safe point.
constexpr size_t kKeptRoom = size_t(32) << 20;
std::atomic<void*> g_kept_room = nullptr;
std::terminate_handler g_library_terminate = nullptr;

// The main thread shows the report; this thread waits for the end.
[[noreturn]] void HandToMainThread(int64_t n) {
  platform::PostToMainThread([n] { RaiseOutOfMemory(n); });
  for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
}

[[noreturn]] void OnTerminate() {
  try {
    if (const std::exception_ptr error = std::current_exception()) std::rethrow_exception(error);
  } catch (const std::bad_alloc&) {
    if (!platform::OnMainThread()) HandToMainThread(t_failed_request);
    RaiseOutOfMemory(t_failed_request);
  } catch (...) {
  }
  if (g_library_terminate != nullptr) g_library_terminate();  // names what was thrown, and aborts
  std::abort();
}

}  // namespace

void RaiseOutOfMemory(int64_t n) {
  std::free(g_kept_room.exchange(nullptr));
  // Counts are 64-bit here: the whole count replaces the format's "%d". The
  // message is written into a buffer that needs no memory of its own.
  char message[128];
  const std::string_view format = texts::kOutOfMemoryFormat;
  const size_t at = format.find("%d");
  std::snprintf(message, sizeof message, "%.*s%lld%s", int(at), format.data(), static_cast<long long>(n),
                format.substr(at + 2).data());
  try {
    RaiseError(message, 0, 0, 0);
  } catch (...) {
    // Not even the report box found room: its words go to standard error.
    std::fprintf(stderr, "%s\n", ComposeErrorReport(message, 0, 0, 0).c_str());
    platform::ExitProcess(-1);
  }
}

int64_t FailedRequestOnThisThread() { return t_failed_request; }

void RecordFailedRequest(int64_t n) { t_failed_request = n; }

void ReportUncaughtOutOfMemory() {
  const std::terminate_handler previous = std::set_terminate(OnTerminate);
  if (previous != OnTerminate) g_library_terminate = previous;
  void* expected = nullptr;
  void* room = std::malloc(kKeptRoom);
  if (!g_kept_room.compare_exchange_strong(expected, room)) std::free(room);
}

bool GiveKeptRoomFor(int64_t n) {
  RecordFailedRequest(n);
  if (t_giving_room || n < 0 || size_t(n) > kKeptRoom || g_kept_room.load() == nullptr) return false;
  t_giving_room = true;  // posting allocates: a failure in there gives nothing
  void* room = g_kept_room.exchange(nullptr);
  std::free(room);
  const bool posted = room != nullptr && platform::PostToMainThread([n] { RaiseOutOfMemory(n); });
  t_giving_room = false;
  return posted;
}

}  // namespace rt
