// Running out of memory anywhere in a search ends the program with the
// runtime's out-of-memory error, never with a shorter list or "no match".
#include <atomic>
#include <cstdlib>
#include <new>

#include "tests/regex/regex_calls.h"
#include "tests/test_support.h"

namespace {

// Allocations through operator new: counted, and the one numbered g_failing fails.
std::atomic<long> g_allocations = 0;
std::atomic<long> g_failing = -1;

void* Allocate(size_t n) {
  if (g_allocations++ == g_failing) return nullptr;
  return std::malloc(n ? n : 1);
}

}  // namespace

void* operator new(size_t n) {
  if (void* p = Allocate(n)) return p;
  throw std::bad_alloc();
}
void* operator new[](size_t n) { return operator new(n); }
void* operator new(size_t n, const std::nothrow_t&) noexcept { return Allocate(n); }
void* operator new[](size_t n, const std::nothrow_t&) noexcept { return Allocate(n); }
// The deletes that go with these news, here too: under AddressSanitizer the
// sanitizer's own deletes would be linked instead, which refuse malloc's blocks.
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace regex_testing {
namespace {

using OutOfMemoryDeathTest = RegexServiceTest;

// Each allocation a search makes, failed in a child process of its own, ends
// in the error report and status 255.
TEST_F(OutOfMemoryDeathTest, EveryFailedAllocationOfASearchEndsTheProgram) {
  testing_support::PrintMessageBoxesToStderr();
  Pattern pattern("(a)|b");
  const std::string text = "xaxbxa" + std::string(5000, 'y') + "b";
  const auto search = [&] { Results results(pattern, text); };
  search();  // the engine's caches are warm, as in every child below
  g_allocations = 0;
  search();
  const long allocations = g_allocations;
  ASSERT_GT(allocations, 3);
  for (long failing = 0; failing < allocations; ++failing) {
    EXPECT_EXIT(
        {
          g_allocations = 0;
          g_failing = failing;
          search();
        },
        testing::ExitedWithCode(255), "分配 [0-9]+ 字节内存失败!")
        << "allocation " << failing << " of " << allocations;
  }
}

}  // namespace
}  // namespace regex_testing
