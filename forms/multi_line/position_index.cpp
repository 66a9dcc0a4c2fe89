// Anchors are laid by walking the text forward in stretches of the document
// and stay valid while the text does; a lookup walks from the last anchor
// before what it looks for.
#include "forms/multi_line/position_index.h"

#include <algorithm>
#include <string_view>

#include <QTextDocument>

#include "forms/multi_line/text_reader.h"

namespace forms {
namespace {

constexpr size_t kAnchorBytes = 4096;
constexpr int kStretchPositions = 64 * 1024;

}  // namespace

PositionIndex::PositionIndex(const QTextDocument& document, const std::string* written)
    : document_(document), written_(written) {}

int PositionIndex::DocumentEnd() const { return document_.characterCount() - 1; }

// A stretch of the document never ends inside a surrogate pair, whose two
// positions are one character of four bytes.
void PositionIndex::Walk(const Anchor& from, int to, const WalkUse& use) {
  if (written_ != nullptr) {
    const std::string_view rest = std::string_view(*written_).substr(std::min(from.offset, written_->size()));
    const TextPositions text(rest, document_, from);
    TextPositions::Walk walk(text);
    return use(walk);
  }
  int end = std::min(to, DocumentEnd());
  if (end > from.position && end < DocumentEnd() && document_.characterAt(end - 1).isHighSurrogate()) ++end;
  const std::string bytes = ReadGbkRange(document_, from.position, end);
  const TextPositions text(bytes, document_, from);
  TextPositions::Walk walk(text);
  use(walk);
}

void PositionIndex::LayAnchorsPast(size_t offset, int position) {
  while (!complete_ && (anchors_.back().offset <= offset || anchors_.back().position <= position)) {
    const Anchor from = anchors_.back();
    const int stretch_end = from.position + kStretchPositions;
    Walk(from, stretch_end, [&](TextPositions::Walk& walk) {
      for (size_t next = from.offset + kAnchorBytes;; next += kAnchorBytes) {
        walk.PositionBefore(next);
        if (walk.AtEnd() || walk.Here().position >= stretch_end) break;
        anchors_.push_back(walk.Here());
      }
      // The stretch's end, where the next stretch starts.
      const Anchor end = walk.Here();
      if (end.position >= DocumentEnd() || end.offset == from.offset) complete_ = true;
      else if (end.offset != anchors_.back().offset) anchors_.push_back(end);
    });
  }
}

void PositionIndex::WalkFromPosition(int position, int to, const WalkUse& use) {
  LayAnchorsPast(0, position);
  const auto after = std::upper_bound(anchors_.begin(), anchors_.end(), position,
                                      [](int p, const Anchor& a) { return p < a.position; });
  Walk(*(after - 1), to, use);
}

void PositionIndex::WalkFromOffset(size_t offset, const WalkUse& use) {
  LayAnchorsPast(offset, 0);
  const auto after = std::upper_bound(anchors_.begin(), anchors_.end(), offset,
                                      [](size_t o, const Anchor& a) { return o < a.offset; });
  const Anchor& from = *(after - 1);
  Walk(from, from.position + int(offset - from.offset) + 8, use);
}

}  // namespace forms
