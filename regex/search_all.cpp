// SearchAll: a private copy of the text searched by a SearchJob through the
// runtime's responsive wait, and the results laid out for the caller.
#include "regex/search_all.h"

#include <cstring>
#include <memory>
#include <new>
#include <string_view>

#include "regex/pattern.h"
#include "regex/progress_box.h"
#include "regex/result_set.h"
#include "regex/runtime_link.h"
#include "regex/search_job.h"
#include "regex/search_step.h"

namespace regex_service {
namespace {

// A test may lower it, to see a text longer than it searched.
size_t g_searched_bytes_limit = kMaxSearchedBytes;

// Commands run on the main thread only.
SearchEnd g_last_search_end = kSearchedToTheEnd;
size_t g_last_searched_bytes = 0;

std::shared_ptr<SearchJob> NewSearchJob(const PatternValue& pattern, std::string_view text) {
  std::shared_ptr<SearchJob> job;
  try {
    job = std::make_shared<SearchJob>(*CompiledExpression(&pattern), MatchFlags(pattern));
  } catch (const std::bad_alloc&) {
    ReportOutOfMemory(FailedRequestOnThisThread());
  }
  if (!job->CopyText(text)) ReportOutOfMemory(text.size() + 1);
  return job;
}

// The box's count line and a bar from the text's start to the end of the
// last match found.
rt::WorkProgress Progress(const SearchJob& job) {
  const MatchStore& matches = job.matches();
  return {FoundLine(matches.published()), int64_t(matches.published_end()), int64_t(job.size())};
}

// Runs the job through the responsive wait. The job's thread keeps a share of
// the job of its own, so a search left behind frees its text and its records
// when it ends, moments after the cancel.
SearchEnd RunSearch(const std::shared_ptr<SearchJob>& job) {
  const bool cancelled =
      RunResponsively([job](std::stop_token stop) { job->Run(std::move(stop)); }, [job] { return Progress(*job); });
  if (cancelled) return kCancelled;
  if (job->failed_request()) ReportOutOfMemory(*job->failed_request());
  job->ReleaseText();  // before the results are laid out, so the two are not held together
  return job->end();
}

SearchEnd Search(const PatternValue* pattern, const char* text, std::shared_ptr<SearchJob>& job) {
  if (CompilationWasCancelled(pattern)) return kCompileWasCancelled;
  const std::string_view searched(text, strnlen(text, g_searched_bytes_limit));
  if (CompiledExpression(pattern) == nullptr || searched.empty()) return kSearchedToTheEnd;
  job = NewSearchJob(*pattern, searched);
  const SearchEnd end = RunSearch(job);
  const bool longer = text[searched.size()] != '\0';
  return end == kSearchedToTheEnd && longer ? kSearchedAPrefix : end;
}

}  // namespace

void SearchAll(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args) {
  const rt::Args in(count, args);
  if (!HasRuntimeNotify()) return;
  const char* text = in.text(1);
  std::shared_ptr<SearchJob> job;
  g_last_search_end = Search(in[0].pointer<const PatternValue>(), text, job);
  // Read once: a cancelled job's thread may still be appending.
  const size_t found = job ? job->matches().published() : 0;
  const SearchedText searched{text, job ? job->size() : 0};
  g_last_searched_bytes = searched.length;
  rt::SetPointer(result, MakeResultSet(job ? &job->matches() : nullptr, found, searched));
}

void LastSearchEnd(rt::ResultRecord* result, int32_t, const rt::ArgRecord*) {
  rt::SetInt(result, g_last_search_end);
}

void LastSearchedBytes(rt::ResultRecord* result, int32_t, const rt::ArgRecord*) {
  rt::SetInt(result, int32_t(g_last_searched_bytes));
}

size_t SearchedBytesLimit() { return g_searched_bytes_limit; }
void LimitSearchedBytes(size_t limit) { g_searched_bytes_limit = limit; }

}  // namespace regex_service
