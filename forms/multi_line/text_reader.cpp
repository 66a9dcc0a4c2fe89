// The document's text block by block, fragment by fragment: a fragment's
// format says whether its U+2028 are line breaks or characters.
#include "forms/multi_line/text_reader.h"

#include <algorithm>

#include <QTextBlock>
#include <QTextDocument>

#include "forms/multi_line/line_marks.h"

namespace forms {
namespace {

void AppendSeparator(QString& out, const QTextBlock& next) {
  switch (StartOf(next)) {
    case BlockStart::kLineBreak: out += u'\n'; return;
    case BlockStart::kContinuation: return;
    case BlockStart::kOwnCharacter: out += OwnSeparatorBefore(next); return;
  }
}

}  // namespace

QString ReadBlock(const QTextBlock& block, int from, int to) {
  QString out;
  for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    const int start = std::max(from, fragment.position());
    const int end = std::min(to, fragment.position() + fragment.length());
    if (start >= end) continue;
    const qsizetype at = out.size();
    out += QStringView(fragment.text()).mid(start - fragment.position(), end - start);
    if (!KeepsLineSeparators(fragment.charFormat()))
      std::replace(out.begin() + at, out.end(), QChar(QChar::LineSeparator), QChar(u'\n'));
  }
  const int separator = block.position() + block.length() - 1;
  if (from <= separator && separator < to && block.next().isValid()) AppendSeparator(out, block.next());
  return out;
}

QString ReadRange(const QTextDocument& document, int from, int to) {
  QString out;
  for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() < to; block = block.next())
    out += ReadBlock(block, from, to);
  return out;
}

}  // namespace forms
