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

// How many characters fill one line of the layout, measured once a
// relayout on the first piece of a long line it meets (CJK characters are
// about twice as wide as Latin ones), or 0 when the document does not wrap.
class LineWidth {
 public:
  explicit LineWidth(const QTextDocument& document) : document_(document) {}

  qreal CharactersPerLine(const QTextBlock& piece) {
    if (characters_ < 0) characters_ = Measure(piece);
    return characters_;
  }

 private:
  qreal Measure(const QTextBlock& piece) const {
    if (document_.defaultTextOption().wrapMode() == QTextOption::NoWrap) return 0;
    // The plain-text layout's frame is as wide as the text it wraps to.
    const qreal width = document_.documentLayout()->frameBoundingRect(document_.rootFrame()).width() -
                        2 * document_.documentMargin();
    constexpr int kSample = 64;
    const qreal sample = QFontMetricsF(document_.defaultFont()).horizontalAdvance(piece.text().left(kSample));
    return width > 0 && sample > 0 ? width * kSample / sample : 0;
  }

  const QTextDocument& document_;
  qreal characters_ = -1;  // not measured yet
};

// A block of lines is given its count when it holds fewer: a laid-out block
// holds at least as many lines as it has U+2028 plus one. A piece of a long
// line is given the lines it fills when Qt has not laid it out (its layout,
// which Qt makes for a block it lays out, has no lines); asking a short block
// for its layout would make one for every block.
bool GiveCount(QTextBlock& block, LineWidth& width) {
  const int separators = std::max(block.userState(), 0);
  if (separators > 0 || block.length() < kWrappedBlock) {
    if (block.lineCount() >= separators + 1) return false;
    block.setLineCount(separators + 1);
    return true;
  }
  if (block.layout()->lineCount() > 0) return false;
  const qreal characters_per_line = width.CharactersPerLine(block);
  const int lines = characters_per_line > 0 ? int(std::ceil(block.length() / characters_per_line)) : 1;
  if (block.lineCount() == lines) return false;
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
  LineWidth width(document_);
  bool changed = false;
  for (QTextBlock block = document_.begin(); block.isValid(); block = block.next())
    changed |= GiveCount(block, width);
  QAbstractTextDocumentLayout* layout = document_.documentLayout();
  if (changed) emit layout->documentSizeChanged(layout->documentSize());
}

}  // namespace forms
