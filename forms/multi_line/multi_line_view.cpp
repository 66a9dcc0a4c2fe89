// The multi-line box's widget: how a program write fills the document, how
// its text is read back, its copy, paste and input habits, and how the keys
// and the mouse treat a line held in pieces as one line.
#include "forms/multi_line/multi_line_view.h"

#include <algorithm>
#include <new>

#include <QAbstractTextDocumentLayout>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "forms/multi_line/continued_lines.h"
#include "forms/multi_line/line_marks.h"
#include "forms/multi_line/nul_free_text.h"
#include "forms/multi_line/text_reader.h"
#include "forms/multi_line/text_shape.h"
#include "forms/multi_line/text_writer.h"
#include "platform/gbk.h"
#include "runtime/memory.h"

namespace forms {
namespace {

// Qt's word-boundary wrapping costs the square of a word's length, and a line
// this long may be one word, so a box holding one wraps at any character.
constexpr size_t kLongLine = 16 * 1024;

QTextOption::WrapMode WrapModeFor(size_t longest_line) {
  return longest_line > kLongLine ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
}

// The most Qt needs while it takes a text, with room to spare: the UTF-16
// text (at most two bytes per GBK byte) held once by us and up to twice as
// the document's buffer grows, up to 1 KB per block, and the layout of the
// longest piece of a line (measured near 40 bytes a character).
int64_t FillBytesNeeded(size_t units, const TextShape& shape, LineHolding holding) {
  const size_t longest_piece =
      holding.in_pieces ? std::min<size_t>(shape.longest_line, 3 * kLinePieceCharacters) : shape.longest_line;
  return int64_t(6 * units + 1024 * BlockCountFor(units, shape.line_breaks) + 64 * longest_piece);
}

std::u16string_view Utf16(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())};
}

// Characters Qt would turn into something else than themselves on insertion.
bool HoldsSeparators(const QString& text) {
  return std::any_of(text.begin(), text.end(), [](QChar c) {
    return c == u'\r' || c == u'\n' || c == QChar::LineSeparator || EndsBlock(c);
  });
}

bool MovesByCharacter(QKeyEvent* event) {
  return event == QKeySequence::MoveToNextChar || event == QKeySequence::MoveToPreviousChar ||
         event == QKeySequence::SelectNextChar || event == QKeySequence::SelectPreviousChar;
}

bool MovesByWord(QKeyEvent* event) {
  return event == QKeySequence::MoveToNextWord || event == QKeySequence::MoveToPreviousWord ||
         event == QKeySequence::SelectNextWord || event == QKeySequence::SelectPreviousWord;
}

}  // namespace

MultiLineView::MultiLineView(QWidget* parent) : QPlainTextEdit(parent) {
  connect(document(), &QTextDocument::contentsChange, this,
          [this](int position, int, int added) { KeepLongLineLayouts(position, added); });
}

void MultiLineView::ShowText(std::string_view gbk) {
  const TextShape shape = MeasureText(gbk);
  const LineHolding holding = HoldingFor(shape);
  const int64_t needed = FillBytesNeeded(gbk.size(), shape, holding);
  rt::EnsureMemoryFor(needed);  // running out inside Qt would crash it
  try {
    clear();
    setWordWrapMode(WrapModeFor(shape.longest_line));
    WriteGbk(*document(), gbk, holding);
    moveCursor(QTextCursor::Start);
  } catch (const std::bad_alloc&) {
    rt::RaiseOutOfMemory(needed);
  }
}

std::vector<VisibleBlock> MultiLineView::VisibleBlocks() const {
  std::vector<VisibleBlock> blocks;
  const int bottom = viewport()->height();
  for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
    const QRectF rect = blockBoundingGeometry(block).translated(contentOffset());
    if (rect.top() > bottom) break;
    if (block.isVisible()) blocks.push_back({block, rect.topLeft()});
  }
  return blocks;
}

