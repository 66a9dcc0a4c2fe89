// A source box's marks of one press: the matches, where they stand in the
// document (mapped only for what is looked at), and which one is current.
// Any change of the box's text or of the pattern ends it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "forms/multi_line/match_marks.h"
#include "forms/multi_line/position_index.h"

class QTextDocument;

namespace forms {

// A match's place in the document: [start, end), equal for an empty match.
struct MarkSpan {
  int start, end;
  size_t match;
  bool operator==(const MarkSpan&) const = default;
};

class MarkedSource {
 public:
  // `written`: the box's text exactly as written, while it stands, or null.
  MarkedSource(MatchMarks marks, const QTextDocument& document, const std::string* written);

  const MatchMarks& marks() const { return marks_; }

  // The places of the matches that overlap the positions [from, to), clipped
  // to them, in text order.
  std::vector<MarkSpan> SpansIn(int from, int to);
  // The first match on the character at `position`, else one empty at its
  // left edge; MatchMarks::kNone when neither.
  size_t MatchAt(int position);
  // Where match i starts in the document.
  int PositionOf(size_t i);

  size_t current() const { return current_; }
  void set_current(size_t i) { current_ = i; }

 private:
  MatchMarks marks_;
  PositionIndex positions_;
  size_t current_ = MatchMarks::kNone;
};

}  // namespace forms
