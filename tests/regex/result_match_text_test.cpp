// ResultMatchText: the match text, the start variable, and reading only
// inside the text it is given.
#include "tests/regex/regex_calls.h"
#include "tests/test_support.h"

namespace regex_testing {
namespace {

using ResultMatchTextTest = RegexServiceTest;

constexpr int32_t kUntouched = -77;

rt::ArgRecord IntegerVariable(int32_t* variable) { return rt::PointerArg(variable, rt::tag::kInt); }

TEST_F(ResultMatchTextTest, ReturnsTheMatchAndStoresItsStart) {
  Pattern pattern("na");
  Results results(pattern, "banana");
  ASSERT_EQ(results.count(), 2);
  int32_t start = kUntouched;
  EXPECT_EQ(results.MatchText(1, "banana", IntegerVariable(&start)), "na");
  EXPECT_EQ(start, 4);
  EXPECT_EQ(results.MatchText(0, "banana"), "na");
}

TEST_F(ResultMatchTextTest, EmptyMatchGivesNullAndStillStoresTheStart) {
  Pattern pattern("$");
  Results results(pattern, "ab");
  ASSERT_EQ(results.count(), 1);
  int32_t start = kUntouched;
  char* text = Call(regex_service::kResultMatchText,
                    {results.Element(0), rt::TextArg("ab"), IntegerVariable(&start)})
                   .pointer<char>();
  EXPECT_EQ(text, nullptr);
  EXPECT_EQ(start, 2);
}

TEST_F(ResultMatchTextTest, HalfOfADoubleByteCharacterIsOneByte) {
  const std::string text = testing_support::Gbk("中文");
  Pattern pattern(".");
  Results results(pattern, text);
  ASSERT_EQ(results.count(), 4);
  for (int64_t i = 0; i < 4; ++i) EXPECT_EQ(results.MatchText(i, text.c_str()), text.substr(size_t(i), 1));
}

TEST_F(ResultMatchTextTest, ReadsOnlyBytesInsideTheGivenText) {
  Pattern pattern("a.a|na");
  Results results(pattern, "bananaXna");
  ASSERT_EQ(results.Spans(), (std::vector<Span>{{1, 3}, {4, 2}, {7, 2}}));
  const struct {
    int64_t element;
    std::string text;
    std::string expected;
  } cases[] = {
      {0, "bananaXna", "ana"},
      {0, "ban", "an"},     // reaches past the end: the part inside
      {0, "b", ""},         // starts at the end
      {1, "banana", "na"},
      {2, "banana", ""},    // starts beyond the end
      {2, "", ""},
      {2, "bananaXn", "n"},
  };
  // Heap copies of exactly each text's bytes, so ASan sees any read past one.
  // All stay alive together: each case reads from a text of its own.
  std::vector<char*> texts;
  for (const auto& c : cases) texts.push_back(rt::MakeTextN(c.text.data(), int64_t(c.text.size())));
  for (size_t i = 0; i < std::size(cases); ++i) {
    int32_t start = kUntouched;
    EXPECT_EQ(results.MatchText(cases[i].element, texts[i] ? texts[i] : "", IntegerVariable(&start)),
              cases[i].expected)
        << "element " << cases[i].element << " on \"" << cases[i].text << "\"";
    EXPECT_EQ(start, results.Spans()[size_t(cases[i].element)].first);
  }
  for (char* text : texts) rt::RuntimeFree(text);
}

// Results read against a text other than the one searched (here a buffer
// that was copied for the search, then shortened) stop at that text's end.
TEST_F(ResultMatchTextTest, AnotherTextIsReadOnlyUpToItsEnd) {
  char buffer[] = "xxxxxxxxab";
  Pattern pattern("ab");
  Results before(pattern, buffer);
  ASSERT_EQ(before.MatchText(0, buffer), "ab");
  buffer[3] = '\0';
  Results after(pattern, buffer);
  EXPECT_EQ(after.count(), 0);
  EXPECT_EQ(before.MatchText(0, buffer), "");
}

TEST_F(ResultMatchTextTest, DestructedOrEmptyResultGivesNullAndLeavesTheVariable) {
  Pattern pattern("b");
  Results results(pattern, "abc");
  ASSERT_EQ(results.count(), 1);
  void* block = rt::ArrayPointerAt(results.array(), 0);
  Call(regex_service::kSearchResultDestruct, {results.Element(0)});
  EXPECT_EQ(regex_service::ResultObjectIn(block), nullptr);
  int32_t start = kUntouched;
  EXPECT_EQ(results.MatchText(0, "abc", IntegerVariable(&start)), "");
  EXPECT_EQ(start, kUntouched);
  // The helper destructs the element again on the way out: the cleared word makes it a no-op.
}

TEST_F(ResultMatchTextTest, NullReferencesAreIgnored) {
  const rt::ArgRecord null_result = rt::PointerArg(nullptr, rt::tag::kSearchResult);
  EXPECT_EQ(Call(regex_service::kResultMatchText, {null_result, rt::TextArg("a"), rt::kOmitted}).value, 0u);
  Call(regex_service::kSearchResultDestruct, {null_result});

  Pattern pattern("a");
  Results results(pattern, "a");
  const rt::ArgRecord null_variable = rt::PointerArg(nullptr, rt::tag::kInt);
  EXPECT_EQ(results.MatchText(0, "a", null_variable), "a");
}

}  // namespace
}  // namespace regex_testing
