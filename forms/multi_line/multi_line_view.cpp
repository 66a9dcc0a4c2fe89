// The multi-line box's widget: how a program write fills the document, how
// its text is read back, and its copy, paste and line-selection habits.
#include "forms/multi_line/multi_line_view.h"

#include <algorithm>
#include <new>

#include <QApplication>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>

#include "forms/multi_line/grouped_lines.h"
#include "forms/multi_line/nul_free_text.h"
#include "forms/multi_line/text_shape.h"
#include "platform/gbk.h"
#include "runtime/memory.h"

namespace forms {
namespace {

// Texts with at least this many line breaks are held many lines per block:
// Qt spends some microseconds and some hundred bytes on every block.
constexpr size_t kGroupedLineBreaks = 4096;
// Qt's word-boundary wrapping costs the square of a word's length, and a line
// this long may be one word, so a box holding one wraps at any character.
constexpr size_t kLongLine = 16 * 1024;

bool IsSeparator(QChar c) { return c == QChar::ParagraphSeparator || c == QChar::LineSeparator; }

QTextOption::WrapMode WrapModeFor(size_t longest_line) {
  return longest_line > kLongLine ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
}

// The most Qt needs while it takes a text, with room to spare: the UTF-16
// text (at most two bytes per GBK byte) held once by us and up to twice as
// the document's buffer grows, up to 1 KB per block, and the layout of the
// longest line (measured near 40 bytes a character).
int64_t FillBytesNeeded(std::string_view gbk, const TextShape& shape, bool grouped) {
  const size_t blocks = grouped ? GroupedBlockCount(gbk.size(), shape.line_breaks) : shape.line_breaks + 1;
  return int64_t(6 * gbk.size() + 1024 * blocks + 64 * shape.longest_line);
}

// Appends GBK bytes with each LF as CR LF. LF is never part of a GBK
// character, and a block's text holds none of its own (Qt makes a new block
// of it), so every LF here stands for a line separator.
void AppendWithCrLf(std::string& out, std::string_view gbk) {
  for (size_t start = 0;;) {
    const size_t lf = gbk.find('\n', start);
    out.append(gbk.substr(start, lf == std::string_view::npos ? lf : lf - start));
    if (lf == std::string_view::npos) return;
    out += "\r\n";
    start = lf + 1;
  }
}

std::u16string_view Utf16(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())};
}

struct LineSpan {
  int start, end;  // document positions; end is past the line's break
};

// The line around a document position: the text between two line breaks of
// either kind, with the break that ends it.
LineSpan LineAround(const QTextDocument& document, int position) {
  const QTextBlock block = document.findBlock(position);
  const QString text = block.text();
  const int at = position - block.position();
  const int start = at == 0 ? 0 : int(text.lastIndexOf(QChar::LineSeparator, at - 1)) + 1;
  const int next = int(text.indexOf(QChar::LineSeparator, at));
  const int end = next >= 0 ? block.position() + next + 1
                            : std::min(block.position() + block.length(), document.characterCount() - 1);
  return {block.position() + start, end};
}

}  // namespace

MultiLineView::MultiLineView(QWidget* parent) : QPlainTextEdit(parent) {
  connect(document(), &QTextDocument::contentsChange, this,
          [this](int position, int, int added) { KeepLongLineLayouts(position, added); });
}

void MultiLineView::ShowText(std::string_view gbk) {
  const TextShape shape = MeasureText(gbk);
  const bool grouped = shape.line_breaks >= kGroupedLineBreaks;
  const int64_t needed = FillBytesNeeded(gbk, shape, grouped);
  rt::EnsureMemoryFor(needed);  // running out inside Qt would crash it
  try {
    clear();
    setWordWrapMode(WrapModeFor(shape.longest_line));
    FillDocument(gbk, grouped);
  } catch (const std::bad_alloc&) {
    rt::RaiseOutOfMemory(needed);
  }
  grouped_ = grouped;
}

void MultiLineView::FillDocument(std::string_view gbk, bool grouped) {
  if (!grouped) return setPlainText(platform::GbkToQString(gbk));
  FillGrouped(*document(), gbk);
  moveCursor(QTextCursor::Start);
  ApplyLineCounts(*document());
}

