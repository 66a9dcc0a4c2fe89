// One search of a text for every match, able to run on another thread and to
// be left behind there: it owns a private copy of the text, shares the
// compiled expression, and checks a cancel flag between engine calls.
#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <string_view>

#include "regex/match_store.h"
#include "regex/pattern.h"
#include "regex/search_all.h"

namespace regex_service {

class SearchJob {
 public:
  SearchJob(const Regex& regex, boost::regex_constants::match_flag_type flags);
  SearchJob(const SearchJob&) = delete;
  SearchJob& operator=(const SearchJob&) = delete;

  // Takes the private copy every search runs over; false when there is no room.
  bool CopyText(std::string_view text);

  // Searches from the start of the text and again from each match's end, each
  // search taking its own start as the beginning of the text. Any thread.
  void Run();
  // Asks Run to stop before its next engine call. Any thread.
  void Cancel() { cancelled_.store(true, std::memory_order_relaxed); }

  // Read after Run has returned on the thread that waited for it.
  SearchEnd end() const { return end_; }
  // Bytes of the allocation that failed, or 0 when memory did not run out.
  size_t failed_request() const { return failed_request_; }
  // Frees the private copy; only once Run has returned.
  void ReleaseText() { text_.reset(); }

  // The matches so far; while Run goes on, only the first published() are complete.
  const MatchStore& matches() const { return matches_; }

 private:
  SearchEnd Search();

  const Regex regex_;  // shares the compiled expression with the Pattern
  const boost::regex_constants::match_flag_type flags_;
  std::unique_ptr<char[]> text_;
  size_t size_ = 0;
  MatchStore matches_;
  std::atomic<bool> cancelled_ = false;
  SearchEnd end_ = kSearchedToTheEnd;
  size_t failed_request_ = 0;
};

}  // namespace regex_service
