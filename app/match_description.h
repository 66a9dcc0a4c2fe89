// The tooltip of a marked match: its number in the report, where it starts in
// characters and in bytes (counted from 1, as the text commands count), its
// length, and what each capture group caught.
#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "app/runtime_calls.h"
#include "forms/multi_line/marked_matches.h"

namespace app {

// Match `index` of matches, found by pattern in source, described: the first
// line, then one line per capture group with its text (shortened past 60
// characters) or that it took no part. The caller owns the result.
OwnedText DescribeMatch(const char* source, const char* pattern, std::span<const forms::MarkedMatch> matches,
                        size_t index);

// The same for the marks of the last press, from the source and pattern
// boxes: they hold what the matches were found in and with, since any change
// of either clears the marks. As GBK bytes, for the source box's tooltip.
std::string DescribeMarkedMatch(std::span<const forms::MarkedMatch> matches, size_t index);

}  // namespace app
