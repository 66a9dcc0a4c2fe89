// Marks are drawn line by line from the blocks' own layouts, which Qt has made
// for every block on screen; nothing else is laid out.
#include "forms/multi_line/mark_view.h"

#include <algorithm>

#include <QPainter>
#include <QPalette>
#include <QTextLayout>

#include "platform/gbk.h"

namespace forms {
namespace {

// Width added where a mark takes in a line break, so the break shows as marked.
constexpr qreal kBreakWidth = 4;

struct MarkStyle {
  QColor tint, line;
  qreal underline;
  bool frame;
};

MarkStyle StyleOf(bool current, const QPalette& palette) {
  QColor tint = palette.color(QPalette::Active, QPalette::Highlight);
  const QColor line = tint;
  tint.setAlphaF(current ? 0.45f : 0.2f);
  return {tint, line, current ? 2.0 : 1.0, current};
}

void PaintRect(QPainter& painter, const QRectF& rect, const MarkStyle& style) {
  painter.fillRect(rect, style.tint);
  const QRectF underline(rect.left(), rect.bottom() - style.underline, rect.width(), style.underline);
  painter.fillRect(underline, style.line);
  if (!style.frame) return;
  painter.setPen(QPen(style.line, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
}

// How one line of a block ends: `last`, the block's separator follows it;
// `hard`, it ends in a line break, which a mark going on past it takes in.
struct LineEnd {
  bool last, hard;
};

LineEnd EndOf(const QTextLine& line, const QString& text, bool last) {
  const int end = line.textStart() + line.textLength();
  return {last, last || (end > 0 && end <= text.size() && text[end - 1] == QChar::LineSeparator)};
}

// The part of [from, to) (block-relative) on `line`, drawn.
void PaintOnLine(QPainter& painter, const QTextLine& line, QPointF offset, int from, int to, LineEnd line_end,
                 const MarkStyle& style) {
  const int start = line.textStart(), end = start + line.textLength();
  const int through = line_end.last ? end + 1 : end;  // the block's separator belongs to its last line
  if (from == to) {
    if (from < start || from > end || (from == end && !line_end.last)) return;
    const qreal x = line.cursorToX(from);
    painter.fillRect(QRectF(offset.x() + x - 1, offset.y() + line.y(), style.frame ? 3 : 2, line.height()),
                     style.line);
    return;
  }
  if (from >= through || to <= start) return;
  const qreal left = line.cursorToX(std::max(from, start));
  const bool goes_on = to >= through;
  const qreal right = goes_on ? line.cursorToX(end) + (line_end.hard ? kBreakWidth : 0) : line.cursorToX(to);
  PaintRect(painter,
            QRectF(offset.x() + left, offset.y() + line.y(), std::max<qreal>(right - left, 1), line.height()), style);
}

void PaintSpan(QPainter& painter, const VisibleBlock& visible, const QString& text, const MarkSpan& span,
               const MarkStyle& style) {
  const QTextBlock& block = visible.block;
  const QTextLayout* layout = block.layout();
  const int from = std::max(span.start - block.position(), 0);
  const int to = std::max(from, std::min(span.end - block.position(), block.length()));
  for (int i = 0; i < layout->lineCount(); ++i) {
    const QTextLine line = layout->lineAt(i);
    PaintOnLine(painter, line, visible.offset, from, to, EndOf(line, text, i == layout->lineCount() - 1), style);
  }
}

}  // namespace

void PaintMarks(QPainter& painter, const std::vector<VisibleBlock>& blocks, const std::vector<MarkSpan>& spans,
                size_t current, const QPalette& palette) {
  const MarkStyle plain = StyleOf(false, palette), strong = StyleOf(true, palette);
  for (const VisibleBlock& visible : blocks) {
    const int start = visible.block.position(), end = start + visible.block.length();
    if (visible.block.layout() == nullptr) continue;
    // Spans are in text order: the first that reaches this block, then on while they start in it.
    auto span = std::lower_bound(spans.begin(), spans.end(), start,
                                 [](const MarkSpan& s, int position) { return s.end < position; });
    const QString text = visible.block.text();
    for (; span != spans.end() && span->start < end; ++span)
      PaintSpan(painter, visible, text, *span, span->match == current ? strong : plain);
  }
}

int CharacterUnder(const std::vector<VisibleBlock>& blocks, QPointF point) {
  for (const VisibleBlock& visible : blocks) {
    const QTextLayout* layout = visible.block.layout();
    if (layout == nullptr) continue;
    const QPointF at = point - visible.offset;
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      if (at.y() < line.y() || at.y() >= line.y() + line.height()) continue;
      if (at.x() < line.x() || at.x() >= line.x() + line.naturalTextWidth()) return -1;
      return visible.block.position() + line.xToCursor(at.x(), QTextLine::CursorOnCharacter);
    }
  }
  return -1;
}

QString PlainToolTip(std::string_view gbk) {
  QString text = platform::GbkToQString(gbk);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

}  // namespace forms
