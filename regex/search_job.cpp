// The search loop. Engine exceptions end it here: running out of memory is
// recorded for the caller to report, anything else is the engine giving up.
#include "regex/search_job.h"

#include <cstring>
#include <exception>
#include <new>

#include "regex/search_step.h"

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

void SearchJob::Run() { end_ = Search(); }

SearchEnd SearchJob::Search() {
  const char* const begin = text_.get();
  const char* const end = begin + size_;
  try {
    boost::cmatch match;
    for (size_t start = 0; start <= size_;) {
      if (cancelled_.load(std::memory_order_relaxed)) return kCancelled;
      if (!boost::regex_search(begin + start, end, match, regex_, flags_)) break;
      if (!matches_.Append(match, begin)) {
        failed_request_ = matches_.failed_request();
        break;
      }
      start = NextSearchStart(size_t(match[0].first - begin), size_t(match[0].second - begin), size_);
    }
  } catch (const std::bad_alloc&) {
    // The engine's own request; its size is not known here, so the unit its
    // working memory grows by stands for it.
    failed_request_ = BOOST_REGEX_BLOCKSIZE;
  } catch (const std::exception&) {
    return kEngineGaveUp;
  }
  return kSearchedToTheEnd;
}

}  // namespace regex_service