// The scroll bar counts lines, as the blocks' line counts give them; the
// block is laid out first, so its own lines are known.
void MultiLineView::ScrollToShow(int position) {
  const QTextBlock block = document()->findBlock(position);
  if (!block.isValid()) return;
  document()->documentLayout()->blockBoundingRect(block);
  const QTextLine line = block.layout()->lineForTextPosition(position - block.position());
  const int line_number = block.firstLineNumber() + (line.isValid() ? line.lineNumber() : 0);
  QScrollBar* bar = verticalScrollBar();
  if (line_number < bar->value() || line_number >= bar->value() + bar->pageStep())
    bar->setValue(line_number - bar->pageStep() / 2);
  if (!line.isValid() || lineWrapMode() != NoWrap) return;
  const int x = int(line.cursorToX(position - block.position()));
  QScrollBar* across = horizontalScrollBar();
  if (x < across->value() || x >= across->value() + viewport()->width())
    across->setValue(x - viewport()->width() / 2);
}

// Block by block, so no copy of the whole text is made but the result: a
// full-size copy costs more in fresh memory than the conversion itself.
std::string MultiLineView::Text() const {
  // Two bytes a character holds every GBK character and every CR LF; the
  // rest of a four-byte sequence's room is found by growing. Room never
  // written costs no memory. The trial also leaves room for the copies of
  // the longest block, as UTF-16 and as GBK (two bytes a character each).
  int64_t longest_block = 0;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
    longest_block = std::max<int64_t>(longest_block, block.length());
  const int64_t room = 2 * int64_t(document()->characterCount());
  const int64_t needed = room + 6 * longest_block;
  rt::EnsureMemoryFor(needed);
  try {
    std::string gbk;
    gbk.reserve(size_t(room));
    const int end = document()->characterCount() - 1;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
      AppendWithCrLf(gbk, platform::QStringToGbk(ReadBlock(block, block.position(), end)));
    return gbk;
  } catch (const std::bad_alloc&) {
    rt::RaiseOutOfMemory(needed);
  }
}

// A plain text with "\n" for every line break, built in one pass; Qt's own
// copy builds a document fragment first, seconds for a million lines.
QMimeData* MultiLineView::createMimeDataFromSelection() const {
  const QTextCursor cursor = textCursor();
  auto* data = new QMimeData;
  data->setText(ReadRange(*document(), cursor.selectionStart(), cursor.selectionEnd()));
  return data;
}

void MultiLineView::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText() || isReadOnly()) return QPlainTextEdit::insertFromMimeData(source);
  InsertAsPasted(WithoutNul(source->text()), 0, 0);
}

// Pasted text goes in as a program write does, grouped and in pieces, so a
// paste of 10 MB is as quick as the write and its separators keep their
// meaning; it is one step for undo, as Qt's own paste.
void MultiLineView::InsertAsPasted(const QString& text, int replace_from, int replace_length) {
  const TextShape shape = MeasureText(Utf16(text));
  const LineHolding holding = HoldingFor(shape);
  const int64_t needed = FillBytesNeeded(size_t(text.size()), shape, holding);
  rt::EnsureMemoryFor(needed);
  try {
    WrapAnywhereFor(shape.longest_line);
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.setPosition(cursor.position() + replace_from);
    cursor.setPosition(cursor.position() + replace_length, QTextCursor::KeepAnchor);
    InsertPlainText(cursor, text, holding);
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
  } catch (const std::bad_alloc&) {
    rt::RaiseOutOfMemory(needed);
  }
}

// A commit that holds line breaks or separators goes in as a paste, so they
// read back as committed; the preedit that comes with it goes on to Qt. The
// text a commit replaces is counted in characters, which the separator
// between two pieces of a line is not.
void MultiLineView::inputMethodEvent(QInputMethodEvent* event) {
  const QString commit = WithoutNul(event->commitString());
  const int caret = textCursor().position();
  const int from = StepOverCharacters(*document(), caret, event->replacementStart()) - caret;
  const int length = StepOverCharacters(*document(), caret + from, event->replacementLength()) - caret - from;
  if (commit == event->commitString() && !HoldsSeparators(commit) && from == event->replacementStart() &&
      length == event->replacementLength())
    return QPlainTextEdit::inputMethodEvent(event);
  QInputMethodEvent rest(event->preeditString(), event->attributes());
  if (HoldsSeparators(commit) && !isReadOnly())
    InsertAsPasted(commit, from, length);
  else
    rest.setCommitString(commit, from, length);
  QPlainTextEdit::inputMethodEvent(&rest);
}

