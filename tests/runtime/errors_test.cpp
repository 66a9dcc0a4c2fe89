// The run-time error report, byte for byte, and the errors that end the
// program: status 255, the report on the box, no exit routine run.
#include "runtime/errors.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "runtime/entry_table.h"
#include "runtime/lifecycle.h"
#include "runtime/memory.h"
#include "runtime/notify.h"
#include "tests/runtime/command_call.h"
#include "tests/runtime/fake_window_host.h"
#include "tests/test_support.h"

// Lets a failed allocation return null under AddressSanitizer, so that the
// out-of-memory path is what runs.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }

namespace {

using runtime_test::EndsWith;
using runtime_test::Exactly;
using testing_support::Gbk;

void WriteExitMarker() { std::fputs("exit routine ran\n", stderr); }

// What PrintMessageBoxesToStderr writes for the error box holding `report`.
std::string ErrorBox(const std::string& report) { return "[错误]\n" + report + "\n"; }

struct ReportCase {
  const char* message;  // UTF-8, converted to GBK; null stays null
  int32_t code, location1, location2;
  std::string report;   // UTF-8
};

TEST(ComposeErrorReport, LaysOutCodeMessageAndLocation) {
  const ReportCase cases[] = {
      {"数组成员引用下标超出定义范围", 1, 0x04012F8E, 133,
       "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n\r\n67186574, 133\r\n"},
      {"库错误", 0, 0, 0, "运行时出错!\r\n\r\n错误信息：库错误\r\n\r\n0, 0\r\n"},
      {"", 0, 0, 0, "运行时出错!\r\n\r\n0, 0\r\n"},
      {nullptr, 0, -1, -2, "运行时出错!\r\n\r\n-1, -2\r\n"},
      {nullptr, 3, 5, 0, "运行时出错!\r\n\r\n错误代码：3\r\n\r\n5, 0\r\n"},
      {"x", 0, 0x52010001, 0, "运行时出错!\r\n\r\n错误信息：x\r\n\r\n1375797249, 0\r\n未找到所指定的窗口\r\n"},
  };
  for (const ReportCase& c : cases) {
    const std::string message = c.message ? Gbk(c.message) : "";
    EXPECT_EQ(rt::ComposeErrorReport(c.message ? message.c_str() : nullptr, c.code, c.location1, c.location2),
              Gbk(c.report));
  }
}

TEST(ComposeErrorReport, NamesTheWindowAndUnitOfARegisteredWindow) {
  runtime_test::FakeWindowHost host;
  runtime_test::ScopedWindowHost installed(&host);
  const std::pair<uint32_t, std::string> cases[] = {
      {0, "\r\n\"main\"\r\n\"own unit\"\r\n"},
      {0x16010001, "\r\n\"main\"\r\n\"button\"\r\n"},
      {0x16010099, "\r\n\"main\"\r\n未找到所指定的窗口组件\r\n"},
  };
  for (const auto& [control, tail] : cases)
    EXPECT_EQ(rt::ComposeErrorReport(nullptr, 0, 0x52010001, int32_t(control)),
              Gbk("运行时出错!\r\n\r\n1375797249, " + std::to_string(int32_t(control)) + tail));
  EXPECT_EQ(rt::ComposeErrorReport(nullptr, 0, 0x52010002, 0),
            Gbk("运行时出错!\r\n\r\n1375797250, 0\r\n未找到所指定的窗口\r\n"));
}

TEST(RuntimeErrorDeathTest, NumberedErrorReportsAndSkipsExitRoutines) {
  testing_support::PrintMessageBoxesToStderr();
  EXPECT_EXIT(
      {
        rt::RegisterExitRoutine(&WriteExitMarker);
        rt::Runtime().raise_error_code(1, 0x04012F8E, 133);
      },
      testing::ExitedWithCode(255),
      Exactly(ErrorBox("运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围"
                       "\r\n\r\n67186574, 133\r\n")));
}

TEST(RuntimeErrorDeathTest, LibraryMessageHasNoCodeLine) {
  testing_support::PrintMessageBoxesToStderr();
  const std::string message = Gbk("库错误");
  EXPECT_EXIT(rt::RuntimeNotify(rt::notify::kRaiseError, intptr_t(message.c_str()), 0),
              testing::ExitedWithCode(255), Exactly(ErrorBox("运行时出错!\r\n\r\n错误信息：库错误\r\n\r\n0, 0\r\n")));
}

TEST(RuntimeErrorDeathTest, OutOfMemoryReportsTheFullByteCount) {
  testing_support::PrintMessageBoxesToStderr();
  const std::string report = ErrorBox("运行时出错!\r\n\r\n错误信息：分配 1152921504606846976 字节内存失败!\r\n\r\n0, 0\r\n");
  // The sanitizer may note the failed allocation first; the report ends the output.
  EXPECT_EXIT(rt::RuntimeAlloc(int64_t(1) << 60), testing::ExitedWithCode(255), EndsWith(report));
  EXPECT_EXIT(rt::RuntimeRealloc(rt::RuntimeAlloc(8), int64_t(1) << 60), testing::ExitedWithCode(255),
              EndsWith(report));
}

TEST(RuntimeErrorDeathTest, MissingStartWindowEndsTheProgram) {
  testing_support::PrintMessageBoxesToStderr();
  EXPECT_EXIT(rt::Runtime().load_window(0x52010001), testing::ExitedWithCode(255),
              Exactly(ErrorBox("运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\r\n1375797249, 0\r\n"
                               "未找到所指定的窗口\r\n")));
}

TEST(RuntimeErrorDeathTest, MissingLiveObjectRaisesItsError) {
  testing_support::PrintMessageBoxesToStderr();
  EXPECT_EXIT(rt::RuntimeNotify(rt::notify::kLiveObjectOrError, 0x52010001, 0x16010001),
              testing::ExitedWithCode(255), "错误信息：指定窗口或窗口组件不存在或尚未载入\r\n\r\n1375797249, 369164289");
}

}  // namespace
