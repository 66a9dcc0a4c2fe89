// The match test: the report text byte for byte, built directly and through
// the match button, and the empty-pattern prompt.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <functional>
#include <ostream>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "app/match_tool.h"
#include "platform/responsive_wait.h"
#include "regex/search_all.h"
#include "runtime/responsive_work.h"
#include "tests/app/workbench_driver.h"

namespace app_test {
namespace {

struct ReportCase {
  const char* name;
  const char* source;   // UTF-8
  const char* pattern;  // UTF-8
  std::string expected; // GBK
};
// Test names show the case's name only.
void PrintTo(const ReportCase& c, std::ostream* out) { *out << c.name; }

std::string CountLine(int n) { return Gbk("共找到 ") + std::to_string(n) + Gbk(" 处匹配：\r\n\r\n"); }
const std::string kMarker = Gbk("#换行符");

// BuildMatchReport leaves the markers in; the click handler replaces them.
const std::vector<ReportCase>& ReportCases() {
  static const std::vector<ReportCase> cases = {
      {"three_matches", "banana", "a", CountLine(3) + "a" + kMarker + "a" + kMarker + "a"},
      {"no_match", "abc", "x", Gbk("（没有匹配）")},
      {"uncompilable_pattern", "a(b", "(", Gbk("（没有匹配）")},
      {"empty_source", "", "x*", Gbk("（没有匹配）")},
      {"case_sensitive_by_default", "a", "A", Gbk("（没有匹配）")},
      {"inline_ignore_case", "a", "(?i)A", CountLine(1) + "a"},
      {"twelve_matches", "aaaaaaaaaaaa", "a", [] {
         std::string r = CountLine(12) + "a";
         for (int i = 1; i < 12; ++i) r += kMarker + "a";
         return r;
       }()},
      // An empty match at the very start ends the search.
      {"all_matches_empty", "ab", "x*", CountLine(1)},
      {"empty_match_before_the_first_text_adds_nothing", "acd", "(?=c)|d", CountLine(2) + "d"},
      {"empty_matches_after_a_text_add_markers", "ab", "a*", CountLine(3) + "a" + kMarker + kMarker},
      {"dot_splits_double_byte_characters", "中文", ".", [] {
         const std::string s = Gbk("中文");
         return CountLine(4) + s.substr(0, 1) + kMarker + s.substr(1, 1) + kMarker + s.substr(2, 1) +
                kMarker + s.substr(3, 1);
       }()},
      {"blank_pattern_is_searched", "a b", " ", CountLine(1) + " "},
  };
  return cases;
}

class BuildMatchReportTest : public testing::TestWithParam<ReportCase> {
 protected:
  static void SetUpTestSuite() { OpenFreshWorkbench(); }  // the libraries are registered
};

TEST_P(BuildMatchReportTest, GivesTheReportBeforeMarkerReplacement) {
  const ReportCase& c = GetParam();
  app::OwnedText report = app::BuildMatchReport(Gbk(c.source).c_str(), Gbk(c.pattern).c_str());
  EXPECT_EQ(std::string(report.view()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, BuildMatchReportTest, testing::ValuesIn(ReportCases()),
                         [](const auto& info) { return std::string(info.param.name); });

class MatchButtonTest : public testing::Test {
 protected:
  void SetUp() override { OpenFreshWorkbench(); }
  void Match(const char* source, const char* pattern) {
    TypeInto(control::kSource, source);
    TypeInto(control::kPattern, pattern);
    Click(control::kMatchButton);
  }
  testing_support::MessageBoxRecorder boxes;
};

TEST_F(MatchButtonTest, ReportsEveryMatchOnItsOwnLine) {
  Match("banana", "a");
  EXPECT_EQ(BoxText(control::kMatchReport), CountLine(3) + "a\r\na\r\na");
  EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(MatchButtonTest, ReportsNoMatch) {
  Match("abc", "x");
  EXPECT_EQ(BoxText(control::kMatchReport), Gbk("（没有匹配）"));
}

TEST_F(MatchButtonTest, PatternThatDoesNotCompileReportsNoMatchWithoutMessage) {
  Match("(abc)", "(");
  EXPECT_EQ(BoxText(control::kMatchReport), Gbk("（没有匹配）"));
  EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(MatchButtonTest, EmptyPatternPromptsAndLeavesTheReportAlone) {
  Match("banana", "n");
  const std::string before = BoxText(control::kMatchReport);
  TypeInto(control::kPattern, "");
  Click(control::kMatchButton);
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].text, Gbk("请输入正则表达式"));
  EXPECT_EQ(boxes.boxes()[0].caption, Gbk("信息："));
  EXPECT_EQ(boxes.boxes()[0].style & 0xF, 0u);  // one OK button
  EXPECT_EQ(BoxText(control::kMatchReport), before);
}

// Each match a lone byte of a character of two or four bytes: the markers
// between them still become line breaks, one byte a line.
TEST_F(MatchButtonTest, MatchesOfSingleBytesOfCharactersStandOnLinesOfTheirOwn) {
  for (const char* source : {"中文", "😀"}) {
    const std::string bytes = Gbk(source);
    std::string expected = CountLine(int(bytes.size()));
    for (size_t i = 0; i < bytes.size(); ++i) expected += (i > 0 ? "\r\n" : "") + bytes.substr(i, 1);
    Match(source, ".");
    EXPECT_EQ(BoxText(control::kMatchReport), expected) << source;
  }
}

// A search the engine gives up, or one over a source longer than a search
// covers (the limit lowered here), keeps its report as it is, then says so in
// a box owned by the main window, with how many matches came before.
TEST_F(MatchButtonTest, SearchCutShortIsReportedThenExplained) {
  const size_t real_limit = regex_service::SearchedBytesLimit();
  const struct {
    std::string source;
    const char* pattern;
    std::string report, message;
    size_t searched_limit;
  } cases[] = {
      {"xxy " + std::string(5000, 'x'), "(x+x+)+y", CountLine(1) + "xxy",
       Gbk("表达式对这段文本过于复杂，搜索已提前结束，只列出了前 1 处匹配。"), real_limit},
      {std::string(30, 'a'), "(a+)+b", Gbk("（没有匹配）"),
       Gbk("表达式对这段文本过于复杂，搜索已提前结束，结束前没有找到匹配。"), real_limit},
      {"banana banana", "an", CountLine(2) + "an\r\nan", Gbk("源文本太长，只搜索了前 7 字节，只列出了其中的 2 处匹配。"), 7},
      {"xxxxxxa", "a", Gbk("（没有匹配）"), Gbk("源文本太长，只搜索了前 6 字节，其中没有找到匹配。"), 6},
  };
  for (const auto& c : cases) {
    WriteBox(control::kSource, c.source);
    WriteBox(control::kPattern, c.pattern);
    regex_service::LimitSearchedBytes(c.searched_limit);
    Click(control::kMatchButton);
    regex_service::LimitSearchedBytes(real_limit);
    EXPECT_EQ(BoxText(control::kMatchReport), c.report) << c.pattern;
    ASSERT_EQ(boxes.boxes().size(), 1u) << c.pattern;
    const platform::MessageBoxRequest& box = boxes.boxes()[0];
    EXPECT_EQ(std::tie(box.text, box.caption, box.owner), std::make_tuple(c.message, Gbk("信息："), MainWindow()));
    EXPECT_EQ(box.style & 0xF, 0u);  // one OK button
    boxes.Clear();
  }
}

// Acts on the progress box of a long search as soon as it shows, as a person would.
class WhenProgressBoxShows : public QObject {
 public:
  explicit WhenProgressBoxShows(std::function<void(QDialog&)> act) : act_(std::move(act)) {
    QCoreApplication::instance()->installEventFilter(this);
  }
  ~WhenProgressBoxShows() override { QCoreApplication::instance()->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    auto* box = qobject_cast<QDialog*>(receiver);
    if (box != nullptr && event->type() == QEvent::Show) {
      act_(*box);
    }
    return false;
  }

 private:
  std::function<void(QDialog&)> act_;
};

// The engine's work limit grows with the square of the pattern's size: each
// further alternative makes the search on a few a's last longer.
std::string LongPattern(int alternatives) {
  std::string pattern = "(a+)+b";
  for (int i = 0; i < alternatives; ++i) pattern += "|[c]";
  return pattern;
}

// Esc on the progress box ends the press with the report of the matches found
// until then and no early-end message (the user asked for the stop); the next
// press works.
TEST_F(MatchButtonTest, EscOnTheProgressBoxReportsWhatWasFoundSoFar) {
  platform::SetProgressBoxDelay(std::chrono::milliseconds(0));  // at once, however fast the machine
  const std::pair<std::string, std::string> searches[] = {{std::string(30, 'a'), LongPattern(300)},
                                                          {"ababab" + std::string(3000, 'x'), "ab|(x+x+)+y"}};
  for (const auto& [source, pattern] : searches) {
    WriteBox(control::kSource, source);
    WriteBox(control::kPattern, pattern);
    int searches_cancelled = 0;
    // The search's box, not the compilation's, which a quick compile may not show.
    WhenProgressBoxShows esc([&](QDialog& box) {
      if (!box.findChild<QLabel*>()->text().startsWith(QString::fromUtf8("已找到"))) return;
      ++searches_cancelled;
      QCoreApplication::postEvent(&box, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    });
    Click(control::kMatchButton);
    EXPECT_EQ(searches_cancelled, 1);
    // The Esc may come before the first matches are found.
    EXPECT_THAT(BoxText(control::kMatchReport), testing::AnyOf(ExpectedReport({}), ExpectedReport({"ab"}),
                                                               ExpectedReport({"ab", "ab"}), ExpectedReport({"ab", "ab", "ab"})));
    // The lines of what was listed lead to their matches.
    const std::vector<int> per_line = CurrentMatchPerReportLine();
    for (size_t line = 2; line < per_line.size(); ++line) EXPECT_EQ(per_line[line], int(line) - 2);
  }
  EXPECT_TRUE(boxes.boxes().empty());
  WriteBox(control::kPattern, "ab");
  Click(control::kMatchButton);
  EXPECT_EQ(BoxText(control::kMatchReport), ExpectedReport({"ab", "ab", "ab"}));
  platform::SetProgressBoxDelay(std::chrono::milliseconds(300));
  // The cancelled searches end alone, at idle priority, which a busy machine
  // may hold back for long: the wait is bounded, and the test environment
  // ends the process safely should one still run.
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (rt::CancelledWorkRunning() && std::chrono::steady_clock::now() < give_up)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

TEST_F(MatchButtonTest, MarkerInsideAMatchBecomesALineBreak) {
  Match("x#换行符y", "x.*y");
  EXPECT_EQ(BoxText(control::kMatchReport), CountLine(1) + "x\r\ny");
}

// Closing the main window while a search runs ends the press and then the
// whole program at once with status 0, though the engine goes on searching.
void SearchWhenShownThenClose() {
  QWidget* window = MainWindow();
  if (window == nullptr || !window->isVisible()) {
    QTimer::singleShot(10, &SearchWhenShownThenClose);
    return;
  }
  platform::SetProgressBoxDelay(std::chrono::milliseconds(0));
  WriteBox(control::kSource, std::string(30, 'a'));
  WriteBox(control::kPattern, LongPattern(30000));  // an engine call of hours
  WhenProgressBoxShows close([window](QDialog&) {
    std::fputs("closing the window during the search\n", stderr);
    QCoreApplication::postEvent(window->windowHandle(), new QCloseEvent);
  });
  Click(control::kMatchButton);
}

TEST(MatchDeathTest, ClosingTheWindowDuringASearchEndsTheProgramWithStatus0) {
  EXPECT_EXIT(
      {
        QTimer::singleShot(0, &SearchWhenShownThenClose);
        std::_Exit(RunWholeWorkbench());
      },
      testing::ExitedWithCode(0), "closing the window during the search");
}

// The search's thread asks for its stack and finds no room: the press ends
// in the out-of-memory report for that stack, not in a silent nothing.
TEST(MatchDeathTest, APressWhoseThreadCannotStartReportsTheStackItAskedFor) {
  OpenFreshWorkbench();
  testing_support::PrintMessageBoxesToStderr();
  WriteBox(control::kSource, "banana");
  WriteBox(control::kPattern, "an");
  EXPECT_EXIT(
      {
        testing_support::LeaveAddressSpace(platform::kWorkStackBytes / 2);
        Click(control::kMatchButton);
      },
      testing::ExitedWithCode(255), "错误信息：分配 8388608 字节内存失败!");
}

}  // namespace
}  // namespace app_test
