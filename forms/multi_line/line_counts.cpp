// Counting each changed block's lines, and giving them back after a relayout.
#include "forms/multi_line/line_counts.h"

#include <algorithm>
#include <cmath>

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>

namespace forms {
namespace {

// Blocks at least this long without a line break of their own are pieces of
// a long line, which wrap over many lines at any width.
constexpr int kWrappedBlock = 1024;

// How many characters of the document's font fill one line of the layout,
// or 0 when it does not wrap.
qreal CharactersPerLine(const QTextDocument& document) {
  if (document.defaultTextOption().wrapMode() == QTextOption::NoWrap) return 0;
  // The plain-text layout's frame is as wide as the text it wraps to.
  const qreal width =
      document.documentLayout()->frameBoundingRect(document.rootFrame()).width() - 2 * document.documentMargin();
  const qreal character = QFontMetricsF(document.defaultFont()).averageCharWidth();
  return width > 0 && character > 0 ? width / character : 0;
}

// A block of lines is given its count when it holds fewer: a laid-out block
// holds at least as many lines as it has U+2028 plus one. A piece of a long
// line is given the lines it fills when Qt has not laid it out (its layout,
// which Qt makes for a block it lays out, has no lines); asking a short block
// for its layout would make one for every block.
bool GiveCount(QTextBlock& block, qreal characters_per_line) {
  const int separators = std::max(block.userState(), 0);
  if (separators > 0 || block.length() < kWrappedBlock || characters_per_line <= 0) {
    if (block.lineCount() >= separators + 1) return false;
    block.setLineCount(separators + 1);
    return true;
  }
  const int lines = int(std::ceil(block.length() / characters_per_line));
  if (block.layout()->lineCount() > 0 || block.lineCount() == lines) return false;
  block.setLineCount(lines);
  return true;
}

}  // namespace

LineCounts::LineCounts(QTextDocument& document) : document_(document) {
  connect(&document, &QTextDocument::contentsChange, this,
          [this](int position, int, int added) { Count(position, added); });
  // Qt's plain-text layout announces a relayout, and every change that spans
  // blocks, with a full update; Qt tells the contents change before it.
  connect(document.documentLayout(), &QAbstractTextDocumentLayout::update, this, [this] { Apply(); });
}

void LineCounts::Count(int position, int added) {
  const QTextBlock last = document_.findBlock(position + added);
  for (QTextBlock block = document_.findBlock(position); block.isValid(); block = block.next()) {
    block.setUserState(int(block.text().count(QChar::LineSeparator)));
    if (block == last) break;
  }
}

void LineCounts::Apply() {
  const qreal characters_per_line = CharactersPerLine(document_);
  bool changed = false;
  for (QTextBlock block = document_.begin(); block.isValid(); block = block.next())
    changed |= GiveCount(block, characters_per_line);
  QAbstractTextDocumentLayout* layout = document_.documentLayout();
  if (changed) emit layout->documentSizeChanged(layout->documentSize());
}

}  // namespace forms
