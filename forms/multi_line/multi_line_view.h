// The widget of a multi-line edit box: a QPlainTextEdit that takes texts of a
// million lines or a megabyte-long line without stalling, reads back exactly
// the text it holds, copies exactly the selected text, selects one line on a
// triple click and keeps NUL out. Its document holds lines grouped many to a
// block and long lines in pieces (forms/multi_line/text_writer.h); to the
// caret, the keys and the mouse a line in pieces is one line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <QPlainTextEdit>

#include "forms/multi_line/line_counts.h"
#include "forms/multi_line/text_shape.h"
#include "forms/multi_line/text_writer.h"
#include "forms/multi_line/visible_block.h"

namespace forms {

class MultiLineView : public QPlainTextEdit {
 public:
  explicit MultiLineView(QWidget* parent);

  // Replaces the text with GBK bytes; CR LF, a lone CR and a lone LF each
  // break a line. Too little memory for the text ends the program with the
  // runtime's out-of-memory error before Qt is handed anything.
  void ShowText(std::string_view gbk);
  // The text as GBK bytes, CR LF between lines.
  std::string Text() const;

  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

  // The blocks on screen, top to bottom, each with where its layout is drawn
  // in the viewport; Qt has laid them out.
  std::vector<VisibleBlock> VisibleBlocks() const;
  // Scrolls so that `position` shows, in the middle when it was off screen.
  void ScrollToShow(int position);

 protected:
  QMimeData* createMimeDataFromSelection() const override;
  void insertFromMimeData(const QMimeData* source) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void KeepLongLineLayouts(int position, int added);
  LineHolding HoldingFor(const TextShape& shape) const;
  void WrapAnywhereFor(size_t longest_inserted_line);
  void InsertAsPasted(const QString& text, int replace_from, int replace_length);
  bool InsertLineBreak(QKeyEvent* event);
  void StepOffPieceBoundary(QKeyEvent* event);
  void MoveOverPieces(QKeyEvent* event, int before);
  void ExtendWordOverPieces();
  bool SelectsWholeBlock() const;
  void SelectLines(int anchor, int position);

  LineCounts line_counts_{*document()};
  int line_anchor_ = -1;  // where a triple click started selecting by lines, while the button is down
};

}  // namespace forms
