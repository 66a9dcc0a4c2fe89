// The caret's line, counted as the program reads the report, picks the match.
#include "forms/multi_line/report_link.h"

#include <QTextDocument>

#include "forms/multi_line/mark_layer.h"
#include "forms/multi_line/multi_line_view.h"

namespace forms {

ReportLink::ReportLink(MultiLineView& report, MarkLayer& source)
    : QObject(&report), report_(report), source_(&source), lines_(*report.document()) {
  setObjectName(QStringLiteral("report link"));
  connect(&report, &QPlainTextEdit::cursorPositionChanged, this, [this] { FollowCaret(); });
  connect(report.document(), &QTextDocument::contentsChange, this, [this] { End(); });
}

void ReportLink::End() {
  source_ = nullptr;
  setObjectName(QString());
  deleteLater();
}

ReportLink* ReportLink::Of(const MultiLineView& report) {
  return report.findChild<ReportLink*>(QStringLiteral("report link"), Qt::FindDirectChildrenOnly);
}

void ReportLink::FollowCaret() {
  const MatchMarks* marks = source_ ? source_->marks() : nullptr;
  if (marks == nullptr) return;
  const size_t match = marks->OnReportLine(lines_.LineAt(report_.textCursor().position()));
  if (match != MatchMarks::kNone) source_->ShowMatch(match);
}

}  // namespace forms
