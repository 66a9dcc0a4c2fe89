// Test main without widgets. Death tests re-execute the binary ("threadsafe")
// so a child never inherits another test's threads.
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  return RUN_ALL_TESTS();
}
