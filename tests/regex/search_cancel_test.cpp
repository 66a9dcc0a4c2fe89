// A cancelled search returns at once with the matches found so far; the search
// left on its own thread ends alone and never calls the runtime. Free of Qt,
// so that a ThreadSanitizer build can check the handover.
#include <atomic>
#include <chrono>
#include <thread>

#include "runtime/responsive_work.h"
#include "tests/regex/regex_calls.h"

namespace regex_testing {
namespace {

std::thread g_search_thread;
std::thread::id g_main_thread;
std::atomic<bool> g_runtime_called_off_the_main_thread = false;

// A responsive wait that runs the work on a thread of its own and, as a user
// pressing 取消 a moment later would, cancels it and returns without waiting.
intptr_t CancellingNotify(intptr_t code, intptr_t a, intptr_t b) {
  if (std::this_thread::get_id() != g_main_thread) g_runtime_called_off_the_main_thread = true;
  if (code != rt::notify::kRunWhileResponsive) return rt::RuntimeNotify(code, a, b);
  const auto& request = *reinterpret_cast<const rt::ResponsiveWork*>(a);
  g_search_thread = std::thread(request.work);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  request.cancel();
  return rt::kWorkCancelled;
}

class SearchCancelTest : public RegexServiceTest {
 protected:
  void SetUp() override {
    g_main_thread = std::this_thread::get_id();
    ASSERT_EQ(RegexLibrary().notify(1, reinterpret_cast<intptr_t>(&CancellingNotify), 0), 0);
  }
  void TearDown() override { RegexServiceTest::SetUp(); }  // the runtime's own notify entry again
};

TEST_F(SearchCancelTest, ReturnsTheMatchesSoFarAndLeavesTheSearchToEndAlone) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "ab";
  text += std::string(3000, 'x');  // where the engine works a long while before giving up
  Pattern pattern("ab|(x+x+)+y");
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

}  // namespace
}  // namespace regex_testing
