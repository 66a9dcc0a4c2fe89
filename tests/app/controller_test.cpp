// The ignore-case toggle keeps "(?i)" in step with its box; the count guard
// puts "1" back into an emptied count box.
#include <gtest/gtest.h>

#include "tests/app/workbench_driver.h"

namespace app_test {
namespace {

class ControllerTest : public testing::Test {
 protected:
  void SetUp() override { OpenFreshWorkbench(); }
};

struct ToggleCase {
  const char* name;
  const char* pattern_before;
  bool tick;  // the state the click leaves the box in
  const char* pattern_after;
};

// The case's name stands for it in the test's name.
void PrintTo(const ToggleCase& c, std::ostream* out) { *out << c.name; }

class IgnoreCaseToggleTest : public ControllerTest, public testing::WithParamInterface<ToggleCase> {};

TEST_P(IgnoreCaseToggleTest, KeepsThePrefixInStep) {
  const ToggleCase& c = GetParam();
  SetTicked(control::kIgnoreCase, !c.tick);  // its writes are checked by the cases below
  TypeInto(control::kPattern, c.pattern_before);
  Click(control::kIgnoreCase);
  ASSERT_EQ(Ticked(control::kIgnoreCase), c.tick);
  EXPECT_EQ(BoxText(control::kPattern), Gbk(c.pattern_after));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IgnoreCaseToggleTest,
    testing::Values(ToggleCase{"tick_empty_box", "", true, "(?i)"},
                    ToggleCase{"tick_adds_in_front", "a+b", true, "(?i)a+b"},
                    ToggleCase{"tick_with_prefix_in_the_middle", "abc(?i)d", true, "abc(?i)d"},
                    ToggleCase{"tick_capital_i_is_not_the_prefix", "(?I)x", true, "(?i)(?I)x"},
                    ToggleCase{"tick_after_double_byte_text", "中(?i)", true, "中(?i)"},
                    ToggleCase{"untick_removes_the_first_only", "x(?i)y(?i)", false, "xy(?i)"},
                    ToggleCase{"untick_without_prefix_changes_nothing", "abc", false, "abc"},
                    ToggleCase{"untick_removes_it_anywhere", "ab(?i)", false, "ab"}));

TEST_F(ControllerTest, TickingTwiceKeepsOnePrefix) {
  TypeInto(control::kPattern, "a");
  Click(control::kIgnoreCase);
  Click(control::kIgnoreCase);
  Click(control::kIgnoreCase);
  EXPECT_TRUE(Ticked(control::kIgnoreCase));
  EXPECT_EQ(BoxText(control::kPattern), "(?i)a");
}

TEST_F(ControllerTest, DeletingTheLastCountCharacterPutsOneBack) {
  TypeInto(control::kContainedCount, "7");
  QWidget* box = Widget(control::kContainedCount);
  QTest::keyClick(box, Qt::Key_End);
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(BoxText(control::kContainedCount), "1");
}

TEST_F(ControllerTest, ProgramWriteOfAnEmptyCountRunsTheGuardAgainSynchronously) {
  rt::Runtime().write_property(app::kMainWindow, control::kContainedCount, app::property::kEditBoxText,
                               app::property::kWholeValue, 0);
  EXPECT_EQ(BoxText(control::kContainedCount), "1");
}

TEST_F(ControllerTest, TypingOverTheWholeCountReplacesItWithoutAOne) {
  TypeInto(control::kContainedCount, "35");
  EXPECT_EQ(BoxText(control::kContainedCount), "35");
}

TEST_F(ControllerTest, ChoosingALanguageChangesNothing) {
  TypeInto(control::kPattern, "abc");
  QWidget* combo = Widget(control::kSnippetLanguage);
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(rt::Runtime().read_property(app::kMainWindow, control::kSnippetLanguage,
                                       app::property::kComboBoxCurrentItem, app::property::kWholeValue),
            1u);
  EXPECT_EQ(BoxText(control::kSnippet), "");
  EXPECT_EQ(BoxText(control::kPattern), "abc");
}

}  // namespace
}  // namespace app_test
