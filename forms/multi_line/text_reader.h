// Reading a multi-line box's document back as the text it holds: every line
// break as "\n", the text's own separators as themselves, and nothing where a
// line goes on in the next block (forms/multi_line/line_marks.h).
#pragma once

#include <string>
#include <string_view>

#include <QString>

class QTextBlock;
class QTextDocument;

namespace forms {

// The text of the document positions [from, to) that lie in `block`; the
// separator after the block counts when it lies in the range.
QString ReadBlock(const QTextBlock& block, int from, int to);

// The text of the document positions [from, to).
QString ReadRange(const QTextDocument& document, int from, int to);

// The same as the program reads it: GBK bytes, every line break as CR LF.
std::string ReadGbkRange(const QTextDocument& document, int from, int to);

// Appends GBK bytes with each LF as CR LF. The document holds no LF of its
// own (Qt makes a new block of it), so every LF read stands for a line break.
void AppendWithCrLf(std::string& out, std::string_view gbk);

}  // namespace forms
