// Counting each changed block's lines, and giving them back after a relayout.
#include "forms/multi_line/line_counts.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>

namespace forms {

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

// A laid-out block holds at least as many lines as it has U+2028 plus one,
// so a block below that count is one Qt has not laid out.
void LineCounts::Apply() {
  bool changed = false;
  for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
    const int lines = std::max(block.userState(), 0) + 1;
    if (block.lineCount() >= lines) continue;
    block.setLineCount(lines);
    changed = true;
  }
  QAbstractTextDocumentLayout* layout = document_.documentLayout();
  if (changed) emit layout->documentSizeChanged(layout->documentSize());
}

}  // namespace forms
