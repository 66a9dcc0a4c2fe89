// Marks of a press in the real window: the report's lines lead to their
// matches, the marks go with every change that could make them stale, the
// box's text and copies stay as they were, and a match's tooltip text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <functional>
#include <string>
#include <vector>

#include "app/match_description.h"
#include "app/regex_calls.h"
#include "tests/app/workbench_driver.h"

namespace app_test {
namespace {

class MatchMarksTest : public testing::Test {
 protected:
  void SetUp() override { OpenFreshWorkbench(); }
  void Press(const std::string& source, const char* pattern) {
    WriteBox(control::kSource, Gbk(source));
    WriteBox(control::kPattern, Gbk(pattern));
    Click(control::kMatchButton);
  }
};

// Lines 0 and 1 are the count line and the empty line after it.
TEST_F(MatchMarksTest, EachReportLineLeadsToTheMatchItShows) {
  const struct {
    const char* source;
    const char* pattern;
    std::vector<int> per_line;
  } cases[] = {
      {"banana", "a", {-1, -1, 0, 1, 2}},
      {"acd", "(?=c)|d", {-1, -1, 1}},            // the empty match before "d" has no line
      {"ab", "a*", {-1, -1, 0, 1, 2}},            // empty matches after "a" have one each
      {"a\r\nb x", "a\r\nb|x", {-1, -1, 0, 0, 1}},  // CR LF inside a match
      {"x#换行符y z", "x.*y|z", {-1, -1, 0, 0, 1}},  // so is the marker
      {"a\rb\nc", "a\r|b\n|c", {-1, -1, 0, 0, 1, 1, 2}},  // lone CR and LF, and the break after each
  };
  for (const auto& c : cases) {
    Press(c.source, c.pattern);
    EXPECT_EQ(CurrentMatchPerReportLine(), c.per_line) << c.pattern;
    EXPECT_EQ(MainWindow()->focusWidget(), Widget(control::kMatchReport)) << c.pattern;
  }
}

TEST_F(MatchMarksTest, EveryChangeOfSourceOrPatternEndsTheMarks) {
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"typing in the source", [] { TypeLine(Widget(control::kSource), QStringLiteral("x")); }},
      {"pasting into the source", [] {
         QApplication::clipboard()->setText(QStringLiteral("pasted"));
         View(control::kSource)->paste();
       }},
      {"typing in the pattern", [] { TypeLine(Widget(control::kPattern), QStringLiteral("x")); }},
      {"a preset row", [] { ClickPresetRow(3); }},
      {"the ignore-case box", [] { Click(control::kIgnoreCase); }},
      {"the builder", [] {
         WriteBox(control::kStartText, "a");
         SetTicked(control::kUseStart, true);
         Click(control::kBuildButton);
       }},
      {"a press that finds nothing", [] {
         WriteBox(control::kPattern, "zzz");
         Click(control::kMatchButton);
       }},
  };
  for (const auto& [what, change] : changes) {
    Press("one 1 two 2", "[0-9]");
    ASSERT_NE(SourceMarks(), nullptr) << what;
    View(control::kSource)->setFocus();
    change();
    EXPECT_EQ(SourceMarks(), nullptr) << what;
  }
}

TEST_F(MatchMarksTest, MarkedTextReadsBackAndCopiesAsItWas) {
  const std::string written = "a\r\nb\nc\rd\x81 " + Gbk("中😀");
  WriteBox(control::kSource, written);
  WriteBox(control::kPattern, ".");
  Click(control::kMatchButton);
  ASSERT_NE(SourceMarks(), nullptr);
  EXPECT_EQ(BoxText(control::kSource), written);
  forms::MultiLineView* source = View(control::kSource);
  source->selectAll();
  source->copy();
  EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("a\nb\nc\nd\uFFFD 中😀"));
}

// The position counts characters and bytes from 1, as the text commands do.
TEST(MatchDescriptionTest, NamesThePlaceAndWhatEachGroupCaught) {
  OpenFreshWorkbench();  // the libraries are registered
  const std::string source = Gbk("中ac中") + std::string(70, 'x');
  const std::vector<forms::MarkedMatch> matches = {{2, 2}, {6, 70}};
  EXPECT_EQ(std::string(app::DescribeMatch(source.c_str(), "(a)(b)?(c)|(x+)", matches, 0).view()),
            Gbk("第 1 处匹配：从第 2 个字符（第 3 个字节）起，共 2 个字节\r\n第 1 组：a\r\n"
                "第 2 组：（未参与匹配）\r\n第 3 组：c\r\n第 4 组：（未参与匹配）"));
  EXPECT_EQ(std::string(app::DescribeMatch(source.c_str(), "(x+)", matches, 1).view()),
            Gbk("第 2 处匹配：从第 5 个字符（第 7 个字节）起，共 70 个字节\r\n第 1 组：") + std::string(60, 'x') +
                Gbk("……"));
}

// The tooltips use the kept Pattern while its text stays; another text compiles anew.
TEST(MatchDescriptionTest, UsesThePressedPatternUntilThePatternTextChanges) {
  OpenFreshWorkbench();
  WriteBox(control::kSource, "xab");
  WriteBox(control::kPattern, "(a)b");
  Click(control::kMatchButton);
  void* pressed = app::KeptPattern("(a)b");
  EXPECT_EQ(app::KeptPattern("(a)b"), pressed);
  const std::vector<app::GroupSpan> found = app::MatchAfter(app::KeptPattern("x(a)(b)"), "xab", -1, 0);
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(std::make_pair(found[2].start, found[2].length), std::make_pair(2, 1));
}

}  // namespace
}  // namespace app_test
