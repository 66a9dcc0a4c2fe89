// One search of a text for every match, able to run on another thread and to
// be left behind there: it owns a private copy of the text, shares the
// compiled expression, and ends soon after a stop is requested, also inside
// an engine call.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <stop_token>
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
  // search taking its own start as the beginning of the text, until the end
  // of the text or a stop request. Any thread.
  void Run(std::stop_token stop);

  // Read after Run has returned on the thread that waited for it.
  SearchEnd end() const { return end_; }
  // Bytes the allocation that failed asked for; nothing when memory did not run out.
  std::optional<size_t> failed_request() const { return failed_request_; }
  // Frees the private copy; only once Run has returned.
  void ReleaseText() { text_.reset(); }
  size_t size() const { return size_; }

  // The matches so far; while Run goes on, only the first published() are complete.
  const MatchStore& matches() const { return matches_; }

 private:
  SearchEnd Search();

  const Regex regex_;  // shares the compiled expression with the Pattern
  const boost::regex_constants::match_flag_type flags_;
  std::unique_ptr<char[]> text_;
  size_t size_ = 0;
  MatchStore matches_;
  SearchEnd end_ = kSearchedToTheEnd;
  std::optional<size_t> failed_request_;
};

}  // namespace regex_service
