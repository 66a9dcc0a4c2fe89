// Filling a document from GBK bytes with many lines per block, and the line
// counts its blocks need before they are laid out.
#include "forms/multi_line/grouped_lines.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/gbk.h"

namespace forms {
namespace {

constexpr int kLinesPerBlock = 64;
constexpr qsizetype kBlockCharacters = 4096;
constexpr size_t kPieceBytes = 64 * 1024;

// Where the piece that starts at `begin` ends: after the first LF at least
// kPieceBytes on, so no CR LF and no GBK character is split (LF is never part
// of a multi-byte sequence), or at the end of the text.
size_t PieceEnd(std::string_view gbk, size_t begin) {
  if (gbk.size() - begin <= kPieceBytes) return gbk.size();
  const size_t lf = gbk.find('\n', begin + kPieceBytes);
  return lf == std::string_view::npos ? gbk.size() : lf + 1;
}

// Turns the line breaks of decoded pieces into the separators of a grouped
// document, counting lines and characters across pieces.
class LineGrouping {
 public:
  // Rewrites `piece` in place: each CR LF, CR or LF becomes U+2028 within a
  // block, or U+2029 where the block is full.
  void MarkBreaks(QString& piece) {
    QChar* text = piece.data();
    const qsizetype size = piece.size();
    qsizetype out = 0;
    for (qsizetype i = 0; i < size; ++i) {
      QChar c = text[i];
      if (c == u'\r' || c == u'\n') {
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n') ++i;
        c = NextSeparator();
      } else {
        ++block_characters_;
      }
      text[out++] = c;
    }
    piece.truncate(out);
  }

 private:
  QChar NextSeparator() {
    if (++block_lines_ < kLinesPerBlock && block_characters_ < kBlockCharacters)
      return QChar::LineSeparator;
    block_lines_ = 0;
    block_characters_ = 0;
    return QChar::ParagraphSeparator;
  }

  int block_lines_ = 0;
  qsizetype block_characters_ = 0;
};

}  // namespace

size_t GroupedBlockCount(size_t bytes, size_t line_breaks) {
  return line_breaks / kLinesPerBlock + bytes / kBlockCharacters + 1;
}

void FillGrouped(QTextDocument& document, std::string_view gbk) {
  const bool undo = document.isUndoRedoEnabled();
  document.setUndoRedoEnabled(false);
  QTextCursor cursor(&document);
  cursor.movePosition(QTextCursor::End);
  cursor.beginEditBlock();
  LineGrouping grouping;
  for (size_t begin = 0, end; begin < gbk.size(); begin = end) {
    end = PieceEnd(gbk, begin);
    QString piece = platform::GbkToQString(gbk.substr(begin, end - begin));
    grouping.MarkBreaks(piece);
    cursor.insertText(piece);
  }
  cursor.endEditBlock();
  document.setUndoRedoEnabled(undo);
}

void ApplyLineCounts(QTextDocument& document) {
  // A laid-out block holds at least one line more than it has separators, so
  // a count of 1 on a block with separators means it is not laid out.
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block.lineCount() != 1) continue;
    const qsizetype separators = block.text().count(QChar::LineSeparator);
    if (separators > 0) block.setLineCount(int(separators) + 1);
  }
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  emit layout->documentSizeChanged(layout->documentSize());
}

}  // namespace forms
