// How a search over a whole text goes from one match to the next: the
// engine's options for a Pattern, and where the search after a match begins.
// SearchAll and MatchGroups share them, so a match found again is the same.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>

#include <boost/regex.hpp>

#include "regex/pattern.h"

namespace regex_service {

// Offsets are 32-bit, so at most this many bytes of a text are searched.
constexpr size_t kMaxSearchedBytes = size_t(std::numeric_limits<int32_t>::max());

inline boost::regex_constants::match_flag_type MatchFlags(const PatternValue& pattern) {
  return pattern.multiline != 0 ? boost::regex_constants::match_default
                                : boost::regex_constants::match_single_line;
}

// Where the search after a match begins, or past the text when searching ends.
// An empty match at offset 0 ends it; another empty match moves on one byte so
// the same empty match is not found again. Each search takes its own start as
// the beginning of the text.
constexpr size_t NextSearchStart(size_t match_begin, size_t match_end, size_t text_size) {
  if (match_end == 0) return text_size + 1;
  return match_begin == match_end ? match_end + 1 : match_end;
}

}  // namespace regex_service
