// The library record, its notify function, and that every block handed out
// comes through the stored RuntimeNotify.
#include "regex/match_groups.h"
#include "regex/progress_box.h"
#include "tests/regex/regex_calls.h"
#include "tests/test_support.h"

namespace regex_testing {
namespace {

using testing_support::Gbk;

TEST(RegexLibrary, DescribesTwoTypesAndTenCommands) {
  const rt::LibraryInfo& library = RegexLibrary();
  ASSERT_EQ(library.type_count, 2u);
  EXPECT_EQ(std::string(library.types[0].display_name), Gbk("正则表达式"));
  EXPECT_EQ(std::string(library.types[0].english_name), "regex");
  EXPECT_EQ(std::string(library.types[1].display_name), Gbk("搜索结果"));
  EXPECT_EQ(std::string(library.types[1].english_name), "SearchResult");
  ASSERT_EQ(library.command_count, 10u);
  const rt::CommandEntry in_order[] = {
      regex_service::PatternCreate,   regex_service::SearchAll,        regex_service::SearchResultDestruct,
      regex_service::ResultMatchText, regex_service::PatternConstruct, regex_service::PatternDestruct,
      regex_service::LastSearchEnd,   regex_service::MatchGroups,      regex_service::SetProgressTexts,
      regex_service::LastSearchedBytes};
  for (uint32_t i = 0; i < 10; ++i) EXPECT_EQ(library.commands[i], in_order[i]) << i;
}

// Counts the blocks and block groups requested through the notify entry and
// forwards to the runtime.
int g_blocks_requested = 0;
intptr_t CountingNotify(intptr_t code, intptr_t a, intptr_t b) {
  if (code == rt::notify::kAlloc || code == rt::notify::kAllocGroup) ++g_blocks_requested;
  return rt::RuntimeNotify(code, a, b);
}

class RegexNotifyTest : public ::testing::Test {
 protected:
  static intptr_t Notify(int32_t code, intptr_t a) { return RegexLibrary().notify(code, a, 0); }
  void TearDown() override { Notify(1, reinterpret_cast<intptr_t>(&rt::RuntimeNotify)); }
};

TEST_F(RegexNotifyTest, BlocksComeThroughTheStoredEntry) {
  ASSERT_EQ(Notify(1, reinterpret_cast<intptr_t>(&CountingNotify)), 0);
  g_blocks_requested = 0;
  Pattern pattern("a");
  {
    Results results(pattern, "banana");
    ASSERT_EQ(results.count(), 3);
    EXPECT_EQ(g_blocks_requested, 1);  // one group: the array and the three SearchResult blocks
    EXPECT_EQ(results.MatchText(0, "banana"), "a");
    EXPECT_EQ(g_blocks_requested, 2);
  }
}

TEST_F(RegexNotifyTest, OtherCodesAreRefusedAndChangeNothing) {
  ASSERT_EQ(Notify(1, reinterpret_cast<intptr_t>(&CountingNotify)), 0);
  for (int32_t code : {0, 2, 6, -1, 2024}) EXPECT_EQ(Notify(code, 0), -1) << code;
  g_blocks_requested = 0;
  Pattern pattern("a");
  Results results(pattern, "a");
  EXPECT_EQ(results.count(), 1);
  EXPECT_EQ(g_blocks_requested, 1);
}

TEST_F(RegexNotifyTest, NothingIsHandedOutBeforeTheEntryArrives) {
  Pattern pattern("a");
  ASSERT_EQ(Notify(1, 0), 0);
  const rt::ResultRecord searched = Call(regex_service::kSearchAll, {pattern.Ref(), rt::TextArg("aaa")});
  EXPECT_EQ(searched.value, 0u);
}

}  // namespace
}  // namespace regex_testing