// Around a piece of a long line an input method sees the pieces beside it
// too, as it would see the one line.
QVariant MultiLineView::inputMethodQuery(Qt::InputMethodQuery query) const {
  const QTextCursor cursor = textCursor();
  const QTextBlock block = cursor.block();
  if (!IsPiece(block)) return QPlainTextEdit::inputMethodQuery(query);
  const PieceContext around = TextAroundPiece(block);
  const int caret = around.block_start + cursor.position() - block.position();
  constexpr int kContextLength = 1024;  // what Qt hands out when no length is asked for
  switch (query) {
    case Qt::ImSurroundingText: return around.text;
    case Qt::ImCursorPosition: return caret;
    case Qt::ImAnchorPosition: return around.block_start + cursor.anchor() - block.position();
    case Qt::ImTextBeforeCursor: return around.text.left(caret).right(kContextLength);
    case Qt::ImTextAfterCursor: return around.text.mid(caret).left(kContextLength);
    default: return QPlainTextEdit::inputMethodQuery(query);
  }
}

void MultiLineView::keyPressEvent(QKeyEvent* event) {
  if (InsertLineBreak(event)) return;
  StepOffPieceBoundary(event);
  const int before = textCursor().position();
  QPlainTextEdit::keyPressEvent(event);
  MoveOverPieces(event, before);
}

// Enter and Shift+Enter break the line with a plain block separator: the
// character format Qt would take from the text before the caret may carry a
// separator's mark.
bool MultiLineView::InsertLineBreak(QKeyEvent* event) {
  if (event != QKeySequence::InsertParagraphSeparator && event != QKeySequence::InsertLineSeparator) return false;
  if (!(textInteractionFlags() & Qt::TextEditable)) return false;
  QTextCursor cursor = textCursor();
  cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
  setTextCursor(cursor);
  ensureCursorVisible();
  event->accept();
  return true;
}

// Where two pieces of a line meet, Backspace deletes the character before
// the meeting and Delete the one after, not the separator between them.
void MultiLineView::StepOffPieceBoundary(QKeyEvent* event) {
  QTextCursor cursor = textCursor();
  if (cursor.hasSelection()) return;
  const bool backwards = event->key() == Qt::Key_Backspace || event == QKeySequence::DeleteStartOfWord;
  const bool forwards = event == QKeySequence::Delete || event == QKeySequence::DeleteEndOfWord;
  if (backwards && AtPieceStart(*document(), cursor.position())) cursor.movePosition(QTextCursor::PreviousCharacter);
  else if (forwards && AtPieceEnd(*document(), cursor.position())) cursor.movePosition(QTextCursor::NextCharacter);
  else return;
  setTextCursor(cursor);
}

// A move that only crossed the separator between two pieces of a line moved
// over no character: it is made once more. A word move that stopped where
// pieces meet inside a word goes on over the rest of the word.
void MultiLineView::MoveOverPieces(QKeyEvent* event, int before) {
  const int after = textCursor().position();
  if (MovesByCharacter(event) && AcrossPieces(*document(), before, after)) {
    QPlainTextEdit::keyPressEvent(event);
    return;
  }
  if (!MovesByWord(event)) return;
  const bool select = event == QKeySequence::SelectNextWord || event == QKeySequence::SelectPreviousWord;
  for (int at = after, from = before; at != from && WordGoesOnAt(*document(), at);) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(at < from ? at - 1 : at + 1, select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
    setTextCursor(cursor);
    from = cursor.position();
    QPlainTextEdit::keyPressEvent(event);
    at = textCursor().position();
  }
}

