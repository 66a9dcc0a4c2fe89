// Compiles the pattern into a fresh Pattern, searches the whole source, joins
// the whole-match texts, and releases everything in ownership order; tells
// the user when the search ended before the end of the source, and leaves
// the result box as it was when the user cancelled the compilation.
// Alongside the report, a press gathers where each match stands and which
// report line shows it, for the source box's marks.
#include "app/match_tool.h"

#include "app/control_ids.h"
#include "app/match_description.h"
#include "app/regex_calls.h"
#include "app/text_builder.h"
#include "app/text_calls.h"
#include "forms/kinds/edit_box_marks.h"
#include "regex/progress_box.h"
#include "regex/search_all.h"
#include "regex/search_result.h"
#include "resources/constants.h"
#include "runtime/values.h"

namespace app {
namespace {

// Location numbers of the index checks in BuildMatchReport.
constexpr int32_t kBuildMatchReportId = 0x04012F55;
constexpr int32_t kFirstMatchRead = 250;
constexpr int32_t kFurtherMatchRead = 360;

// Every result is destructed and its block freed before the array itself.
void DestroyResults(void* results) {
  const int64_t count = rt::ArrayCount(results);
  for (int64_t i = 0; i < count; ++i) {
    void* result = rt::ArrayPointerAt(results, i);
    CallLibrary(regex_service::SearchResultDestruct, {rt::PointerArg(result, rt::tag::kSearchResult)});
    Free(result);
  }
  Free(results);
}

// The whole-match text of element `index` (from 1), after the index check,
// and where it starts.
OwnedText MatchText(void* results, int64_t index, const char* source, int32_t position, int32_t& start) {
  CheckIndex(index, rt::ArrayCount(results), kBuildMatchReportId, position);
  void* result = rt::ArrayPointerAt(results, index - 1);
  return TextResult(CallLibrary(regex_service::ResultMatchText,
                                {rt::PointerArg(result, rt::tag::kSearchResult), rt::TextArg(source),
                                 rt::PointerArg(&start, rt::tag::kInt)}));
}

// Line breaks the result box shows for a match text: CR LF, a lone CR and a
// lone LF once each, and every marker, which the display turns into CR LF.
int32_t LineBreaksIn(std::string_view text) {
  int32_t breaks = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || text[i] == '\r') ++breaks;
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  if (text.find('#') == std::string_view::npos) return breaks;  // the marker's first byte
  const size_t marker_length = std::string_view(constants::kLineBreakMarker).size();
  for (const char* rest = text.data(); *rest != '\0';) {
    const int32_t found = FindText(rest, constants::kLineBreakMarker);
    if (found == -1) break;
    ++breaks;
    rest += found - 1 + marker_length;
  }
  return breaks;
}

// Rule of the match list: the first non-empty text starts it, and every text
// after that follows a marker, empty ones included. With marks, each match's
// place is kept too, and its first report line (after the count line and an
// empty line), or -1 when the list has not started.
OwnedText JoinMatches(void* results, const char* source, forms::MarkedMatches* marks) {
  TextBuilder list;
  const int64_t count = rt::ArrayCount(results);
  if (marks) {
    marks->matches.reserve(size_t(count));
    marks->report_lines.reserve(size_t(count));
  }
  int32_t next_line = 2;
  for (int64_t i = 1; i <= count; ++i) {
    const bool starts_list = list.empty();
    int32_t start = 0;
    OwnedText match = MatchText(results, i, source, starts_list ? kFirstMatchRead : kFurtherMatchRead, start);
    if (!starts_list) list.Append(constants::kLineBreakMarker);
    list.Append(match.view());
    if (marks == nullptr) continue;
    const bool listed = !list.empty();
    marks->matches.push_back({start, int32_t(match.view().size())});
    marks->report_lines.push_back(listed ? next_line : -1);
    if (listed) next_line += 1 + LineBreaksIn(match.view());
  }
  return list.Take();
}

// A report with what the handler needs to know about the search behind it.
struct MatchReport {
  OwnedText text;
  int32_t count = 0;
  int32_t end = regex_service::kSearchedToTheEnd;
  int32_t searched_bytes = 0;
  forms::MarkedMatches marks;
};

// The progress box of a long compile or search speaks in the window's words.
void SetProgressTexts() {
  CallLibrary(regex_service::SetProgressTexts,
              {rt::TextArg(constants::kProgressWaiting), rt::TextArg(constants::kProgressFoundPrefix),
               rt::TextArg(constants::kProgressFoundSuffix), rt::TextArg(constants::kProgressCancel)});
}

MatchReport SearchAndReport(const char* source, const char* pattern_text, bool with_marks) {
  SetProgressTexts();
  KeepPattern("", nullptr);  // the last press's Pattern goes before this one takes memory
  void* pattern = CompilePattern(pattern_text);
  void* results =
      CallLibrary(regex_service::SearchAll, {PatternArgument(pattern), rt::TextArg(source)}).pointer<void>();
  MatchReport report;
  report.count = int32_t(rt::ArrayCount(results));
  report.end = int32_t(CallLibrary(regex_service::LastSearchEnd, {}).low());
  report.searched_bytes = int32_t(CallLibrary(regex_service::LastSearchedBytes, {}).low());
  if (report.count > 0) {
    OwnedText matches = JoinMatches(results, source, with_marks ? &report.marks : nullptr);
    report.text = Join({constants::kCountPrefix, IntegerToText(report.count).view(), constants::kCountSuffix,
                        matches.view()});
    report.marks.describe = &DescribeMarkedMatch;
  } else {
    report.text = Join({constants::kNoMatch});
  }
  DestroyResults(results);
  if (report.end == regex_service::kCompileWasCancelled) {
    DestroyPattern(pattern);
  } else {
    KeepPattern(pattern_text, pattern);  // for the tooltips of its marks
  }
  return report;
}

// What the message box says after a report that holds only part of the
// matches, or null for a complete report (or one the user cut short).
OwnedText EarlyEndMessage(const MatchReport& report) {
  const OwnedText count = IntegerToText(report.count);
  if (report.end == regex_service::kEngineGaveUp) {
    if (report.count == 0) return Join({constants::kEarlyEndNoMatch});
    return Join({constants::kEarlyEndPrefix, count.view(), constants::kEarlyEndSuffix});
  }
  if (report.end != regex_service::kSearchedAPrefix) return {};
  const OwnedText bytes = IntegerToText(report.searched_bytes);
  if (report.count == 0) return Join({constants::kPrefixOnlyPrefix, bytes.view(), constants::kPrefixOnlyNoMatch});
  return Join({constants::kPrefixOnlyPrefix, bytes.view(), constants::kPrefixOnlyMiddle, count.view(),
               constants::kEarlyEndSuffix});
}

}  // namespace

OwnedText BuildMatchReport(const char* source, const char* pattern_text) {
  return SearchAndReport(source, pattern_text, false).text;
}

void MatchClicked() {
  if (ReadText(control::kPattern).empty()) {
    ShowPrompt(constants::kEnterPattern);
    return;
  }
  OwnedText source = ReadText(control::kSource);
  OwnedText pattern = ReadText(control::kPattern);
  MatchReport report = SearchAndReport(source.get(), pattern.get(), true);
  if (report.end == regex_service::kCompileWasCancelled) return;
  OwnedText display = ReplaceEvery(report.text.get(), constants::kLineBreakMarker, constants::kCrLf);
  WriteText(control::kMatchReport, display.get());
  forms::ShowMatchMarks({kMainWindow, control::kSource, control::kPattern, control::kMatchReport},
                        std::move(report.marks));
  if (OwnedText message = EarlyEndMessage(report); !message.empty()) ShowPrompt(message.get());
}

}  // namespace app
