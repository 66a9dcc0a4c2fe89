// Turning line breaks, long lines and the text's own separators into the
// blocks, separators and marks of a multi-line box's document.
#include "forms/multi_line/text_writer.h"

#include <limits>

#include <QTextCursor>
#include <QTextDocument>

#include "forms/multi_line/line_marks.h"
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

// Neither a line break nor a separator Qt would make its own of.
bool IsPlain(QChar c) {
  const char16_t u = c.unicode();
  return u > u'\r' && u != QChar::LineSeparator && !EndsBlock(c);
}

// A long line may be split before `c`: not inside a surrogate pair, and not
// between a character and the marks that go on it.
bool MaySplitBefore(QChar c) { return !c.isLowSurrogate() && !c.isMark(); }

// Writes pieces of a text at a cursor: each piece is rewritten in place into
// runs of plain text, with every line break as U+2028 or U+2029, and the
// separators that need a mark of their own are inserted one by one between
// the runs. Counts lines and characters across pieces.
class TextWriter {
 public:
  TextWriter(QTextCursor& cursor, LineHolding holding)
      : cursor_(cursor),
        grouped_(holding.grouped),
        piece_characters_(holding.in_pieces ? kLinePieceCharacters : std::numeric_limits<qsizetype>::max()) {}

  // `piece` never ends inside a CR LF.
  void Write(QString piece) {
    QChar* text = piece.data();
    const qsizetype size = piece.size();
    qsizetype out = 0, run_start = 0;
    auto insert_marked = [&](QChar separator, const QTextCharFormat& format) {
      cursor_.insertText(piece.mid(run_start, out - run_start), QTextCharFormat());
      cursor_.insertText(QString(separator), format);
      run_start = out;
    };
    for (qsizetype i = 0; i < size; ++i) {
      QChar c = text[i];
      if (IsPlain(c) && line_characters_ < piece_characters_) {  // most characters, decided at once
        text[out++] = c;
        ++block_characters_;
        ++line_characters_;
        continue;
      }
      if (c == u'\r' || c == u'\n') {
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n') ++i;
        text[out++] = NextLineBreak();
        continue;
      }
      if (line_characters_ >= piece_characters_ && MaySplitBefore(c)) {
        insert_marked(QChar::ParagraphSeparator, ContinuationFormat());
        StartBlock();
        line_characters_ = 0;
      }
      if (c == QChar::LineSeparator) {
        insert_marked(c, OwnLineSeparatorFormat());
      } else if (EndsBlock(c)) {
        insert_marked(QChar::ParagraphSeparator, OwnBlockSeparatorFormat(c));
        StartBlock();
      } else {
        text[out++] = c;
      }
      ++block_characters_;
      ++line_characters_;
    }
    piece.truncate(out);
    if (run_start == 0) return cursor_.insertText(piece, QTextCharFormat());
    cursor_.insertText(piece.mid(run_start), QTextCharFormat());
  }

 private:
  QChar NextLineBreak() {
    line_characters_ = 0;
    if (grouped_ && ++block_lines_ < kLinesPerBlock && block_characters_ < kBlockCharacters)
      return QChar::LineSeparator;
    StartBlock();
    return QChar::ParagraphSeparator;
  }

  void StartBlock() {
    block_lines_ = 0;
    block_characters_ = 0;
  }

  QTextCursor& cursor_;
  const bool grouped_;
  const qsizetype piece_characters_;  // the longest piece of a line a block takes
  int block_lines_ = 0;
  qsizetype block_characters_ = 0;
  qsizetype line_characters_ = 0;
};

}  // namespace

size_t BlockCountFor(size_t bytes, size_t line_breaks) {
  const size_t grouped = line_breaks / kLinesPerBlock + bytes / kBlockCharacters + 1;
  return (line_breaks >= kGroupedLineBreaks ? grouped : line_breaks + 1) + bytes / kLinePieceCharacters;
}

void WriteGbk(QTextDocument& document, std::string_view gbk, LineHolding holding) {
  const bool undo = document.isUndoRedoEnabled();
  document.setUndoRedoEnabled(false);
  QTextCursor cursor(&document);
  cursor.movePosition(QTextCursor::End);
  cursor.beginEditBlock();
  TextWriter writer(cursor, holding);
  for (size_t begin = 0, end; begin < gbk.size(); begin = end) {
    end = PieceEnd(gbk, begin);
    writer.Write(platform::GbkToQString(gbk.substr(begin, end - begin)));
  }
  cursor.endEditBlock();
  document.setUndoRedoEnabled(undo);
}

void InsertPlainText(QTextCursor& cursor, const QString& text, LineHolding holding) {
  cursor.beginEditBlock();
  cursor.removeSelectedText();
  TextWriter(cursor, holding).Write(text);
  cursor.endEditBlock();
}

}  // namespace forms
