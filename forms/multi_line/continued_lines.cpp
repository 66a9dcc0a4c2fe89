// Piece boundaries and line spans over the blocks of a multi-line box.
#include "forms/multi_line/continued_lines.h"

#include <algorithm>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "forms/multi_line/line_marks.h"

namespace forms {
namespace {

bool IsWordCharacter(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// Character `index` of `block` is a line break: a U+2028 that is not one of
// the text's own characters.
bool IsLineBreak(const QTextBlock& block, const QString& text, qsizetype index) {
  if (text[index] != QChar::LineSeparator) return false;
  QTextCursor after(block);
  after.setPosition(block.position() + int(index) + 1);
  return !KeepsLineSeparators(after.charFormat());
}

// The index of the last line break of `block` before `at`, or -1.
qsizetype LastBreakBefore(const QTextBlock& block, qsizetype at) {
  const QString text = block.text();
  for (qsizetype k = at - 1; k >= 0; --k)
    if (IsLineBreak(block, text, k)) return k;
  return -1;
}

// The index of the first line break of `block` at or after `at`, or -1.
qsizetype FirstBreakFrom(const QTextBlock& block, qsizetype at) {
  const QString text = block.text();
  for (qsizetype k = at; k < text.size(); ++k)
    if (IsLineBreak(block, text, k)) return k;
  return -1;
}

int LineStart(QTextBlock block, qsizetype at) {
  for (;;) {
    const qsizetype k = LastBreakBefore(block, at);
    if (k >= 0) return block.position() + int(k) + 1;
    if (StartOf(block) != BlockStart::kContinuation) return block.position();
    block = block.previous();
    at = block.length() - 1;
  }
}

int LineEnd(const QTextDocument& document, QTextBlock block, qsizetype at) {
  for (;;) {
    const qsizetype k = FirstBreakFrom(block, at);
    if (k >= 0) return block.position() + int(k) + 1;
    if (!ContinuesInNext(block))
      return std::min(block.position() + block.length(), document.characterCount() - 1);
    block = block.next();
    at = 0;
  }
}

}  // namespace

bool AtPieceEnd(const QTextDocument& document, int position) {
  const QTextBlock block = document.findBlock(position);
  return position == block.position() + block.length() - 1 && ContinuesInNext(block);
}

bool AtPieceStart(const QTextDocument& document, int position) {
  const QTextBlock block = document.findBlock(position);
  return position == block.position() && StartOf(block) == BlockStart::kContinuation;
}

bool AcrossPieces(const QTextDocument& document, int a, int b) {
  return std::abs(a - b) == 1 && AtPieceEnd(document, std::min(a, b));
}

bool WordGoesOnAt(const QTextDocument& document, int position) {
  const int end = AtPieceStart(document, position) ? position - 1 : position;
  if (!AtPieceEnd(document, end) || end == 0) return false;
  return IsWordCharacter(document.characterAt(end - 1)) && IsWordCharacter(document.characterAt(end + 1));
}

int StepOverCharacters(const QTextDocument& document, int position, int count) {
  for (; count > 0; --count) position += AtPieceEnd(document, position) ? 2 : 1;
  for (; count < 0; ++count) position -= AtPieceStart(document, position) ? 2 : 1;
  return std::clamp(position, 0, document.characterCount() - 1);
}

bool IsPiece(const QTextBlock& block) {
  return StartOf(block) == BlockStart::kContinuation || ContinuesInNext(block);
}

PieceContext TextAroundPiece(const QTextBlock& block) {
  const QString before = StartOf(block) == BlockStart::kContinuation ? block.previous().text() : QString();
  const QString after = ContinuesInNext(block) ? block.next().text() : QString();
  return {before + block.text() + after, int(before.size())};
}

LineSpan LineAround(const QTextDocument& document, int position) {
  const QTextBlock block = document.findBlock(position);
  const qsizetype at = position - block.position();
  return {LineStart(block, at), LineEnd(document, block, at)};
}

}  // namespace forms
