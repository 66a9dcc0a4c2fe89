// Block by block: a block's line breaks are its U+2028, known from the line
// counts kept in its user state, unless some of its text keeps them as
// characters, and the separator after it when that ends a line.
#include "forms/multi_line/line_numbers.h"

#include <QTextBlock>
#include <QTextDocument>

#include "forms/multi_line/line_marks.h"

namespace forms {
namespace {

bool KeepsNoSeparator(const QTextBlock& block) {
  for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
    if (KeepsLineSeparators(it.fragment().charFormat())) return false;
  return true;
}

// Line breaks among the first `length` characters of `block`; a whole block
// is told by its count, read without copying its text.
int BreaksIn(const QTextBlock& block, int length) {
  if (block.userState() <= 0) return 0;
  if (length >= block.length() - 1 && KeepsNoSeparator(block)) return block.userState();
  int breaks = 0;
  for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    const int from = fragment.position() - block.position();
    if (from >= length) break;
    if (KeepsLineSeparators(fragment.charFormat())) continue;
    breaks += int(QStringView(fragment.text()).left(length - from).count(QChar::LineSeparator));
  }
  return breaks;
}

}  // namespace

LineNumbers::LineNumbers(const QTextDocument& document) : document_(document) {
  connect(&document, &QTextDocument::contentsChange, this, [this] { first_lines_.clear(); });
}

void LineNumbers::CountBlocks() {
  first_lines_.reserve(size_t(document_.blockCount()));
  int line = 0;
  for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
    first_lines_.push_back(line);
    line += BreaksIn(block, block.length());
    if (block.next().isValid() && StartOf(block.next()) == BlockStart::kLineBreak) ++line;
  }
}

int LineNumbers::LineAt(int position) {
  if (first_lines_.empty()) CountBlocks();
  const QTextBlock block = document_.findBlock(position);
  if (!block.isValid()) return 0;
  return first_lines_[size_t(block.blockNumber())] + BreaksIn(block, position - block.position());
}

}  // namespace forms
