// Long texts in a plain-text document with many lines per block: the lines of
// a block are joined by U+2028 and a block ends after 64 lines or about 4 KB,
// so Qt builds, stores and lays out a block for every 64 lines, not every line.
#pragma once

#include <cstddef>
#include <string_view>

class QTextDocument;

namespace forms {

// Blocks a grouped fill makes at most for a text of `bytes` bytes and
// `line_breaks` line breaks.
size_t GroupedBlockCount(size_t bytes, size_t line_breaks);

// Appends the GBK text to the document, with undo off, in pieces of about
// 64 KB through one edit. CR LF, a lone CR and a lone LF each end a line.
void FillGrouped(QTextDocument& document, std::string_view gbk);

// Gives every block that is not laid out the number of lines it holds, so the
// scroll range counts lines. Qt sets it to 1 on each relayout (a width change).
void ApplyLineCounts(QTextDocument& document);

}  // namespace forms
