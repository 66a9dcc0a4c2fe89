// Where byte offsets of a box's text stand in its document, found from
// anchors laid every 4 KB of the text as far as they are asked for, so marks
// keep only their bytes and only what is looked at gets mapped. The bytes are
// those of the program's last write while it stands, else the document's
// own, read as the program reads them. Any change of the text voids it.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "forms/multi_line/text_positions.h"

class QTextDocument;

namespace forms {

class PositionIndex {
 public:
  using Anchor = TextPositions::Anchor;
  using WalkUse = std::function<void(TextPositions::Walk& walk)>;

  // `written`, when not null, is the text the document shows, exactly as
  // written; both must outlive the index.
  PositionIndex(const QTextDocument& document, const std::string* written);

  // Runs `use` with a walk that starts at or before `position` and may go
  // on to position `to` at least.
  void WalkFromPosition(int position, int to, const WalkUse& use);
  // Runs `use` with a walk that starts at or before byte `offset` and may go
  // on past it.
  void WalkFromOffset(size_t offset, const WalkUse& use);

 private:
  void LayAnchorsPast(size_t offset, int position);
  void Walk(const Anchor& from, int to, const WalkUse& use);
  int DocumentEnd() const;

  const QTextDocument& document_;
  const std::string* written_;
  std::vector<Anchor> anchors_{Anchor{}};  // ascending, every kAnchorBytes of the text
  bool complete_ = false;                   // anchors_ reach the end of the text
};

}  // namespace forms
