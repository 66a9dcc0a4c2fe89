// One forward pass over the text's characters beside the piece meetings.
#include "forms/multi_line/text_positions.h"

#include <QTextBlock>
#include <QTextDocument>

#include "forms/multi_line/line_marks.h"
#include "platform/gbk.h"

namespace forms {

TextPositions::TextPositions(std::string_view gbk, const QTextDocument& document) : gbk_(gbk) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
    if (StartOf(block) == BlockStart::kContinuation) piece_meetings_.push_back(block.position() - 1);
}

bool TextPositions::Walk::PieceMeetingHere() const {
  return meeting_ < text_.piece_meetings_.size() && text_.piece_meetings_[meeting_] == position_;
}

// CR LF is one line break; every other character is what decoding makes of it.
std::pair<size_t, int> TextPositions::Walk::CharacterHere() const {
  const std::string_view gbk = text_.gbk_;
  if (gbk[offset_] == '\r' && offset_ + 1 < gbk.size() && gbk[offset_ + 1] == '\n') return {2, 1};
  const platform::GbkCharacter c = platform::GbkCharacterAt(gbk, offset_);
  return {c.bytes, c.units};
}

void TextPositions::Walk::StepOverCharacter() {
  if (PieceMeetingHere()) ++position_, ++meeting_;
  const auto [bytes, positions] = CharacterHere();
  offset_ += bytes;
  position_ += positions;
}

int TextPositions::Walk::PositionBefore(size_t offset) {
  while (offset_ < offset && offset_ < text_.gbk_.size() && offset_ + CharacterHere().first <= offset)
    StepOverCharacter();
  return position_ + (PieceMeetingHere() ? 1 : 0);
}

int TextPositions::Walk::PositionAfter(size_t offset) {
  while (offset_ < offset && offset_ < text_.gbk_.size()) {
    const auto [bytes, positions] = CharacterHere();
    if (offset_ + bytes > offset) return position_ + (PieceMeetingHere() ? 1 : 0) + positions;
    StepOverCharacter();
  }
  return position_;
}

size_t TextPositions::Walk::OffsetAt(int position) {
  while (offset_ < text_.gbk_.size()) {
    const int start = position_ + (PieceMeetingHere() ? 1 : 0);
    if (position <= start || position < start + CharacterHere().second) return offset_;
    StepOverCharacter();
  }
  return offset_;
}

}  // namespace forms
