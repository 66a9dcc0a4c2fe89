// The document's text block by block, fragment by fragment: a fragment's
// format says whether its U+2028 are line breaks or characters.
#include "forms/multi_line/text_reader.h"

#include <algorithm>

#include <QTextBlock>
#include <QTextDocument>

#include "forms/multi_line/line_marks.h"
#include "platform/gbk.h"

namespace forms {
namespace {

void AppendSeparator(QString& out, const QTextBlock& next) {
  switch (StartOf(next)) {
    case BlockStart::kLineBreak: out += u'\n'; return;
    case BlockStart::kContinuation: return;
    case BlockStart::kOwnCharacter: out += OwnSeparatorBefore(next); return;
  }
}

// Positions are looked up in Qt's trees, so they are asked for once a block,
// and a fragment's only where the range cuts the block. Answers where the
// next block starts.
int AppendBlock(QString& out, const QTextBlock& block, int from, int to) {
  const int start = block.position(), separator = start + block.length() - 1;
  const bool whole = from <= start && separator <= to;
  for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    const qsizetype at = out.size();
    if (whole) {
      out += fragment.text();
    } else {
      const int position = fragment.position();
      const int first = std::max(from, position), end = std::min(to, position + fragment.length());
      if (first >= end) continue;
      out += QStringView(fragment.text()).mid(first - position, end - first);
    }
    if (!KeepsLineSeparators(fragment.charFormat()))
      std::replace(out.begin() + at, out.end(), QChar(QChar::LineSeparator), QChar(u'\n'));
  }
  if (from <= separator && separator < to && block.next().isValid()) AppendSeparator(out, block.next());
  return separator + 1;
}

}  // namespace

QString ReadBlock(const QTextBlock& block, int from, int to) {
  QString out;
  AppendBlock(out, block, from, to);
  return out;
}

QString ReadRange(const QTextDocument& document, int from, int to) {
  QString out;
  for (QTextBlock block = document.findBlock(from); block.isValid(); block = block.next())
    if (AppendBlock(out, block, from, to) >= to) break;
  return out;
}

std::string ReadGbkRange(const QTextDocument& document, int from, int to) {
  std::string gbk;
  AppendWithCrLf(gbk, platform::QStringToGbk(ReadRange(document, from, to)));
  return gbk;
}

void AppendWithCrLf(std::string& out, std::string_view gbk) {
  for (size_t start = 0;;) {
    const size_t lf = gbk.find('\n', start);
    out.append(gbk.substr(start, lf == std::string_view::npos ? lf : lf - start));
    if (lf == std::string_view::npos) return;
    out += "\r\n";
    start = lf + 1;
  }
}

}  // namespace forms
