// How a text enters a multi-line box's document, from the program or from a
// person. Long texts are held many lines per block: the lines of a block are
// joined by U+2028, and a block ends after 64 lines or about 4 KB, so Qt
// builds, stores and lays out a block for every 64 lines, not every line. A
// line longer than 16K characters is held in several blocks, each going on
// with the line of the one before, so an edit lays out one piece, not the
// whole line. The text's own U+2028, U+2029, U+FDD0 and U+FDD1 are marked as
// such (forms/multi_line/line_marks.h) and read back as themselves.
#pragma once

#include <cstddef>
#include <string_view>

#include <QString>

class QTextCursor;
class QTextDocument;

namespace forms {

// Texts with at least this many line breaks are held many lines per block.
constexpr size_t kGroupedLineBreaks = 4096;
// The longest piece of a line one block holds, in UTF-16 units.
constexpr qsizetype kLinePieceCharacters = 16 * 1024;

// Blocks a write makes at most for a text of `bytes` bytes and `line_breaks`
// line breaks.
size_t BlockCountFor(size_t bytes, size_t line_breaks);

// How lines are laid into blocks: `grouped` many to a block (for texts of
// kGroupedLineBreaks or more), and `in_pieces` when long lines are split,
// which a box that does not wrap would show as breaks.
struct LineHolding {
  bool grouped = false;
  bool in_pieces = true;
};

// Appends GBK text to the document, with undo off, in pieces of about 64 KB
// through one edit. CR LF, a lone CR and a lone LF each end a line.
void WriteGbk(QTextDocument& document, std::string_view gbk, LineHolding holding);

// Inserts what a person pastes or drops at the cursor, over its selection,
// as one undoable edit. Its line breaks are CR LF, CR or LF.
void InsertPlainText(QTextCursor& cursor, const QString& text, LineHolding holding);

}  // namespace forms
