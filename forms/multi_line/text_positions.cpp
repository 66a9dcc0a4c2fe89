// One forward pass over the text's characters beside the piece meetings.
#include "forms/multi_line/text_positions.h"

#include <algorithm>

#include <QTextBlock>
#include <QTextDocument>

#include "forms/multi_line/line_marks.h"
#include "platform/gbk.h"

namespace forms {

TextPositions::TextPositions(std::string_view gbk, const QTextDocument& document, Anchor start)
    : gbk_(gbk), start_(start) {
  for (QTextBlock block = document.findBlock(start.position); block.isValid(); block = block.next()) {
    const int meeting = block.position() - 1;
    if (meeting >= start.position && StartOf(block) == BlockStart::kContinuation) piece_meetings_.push_back(meeting);
  }
}

TextPositions::Walk::Walk(const TextPositions& text)
    : text_(text),
      position_(text.start_.position),
      next_meeting_(text.piece_meetings_.empty() ? -1 : text.piece_meetings_[0]) {}

// CR LF is one line break; every other character is what decoding makes of
// it, ASCII here without a call.
TextPositions::Walk::Character TextPositions::Walk::CharacterHere() const {
  const std::string_view gbk = text_.gbk_;
  const auto b = uint8_t(gbk[offset_]);
  if (b == '\r' && offset_ + 1 < gbk.size() && gbk[offset_ + 1] == '\n') return {2, 1};
  if (b < 0x80) return {1, 1};
  const platform::GbkCharacter c = platform::GbkCharacterAt(gbk, offset_);
  return {c.bytes, c.units};
}

void TextPositions::Walk::StepOver(Character c) {
  if (MeetingHere()) {
    ++meeting_;
    next_meeting_ = meeting_ < text_.piece_meetings_.size() ? text_.piece_meetings_[meeting_] : -1;
    ++position_;
  }
  offset_ += c.bytes;
  position_ += c.positions;
}

TextPositions::Walk::Character TextPositions::Walk::MoveTo(size_t offset) {
  const std::string_view gbk = text_.gbk_;
  while (offset_ < gbk.size()) {
    SkipAsciiRun(std::min(offset, gbk.size()));
    if (offset_ == gbk.size()) break;
    const Character c = CharacterHere();
    if (offset_ + c.bytes > offset) return c;
    StepOver(c);
  }
  return {0, 0};
}

// Most text is ASCII other than CR, a byte and a position each: such a run
// is passed in one tight loop, up to `limit` or the next piece meeting.
void TextPositions::Walk::SkipAsciiRun(size_t limit) {
  if (next_meeting_ >= 0) limit = std::min(limit, offset_ + size_t(next_meeting_ - position_));
  const char* text = text_.gbk_.data();
  size_t end = offset_;
  while (end < limit && uint8_t(text[end]) < 0x80 && text[end] != '\r') ++end;
  position_ += int(end - offset_);
  offset_ = end;
}

int TextPositions::Walk::PositionBefore(size_t offset) {
  MoveTo(offset - text_.start_.offset);
  return position_ + MeetingHere();
}

int TextPositions::Walk::PositionAfter(size_t offset) {
  offset -= text_.start_.offset;
  const Character holding = MoveTo(offset);
  if (offset_ == offset || holding.bytes == 0) return position_;
  return position_ + MeetingHere() + holding.positions;
}

size_t TextPositions::Walk::OffsetAt(int position) {
  while (offset_ < text_.gbk_.size()) {
    const int start = position_ + MeetingHere();
    const Character c = CharacterHere();
    if (position < start + c.positions) break;
    StepOver(c);
  }
  return text_.start_.offset + offset_;
}

}  // namespace forms
