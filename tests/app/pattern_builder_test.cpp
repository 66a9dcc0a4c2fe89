// The pattern builder: every row of its decision table through the real
// boxes, the "(?i)" prefix, and the three messages in their order.
#include <gtest/gtest.h>

#include <string>

#include "tests/app/workbench_driver.h"

namespace app_test {
namespace {

struct BuilderCase {
  bool use_start, use_end, use_contained, start_in_match, end_in_match;
  const char* pattern;  // for s = "a", e = "b", m = "c", n = "2"
};

// "any" columns are exercised with both values across the rows that have them.
const BuilderCase kRows[] = {
    {1, 0, 0, 1, 0, R"(a(.+?)[\s\S]*)"},
    {1, 0, 0, 1, 1, R"(a(.+?)[\s\S]*)"},
    {1, 0, 0, 0, 1, R"((?<=a)[\s\S]*)"},
    {1, 1, 0, 1, 0, R"(a(.+?)(?=b))"},
    {1, 1, 0, 0, 1, R"((?<=a)(.+?)b)"},
    {1, 1, 0, 1, 1, R"(a(.+?)b)"},
    {1, 1, 0, 0, 0, R"((?<=a)(.+?)(?=b))"},
    {1, 1, 1, 1, 0, R"(a(.+?)c{2}(.+?)(?=b))"},
    {1, 1, 1, 0, 1, R"((?<=a)(.+?)c{2}(.+?)b)"},
    {1, 1, 1, 1, 1, R"(a(.+?)c{2}(.+?)b)"},
    {1, 1, 1, 0, 0, R"((?<=a)(.+?)c{2}(.+?)(?=b))"},
    {1, 0, 1, 1, 0, R"(a(.+?)c{2}[\s\S]*)"},
    {1, 0, 1, 0, 1, R"((?<=a)(.+?)c{2}[\s\S]*)"},
    // Only the end text: ticked "end in match" keeps it in the match, as in every other row.
    {0, 1, 0, 0, 1, R"((.+?)b)"},
    {0, 1, 0, 1, 0, R"((.+?)(?=b))"},
    {0, 1, 1, 1, 1, R"((.+?)c{2}(.+?)b)"},
    {0, 1, 1, 0, 0, R"((.+?)c{2}(.+?)(?=b))"},
    {0, 0, 1, 1, 1, R"(.*c{2}.*)"},
    {0, 0, 1, 0, 0, R"(.*c{2}.*)"},
    {0, 0, 0, 1, 1, ""},
    {0, 0, 0, 0, 0, ""},
};

class PatternBuilderTest : public testing::Test {
 protected:
  void SetUp() override { OpenFreshWorkbench(); }

  void Tick(const BuilderCase& c) {
    SetTicked(control::kUseStart, c.use_start);
    SetTicked(control::kUseEnd, c.use_end);
    SetTicked(control::kUseContained, c.use_contained);
    SetTicked(control::kStartInMatch, c.start_in_match);
    SetTicked(control::kEndInMatch, c.end_in_match);
  }
  void FillTexts(const char* s, const char* e, const char* m, const char* n) {
    TypeInto(control::kStartText, s);
    TypeInto(control::kEndText, e);
    TypeInto(control::kContainedText, m);
    TypeInto(control::kContainedCount, n);
  }
  testing_support::MessageBoxRecorder boxes;
};

TEST_F(PatternBuilderTest, EveryRowOfTheDecisionTable) {
  FillTexts("a", "b", "c", "2");
  for (const BuilderCase& c : kRows) {
    SCOPED_TRACE(testing::Message() << "S" << c.use_start << " E" << c.use_end << " M" << c.use_contained
                                    << " IS" << c.start_in_match << " IE" << c.end_in_match);
    TypeInto(control::kPattern, "old");
    Tick(c);
    Click(control::kBuildButton);
    EXPECT_EQ(BoxText(control::kPattern), c.pattern);
  }
  EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(PatternBuilderTest, IgnoreCasePutsThePrefixInFrontEvenOfAnEmptyPattern) {
  FillTexts("a", "b", "", "1");
  Click(control::kIgnoreCase);  // the pattern box now holds "(?i)"
  Tick({1, 1, 0, 1, 1, nullptr});
  Click(control::kBuildButton);
  EXPECT_EQ(BoxText(control::kPattern), "(?i)a(.+?)b");
  Tick({0, 0, 0, 0, 0, nullptr});
  Click(control::kBuildButton);
  EXPECT_EQ(BoxText(control::kPattern), "(?i)");
}

TEST_F(PatternBuilderTest, TextsAreInsertedUnescaped) {
  FillTexts("a.(", "", "", "1");
  Tick({1, 0, 0, 1, 0, nullptr});
  Click(control::kBuildButton);
  EXPECT_EQ(BoxText(control::kPattern), R"(a.((.+?)[\s\S]*)");
}

struct MessageCase {
  const char* name;
  const char* s;
  const char* e;
  const char* m;
  BuilderCase ticks;
  const char* message;  // null: no message, the pattern is written
};

TEST_F(PatternBuilderTest, TicksWithEmptyTextsShowTheFirstFailingMessageOnly) {
  const MessageCase cases[] = {
      {"start_checked_first", "", "", "", {1, 1, 1, 0, 0, nullptr}, "请输入开始文本"},
      {"then_end", "a", "", "", {1, 1, 1, 0, 0, nullptr}, "请输入结尾文本"},
      {"then_contained", "a", "b", "", {1, 1, 1, 0, 0, nullptr}, "请输入包含文本"},
      {"contained_alone", "", "", "", {0, 0, 1, 0, 0, nullptr}, "请输入包含文本"},
      {"unticked_empty_texts_are_fine", "a", "", "", {1, 0, 0, 1, 0, nullptr}, nullptr},
  };
  for (const MessageCase& c : cases) {
    SCOPED_TRACE(c.name);
    FillTexts(c.s, c.e, c.m, "1");
    TypeInto(control::kPattern, "kept");
    Tick(c.ticks);
    const size_t shown = boxes.boxes().size();
    Click(control::kBuildButton);
    if (c.message == nullptr) {
      EXPECT_EQ(boxes.boxes().size(), shown);
      EXPECT_NE(BoxText(control::kPattern), "kept");
      continue;
    }
    ASSERT_EQ(boxes.boxes().size(), shown + 1);
    EXPECT_EQ(boxes.boxes().back().text, Gbk(c.message));
    EXPECT_EQ(BoxText(control::kPattern), "kept");
  }
}

}  // namespace
}  // namespace app_test
