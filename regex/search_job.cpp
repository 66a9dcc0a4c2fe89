// The search loop. Engine exceptions end it here: a stop request ends it as
// cancelled, running out of memory is recorded for the caller to report,
// anything else is the engine giving up.
#include "regex/search_job.h"

#include <cstring>
#include <exception>
#include <new>

#include "regex/runtime_link.h"
#include "regex/search_step.h"
#include "regex/stop_checked_iterator.h"

namespace regex_service {

SearchJob::SearchJob(const Regex& regex, boost::regex_constants::match_flag_type flags)
    : regex_(regex), flags_(flags), matches_(uint32_t(regex.mark_count() + 1)) {}

bool SearchJob::CopyText(std::string_view text) {
  text_.reset(new (std::nothrow) char[text.size() + 1]);
  if (text_ == nullptr) return false;
  std::memcpy(text_.get(), text.data(), text.size());
  text_[text.size()] = '\0';
  size_ = text.size();
  return true;
}

void SearchJob::Run(std::stop_token stop) {
  const StopCheck check(std::move(stop));
  end_ = Search();
}

SearchEnd SearchJob::Search() {
  const char* const begin = text_.get();
  const StopCheckedIterator end(begin + size_);
  try {
    boost::match_results<StopCheckedIterator> match;
    for (size_t start = 0; start <= size_;) {
      StopCheck::Check();  // also between matches that come quickly
      if (!boost::regex_search(StopCheckedIterator(begin + start), end, match, regex_, flags_)) break;
      if (!matches_.Append(match, begin)) {
        failed_request_ = matches_.failed_request();
        break;
      }
      start = NextSearchStart(size_t(match[0].first.get() - begin), size_t(match[0].second.get() - begin), size_);
    }
  } catch (const SearchStopped&) {
    return kCancelled;
  } catch (const std::bad_alloc&) {
    failed_request_ = FailedRequestOnThisThread();
  } catch (const std::exception&) {
    return kEngineGaveUp;
  }
  return kSearchedToTheEnd;
}

}  // namespace regex_service
