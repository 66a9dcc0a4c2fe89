// The line a document position lies on, counted from 0 as the program reads
// the box's text: its line breaks count, the meetings of a long line's pieces
// and the text's own separators do not. The first line of every block is
// counted once and again after each change.
#pragma once

#include <vector>

#include <QObject>

class QTextBlock;
class QTextDocument;

namespace forms {

class LineNumbers : public QObject {
 public:
  explicit LineNumbers(const QTextDocument& document);

  int LineAt(int position);

 private:
  void CountBlocks();

  const QTextDocument& document_;
  std::vector<int> first_lines_;  // per block number; empty until counted or after a change
};

}  // namespace forms
