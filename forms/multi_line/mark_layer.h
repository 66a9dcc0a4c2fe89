// The marks of a press over a source box: drawn under the text at every
// paint, a tooltip for the match under the mouse, and the current match
// scrolled into view on request. Any change of the box's text ends them.
#pragma once

#include <optional>
#include <string>

#include <QObject>

#include "forms/multi_line/marked_source.h"

class QHelpEvent;

namespace forms {

class MultiLineView;

class MarkLayer : public QObject {
 public:
  // `written`: the box's text exactly as written, while it stands, or null.
  MarkLayer(MultiLineView& view, MatchMarks marks, const std::string* written);

  // The layer over `view`, or null.
  static MarkLayer* Of(const MultiLineView& view);

  // The marks; null once they have ended.
  const MatchMarks* marks() const { return source_ ? &source_->marks() : nullptr; }
  // The current match, or MatchMarks::kNone.
  size_t current() const { return source_ ? source_->current() : MatchMarks::kNone; }
  // Makes match i current, shows it stronger and scrolls the box to it.
  void ShowMatch(size_t i);
  // No mark shows from now on; the layer goes once control is back in the event loop.
  void End();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Paint();
  void ShowToolTip(const QHelpEvent& help);

  MultiLineView& view_;
  const QObject* viewport_;
  std::optional<MarkedSource> source_;
};

}  // namespace forms
