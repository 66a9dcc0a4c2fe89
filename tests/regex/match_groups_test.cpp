// MatchGroups: finding a listed match again from the match before it.
#include "regex/match_groups.h"
#include "tests/regex/regex_calls.h"

namespace regex_testing {
namespace {

using MatchGroupsTest = RegexServiceTest;

// The integer array MatchGroups returns for the match after `previous`.
std::vector<int32_t> GroupsAfter(const Pattern& pattern, const std::string& text, Span previous) {
  void* array = Call(regex_service::kMatchGroups, {pattern.Ref(), rt::TextArg(text.c_str()),
                                                   rt::IntArg(previous.first), rt::IntArg(previous.second)})
                    .pointer<void>();
  std::vector<int32_t> values(size_t(rt::ArrayCount(array)));
  if (!values.empty()) std::memcpy(values.data(), rt::ArrayElements(array), values.size() * sizeof(int32_t));
  rt::RuntimeFree(array);
  return values;
}

// Walking from match to match finds SearchAll's list, also where each search
// taking its start as the text's start or empty matches change the answer.
TEST_F(MatchGroupsTest, WalksTheMatchesSearchAllLists) {
  const std::pair<const char*, const char*> cases[] = {
      {"a", "banana"}, {"^a", "aaa"}, {"(?<=a)a", "aaa"}, {"a*", "ab"}, {"x*", "axb"}, {"(?=b)", "abab"},
  };
  for (const auto& [expression, text] : cases) {
    Pattern pattern(expression);
    std::vector<Span> walked;
    for (Span previous{-1, 0};;) {
      const std::vector<int32_t> found = GroupsAfter(pattern, text, previous);
      if (found.empty() || walked.size() > 10) break;
      walked.push_back(previous = {found[0], found[1]});
    }
    EXPECT_EQ(walked, Results(pattern, text).Spans()) << expression << " on " << text;
  }
}

TEST_F(MatchGroupsTest, GivesEveryGroupAndMarksOneThatTookNoPart) {
  Pattern pattern("(b)(x)?(a)");
  EXPECT_EQ(GroupsAfter(pattern, "abab", {-1, 0}), (std::vector<int32_t>{1, 2, 1, 1, -1, 0, 2, 1}));
  EXPECT_EQ(GroupsAfter(pattern, "abab", {1, 2}), std::vector<int32_t>{});
}

}  // namespace
}  // namespace regex_testing
