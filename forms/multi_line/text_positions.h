// Where the bytes of a multi-line box's text stand in its document, and back:
// GBK byte offsets, as the regex service reports them, and document
// positions, as QTextCursor takes them.
//
// The text is what the program reads from the box (its last write, or what
// it reads back after an edit). Each character of it is one document
// position per UTF-16 unit: a GBK character one, a four-byte GB18030
// sequence one or two (two beyond the BMP), a byte that is no GBK character
// one (the U+FFFD shown). Each line break is one position, whether CR LF, a
// lone CR or a lone LF, be it a block separator or a U+2028 inside a block.
// Where a long line goes on in its next block, the separator between the two
// pieces is a position of no byte (forms/multi_line/line_marks.h).
//
// A Walk maps ascending offsets (or ascending positions) in one pass, so a
// million sorted match offsets cost one pass over the text. It reads only the
// text and the block starts; no block is laid out. A match [s, e) covers the
// positions [PositionBefore(s), PositionAfter(e)), whole characters even
// where it takes part of one; an empty match stands at PositionBefore(s). A
// new Walk starts from the beginning of the text, so a single position (the
// one under the mouse) is best looked up among positions mapped before.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

class QTextDocument;

namespace forms {

// A character boundary of a box's text and its document position, before
// any piece meeting there.
struct TextAnchor {
  size_t offset = 0;
  int position = 0;
};

class TextPositions {
 public:
  using Anchor = TextAnchor;

  // `gbk` must stay alive and unchanged while the object is used, and the
  // document must show it. With a start, `gbk` is the text from that anchor
  // on (or part of it), and offsets are still counted from the text's start.
  TextPositions(std::string_view gbk, const QTextDocument& document, Anchor start = {});

  class Walk {
   public:
    explicit Walk(const TextPositions& text);

    // The position before the character that holds byte `offset` (the start
    // of a match). Where pieces of a line meet, the start of the later piece.
    int PositionBefore(size_t offset);
    // The position after the character that holds byte `offset - 1` (the end
    // of a match). Where pieces of a line meet, the end of the earlier piece.
    int PositionAfter(size_t offset);
    // The offset of the character at or before `position`.
    size_t OffsetAt(int position);

    // Where the walk stands: the boundary of the character it last reached.
    Anchor Here() const { return {text_.start_.offset + offset_, position_}; }
    // True once the walk has passed the last byte it was given.
    bool AtEnd() const { return offset_ >= text_.gbk_.size(); }

    // A walk only goes forward: each call asks for an offset or a position
    // no earlier in the text than the one asked for before it (a match's
    // start, then its end, then the next match's start).

   private:
    struct Character {
      size_t bytes;
      int positions;
    };
    Character CharacterHere() const;
    int MeetingHere() const { return position_ == next_meeting_ ? 1 : 0; }
    // Steps over characters that end at or before `offset`; the character
    // that holds byte `offset`, or none at the end of the text.
    Character MoveTo(size_t offset);
    void StepOver(Character c);
    void SkipAsciiRun(size_t limit);

    const TextPositions& text_;
    size_t offset_ = 0;         // a character boundary, counted from the start anchor
    int position_ = 0;          // the position of offset_, before any piece meeting there
    size_t meeting_ = 0;        // the next piece meeting, an index into piece_meetings_
    int next_meeting_ = -1;     // its position, or -1 past the last
  };

 private:
  std::string_view gbk_;
  Anchor start_;
  std::vector<int> piece_meetings_;  // positions of the separators between pieces, ascending
};

}  // namespace forms
