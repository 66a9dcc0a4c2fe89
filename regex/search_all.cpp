// SearchAll: a private copy of the text searched by a SearchJob through the
// runtime's responsive wait, and the results laid out for the caller.
#include "regex/search_all.h"

#include <cstring>
#include <memory>
#include <new>
#include <string_view>

#include "regex/pattern.h"
#include "regex/regex_texts.h"
#include "regex/result_set.h"
#include "regex/runtime_link.h"
#include "regex/search_job.h"
#include "regex/search_step.h"

namespace regex_service {
namespace {

// Commands run on the main thread only.
SearchEnd g_last_search_end = kSearchedToTheEnd;

std::shared_ptr<SearchJob> NewSearchJob(const PatternValue& pattern, std::string_view text) {
  std::shared_ptr<SearchJob> job;
  try {
    job = std::make_shared<SearchJob>(*CompiledExpression(&pattern), MatchFlags(pattern));
  } catch (const std::bad_alloc&) {
    ReportOutOfMemory(sizeof(SearchJob));
  }
  if (!job->CopyText(text)) ReportOutOfMemory(text.size() + 1);
  return job;
}

// Runs the job through the responsive wait. The job's thread keeps a share of
// the job of its own and drops it as soon as the search returns, so a search
// left behind frees its text and its records when it ends.
SearchEnd RunSearch(const std::shared_ptr<SearchJob>& job) {
  rt::WorkOutcome outcome;
  try {
    const rt::ResponsiveWork request{
        [job = job]() mutable {
          job->Run();
          job.reset();
        },
        [job] { job->Cancel(); }, texts::kSearching, texts::kCancelSearch};
    outcome = RunResponsiveWork(request);
  } catch (const std::bad_alloc&) {
    ReportOutOfMemory(sizeof(rt::ResponsiveWork));
  }
  if (outcome == rt::kWorkCancelled) return kCancelled;
  if (job->failed_request() != 0) ReportOutOfMemory(job->failed_request());
  job->ReleaseText();  // before the results are laid out, so the two are not held together
  return job->end();
}

}  // namespace

void SearchAll(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args) {
  const rt::Args in(count, args);
  if (!HasRuntimeNotify()) return;
  const auto* pattern = in[0].pointer<const PatternValue>();
  const char* text = in.text(1);
  const std::string_view searched(text, strnlen(text, kMaxSearchedBytes));
  std::shared_ptr<SearchJob> job;
  g_last_search_end = kSearchedToTheEnd;
  if (CompiledExpression(pattern) != nullptr && !searched.empty()) {
    job = NewSearchJob(*pattern, searched);
    g_last_search_end = RunSearch(job);
  }
  // Read once: a cancelled job's thread may still be appending.
  const size_t found = job ? job->matches().published() : 0;
  rt::SetPointer(result, MakeResultSet(job ? &job->matches() : nullptr, found, {text, searched.size()}));
}

void LastSearchEnd(rt::ResultRecord* result, int32_t, const rt::ArgRecord*) {
  rt::SetInt(result, g_last_search_end);
}

}  // namespace regex_service