// Qt lays a line out afresh for every paint unless its layout is kept, and
// for a long block that is a pass over all of it with fresh memory on every
// blink of the cursor. Blocks longer than a piece of a line (pieces that
// edits joined, or a long line in a box that does not wrap) keep theirs:
// some tens of bytes a character.
void MultiLineView::KeepLongLineLayouts(int position, int added) {
  const QTextBlock last = document()->findBlock(position + added);
  for (QTextBlock block = document()->findBlock(position); block.isValid(); block = block.next()) {
    if (size_t(block.length()) > kLongLine) block.layout()->setCacheEnabled(true);
    if (block == last) break;
  }
}

// Long lines are held in pieces only where the box wraps them: pieces of a
// line that is not wrapped would show as lines of their own.
LineHolding MultiLineView::HoldingFor(const TextShape& shape) const {
  return {shape.line_breaks >= kGroupedLineBreaks, lineWrapMode() != NoWrap};
}

void MultiLineView::WrapAnywhereFor(size_t longest_inserted_line) {
  if (longest_inserted_line + size_t(textCursor().block().length()) <= kLongLine) return;
  setWordWrapMode(QTextOption::WrapAnywhere);
}

// A double click selects a word; a word that goes on in the next piece of
// its line, or comes from the one before, is selected whole.
void MultiLineView::mouseDoubleClickEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseDoubleClickEvent(event);
  ExtendWordOverPieces();
}

void MultiLineView::ExtendWordOverPieces() {
  QTextCursor cursor = textCursor();
  if (!cursor.hasSelection()) return;
  auto word_around = [this](int position) {
    QTextCursor word(document());
    word.setPosition(position);
    word.select(QTextCursor::WordUnderCursor);
    return word;
  };
  int start = cursor.selectionStart(), end = cursor.selectionEnd();
  while (WordGoesOnAt(*document(), start)) start = word_around(start - 2).selectionStart();
  while (WordGoesOnAt(*document(), end)) end = word_around(end + 2).selectionEnd();
  if (start == cursor.selectionStart() && end == cursor.selectionEnd()) return;
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  const int top = verticalScrollBar()->value();  // the text clicked stays under the mouse
  setTextCursor(cursor);
  verticalScrollBar()->setValue(top);
}

// Qt's own triple click selects the whole block and then extends by blocks
// while the button is held; a block holds up to 64 lines, or one piece of a
// long line, so the selection is made the line clicked, press and drag alike.
// A press that leaves the whole block selected, where it was not before, is
// Qt's triple click (a press inside a selection, which may start a drag,
// leaves it as it was).
void MultiLineView::mousePressEvent(QMouseEvent* event) {
  const QTextCursor before = textCursor();
  QPlainTextEdit::mousePressEvent(event);
  const QTextCursor after = textCursor();
  const bool changed = before.anchor() != after.anchor() || before.position() != after.position();
  const bool extends = event->modifiers() & Qt::ShiftModifier;  // Qt extends the selection it has
  if (event->button() != Qt::LeftButton || extends || !changed || !SelectsWholeBlock()) return;
  line_anchor_ = cursorForPosition(event->position().toPoint()).position();
  SelectLines(line_anchor_, line_anchor_);
}

void MultiLineView::mouseMoveEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseMoveEvent(event);
  if (line_anchor_ >= 0 && (event->buttons() & Qt::LeftButton))
    SelectLines(line_anchor_, cursorForPosition(event->position().toPoint()).position());
}

void MultiLineView::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  line_anchor_ = -1;
}

bool MultiLineView::SelectsWholeBlock() const {
  const QTextCursor cursor = textCursor();
  const QTextBlock block = document()->findBlock(cursor.selectionStart());
  return cursor.hasSelection() && cursor.selectionStart() == block.position() &&
         cursor.selectionEnd() >= block.position() + block.length() - 1;
}

void MultiLineView::SelectLines(int anchor, int position) {
  const LineSpan from = LineAround(*document(), anchor), to = LineAround(*document(), position);
  QTextCursor cursor = textCursor();
  const bool downwards = position >= anchor;
  cursor.setPosition(downwards ? from.start : from.end);
  cursor.setPosition(downwards ? to.end : to.start, QTextCursor::KeepAnchor);
  const QTextCursor current = textCursor();
  if (cursor.anchor() != current.anchor() || cursor.position() != current.position()) setTextCursor(cursor);
}

}  // namespace forms
