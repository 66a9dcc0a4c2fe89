// The scroll range of a multi-line box counts lines. Qt counts a block that
// is not laid out as one line and sets every block back to one line when it
// lays the document out anew (a width, font or wrap-mode change), which for
// a block of 64 lines, or a 16K piece of a long line, would make the range
// count blocks. So every block keeps the number of lines it holds at least
// (its U+2028 plus one) in its user state, counted when its text changes, and
// after every relayout each block below that count is given it again, and a
// piece of a long line that is not laid out the lines its characters fill at
// the box's width, without reading any text. Qt's own count replaces it once
// Qt lays the block out. Nothing else may use the blocks' user state.
#pragma once

#include <QObject>

class QTextBlock;
class QTextDocument;

namespace forms {

class LineCounts : public QObject {
 public:
  // Keeps the counts of `document`, which must have its plain-text layout.
  explicit LineCounts(QTextDocument& document);

 private:
  void Count(int position, int added);
  void Apply();

  QTextDocument& document_;
};

}  // namespace forms
