// malloc, calloc and realloc passed through to the C library's; a request
// that finds no room is recorded and may have the room kept for the report
// (runtime/out_of_memory.h): Qt's own containers allocate here, and do not
// survive running out. Not in sanitizer builds, whose runtime owns these
// functions. A file of its own: a program with a malloc of its own (a
// benchmark counting the heap) then links without these.
#include <cstddef>

#include "runtime/out_of_memory.h"

#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)

extern "C" {
void* __libc_malloc(size_t n);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* p, size_t n);

void* malloc(size_t n) {
  void* p = __libc_malloc(n);
  if (p == nullptr && rt::GiveKeptRoomFor(int64_t(n))) p = __libc_malloc(n);
  return p;
}

void* calloc(size_t count, size_t size) {
  void* p = __libc_calloc(count, size);
  if (p == nullptr && rt::GiveKeptRoomFor(int64_t(count * size))) p = __libc_calloc(count, size);
  return p;
}

void* realloc(void* old, size_t n) {
  void* p = __libc_realloc(old, n);
  if (p == nullptr && n != 0 && rt::GiveKeptRoomFor(int64_t(n))) p = __libc_realloc(old, n);
  return p;
}
}

#endif
