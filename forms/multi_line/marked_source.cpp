// Lookups of a press's marks through the position index: a stretch of the
// document is walked once for all the matches it shows.
#include "forms/multi_line/marked_source.h"

#include <algorithm>
#include <utility>

namespace forms {

MarkedSource::MarkedSource(MatchMarks marks, const QTextDocument& document, const std::string* written)
    : marks_(std::move(marks)), positions_(document, written) {}

std::vector<MarkSpan> MarkedSource::SpansIn(int from, int to) {
  std::vector<MarkSpan> spans;
  positions_.WalkFromPosition(from, to, [&](TextPositions::Walk& walk) {
    const size_t first_byte = walk.OffsetAt(from);
    for (size_t i = marks_.FirstFrom(int64_t(first_byte)); i < marks_.size(); ++i) {
      const MarkedMatch& match = marks_[i];
      const int start = std::max(walk.PositionBefore(std::max(size_t(match.start), first_byte)), from);
      if (start >= to) break;
      const int end = match.length == 0 ? start : walk.PositionAfter(size_t(match.start) + size_t(match.length));
      spans.push_back({start, std::clamp(end, start, to), i});
    }
  });
  return spans;
}

size_t MarkedSource::MatchAt(int position) {
  size_t first = 0, end = 0;  // the character's bytes
  positions_.WalkFromPosition(position, position + 2, [&](TextPositions::Walk& walk) {
    first = walk.OffsetAt(position);
    end = walk.OffsetAt(position + 1);
  });
  // The first match on a byte of the character, else an empty one at its left edge.
  size_t empty = MatchMarks::kNone;
  for (size_t i = marks_.FirstFrom(int64_t(first)); i < marks_.size() && size_t(marks_[i].start) < end; ++i) {
    if (marks_[i].length > 0) return i;
    if (empty == MatchMarks::kNone) empty = i;
  }
  return empty;
}

int MarkedSource::PositionOf(size_t i) {
  int position = 0;
  const size_t start = size_t(marks_[i].start);
  positions_.WalkFromOffset(start, [&](TextPositions::Walk& walk) { position = walk.PositionBefore(start); });
  return position;
}

}  // namespace forms
