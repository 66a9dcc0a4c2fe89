// Running out of memory anywhere: the size asked for is what the report
// names, and a std::bad_alloc that nothing catches (in the C++ library's code
// or Qt's) ends in the out-of-memory report, not in std::terminate.
#include <gtest/gtest.h>

#include <QByteArray>
#include <cstdlib>
#include <functional>
#include <new>

#include "runtime/memory.h"
#include "tests/test_support.h"

// (errors_test.cpp lets a failed allocation return null under AddressSanitizer.)

namespace {

constexpr size_t kPetabyte = size_t(1) << 50;  // more than any address space holds

void* volatile g_kept;  // what is allocated is kept, so no allocation is optimised away

void* NewBytes(size_t n) {
  void* bytes = ::operator new(n);
  g_kept = bytes;
  return bytes;
}

TEST(FailedRequest, IsTheSizeTheFailedAllocationAskedFor) {
  const std::pair<const char*, std::function<void()>> allocations[] = {
      {"runtime block", [] { EXPECT_EQ(rt::RuntimeAllocRaw(int64_t(kPetabyte)), nullptr); }},
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)  // there the sanitizer owns new and malloc
      {"new", [] { EXPECT_THROW(NewBytes(kPetabyte), std::bad_alloc); }},
      {"new, no throw", [] { EXPECT_EQ(::operator new(kPetabyte, std::nothrow), nullptr); }},
      {"malloc", [] { EXPECT_EQ(std::malloc(kPetabyte), nullptr); }},
#endif
  };
  for (const auto& [name, allocate] : allocations) {
    rt::RecordFailedRequest(0);
    allocate();
    EXPECT_EQ(rt::FailedRequestOnThisThread(), int64_t(kPetabyte)) << name;
  }
}

class UncaughtOutOfMemoryDeathTest : public testing::Test {
 protected:
  void SetUp() override { testing_support::PrintMessageBoxesToStderr(); }
};

// Thrown where no handler may catch it, as inside code built without
// exceptions or behind noexcept: only std::terminate remains.
void ThrowPastNoexcept(const std::function<void()>& allocate) {
  const auto no_escape = [&]() noexcept { allocate(); };
  no_escape();
}

TEST_F(UncaughtOutOfMemoryDeathTest, TheCppLibrarysAllocationEndsInTheReportForItsSize) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer's operator new ends the program itself when a request finds no room";
#endif
  EXPECT_EXIT(
      {
        rt::ReportUncaughtOutOfMemory();
        ThrowPastNoexcept([] { static_cast<void>(NewBytes(kPetabyte)); });
      },
      testing::ExitedWithCode(255), "错误信息：分配 1125899906842624 字节内存失败!");
}

TEST_F(UncaughtOutOfMemoryDeathTest, QtsOwnAllocationEndsInTheReport) {
  EXPECT_EXIT(
      {
        rt::ReportUncaughtOutOfMemory();
        ThrowPastNoexcept([] { QByteArray bytes(qsizetype(kPetabyte), 'x'); });
      },
      testing::ExitedWithCode(255), "错误信息：分配 [0-9]+ 字节内存失败!");
}

}  // namespace
