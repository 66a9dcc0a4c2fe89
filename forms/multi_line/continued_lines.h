// Lines held in several blocks, seen from the caret: where one piece of a
// line meets the next (the separator between them is no character of the
// text), and the line around a position, across pieces and across the lines
// grouped in one block.
#pragma once

#include <QString>

class QTextBlock;
class QTextDocument;

namespace forms {

// `position` is the end of a block whose line goes on in the next block.
bool AtPieceEnd(const QTextDocument& document, int position);
// `position` is the start of a block that goes on with the line before it.
bool AtPieceStart(const QTextDocument& document, int position);
// `a` and `b` are the two sides of one separator between pieces of a line.
bool AcrossPieces(const QTextDocument& document, int a, int b);
// At a meeting of pieces, the characters on both sides belong to one word.
bool WordGoesOnAt(const QTextDocument& document, int position);

// The document position `count` characters of the text after `position`
// (before it when negative); the separators between pieces are no characters.
int StepOverCharacters(const QTextDocument& document, int position, int count);

// What an input method is shown of a block that is a piece of a long line:
// the piece, with the pieces before and after it, and where the block starts.
struct PieceContext {
  QString text;
  int block_start;
};
PieceContext TextAroundPiece(const QTextBlock& block);
bool IsPiece(const QTextBlock& block);

struct LineSpan {
  int start, end;  // document positions; end is past the line's break
};
// The line around a document position: from the line break before it to
// past the line break after it, as the program reads the text.
LineSpan LineAround(const QTextDocument& document, int position);

}  // namespace forms
