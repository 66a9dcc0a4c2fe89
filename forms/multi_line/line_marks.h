// What tells the separators of a multi-line box's document apart. Qt ends a
// block at U+2029 (and at U+FDD0, U+FDD1) and breaks a line inside one at
// U+2028; the box uses both for its own line breaks and splits long lines
// into several blocks. A character format on the separator says when it is
// something else: a character of the text itself, or the place where a line
// goes on in the next block. Formats travel with the text through undo and
// redo. Pasted text comes in plain (forms/multi_line/text_writer.h), and a
// mark Qt hands on to a typed character means nothing there: marks are read
// on separators only, and the box makes every line break a person types
// plain.
#pragma once

#include <QChar>

class QTextBlock;
class QTextCharFormat;

namespace forms {

// The format of a U+2028 that is a character of the text, not a line break.
const QTextCharFormat& OwnLineSeparatorFormat();
// The format of the separator before a block that goes on with the line of
// the block before it.
const QTextCharFormat& ContinuationFormat();
// The format of a block separator that is the character `c` of the text.
QTextCharFormat OwnBlockSeparatorFormat(QChar c);

// Every U+2028 of text in this format is a character of the text.
bool KeepsLineSeparators(const QTextCharFormat& format);

// What the separator before `block` stands for.
enum class BlockStart { kLineBreak, kContinuation, kOwnCharacter };
BlockStart StartOf(const QTextBlock& block);
// The character the separator before `block` stands for, when it is kOwnCharacter.
QChar OwnSeparatorBefore(const QTextBlock& block);

// Whether `block` goes on in the next block with the same line.
bool ContinuesInNext(const QTextBlock& block);

// Characters Qt turns into a block separator when they are inserted.
inline bool EndsBlock(QChar c) {
  return c == QChar::ParagraphSeparator || c == QChar(0xFDD0) || c == QChar(0xFDD1);
}

}  // namespace forms
