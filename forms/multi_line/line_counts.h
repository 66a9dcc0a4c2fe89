// The scroll range of a multi-line box counts lines. Qt counts a block that
// is not laid out as one line and sets every block back to one line when it
// lays the document out anew (a width or wrap-mode change), which for a block
// of 64 lines would make the range count blocks. So every block keeps the
// number of lines it holds at least (its U+2028 plus one) in its user state,
// counted when its text changes, and after every relayout each block below
// that count is given it again, without reading any text.
#pragma once

#include <QObject>

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
