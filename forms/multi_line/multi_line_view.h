// The widget of a multi-line edit box: a QPlainTextEdit that takes texts of a
// million lines or a megabyte-long line without stalling, copies exactly the
// selected text, selects one line on a triple click and keeps NUL out.
#pragma once

#include <string>
#include <string_view>

#include <QElapsedTimer>
#include <QPlainTextEdit>

namespace forms {

class MultiLineView : public QPlainTextEdit {
 public:
  explicit MultiLineView(QWidget* parent);

  // Replaces the text with GBK bytes; CR LF, a lone CR and a lone LF each
  // break a line. Texts with thousands of lines are held many lines per block.
  // Too little memory for the text ends the program with the runtime's
  // out-of-memory error before Qt is handed anything.
  void ShowText(std::string_view gbk);
  // The text as GBK bytes, CR LF between lines.
  std::string Text() const;

 protected:
  QMimeData* createMimeDataFromSelection() const override;
  void insertFromMimeData(const QMimeData* source) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FillDocument(std::string_view gbk, bool grouped);
  void KeepLongLineLayouts(int position, int added);
  void WrapAnywhere();
  bool SelectsWholeBlock() const;
  void SelectLines(int anchor, int position);

  bool grouped_ = false;  // the last program write held many lines per block
  QElapsedTimer since_double_click_;
  int line_anchor_ = -1;  // where a triple click started selecting by lines, while the button is down
};

}  // namespace forms
