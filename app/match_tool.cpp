// Compiles the pattern into a fresh Pattern, searches the whole source, joins
// the whole-match texts, and releases everything in ownership order; tells
// the user when the engine gave the search up before the end of the source.
#include "app/match_tool.h"

#include "app/control_ids.h"
#include "app/text_builder.h"
#include "app/text_calls.h"
#include "regex/pattern.h"
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

rt::ArgRecord PatternArgument(void* pattern) { return rt::PointerArg(pattern, rt::tag::kPattern); }

void* CompilePattern(const char* text) {
  void* pattern = Allocate(sizeof(regex_service::PatternValue));
  CallLibrary(regex_service::PatternConstruct, {PatternArgument(pattern)});
  CallLibrary(regex_service::PatternCreate, {PatternArgument(pattern), rt::TextArg(text), rt::kOmitted});
  return pattern;
}

void DestroyPattern(void* pattern) {
  CallLibrary(regex_service::PatternDestruct, {PatternArgument(pattern)});
  Free(pattern);
}

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

// The whole-match text of element `index` (from 1), after the index check.
OwnedText MatchText(void* results, int64_t index, const char* source, int32_t position) {
  CheckIndex(index, rt::ArrayCount(results), kBuildMatchReportId, position);
  int32_t unused_start = 0;
  void* result = rt::ArrayPointerAt(results, index - 1);
  return TextResult(CallLibrary(regex_service::ResultMatchText,
                                {rt::PointerArg(result, rt::tag::kSearchResult), rt::TextArg(source),
                                 rt::PointerArg(&unused_start, rt::tag::kInt)}));
}

// Rule of the match list: the first non-empty text starts it, and every text
// after that follows a marker, empty ones included.
OwnedText JoinMatches(void* results, const char* source) {
  TextBuilder list;
  const int64_t count = rt::ArrayCount(results);
  for (int64_t i = 1; i <= count; ++i) {
    if (list.empty()) {
      list.Append(MatchText(results, i, source, kFirstMatchRead).view());
    } else {
      OwnedText match = MatchText(results, i, source, kFurtherMatchRead);
      list.Append(constants::kLineBreakMarker).Append(match.view());
    }
  }
  return list.Take();
}

// A report with what the handler needs to know about the search behind it.
struct MatchReport {
  OwnedText text;
  int32_t count = 0;
  bool engine_gave_up = false;
};

MatchReport SearchAndReport(const char* source, const char* pattern_text) {
  void* pattern = CompilePattern(pattern_text);
  void* results =
      CallLibrary(regex_service::SearchAll, {PatternArgument(pattern), rt::TextArg(source)}).pointer<void>();
  MatchReport report;
  report.count = int32_t(rt::ArrayCount(results));
  report.engine_gave_up =
      int32_t(CallLibrary(regex_service::LastSearchEnd, {}).low()) == regex_service::kEngineGaveUp;
  if (report.count > 0) {
    OwnedText matches = JoinMatches(results, source);
    report.text = Join({constants::kCountPrefix, IntegerToText(report.count).view(), constants::kCountSuffix,
                        matches.view()});
  } else {
    report.text = Join({constants::kNoMatch});
  }
  DestroyResults(results);
  DestroyPattern(pattern);
  return report;
}

OwnedText EarlyEndMessage(int32_t count) {
  if (count == 0) return Join({constants::kEarlyEndNoMatch});
  return Join({constants::kEarlyEndPrefix, IntegerToText(count).view(), constants::kEarlyEndSuffix});
}

}  // namespace

OwnedText BuildMatchReport(const char* source, const char* pattern_text) {
  return SearchAndReport(source, pattern_text).text;
}

void MatchClicked() {
  if (ReadText(control::kPattern).empty()) {
    ShowPrompt(constants::kEnterPattern);
    return;
  }
  OwnedText source = ReadText(control::kSource);
  OwnedText pattern = ReadText(control::kPattern);
  MatchReport report = SearchAndReport(source.get(), pattern.get());
  OwnedText display = ReplaceEvery(report.text.get(), constants::kLineBreakMarker, constants::kCrLf);
  WriteText(control::kMatchReport, display.get());
  if (report.engine_gave_up) ShowPrompt(EarlyEndMessage(report.count).get());
}

}  // namespace app
