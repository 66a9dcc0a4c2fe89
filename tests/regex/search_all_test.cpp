// SearchAll: where matches are found, how the loop moves on after empty
// matches, the sub-match records, and searches the engine abandons.
#include "tests/regex/regex_calls.h"
#include "tests/test_support.h"

namespace regex_testing {
namespace {

using SearchAllTest = RegexServiceTest;
using testing_support::Gbk;

struct SearchCase {
  const char* pattern;
  std::string text;
  std::vector<Span> matches;
};

void ExpectSearches(const std::vector<SearchCase>& cases, int32_t multiline = 1) {
  for (const SearchCase& c : cases) {
    Pattern pattern(c.pattern);
    pattern.value().multiline = multiline;
    Results results(pattern, c.text);
    EXPECT_EQ(results.Spans(), c.matches) << c.pattern << " on \"" << c.text << "\"";
  }
}

TEST_F(SearchAllTest, FindsEveryMatchInOrder) {
  ExpectSearches({
      {"a", "banana", {{1, 1}, {3, 1}, {5, 1}}},
      {"na", "banana", {{2, 2}, {4, 2}}},
      {"x", "abc", {}},
      {"x*", "", {}},
      {"a", "", {}},
      {"[0-9]+", "a1b22c333", {{1, 1}, {3, 2}, {6, 3}}},
  });
}

TEST_F(SearchAllTest, EachSearchTakesItsStartAsTheStartOfTheText) {
  ExpectSearches({
      {"^a", "aaa", {{0, 1}, {1, 1}, {2, 1}}},
      {"(?<=a)a", "aaa", {{1, 1}}},
      {"\\Ab", "bbab", {{0, 1}, {1, 1}}},
      {"\\ba", "aaa", {{0, 1}, {1, 1}, {2, 1}}},
  });
}

TEST_F(SearchAllTest, EmptyMatches) {
  ExpectSearches({
      // An empty match at offset 0 ends the search.
      {"x*", "axb", {{0, 0}}},
      {"^", "abc", {{0, 0}}},
      // Other empty matches are kept; the next search starts one byte later.
      {"a*", "ab", {{0, 1}, {1, 0}, {2, 0}}},
      {"$", "ab", {{2, 0}}},
      {"a*", "aa", {{0, 2}, {2, 0}}},
      {"b*", "abab", {{0, 0}}},
      {"(?=b)", "abab", {{1, 0}, {3, 0}}},
  });
}

TEST_F(SearchAllTest, MultilineWordDecidesLineAnchors) {
  ExpectSearches({{"^b", "a\nb", {{2, 1}}}, {"a$", "a\nb", {{0, 1}}}}, 1);
  ExpectSearches({{"^b", "a\nb", {}}, {"a$", "a\nb", {}}, {"b$", "a\nb", {{2, 1}}}}, 0);
}

TEST_F(SearchAllTest, DotTakesOneByteOfADoubleByteCharacter) {
  const std::string text = Gbk("中文");
  ASSERT_EQ(text.size(), 4u);
  ExpectSearches({{".", text, {{0, 1}, {1, 1}, {2, 1}, {3, 1}}}});
}

TEST_F(SearchAllTest, RecordsWholeMatchAndEveryGroup) {
  Pattern pattern("(a)(b)?(?:c)?");
  Results results(pattern, "a");
  ASSERT_EQ(results.count(), 1);
  const regex_service::ResultObject& object = results.Object(0);
  ASSERT_EQ(object.count, 3u);
  const regex_service::SubMatchRecord* r = object.records();
  EXPECT_EQ((std::vector<int32_t>{r[0].start, r[0].length, r[0].matched}), (std::vector<int32_t>{0, 1, 1}));
  EXPECT_EQ((std::vector<int32_t>{r[1].start, r[1].length, r[1].matched}), (std::vector<int32_t>{0, 1, 1}));
  EXPECT_EQ(r[2].matched, 0);
  EXPECT_EQ(r[2].length, 0);
}

TEST_F(SearchAllTest, GroupOffsetsCountFromTheWholeText) {
  Pattern pattern("(\\d)(\\d)");
  Results results(pattern, "x12y34");
  ASSERT_EQ(results.count(), 2);
  const regex_service::SubMatchRecord* second = results.Object(1).records();
  EXPECT_EQ(second[1].start, 4);
  EXPECT_EQ(second[2].start, 5);
}

// Patterns that make the engine give up come back with what was found before,
// and say so until the next search.
TEST_F(SearchAllTest, AbandonedSearchKeepsEarlierMatchesAndSaysSo) {
  Pattern nested("(a+)+b");
  Results none(nested, std::string(30, 'a'));
  EXPECT_EQ(none.count(), 0);
  EXPECT_EQ(LastSearchEnd(), regex_service::kEngineGaveUp);

  Pattern exponential("(x+x+)+y");
  Results partial(exponential, "xxy " + std::string(5000, 'x'));
  EXPECT_EQ(partial.Spans(), (std::vector<Span>{{0, 3}}));
  EXPECT_EQ(LastSearchEnd(), regex_service::kEngineGaveUp);

  Results whole(exponential, "xxy");
  EXPECT_EQ(LastSearchEnd(), regex_service::kSearchedToTheEnd);
}

TEST_F(SearchAllTest, DeepRepetitionOnALongTextDoesNotCrash) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += (i % 50 == 49) ? '\n' : 'a';
  Pattern pattern("(.|\\n)+");
  Results results(pattern, text);
  // The engine either matches the whole text or gives the search up, and says which.
  if (LastSearchEnd() == regex_service::kEngineGaveUp) {
    EXPECT_EQ(results.count(), 0);
  } else {
    EXPECT_EQ(LastSearchEnd(), regex_service::kSearchedToTheEnd);
    EXPECT_EQ(results.Spans(), (std::vector<Span>{{0, 100000}}));
  }
}

}  // namespace
}  // namespace regex_testing
