// A report box's lines leading to the matches they show: when the caret
// stands on a match's line (a click, the arrow keys, Page Up/Down), that
// match becomes the current one in the source box's marks. The report box
// keeps the focus and its selection. Any change of the report ends the link.
#pragma once

#include <cstddef>

#include <QObject>
#include <QPointer>

#include "forms/multi_line/line_numbers.h"
#include "forms/multi_line/match_marks.h"

namespace forms {

class MarkLayer;
class MultiLineView;

class ReportLink : public QObject {
 public:
  ReportLink(MultiLineView& report, MarkLayer& source);

  // The link of `report`, or null.
  static ReportLink* Of(const MultiLineView& report);

  // Leads nowhere from now on; the link goes once control is back in the event loop.
  void End();

 private:
  void FollowCaret();

  MultiLineView& report_;
  QPointer<MarkLayer> source_;
  LineNumbers lines_;
};

}  // namespace forms
