// The code snippet generator: every language's snippet byte for byte, the
// pattern inserted verbatim, and the empty-pattern prompt.
#include <gtest/gtest.h>

#include <string>

#include "tests/app/workbench_driver.h"

namespace app_test {
namespace {

// Combo box items in their stored order.
enum Language { kJavaScript, kPhp, kJava, kPython, kGo };

void ChooseLanguage(Language language) {
  QWidget* combo = Widget(control::kSnippetLanguage);
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Home);
  for (int i = 0; i < language; ++i) QTest::keyClick(combo, Qt::Key_Down);
}

std::string Snippet(Language language, const char* pattern) {
  ChooseLanguage(language);
  TypeInto(control::kPattern, pattern);
  Click(control::kSnippetButton);
  return BoxText(control::kSnippet);
}

struct SnippetCase {
  const char* name;
  Language language;
  const char* pattern;
  const char* snippet;  // UTF-8; lines joined by CR LF, none after the last
};

const SnippetCase kCases[] = {
    {"javascript", kJavaScript, "a/b",
     "var pattern = /a/b/,\r\n\tstr = '';\r\nconsole.log(pattern.test(str));"},
    {"php", kPhp, "abc",
     "$str = '';\r\n$isMatched = preg_match('/abc/', $str, $matches);\r\nvar_dump($isMatched, $matches);"},
    {"java_backslash_not_doubled", kJava, R"(\d+)",
     "import java.util.regex.Matcher;\r\nimport java.util.regex.Pattern;\r\n\r\n"
     "public class RegexMatches {\r\n\t\r\n\tpublic static void main(String args[]) {\r\n"
     "\t\tString str = \"\";\r\n\t\tString pattern = \"\\d+\";\r\n\r\n"
     "\t\tPattern r = Pattern.compile(pattern);\r\n\t\tMatcher m = r.matcher(str);\r\n"
     "\t\tSystem.out.println(m.matches());\r\n\t}\r\n\r\n}"},
    {"python", kPython, "'x'",
     "import re\r\npattern = re.compile(r''x'')\r\nstr = u''\r\nprint(pattern.search(str))"},
    {"go", kGo, "中\"",
     "package main\r\n\r\nimport (\r\n\t\"fmt\"\r\n\t\"regexp\"\r\n)\r\n\r\nfunc main() {\r\n"
     "\tstr := \"\"\r\n\tmatched, err := regexp.MatchString(\"中\"\", str)\r\n"
     "\tfmt.Println(matched, err)\r\n}"},
    {"placeholder_in_pattern_is_not_expanded", kJavaScript, "【正则表达式】",
     "var pattern = /【正则表达式】/,\r\n\tstr = '';\r\nconsole.log(pattern.test(str));"},
};

class CodeSnippetTest : public testing::Test {
 protected:
  void SetUp() override { OpenFreshWorkbench(); }
  testing_support::MessageBoxRecorder boxes;
};

TEST_F(CodeSnippetTest, EveryLanguageGetsItsTemplateWithThePatternInside) {
  for (const SnippetCase& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Snippet(c.language, c.pattern), Gbk(c.snippet));
  }
  EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(CodeSnippetTest, CarriesTheIgnoreCasePrefixAndOverwritesTheBox) {
  TypeInto(control::kPattern, "ab");
  Click(control::kIgnoreCase);
  Click(control::kSnippetButton);
  Click(control::kSnippetButton);
  EXPECT_EQ(BoxText(control::kSnippet),
            "var pattern = /(?i)ab/,\r\n\tstr = '';\r\nconsole.log(pattern.test(str));");
}

TEST_F(CodeSnippetTest, EmptyPatternPromptsAndKeepsTheSnippet) {
  const std::string before = Snippet(kGo, "x");
  TypeInto(control::kPattern, "");
  Click(control::kSnippetButton);
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].text, Gbk("请输入正则表达式"));
  EXPECT_EQ(BoxText(control::kSnippet), before);
}

}  // namespace
}  // namespace app_test
