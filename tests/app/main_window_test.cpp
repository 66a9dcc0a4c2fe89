// The main window after start-up: its screenshot for a person to look at,
// and the index check that guards the program's array reads.
#include <gtest/gtest.h>

#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/runtime_calls.h"
#include "platform/application.h"
#include "tests/app/workbench_driver.h"

namespace app_test {
namespace {

TEST(MainWindow, ScreenshotAfterStartUpIsWrittenToTheBuildFolder) {
  OpenFreshWorkbench();
  QWidget* window = MainWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  // The test binary lives in <build>/tests; the picture goes to <build>/app.
  const QString path = QString::fromStdString(platform::ExecutableDirectory()) + "../app/main_window.png";
  EXPECT_TRUE(window->grab().save(path, "PNG")) << path.toStdString();
}

// The whole program: closing the window the way the close box does (a close
// request to the window) ends the message loop, and the process exits with 0
// after the registered exit routine ran.
// Closes the main window once it is shown (the runtime also delivers waiting
// messages while it builds the window, before the window exists).
void CloseMainWindowWhenShown() {
  QWidget* window = MainWindow();
  if (window != nullptr && window->isVisible()) {
    window->close();
    return;
  }
  QTimer::singleShot(10, &CloseMainWindowWhenShown);
}

void RunWorkbenchAndCloseItsWindow() {
  QTimer::singleShot(0, &CloseMainWindowWhenShown);
  const int status = RunWholeWorkbench();
  std::fprintf(stderr, "program ended\n");
  std::fflush(stderr);
  // Skips the leak check at exit: the test's own application object (and the
  // font library's caches under it) outlive this child by design.
  std::_Exit(status);
}

TEST(MainWindowDeathTest, ClosingTheWindowEndsTheProgramWithStatus0) {
  EXPECT_EXIT(RunWorkbenchAndCloseItsWindow(), testing::ExitedWithCode(0), "program ended");
}

struct IndexCheckCase {
  const char* name;
  int64_t index;
  int64_t count;
  const char* report_part;  // UTF-8
};

// The case's name stands for it in the test's name.
void PrintTo(const IndexCheckCase& c, std::ostream* out) { *out << c.name; }

class IndexCheckDeathTest : public testing::TestWithParam<IndexCheckCase> {};

TEST_P(IndexCheckDeathTest, ReportsTheCodeAndLocationAndEndsWithStatus255) {
  const IndexCheckCase& c = GetParam();
  EXPECT_EXIT(
      {
        testing_support::PrintMessageBoxesToStderr();
        app::CheckIndex(c.index, c.count, 0x04012F8E, 133);
      },
      testing::ExitedWithCode(255), c.report_part);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IndexCheckDeathTest,
    // Death-test patterns are POSIX extended: "." also matches a line break.
    testing::Values(IndexCheckCase{"above_the_count", 21, 20, "错误代码：1.*数组成员引用下标超出定义范围.*67186574, 133"},
                    IndexCheckCase{"below_one", 0, 20, "错误代码：4.*数组成员引用下标必须大于等于1.*67186574, 133"},
                    IndexCheckCase{"zero_of_empty_array_is_code_4", 0, 0, "错误代码：4"}));

}  // namespace
}  // namespace app_test
