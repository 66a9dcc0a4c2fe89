// A stop request ends a search inside the engine, whatever the engine is busy
// with; a cancelled search returns at once with the matches found so far, and
// the search left on its own thread ends alone without calling the runtime.
// Free of Qt, so that a ThreadSanitizer build can check the handover.
#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <tuple>

#include "regex/search_job.h"
#include "runtime/responsive_work.h"
#include "tests/regex/regex_calls.h"

namespace regex_testing {
namespace {

using namespace std::chrono_literals;

std::thread g_search_thread;
std::thread::id g_main_thread;
std::atomic<bool> g_runtime_called_off_the_main_thread = false;
bool g_cancelling = false;  // the compilation before the search runs to its end
rt::WorkProgress g_shown;    // what the box said just before the cancel

// A responsive wait that runs the work on a thread of its own and, as a user
// pressing 取消 a moment later would, requests the stop and returns without waiting.
intptr_t CancellingNotify(intptr_t code, intptr_t a, intptr_t b) {
  if (std::this_thread::get_id() != g_main_thread) g_runtime_called_off_the_main_thread = true;
  if (code != rt::notify::kRunWhileResponsive || !g_cancelling) return rt::RuntimeNotify(code, a, b);
  const auto& request = *reinterpret_cast<const rt::ResponsiveWork*>(a);
  g_search_thread = std::thread(request.work);
  std::this_thread::sleep_for(50ms);
  g_shown = request.progress();
  std::stop_source(request.stop).request_stop();
  return 1;
}

class SearchCancelTest : public RegexServiceTest {
 protected:
  void SetUp() override {
    g_main_thread = std::this_thread::get_id();
    ASSERT_EQ(RegexLibrary().notify(1, reinterpret_cast<intptr_t>(&CancellingNotify), 0), 0);
  }
  void TearDown() override {
    g_cancelling = false;
    RegexServiceTest::SetUp();  // the runtime's own notify entry again
  }
};

TEST_F(SearchCancelTest, ReturnsTheMatchesSoFarAndLeavesTheSearchToEndAlone) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "ab";
  text += std::string(3000, 'x');  // where the engine would work for seconds before giving up
  Pattern pattern("ab|(x+x+)+y");
  g_cancelling = true;
  {
    Results results(pattern, text);
    EXPECT_EQ(LastSearchEnd(), regex_service::kCancelled);
    const std::vector<Span> found = results.Spans();
    ASSERT_LE(found.size(), 1000u);
    for (size_t i = 0; i < found.size(); ++i) ASSERT_EQ(found[i], Span(int32_t(2 * i), 2)) << i;
  }  // the results are gone while the search may still run
  g_search_thread.join();
  EXPECT_FALSE(g_runtime_called_off_the_main_thread);
}

// The box counts the matches published, which are what the cancelled press
// lists, and its bar stands at the end of the last of them.
TEST_F(SearchCancelTest, TheBoxSaysWhatWasPublished) {
  Call(regex_service::kSetProgressTexts,
       {rt::TextArg("wait"), rt::TextArg("found "), rt::TextArg(" so far"), rt::TextArg("stop")});
  const std::string text = "ab ab ab" + std::string(3000, 'x');
  Pattern pattern("ab|(x+x+)+y");
  g_cancelling = true;
  Results results(pattern, text);
  g_search_thread.join();
  EXPECT_EQ(std::make_tuple(g_shown.message, g_shown.done, g_shown.total),
            std::make_tuple(std::string("found 3 so far"), int64_t(8), int64_t(text.size())));
  EXPECT_EQ(results.Spans().size(), 3u);
}

// Engine calls that would each run for a second or far longer before the
// engine's own limit (which grows with the pattern's size) ends them:
// backtracking over a few bytes (never crossing a block of the text), over a
// long text, in alternatives, behind a look-ahead, with a back-reference, and
// over long runs of dots.
struct CostlySearch {
  const char* name;
  std::string pattern;
  std::string text;
};

// "|[c]" count times.
std::string Alternatives(int count) {
  std::string pattern;
  for (int i = 0; i < count; ++i) pattern += "|[c]";
  return pattern;
}

class EngineStop : public RegexServiceTest, public testing::WithParamInterface<CostlySearch> {};

TEST_P(EngineStop, AStopRequestEndsTheSearchInsideTheEngine) {
  Pattern pattern(GetParam().pattern);
  regex_service::SearchJob job(*pattern.value().expression, boost::regex_constants::match_default);
  ASSERT_TRUE(job.CopyText(GetParam().text));
  std::stop_source stop;
  std::thread search([&] { job.Run(stop.get_token()); });
  std::this_thread::sleep_for(50ms);  // inside the engine call by now
  stop.request_stop();
  search.join();
  EXPECT_EQ(job.end(), regex_service::kCancelled);
  EXPECT_EQ(job.matches().published(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    CostlyPatterns, EngineStop,
    testing::Values(CostlySearch{"nested_repeats_on_a_few_bytes", "(a+)+b" + Alternatives(3000), std::string(30, 'a')},
                    CostlySearch{"nested_repeats_on_a_long_text", "(x+x+)+y", std::string(1 << 20, 'x')},
                    CostlySearch{"alternatives_in_a_repeat", "(?:(a|a)|a)+b" + Alternatives(1000), std::string(30, 'a')},
                    CostlySearch{"look_ahead", "(?=(?:(a+)+b" + Alternatives(2000) + "))", std::string(30, 'a')},
                    CostlySearch{"back_reference", "(a*)*\\1b" + Alternatives(2000), std::string(30, 'a')},
                    CostlySearch{"runs_of_dots", "(.*a){12}x", std::string(100000, 'a')}),
    [](const testing::TestParamInfo<CostlySearch>& info) { return std::string(info.param.name); });

// The stopped search leaves nothing behind: the next one on the same thread
// finds every match.
TEST_F(RegexServiceTest, AfterAStoppedSearchTheNextFindsEveryMatch) {
  Pattern costly("(x+x+)+y");
  regex_service::SearchJob stopped(*costly.value().expression, boost::regex_constants::match_default);
  ASSERT_TRUE(stopped.CopyText(std::string(1 << 16, 'x')));
  std::stop_source stop;
  std::thread cancel([&stop] {
    std::this_thread::sleep_for(30ms);
    stop.request_stop();
  });
  stopped.Run(stop.get_token());
  cancel.join();
  EXPECT_EQ(stopped.end(), regex_service::kCancelled);
  Pattern a("a");
  Results results(a, "banana");
  EXPECT_EQ(results.Spans(), (std::vector<Span>{{1, 1}, {3, 1}, {5, 1}}));
}

}  // namespace
}  // namespace regex_testing
