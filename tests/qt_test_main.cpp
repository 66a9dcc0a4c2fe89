// Test main with an offscreen QApplication for widget tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

// Under LeakSanitizer: fontconfig keeps what it parsed of its configuration
// for the life of the process, which a test ending in std::exit shows as a
// leak once a window has had Qt load its fonts.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  testing::InitGoogleTest(&argc, argv);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  return RUN_ALL_TESTS();
}
