// Binary searches over the matches of a press: by byte for painting and
// hovering, by report line for the report box.
#include "forms/multi_line/match_marks.h"

#include <algorithm>
#include <span>

namespace forms {
namespace {

int64_t EndOf(const MarkedMatch& match) { return int64_t(match.start) + match.length; }

}  // namespace

size_t MatchMarks::FirstFrom(int64_t from) const {
  const auto& matches = data_.matches;
  // Ends never decrease along non-overlapping matches in text order.
  const auto first = std::partition_point(matches.begin(), matches.end(), [from](const MarkedMatch& m) {
    return m.length > 0 ? EndOf(m) <= from : m.start < from;
  });
  return size_t(first - matches.begin());
}

size_t MatchMarks::At(int64_t at) const {
  for (size_t i = FirstFrom(at); i < size(); ++i) {
    const MarkedMatch& match = data_.matches[i];
    if (match.start > at) break;
    if (match.length == 0 ? match.start == at : at < EndOf(match)) return i;
  }
  return kNone;
}

size_t MatchMarks::OnReportLine(int32_t line) const {
  const auto& lines = data_.report_lines;
  // The last match whose first line is at or before `line`; its lines run to
  // the next match's first line.
  const auto after = std::upper_bound(lines.begin(), lines.end(), line);
  if (after == lines.begin() || *(after - 1) < 0) return kNone;
  return size_t(after - lines.begin()) - 1;
}

std::string MatchMarks::Describe(size_t i) const {
  if (data_.describe == nullptr || i >= size()) return {};
  return data_.describe(std::span<const MarkedMatch>(data_.matches), i);
}

}  // namespace forms
