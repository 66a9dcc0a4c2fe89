// Pattern commands: compiling, failed compiles, the case-sensitive argument and
// the construct/destruct states.
#include <cctype>
#include <clocale>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include "tests/regex/regex_calls.h"

namespace regex_testing {
namespace {

using PatternTest = RegexServiceTest;

TEST_F(PatternTest, CompileReportsWhetherTheTextIsAnExpression) {
  const struct {
    const char* text;
    bool compiles;
  } cases[] = {
      {"abc", true},  {"(?<=a)a", true}, {"[\\x80-\\xff]", true},
      {"", false},    {"a(", false},     {"(", false},
      {"[a", false},  {"a\\", false},    {"*a", false},
      {"a)", false},  {"a{2,1}", false},
  };
  for (const auto& c : cases) {
    Pattern pattern;
    EXPECT_EQ(pattern.Compile(c.text), c.compiles) << c.text;
  }
}

TEST_F(PatternTest, FailedCompileOfAFreshPatternLeavesItEmpty) {
  Pattern pattern;
  EXPECT_FALSE(pattern.Compile("a("));
  Results results(pattern, "a(a");
  ASSERT_NE(results.array(), nullptr);
  EXPECT_EQ(rt::ArrayDimensions(results.array()), 1u);
  EXPECT_EQ(results.count(), 0);
}

TEST_F(PatternTest, FailedCompileKeepsThePreviousExpression) {
  for (const char* bad : {"(", "", "[z"}) {
    Pattern pattern("abc");
    EXPECT_FALSE(pattern.Compile(bad));
    Results results(pattern, "xxabcx");
    EXPECT_EQ(results.Spans(), (std::vector<Span>{{2, 3}})) << bad;
  }
}

TEST_F(PatternTest, LaterCompileReplacesTheExpression) {
  Pattern pattern("abc");
  EXPECT_TRUE(pattern.Compile("x"));
  Results results(pattern, "abcx");
  EXPECT_EQ(results.Spans(), (std::vector<Span>{{3, 1}}));
}

TEST_F(PatternTest, CaseSensitiveArgumentChoosesIgnoreCase) {
  const struct {
    const char* pattern;
    rt::ArgRecord case_sensitive;
    bool finds_lower_a;
  } cases[] = {
      {"A", rt::BoolArg(false), true},
      {"A", rt::kOmitted, false},
      {"A", rt::BoolArg(true), false},
      {"A", rt::ArgRecord{2, rt::tag::kBool}, false},  // any non-zero value is true
      {"(?i)A", rt::kOmitted, true},
      {"(?i)A", rt::BoolArg(true), true},
  };
  for (const auto& c : cases) {
    Pattern pattern;
    ASSERT_TRUE(pattern.Compile(c.pattern, c.case_sensitive));
    Results results(pattern, "a");
    EXPECT_EQ(results.count(), c.finds_lower_a ? 1 : 0)
        << c.pattern << " case argument " << c.case_sensitive.value;
  }
}

TEST_F(PatternTest, DotMatchesLineBreaksUnlessTurnedOff) {
  Pattern dot_all("a.b");
  Pattern dot_line("(?-s)a.b");
  Results across(dot_all, "a\nb");
  Results not_across(dot_line, "a\nb");
  Results same_line(dot_line, "a-b");
  EXPECT_EQ(across.count(), 1);
  EXPECT_EQ(not_across.count(), 0);
  EXPECT_EQ(same_line.count(), 1);
}

// Turkish folds i and I apart; ASCII letters still fold and classify as Perl's.
TEST_F(PatternTest, AsciiFoldsAsPerlUnderATurkishLocale) {
  const locale_t turkish = newlocale(LC_ALL_MASK, "tr_TR.UTF-8", nullptr);
  ASSERT_NE(turkish, nullptr) << "tr_TR.UTF-8 is missing; scripts/install-deps.sh generates it";
  EXPECT_EQ(tolower_l('I', turkish), 'I');  // the locale really keeps I from i
  freelocale(turkish);
  const char* set_before = std::getenv("LC_ALL");
  const std::optional<std::string> before = set_before ? std::optional<std::string>(set_before) : std::nullopt;
  setenv("LC_ALL", "tr_TR.UTF-8", 1);  // the user's locale, where a program looks for it
  const std::pair<const char*, int64_t> cases[] = {{"(?i)I", 2}, {"(?i)i", 2}, {"[[:upper:]]", 1}, {"\\w", 2}};
  for (const auto& [text, matches] : cases) {
    Pattern pattern(text);
    EXPECT_EQ(Results(pattern, "i I\xC0").count(), matches) << text;
  }
  if (before)
    setenv("LC_ALL", before->c_str(), 1);
  else
    unsetenv("LC_ALL");
}

TEST_F(PatternTest, ConstructSetsMultilineAndAnEmptyExpression) {
  Pattern pattern;
  EXPECT_EQ(pattern.value().multiline, 1);
  EXPECT_NE(pattern.value().expression, nullptr);
  EXPECT_TRUE(pattern.value().expression->empty());
}

TEST_F(PatternTest, DestructWithoutCompileAndTwiceIsHarmless) {
  Pattern pattern;
  Call(regex_service::kPatternDestruct, {pattern.Ref()});
  EXPECT_EQ(pattern.value().expression, nullptr);
  // The helper's own destruct runs again on the cleared value.
}

TEST_F(PatternTest, CommandsOnAnUnconstructedPatternDoNothing) {
  regex_service::PatternValue zeroed{};
  const rt::ArgRecord ref = rt::PointerArg(&zeroed, rt::tag::kPattern);
  EXPECT_EQ(Call(regex_service::kPatternCreate, {ref, rt::TextArg("a"), rt::kOmitted}).low(), 0u);
  void* array = Call(regex_service::kSearchAll, {ref, rt::TextArg("a")}).pointer<void>();
  EXPECT_EQ(rt::ArrayCount(array), 0);
  rt::RuntimeFree(array);
  Call(regex_service::kPatternDestruct, {ref});
  EXPECT_EQ(zeroed.expression, nullptr);
}

}  // namespace
}  // namespace regex_testing