// Block by block, so no copy of the whole text is made but the result: a
// full-size copy costs more in fresh memory than the conversion itself. The
// block's raw text keeps no-break spaces, which toPlainText() would not.
std::string MultiLineView::Text() const {
  // Two bytes a character holds every GBK character and every CR LF; the
  // rest of a four-byte sequence's room is found by growing. Room never
  // written costs no memory. The trial also leaves room for the copies of
  // the longest block, as UTF-16 and as GBK (two bytes a character each).
  int64_t longest_block = 0;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
    longest_block = std::max<int64_t>(longest_block, block.length());
  const int64_t room = 2 * int64_t(document()->characterCount());
  const int64_t needed = room + 4 * longest_block;
  rt::EnsureMemoryFor(needed);
  try {
    std::string gbk;
    gbk.reserve(size_t(room));
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
      if (block.position() > 0) gbk += "\r\n";
      QString text = block.text();
      std::replace(text.begin(), text.end(), QChar(QChar::LineSeparator), QChar(u'\n'));
      AppendWithCrLf(gbk, platform::QStringToGbk(text));
    }
    return gbk;
  } catch (const std::bad_alloc&) {
    rt::RaiseOutOfMemory(needed);
  }
}

// A plain text with "\n" for every line break, built in one pass; Qt's own
// copy builds a document fragment first, seconds for a million lines.
QMimeData* MultiLineView::createMimeDataFromSelection() const {
  QString text = textCursor().selectedText();
  std::replace_if(text.begin(), text.end(), IsSeparator, QChar(u'\n'));
  auto* data = new QMimeData;
  data->setText(text);
  return data;
}

void MultiLineView::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText()) return QPlainTextEdit::insertFromMimeData(source);
  QMimeData clean;
  clean.setText(WithoutNul(source->text()));
  const size_t longest = MeasureText(Utf16(clean.text())).longest_line;
  if (longest + size_t(textCursor().block().length()) > kLongLine) WrapAnywhere();
  QPlainTextEdit::insertFromMimeData(&clean);
}

void MultiLineView::inputMethodEvent(QInputMethodEvent* event) {
  if (!event->commitString().contains(QChar(0))) return QPlainTextEdit::inputMethodEvent(event);
  QInputMethodEvent clean(event->preeditString(), event->attributes());
  clean.setCommitString(WithoutNul(event->commitString()), event->replacementStart(),
                        event->replacementLength());
  QPlainTextEdit::inputMethodEvent(&clean);
}

// Qt lays a line out afresh for every paint unless its layout is kept, and
// for a line of a megabyte that is a pass over all of it with fresh memory on
// every blink of the cursor. Long lines keep theirs (some tens of bytes a
// character, which the fill has already made room for).
void MultiLineView::KeepLongLineLayouts(int position, int added) {
  const QTextBlock last = document()->findBlock(position + added);
  for (QTextBlock block = document()->findBlock(position); block.isValid(); block = block.next()) {
    if (size_t(block.length()) > kLongLine) block.layout()->setCacheEnabled(true);
    if (block == last) break;
  }
}

void MultiLineView::WrapAnywhere() {
  if (wordWrapMode() == QTextOption::WrapAnywhere) return;
  setWordWrapMode(QTextOption::WrapAnywhere);
  if (grouped_) ApplyLineCounts(*document());
}

// Qt selects the whole block on a triple click and extends by blocks while
// the button is held; in a grouped document a block is up to 64 lines, so
// the selection is narrowed to lines, press and drag alike.
void MultiLineView::mouseDoubleClickEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseDoubleClickEvent(event);
  since_double_click_.start();
}

void MultiLineView::mousePressEvent(QMouseEvent* event) {
  const bool soon_after_double_click = since_double_click_.isValid() &&
                                       !since_double_click_.hasExpired(QApplication::doubleClickInterval());
  QPlainTextEdit::mousePressEvent(event);
  if (event->button() != Qt::LeftButton || !soon_after_double_click || !SelectsWholeBlock()) return;
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

void MultiLineView::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  if (grouped_ && event->oldSize().width() != event->size().width()) ApplyLineCounts(*document());
}

}  // namespace forms
