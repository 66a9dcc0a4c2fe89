// The layer watches the view's viewport: it paints before the view does, so
// the text, the selection and the caret are drawn over the marks.
#include "forms/multi_line/mark_layer.h"

#include <QHelpEvent>
#include <QPainter>
#include <QTextDocument>
#include <QToolTip>

#include "forms/multi_line/mark_view.h"
#include "forms/multi_line/multi_line_view.h"
#include "forms/registry/event_dispatch.h"

namespace forms {

MarkLayer::MarkLayer(MultiLineView& view, MatchMarks marks, const std::string* written)
    : QObject(&view), view_(view), viewport_(view.viewport()) {
  setObjectName(QStringLiteral("match marks"));
  source_.emplace(std::move(marks), *view.document(), written);
  view.viewport()->installEventFilter(this);
  connect(view.document(), &QTextDocument::contentsChange, this, [this] { End(); });
  view.viewport()->update();
}

MarkLayer* MarkLayer::Of(const MultiLineView& view) {
  return view.findChild<MarkLayer*>(QStringLiteral("match marks"), Qt::FindDirectChildrenOnly);
}

void MarkLayer::End() {
  if (!source_) return;
  source_.reset();
  setObjectName(QString());
  view_.viewport()->update();
  deleteLater();
}

void MarkLayer::ShowMatch(size_t i) {
  if (!source_ || i >= source_->marks().size() || source_->current() == i) return;
  source_->set_current(i);
  view_.ScrollToShow(source_->PositionOf(i));
  view_.viewport()->update();
}

// Only the event's type is looked at first: the viewport's last events come
// while the view is being destroyed.
bool MarkLayer::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type != QEvent::Paint && type != QEvent::ToolTip) || !source_ || watched != viewport_) return false;
  if (type == QEvent::Paint) {
    Paint();
    return false;
  }
  ShowToolTip(static_cast<const QHelpEvent&>(*event));
  return true;
}

void MarkLayer::Paint() {
  const std::vector<VisibleBlock> blocks = view_.VisibleBlocks();
  if (blocks.empty()) return;
  const int from = blocks.front().block.position();
  const int to = blocks.back().block.position() + blocks.back().block.length();
  QPainter painter(view_.viewport());
  PaintMarks(painter, blocks, source_->SpansIn(from, to), source_->current(), view_.palette());
}

// A description reads the boxes and searches again: not while a handler
// (a search among them) is running.
void MarkLayer::ShowToolTip(const QHelpEvent& help) {
  const int position = HandlerRunning() ? -1 : CharacterUnder(view_.VisibleBlocks(), help.pos());
  const size_t match = position < 0 ? MatchMarks::kNone : source_->MatchAt(position);
  const std::string text = match == MatchMarks::kNone ? std::string() : source_->marks().Describe(match);
  if (text.empty()) return QToolTip::hideText();
  QToolTip::showText(help.globalPos(), PlainToolTip(text), view_.viewport());
}

}  // namespace forms
