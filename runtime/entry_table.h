// The runtime entry table: the 13 entry points through which the program's
// code reaches the runtime, and the numbered service calls of entry 12.
#pragma once

#include <cstdint>

#include "runtime/call.h"

namespace rt {

namespace service {
constexpr int32_t kFindFile = 0;
constexpr int32_t kCloseFind = 1;
constexpr int32_t kMakeArrayWritable = 2;  // a element size, b address of the array variable
constexpr int32_t kRegisterExitRoutine = 3;  // a routine
constexpr int32_t kInitialise = 6;
}  // namespace service

struct RuntimeEntryTable {
  void (*raise_error_code)(int32_t code, int32_t location1, int32_t location2);
  void (*call_external)(int32_t routine);
  ResultRecord (*call_library_command)(CommandEntry entry, int32_t count, const ArgRecord* args);
  ResultRecord (*call_core_command)(CommandEntry entry, int32_t count, const ArgRecord* args);
  uint64_t (*read_property)(uint32_t window_id, uint32_t control_id, int32_t index, int32_t member);
  void (*write_property)(uint32_t window_id, uint32_t control_id, int32_t index, int32_t member,
                         uint64_t value);
  void* (*alloc)(int64_t n);
  void* (*realloc)(void* p, int64_t n);
  void (*free)(void* p);
  void (*exit)(int32_t code);
  void (*end_program)();
  void (*load_window)(uint32_t window_id);
  intptr_t (*service_call)(int32_t number, intptr_t a, intptr_t b);
};

// The table, in its fixed order.
const RuntimeEntryTable& Runtime();

// Entry 12. Services 0, 1, 4 and 5 are not available here: they raise the
// run-time error of an unsupported call instead of pretending.
intptr_t ServiceCall(int32_t number, intptr_t a, intptr_t b);

}  // namespace rt
