// The runtime entry table and the service call.
#include "runtime/entry_table.h"

#include "runtime/errors.h"
#include "runtime/lifecycle.h"
#include "runtime/memory.h"
#include "runtime/runtime_texts.h"
#include "runtime/values.h"
#include "runtime/window_host.h"

namespace rt {
namespace {

// Calls into external libraries and the file-search services do not exist in
// this system; a call says so instead of pretending to succeed.
[[noreturn]] void Unavailable(int32_t number) { RaiseError(texts::kServiceUnavailable, 0, number, 0); }

void CallExternal(int32_t routine) { Unavailable(routine); }

uint64_t ReadProperty(uint32_t window_id, uint32_t control_id, int32_t index, int32_t member) {
  WindowHost* host = GetWindowHost();
  if (host == nullptr) RaiseError(texts::kPropertyWindowNotLoaded, 0, int32_t(window_id), int32_t(control_id));
  return host->ReadProperty(window_id, control_id, index, member);
}

void WriteProperty(uint32_t window_id, uint32_t control_id, int32_t index, int32_t member,
                   uint64_t value) {
  WindowHost* host = GetWindowHost();
  if (host == nullptr) RaiseError(texts::kPropertyWindowNotLoaded, 0, int32_t(window_id), int32_t(control_id));
  host->WriteProperty(window_id, control_id, index, member, value);
}

void Exit(int32_t code) { RuntimeExit(code); }

constexpr RuntimeEntryTable kTable = {
    &RaiseErrorCode, &CallExternal,  &CallCommand, &CallCommand, &ReadProperty,
    &WriteProperty,  &RuntimeAlloc,  &RuntimeRealloc, &RuntimeFree, &Exit,
    &EndProgram,     &LoadWindow,    &ServiceCall,
};

}  // namespace

const RuntimeEntryTable& Runtime() { return kTable; }

intptr_t ServiceCall(int32_t number, intptr_t a, intptr_t b) {
  switch (number) {
    case service::kMakeArrayWritable:
      MakeArrayWritable(int32_t(a), reinterpret_cast<void**>(b));
      return 0;
    case service::kRegisterExitRoutine:
      RegisterExitRoutine(reinterpret_cast<ExitRoutine>(a));
      return 0;
    case service::kInitialise:
      InitialiseRuntime();
      return 0;
    default:
      Unavailable(number);
  }
}

}  // namespace rt
