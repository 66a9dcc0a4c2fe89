// The C++ allocation functions, on malloc as the C++ library's are; a
// request that finds no room is recorded, so the out-of-memory report names
// what was asked for, and may have the room kept for the report. A file of its own: a
// program with allocation functions of its own (a test's failing allocator)
// then links without these.
#include <cstdlib>
#include <new>

#include "runtime/out_of_memory.h"

void* operator new(size_t n) {
  for (;;) {
    if (void* p = std::malloc(n != 0 ? n : 1)) return p;
    if (rt::GiveKeptRoomFor(int64_t(n))) continue;
    const std::new_handler handler = std::get_new_handler();
    if (handler == nullptr) throw std::bad_alloc();
    handler();
  }
}

void* operator new[](size_t n) { return ::operator new(n); }

void* operator new(size_t n, const std::nothrow_t&) noexcept {
  try {
    return ::operator new(n);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

void* operator new[](size_t n, const std::nothrow_t& nothrow) noexcept { return ::operator new(n, nothrow); }

void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
